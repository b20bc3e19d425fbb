// Java arrays: a small object on the object heap (header, length, body pointer) whose
// elements live in a separate body block; the body field is the block's owner, so the body
// may move when the data heap compacts. Only ObjectArray elements are references.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class Array : public Object {
 public:
  void finalize() override;  // frees the body
  virtual int32_t elementSize() = 0;

  int32_t length;  // number of elements
  void* body;      // the elements, contiguous; null when the length is 0
};

template <class Element, int16_t Id>
class ArrayOf : public Array {
 public:
  static constexpr int16_t kClassId = Id;
  using ElementType = Element;
  int32_t elementSize() override { return static_cast<int32_t>(sizeof(Element)); }
  Element* elements() { return static_cast<Element*>(body); }
};

class ObjectArray : public ArrayOf<Object*, cid::ObjectArray> {};
class BoolArray : public ArrayOf<uint8_t, cid::BoolArray> {};
class ByteArray : public ArrayOf<int8_t, cid::ByteArray> {};
class CharArray : public ArrayOf<char16_t, cid::CharArray> {};
class ShortArray : public ArrayOf<int16_t, cid::ShortArray> {};
class IntArray : public ArrayOf<int32_t, cid::IntArray> {};
class Long64Array : public ArrayOf<int64_t, cid::Long64Array> {};
class FloatArray : public ArrayOf<float, cid::FloatArray> {};
class DoubleArray : public ArrayOf<double, cid::DoubleArray> {};
