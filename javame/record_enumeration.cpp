// RecordEnumerationImpl's steps over the store's id list, which it reads live: records added
// or deleted after the enumeration was made are seen at once.
#include "javame/record_enumeration.h"

#include "javame/record_store.h"
#include "runtime/exceptions.h"

int32_t javax_microedition_rms_RecordEnumerationImpl::numRecords() {
  return NullCheck(store) ? store->getNumRecords() : 0;
}

int32_t javax_microedition_rms_RecordEnumerationImpl::idAt(int32_t position) {
  if (position < 0 || position >= numRecords()) {
    ThrowInvalidRecordId(position);
    return 0;
  }
  return store->recordIdAt(position);
}

int32_t javax_microedition_rms_RecordEnumerationImpl::nextRecordId() {
  const int32_t id = idAt(currentIndex);
  if (!GetPendingException()) currentIndex++;
  return id;
}

int32_t javax_microedition_rms_RecordEnumerationImpl::previousRecordId() {
  const int32_t id = idAt(currentIndex - 1);
  if (!GetPendingException()) currentIndex--;
  return id;
}

ByteArray* javax_microedition_rms_RecordEnumerationImpl::recordAt(int32_t position,
                                                                  int32_t moveTo) {
  const int32_t id = idAt(position);
  if (GetPendingException()) return nullptr;
  ByteArray* record = store->getRecord(id);
  if (GetPendingException()) return nullptr;
  currentIndex = moveTo;
  return record;
}

ByteArray* javax_microedition_rms_RecordEnumerationImpl::nextRecord() {
  return recordAt(currentIndex, currentIndex + 1);
}

ByteArray* javax_microedition_rms_RecordEnumerationImpl::previousRecord() {
  return recordAt(currentIndex - 1, currentIndex - 1);
}
