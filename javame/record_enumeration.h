// javax.microedition.rms.RecordEnumeration and the record store's implementation of it.
#pragma once

#include "runtime/object.h"

class javax_microedition_rms_RecordEnumeration {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordEnumeration;

 protected:
  ~javax_microedition_rms_RecordEnumeration() = default;
};

class javax_microedition_rms_RecordEnumerationImpl : public Object,
                                                     public javax_microedition_rms_RecordEnumeration {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_rms_RecordEnumerationImpl;

  void* getInterface(int32_t interfaceId) override {
    if (interfaceId != cid::javax_microedition_rms_RecordEnumeration) return nullptr;
    return static_cast<javax_microedition_rms_RecordEnumeration*>(this);
  }
};
