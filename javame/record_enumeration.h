// javax.microedition.rms.RecordEnumeration and the record store's implementation of it: a
// cursor over the store's live id list that neither copies, filters nor sorts.
#pragma once

#include <cstdint>

#include "runtime/class.h"

class ByteArray;
class javax_microedition_rms_RecordStore;

// The interface's operations, in the slot order of the MIDP interface.
class javax_microedition_rms_RecordEnumeration {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordEnumeration;

  virtual int32_t numRecords() = 0;
  virtual ByteArray* nextRecord() = 0;
  virtual int32_t nextRecordId() = 0;
  virtual ByteArray* previousRecord() = 0;
  virtual int32_t previousRecordId() = 0;
  virtual bool hasNextElement() = 0;
  virtual bool hasPreviousElement() = 0;
  virtual void reset() = 0;
  virtual void rebuild() = 0;
  virtual void keepUpdated(bool keep) = 0;
  virtual bool isKeptUpdated() = 0;
  virtual void destroy() = 0;

 protected:
  ~javax_microedition_rms_RecordEnumeration() = default;
};

// The cursor sits between records: next reads the record at currentIndex and moves past it,
// previous moves back over one record and reads it, so the two are exact opposites and a
// true hasPreviousElement means previous succeeds. A failed step leaves the cursor where it
// was, with InvalidRecordIDException (the position looked at, in decimal) pending.
class javax_microedition_rms_RecordEnumerationImpl
    : public Object,
      public javax_microedition_rms_RecordEnumeration {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordEnumerationImpl;

  // As the class factory makes it: no store, so it walks an empty list.
  javax_microedition_rms_RecordEnumerationImpl() { RegisterReferenceFields(this, &store); }
  explicit javax_microedition_rms_RecordEnumerationImpl(javax_microedition_rms_RecordStore* walked)
      : javax_microedition_rms_RecordEnumerationImpl() {
    store = walked;
  }

  void* getInterface(int32_t interfaceId) override {
    if (interfaceId != cid::javax_microedition_rms_RecordEnumeration) return nullptr;
    return static_cast<javax_microedition_rms_RecordEnumeration*>(this);
  }

  int32_t numRecords() override;  // the store's current count
  // The record at the cursor (null when its file is missing), then the cursor moves on.
  ByteArray* nextRecord() override;
  int32_t nextRecordId() override;
  // The cursor moves back one, then the record there is read.
  ByteArray* previousRecord() override;
  int32_t previousRecordId() override;
  bool hasNextElement() override { return currentIndex < numRecords(); }
  bool hasPreviousElement() override { return currentIndex > 0; }
  void reset() override { currentIndex = 0; }
  void rebuild() override {}
  void keepUpdated(bool) override {}
  bool isKeptUpdated() override { return false; }
  void destroy() override {}

  int32_t currentIndex;  // position in the store's id list of the record next returns
  javax_microedition_rms_RecordStore* store;

 private:
  // The id at position; InvalidRecordIDException (position in decimal) when outside the list.
  int32_t idAt(int32_t position);
  // The record at position, then the cursor is set to moveTo; null (cursor unchanged) when
  // the position is outside the list or the read raised.
  ByteArray* recordAt(int32_t position, int32_t moveTo);
};
