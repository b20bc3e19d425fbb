// The record store's index file and paths. The index is built whole in memory and written in
// one atomic replace; reading repairs what would let an id be given out twice.
//
// Index file, big-endian int32 values:
//   offset 0      lastRecordId
//   offset 4      N, the number of records
//   offset 8      N record ids, in the order the records were added
#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "javame/boxed.h"
#include "javame/file.h"
#include "javame/record_store.h"
#include "javame/vector.h"
#include "platform/device_path.h"
#include "platform/file_output_stream.h"
#include "platform/install_paths.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kSeparator = 50;        // string constant: between the parts of a path
constexpr int32_t kIndexPrefix = 51;      // string constant: starts every index file name
constexpr int32_t kFileSuffix = 52;       // string constant: ends every index and record file name
constexpr int32_t kIndexNotWritten = 53;  // string constant: RecordStoreException's text
constexpr int32_t kRecordInfix = 54;      // string constant: between the index path and a record id
constexpr char16_t kReplacedInPath[] = u"/:*?<>|";  // each becomes '_' in a store's path

struct IndexContents {
  int32_t lastRecordId = 0;
  std::vector<int32_t> ids;
};

int32_t BigEndianAt(const uint8_t* bytes) {
  return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) << 24 |
                              static_cast<uint32_t>(bytes[1]) << 16 |
                              static_cast<uint32_t>(bytes[2]) << 8 | bytes[3]);
}

void AppendBigEndian(std::vector<uint8_t>* bytes, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes->push_back(static_cast<uint8_t>(bits >> shift));
}

std::vector<uint8_t> EncodeIndex(const IndexContents& index) {
  std::vector<uint8_t> bytes;
  bytes.reserve(8 + 4 * index.ids.size());
  AppendBigEndian(&bytes, index.lastRecordId);
  AppendBigEndian(&bytes, static_cast<int32_t>(index.ids.size()));
  for (const int32_t id : index.ids) AppendBigEndian(&bytes, id);
  return bytes;
}

// Reads as far as the file goes: a short or empty file keeps the values it holds. Ids of 0 or
// less and repeats are dropped, and the last id is raised to at least every id listed and
// to 0, so the next record's id is new and positive. Problems are named in *problems.
IndexContents DecodeIndex(const std::vector<uint8_t>& bytes, std::string* problems) {
  IndexContents index;
  const size_t size = bytes.size();
  if (size < 8) *problems += " shorter than its 8-byte header;";
  if (size >= 4) index.lastRecordId = BigEndianAt(bytes.data());
  const int64_t stored = size >= 8 ? BigEndianAt(bytes.data() + 4) : 0;
  const int64_t room = size >= 8 ? static_cast<int64_t>((size - 8) / 4) : 0;
  const int64_t count = std::clamp<int64_t>(stored, 0, room);
  if (size >= 8 && (count != stored || static_cast<int64_t>(size) != 8 + 4 * stored)) {
    *problems += " count " + std::to_string(stored) + " but " + std::to_string(size) + " bytes;";
  }
  std::unordered_set<int32_t> seen;
  int32_t dropped = 0;
  int32_t largest = 0;
  for (int64_t i = 0; i < count; i++) {
    const int32_t id = BigEndianAt(bytes.data() + 8 + 4 * i);
    if (id <= 0 || !seen.insert(id).second) {
      dropped++;
      continue;
    }
    index.ids.push_back(id);
    largest = std::max(largest, id);
  }
  if (dropped > 0) *problems += " " + std::to_string(dropped) + " ids below 1 or repeated dropped;";
  if (index.lastRecordId < largest) {
    *problems += " last id " + std::to_string(index.lastRecordId) + " raised;";
    index.lastRecordId = largest;
  }
  return index;
}

std::vector<uint8_t> BytesOf(ByteArray* array) {
  const auto* first = reinterpret_cast<const uint8_t*>(array->elements());
  return std::vector<uint8_t>(first, first + array->length);
}

}  // namespace

// ---- Paths ----------------------------------------------------------------------------------

String* RecordStoreIndexPath(String* name, String* vendor, String* suite) {
  if (!NullCheck(name)) return nullptr;
  auto* path = NewObject<StringBuffer>(16);
  if (!path) return nullptr;
  const bool ownStore = !vendor || vendor->length() == 0 || !suite || suite->length() == 0;
  if (ownStore) {
    path->append(GetInstallFolderPath());
  } else {
    path->append(GetProgramFilesPath());
    path->append(GetConstantString(kSeparator));
    path->append(vendor);
    path->append(GetConstantString(kSeparator));
    path->append(suite);
  }
  path->append(GetConstantString(kSeparator));
  path->append(GetConstantString(kIndexPrefix));
  path->append(name);
  path->append(GetConstantString(kFileSuffix));
  String* replaced = path->toString();
  for (const char16_t unit : std::u16string_view(kReplacedInPath)) {
    if (replaced) replaced = replaced->replace(unit, u'_');
  }
  return replaced;
}

String* javax_microedition_rms_RecordStore::recordPath(int32_t id) {
  if (!indexPath) return nullptr;
  auto* path = NewObject<StringBuffer>(16);
  if (!path) return nullptr;
  path->append(indexPath);
  path->append(GetConstantString(kRecordInfix));
  path->append(id);
  path->append(GetConstantString(kFileSuffix));
  return path->toString();
}

// ---- Reading --------------------------------------------------------------------------------

javax_microedition_rms_RecordStore::javax_microedition_rms_RecordStore(String* path)
    : javax_microedition_rms_RecordStore() {
  indexPath = path;
  recordIds = NewObject<java_util_Vector>();
  indexChanged = true;
}

bool javax_microedition_rms_RecordStore::readIndex() {
  bool opened = false;
  ByteArray* file = readFile(indexPath, &opened);
  if (!file || !recordIds) {
    DebugLog("RecordStore: index \"%s\" exists but cannot be read; the store is not opened",
             PrintablePath(indexPath).c_str());
    return false;
  }
  const std::vector<uint8_t> stored = BytesOf(file);
  std::string problems;
  const IndexContents index = DecodeIndex(stored, &problems);
  if (!problems.empty() && !stored.empty()) {
    DebugLog("RecordStore: index \"%s\" damaged:%s read as %d records",
             PrintablePath(indexPath).c_str(), problems.c_str(),
             static_cast<int32_t>(index.ids.size()));
  }
  for (const int32_t id : index.ids) {
    auto* boxed = NewObject<java_lang_Integer>(id);
    if (!boxed) return false;
    recordIds->addElement(boxed);
  }
  lastRecordId = index.lastRecordId;
  indexChanged = EncodeIndex(index) != stored;
  return true;
}

// ---- Writing --------------------------------------------------------------------------------

bool javax_microedition_rms_RecordStore::replaceFile(String* path, ByteArray* bytes, int32_t offset,
                                                     int32_t count) {
  if (!path) return false;
  auto* file = NewObject<javax_microedition_io_File>(path);
  FileOutputStream* out = file ? file->openOutputStream() : nullptr;
  if (!out) return false;
  bool written = true;
  if (bytes && count > 0) {
    out->write(bytes, offset, count);
    written = !DiscardPendingException();
  }
  out->close();  // after a failed write this abandons the replace: the old file stays
  return !DiscardPendingException() && written;
}

bool javax_microedition_rms_RecordStore::saveIndex() {
  IndexContents index;
  index.lastRecordId = lastRecordId;
  const int32_t count = getNumRecords();
  for (int32_t i = 0; i < count; i++) {
    index.ids.push_back(recordIdAt(i));
  }
  const std::vector<uint8_t> bytes = EncodeIndex(index);
  const auto size = static_cast<int32_t>(bytes.size());
  ByteArray* array = NewByteArray(size);
  // An array left empty for want of memory would write an index of no records.
  const bool built = array && array->length == size;
  if (built) memcpy(array->elements(), bytes.data(), bytes.size());
  if (!built || !replaceFile(indexPath, array, 0, size)) {
    indexChanged = true;
    ThrowRecordStoreException(GetConstantString(kIndexNotWritten));
    return false;
  }
  indexChanged = false;
  return true;
}

void javax_microedition_rms_RecordStore::writeIndexFile() {
  saveIndex();
}
