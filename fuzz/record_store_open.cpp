// Fuzz target: opening a record store from any index file and record files. Whatever the
// bytes, the open ends and raises nothing; the store lists only positive ids, each once, all
// below its next id; each listed record reads back as its file's bytes (null without one);
// and after an add and a close, a second open reads the same ids, last id and records.
//
// Input: uint16 big-endian length L, L bytes of index file, then records 1, 2, ... each as a
// uint16 big-endian length and that many bytes (a record cut by the end is written cut).
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_store_runtime.h"
#include "javame/boxed.h"
#include "javame/record_store.h"
#include "javame/vector.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "runtime/string.h"

namespace {

using Store = javax_microedition_rms_RecordStore;
using Bytes = std::string;

constexpr int32_t kFuzzDataHeapSize = 8 * 1024 * 1024;
constexpr int kRunsPerCollection = 32;

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
  static FuzzStoreRuntime runtime(kFuzzDataHeapSize);
  static int runs = 0;
  size_t at = 0;
  const Bytes index = TakeChunk(data, size, &at);
  std::vector<Bytes> records;
  while (at < size) records.push_back(TakeChunk(data, size, &at));
  runtime.plantStore("f", index, records);

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
