// RecordStore's records: adding, replacing, deleting and reading them, and their sizes. A
// record's file is in place before an index lists it and stays until no index lists it; an
// operation that fails changes neither the id list nor the index and raises
// RecordStoreException, so a failure never passes as success.
#include <algorithm>
#include <climits>
#include <cstring>

#include "javame/boxed.h"
#include "javame/file.h"
#include "javame/record_store.h"
#include "javame/vector.h"
#include "platform/device_path.h"
#include "platform/file_input_stream.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kNotWritten = 53;  // string constant: RecordStoreException's text

// The free-space check of add and set: false, with RecordStoreFullException pending, when
// the store has no room for needed more bytes.
bool HasRoomFor(javax_microedition_io_File* file, int64_t needed) {
  if (file && file->availableSize() >= needed) return true;
  ThrowRecordStoreFull();
  return false;
}

}  // namespace

// ---- Looking up ids ---------------------------------------------------------------------------

int32_t javax_microedition_rms_RecordStore::getNumRecords() {
  return recordIds ? recordIds->size() : 0;
}

int32_t javax_microedition_rms_RecordStore::getNextRecordID() {
  return lastRecordId + 1;
}

int32_t javax_microedition_rms_RecordStore::recordIdAt(int32_t position) {
  return static_cast<java_lang_Integer*>(recordIds->elementAt(position))->intValue();
}

int32_t javax_microedition_rms_RecordStore::positionOf(int32_t id) {
  for (int32_t i = getNumRecords() - 1; i >= 0; i--) {
    if (recordIdAt(i) == id) return i;
  }
  return -1;
}

int32_t javax_microedition_rms_RecordStore::knownPosition(int32_t id) {
  const int32_t position = positionOf(id);
  if (position < 0) ThrowInvalidRecordId(id);
  return position;
}

// ---- Writing records --------------------------------------------------------------------------

bool javax_microedition_rms_RecordStore::writeRecordFile(int32_t id, ByteArray* data,
                                                         int32_t offset, int32_t numBytes) {
  if (data && !RangeInside(offset, numBytes, data->length)) {
    DebugLog("RecordStore: record %d of \"%s\": bytes %d + %d outside the array (length %d)", id,
             PrintablePath(indexPath).c_str(), offset, numBytes, data->length);
  } else if (replaceFile(recordPath(id), data, offset, numBytes)) {
    return true;
  }
  ThrowRecordStoreException(GetConstantString(kNotWritten));
  return false;
}

int32_t javax_microedition_rms_RecordStore::addRecord(ByteArray* data, int32_t offset,
                                                      int32_t numBytes) {
  if (!HasRoomFor(NewObject<javax_microedition_io_File>(indexPath), numBytes)) return 0;
  if (lastRecordId == INT32_MAX) {  // no id is left that was never given out
    ThrowRecordStoreFull();
    return 0;
  }
  const int32_t id = lastRecordId + 1;
  if (!recordIds) {  // a store the class factory made has no files
    ThrowRecordStoreException(GetConstantString(kNotWritten));
    return 0;
  }
  if (!writeRecordFile(id, data, offset, numBytes)) return 0;
  auto* boxed = NewObject<java_lang_Integer>(id);
  if (!boxed) {
    ThrowRecordStoreException(GetConstantString(kNotWritten));
    return 0;
  }
  recordIds->addElement(boxed);
  lastRecordId = id;
  if (saveIndex()) return id;
  // Unlisted again, the new file is never read, and the next add writes it afresh.
  recordIds->removeElementAt(recordIds->size() - 1);
  lastRecordId = id - 1;
  return 0;
}

void javax_microedition_rms_RecordStore::setRecord(int32_t id, ByteArray* data, int32_t offset,
                                                   int32_t numBytes) {
  if (knownPosition(id) < 0) return;
  auto* file = NewObject<javax_microedition_io_File>(recordPath(id));
  const int64_t old = file ? file->fileSize() : 0;
  if (!HasRoomFor(file, static_cast<int64_t>(numBytes) - old)) return;
  if (writeRecordFile(id, data, offset, numBytes)) saveIndex();
}

void javax_microedition_rms_RecordStore::deleteRecord(int32_t id) {
  const int32_t position = positionOf(id);
  if (position < 0) return;
  auto* boxed = recordIds->elementAt(position);
  recordIds->removeElementAt(position);
  if (!saveIndex()) {  // the index may still list the id, so its file must stay
    recordIds->insertElementAt(boxed, position);
    return;
  }
  auto* file = NewObject<javax_microedition_io_File>(recordPath(id));
  if (file) file->deleteFile();
}

// ---- Reading records --------------------------------------------------------------------------

// The size is taken when the file opens; a read error reads as the end of the file, so a
// count short of the size is how a failed read shows.
ByteArray* javax_microedition_rms_RecordStore::readFile(String* path, bool* opened) {
  auto* file = path ? NewObject<javax_microedition_io_File>(path) : nullptr;
  FileInputStream* in = file ? file->openInputStream() : nullptr;
  *opened = in != nullptr;
  if (!in) return nullptr;
  const int32_t size = static_cast<int32_t>(std::min<int64_t>(in->size, INT32_MAX));
  ByteArray* bytes = NewByteArray(size);
  if (bytes && bytes->length != size) bytes = nullptr;  // no memory for the body
  int32_t got = 0;
  while (bytes && got < size) {
    const int32_t read = in->read(bytes, got, size - got);
    if (read <= 0) break;
    got += read;
  }
  in->close();
  if (bytes && got == size) return bytes;
  DebugLog("RecordStore: file \"%s\" gave %d of its %d bytes", PrintablePath(path).c_str(), got,
           size);
  return nullptr;
}

ByteArray* javax_microedition_rms_RecordStore::getRecord(int32_t id) {
  if (knownPosition(id) < 0) return nullptr;
  String* path = recordPath(id);
  bool opened = false;
  ByteArray* bytes = readFile(path, &opened);
  if (!bytes && opened) ThrowRecordStoreException(path);
  return bytes;
}

int32_t javax_microedition_rms_RecordStore::getRecord(int32_t id, ByteArray* buffer,
                                                      int32_t offset) {
  if (knownPosition(id) < 0 || !NullCheck(buffer)) return 0;
  ByteArray* bytes = getRecord(id);
  if (!bytes) return 0;
  if (!RangeInside(offset, bytes->length, buffer->length)) {
    DebugLog("RecordStore: record %d (%d bytes) does not fit the buffer (length %d) from %d", id,
             bytes->length, buffer->length, offset);
    ThrowRecordStoreException(String::valueOf(id));
    return 0;
  }
  if (bytes->length > 0) memcpy(buffer->elements() + offset, bytes->elements(), bytes->length);
  return bytes->length;
}

int32_t javax_microedition_rms_RecordStore::getRecordSize(int32_t id) {
  if (knownPosition(id) < 0) return 0;
  auto* file = NewObject<javax_microedition_io_File>(recordPath(id));
  return file ? file->fileSize() : 0;
}

int32_t javax_microedition_rms_RecordStore::getSize() {
  int64_t total = 0;
  for (int32_t i = 0; i < getNumRecords(); i++) {
    total += getRecordSize(recordIdAt(i));
  }
  return static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
}
