// Fuzz target: opening a record store from any index file and record files. Whatever the
// bytes, the open ends and raises nothing; the store lists only positive ids, each once, all
// below its next id; each listed record reads back as its file's bytes (null without one);
// and after an add and a close, a second open reads the same ids, last id and records.
//
// Input: uint16 big-endian length L, L bytes of index file, then records 1, 2, ... each as a
// uint16 big-endian length and that many bytes (a record cut by the end is written cut).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "host/file_roots.h"
#include "javame/boxed.h"
#include "javame/record_store.h"
#include "javame/vector.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/string_constants.h"

namespace {

namespace fs = std::filesystem;
using Store = javax_microedition_rms_RecordStore;
using Bytes = std::string;

constexpr int32_t kFuzzDataHeapSize = 8 * 1024 * 1024;
constexpr int kRunsPerCollection = 32;
constexpr const char* kStoreFolder = "program files/marquent/plimora";
constexpr const char* kIndexFile = "rs_f.rms";

// A runtime started over roots of its own, in memory where the machine has a tmpfs, so the
// syncs of each save cost little.
class StoreRuntime {
 public:
  StoreRuntime() {
    const fs::path temporary =
        fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    std::random_device random;
    do {
      root_ = temporary / ("plimora-rms-fuzz-" + std::to_string(random()));
    } while (!fs::create_directory(root_));
    host::SetDataRoot((root_ / "data").string());
    host::SetSaveRoot((root_ / "save").string());
    // The string-constant pool, read from the archive like the game's.
    const databuild::ArchiveEntry pool = {
        "constants.bin", databuild::WriteConstantsFile(databuild::StringConstantTable())};
    const std::vector<uint8_t> archive = databuild::WriteArchive({&pool, 1});
    const fs::path archivePath = root_ / "data" / databuild::kArchivePath;
    fs::create_directories(archivePath.parent_path());
    write(archivePath, Bytes(archive.begin(), archive.end()));
    application_ = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
    FuzzCheck(application_->getStaticClass()->initialize());
  }
  ~StoreRuntime() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // Empties the store folder and writes the index and the records there.
  void plant(const Bytes& index, const std::vector<Bytes>& records) {
    const fs::path folder = root_ / "save" / kStoreFolder;
    fs::remove_all(folder);
    fs::create_directories(folder);
    write(folder / kIndexFile, index);
    for (size_t i = 0; i < records.size(); i++) {
      write(folder / (std::string(kIndexFile) + "_rec" + std::to_string(i + 1) + ".rms"),
            records[i]);
    }
  }
  Application* application() { return application_; }

 private:
  static void write(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  fs::path root_;
  Application* application_ = nullptr;
};

// Reads a uint16 big-endian length and that many bytes (fewer at the end) from data at *at.
Bytes TakeChunk(const uint8_t* data, size_t size, size_t* at) {
  size_t length = 0;
  for (int i = 0; i < 2; i++) length = length << 8 | (*at < size ? data[(*at)++] : 0);
  const size_t taken = std::min(length, size - *at);
  Bytes chunk(reinterpret_cast<const char*>(data + *at), taken);
  *at += taken;
  return chunk;
}

std::vector<int32_t> IdsOf(Store* store) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < store->getNumRecords(); i++) {
    ids.push_back(static_cast<java_lang_Integer*>(store->recordIds->elementAt(i))->intValue());
  }
  return ids;
}

// Each listed record as the store reads it; "<none>" for a null record.
std::map<int32_t, Bytes> RecordsOf(Store* store) {
  std::map<int32_t, Bytes> records;
  for (const int32_t id : IdsOf(store)) {
    ByteArray* record = store->getRecord(id);
    FuzzCheck(!GetPendingException());
    records[id] = record ? Bytes(reinterpret_cast<const char*>(record->elements()),
                                 static_cast<size_t>(record->length))
                         : "<none>";
  }
  return records;
}

void CheckOpened(Store* store, const std::vector<Bytes>& planted) {
  FuzzCheck(store != nullptr && !GetPendingException());
  FuzzCheck(store->lastRecordId >= 0);
  std::set<int32_t> seen;
  for (const auto& [id, record] : RecordsOf(store)) {
    FuzzCheck(id > 0 && id <= store->lastRecordId && seen.insert(id).second);
    const bool hasFile = static_cast<size_t>(id) <= planted.size();
    FuzzCheck(record == (hasFile ? planted[static_cast<size_t>(id) - 1] : "<none>"));
  }
  FuzzCheck(seen.size() == IdsOf(store).size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static StoreRuntime runtime;
  static int runs = 0;
  size_t at = 0;
  const Bytes index = TakeChunk(data, size, &at);
  std::vector<Bytes> records;
  while (at < size) records.push_back(TakeChunk(data, size, &at));
  runtime.plant(index, records);

  String* name = NewJavaString("f");
  Store* store = Store::openRecordStore(name, false);
  CheckOpened(store, records);
  const std::vector<int32_t> before = IdsOf(store);
  ByteArray* added = NewByteArray(3);
  const int32_t id = store->addRecord(added, 0, 3);
  if (store->lastRecordId == INT32_MAX && id == 0) {
    ClearPendingException();  // no id is left: the store is full
  } else {
    FuzzCheck(!GetPendingException() && id == store->lastRecordId);
    for (const int32_t old : before) FuzzCheck(old < id);
  }
  store->closeRecordStore();
  FuzzCheck(!GetPendingException());

  Store* again = Store::openRecordStore(name, false);
  FuzzCheck(again && !GetPendingException());
  FuzzCheck(IdsOf(again) == IdsOf(store) && again->lastRecordId == store->lastRecordId);
  FuzzCheck(RecordsOf(again) == RecordsOf(store));
  if (++runs % kRunsPerCollection == 0) {
    runtime.application()->getObjectManager()->gc(kGcForced);
  }
  return 0;
}
