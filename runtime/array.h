// Java arrays: a small object on the object heap (header, length, body pointer) whose
// elements live in a separate body block; the body field is the block's owner, so the body
// may move when the data heap compacts. Only ObjectArray elements are references.
#pragma once

#include <cstdint>

#include "runtime/exceptions.h"
#include "runtime/object.h"
#include "runtime/range_check.h"

class String;

class Array : public Object {
 public:
  void finalize() override;  // frees the body
  virtual int32_t elementSize() = 0;

  // A zero-filled body of length x elementSize() bytes (data heap, else native heap); null
  // when the length is below 1 or no memory is left.
  void* allocData();
  // Registers bodyField (which holds body) as the owner of its block; nothing for a null body.
  void registerData(void** bodyField);

  // True for the nine array class ids.
  static bool isArrayClass(int32_t classId) {
    return classId >= cid::ObjectArray && classId <= cid::DoubleArray;
  }
  // The object as an array, or null when it is null or of another class.
  static Array* ofObject(Object* object);

  int32_t length;  // number of elements
  void* body;      // the elements, contiguous; null when the length is 0

 protected:
  // The constructor's body step: a negative length is reported and taken as 0; a body that
  // cannot be had is reported and leaves an empty array.
  void initBody(int32_t requestedLength);
  // A negative length writes "length of array should be >= 0" and the method trace; gives 0.
  static int32_t checkedLength(int32_t requestedLength);
};

template <class Element, int16_t Id>
class ArrayOf : public Array {
 public:
  static constexpr int16_t kClassId = Id;
  using ElementType = Element;

  explicit ArrayOf(int32_t requestedLength) { initBody(requestedLength); }
  int32_t elementSize() override { return static_cast<int32_t>(sizeof(Element)); }
  Element* elements() { return static_cast<Element*>(body); }

  // The address of element index after the null check on the array and the range check;
  // null (after the trace) when either fails. Use it before the next allocation.
  static Element* slot(ArrayOf* array, int32_t index, const char* operation) {
    if (!NullCheck(array)) return nullptr;
    if (!IndexInRange(operation, index, array->length)) return nullptr;
    return array->elements() + index;
  }
};

class ObjectArray : public ArrayOf<Object*, cid::ObjectArray> {
 public:
  // The element type (a class id) is accepted and not kept.
  ObjectArray(int32_t, int32_t requestedLength) : ArrayOf(requestedLength) {}
};

class BoolArray : public ArrayOf<uint8_t, cid::BoolArray> {
 public:
  using ArrayOf::ArrayOf;
};

class ByteArray : public ArrayOf<int8_t, cid::ByteArray> {
 public:
  using ArrayOf::ArrayOf;
  static void set(ByteArray* array, int32_t index, int32_t value);  // stores the low 8 bits
  static int32_t get(ByteArray* array, int32_t index);              // sign-extended
};

class CharArray : public ArrayOf<char16_t, cid::CharArray> {
 public:
  using ArrayOf::ArrayOf;
  // The characters up to the first zero unit or the end of the array.
  String* toString() override;
};

// Copies units begin .. end - 1 of a native text of unitLength units into destination from
// destinationBegin: the null check on destination, then both ranges clamped with one trace
// line naming operation (a start outside the destination copies nothing).
void CopyUnitsInto(const char* operation, const char16_t* units, int32_t unitLength, int32_t begin,
                   int32_t end, CharArray* destination, int32_t destinationBegin);

class ShortArray : public ArrayOf<int16_t, cid::ShortArray> {
 public:
  using ArrayOf::ArrayOf;
  static int32_t get(ShortArray* array, int32_t index);  // sign-extended
};

class IntArray : public ArrayOf<int32_t, cid::IntArray> {
 public:
  using ArrayOf::ArrayOf;
  static void set(IntArray* array, int32_t index, int32_t value);
  static int32_t get(IntArray* array, int32_t index);
};

class Long64Array : public ArrayOf<int64_t, cid::Long64Array> {
 public:
  using ArrayOf::ArrayOf;
  // Stores the 64-bit element made of the two 32-bit words.
  static void set(Long64Array* array, int32_t index, int32_t lowWord, int32_t highWord);
};

class FloatArray : public ArrayOf<float, cid::FloatArray> {
 public:
  using ArrayOf::ArrayOf;
};

class DoubleArray : public ArrayOf<double, cid::DoubleArray> {
 public:
  using ArrayOf::ArrayOf;
};

// A ShortArray over pixels that belong to someone else (the screen image over the display's
// back buffer): the body is never registered, and finalize only forgets it.
class ShortArrayOverBuffer : public ShortArray {
 public:
  ShortArrayOverBuffer(int16_t* pixels, int32_t requestedLength);
  void finalize() override;
};

// Allocators: a new array of the given length (a negative length is reported and gives
// length 0), or null when the object heap cannot give the array object.
ObjectArray* NewObjectArray(int32_t elementType, int32_t length);
BoolArray* NewBoolArray(int32_t length);
ByteArray* NewByteArray(int32_t length);
CharArray* NewCharArray(int32_t length);
ShortArray* NewShortArray(int32_t length);
IntArray* NewIntArray(int32_t length);
Long64Array* NewLong64Array(int32_t length);
FloatArray* NewFloatArray(int32_t length);
DoubleArray* NewDoubleArray(int32_t length);
ShortArrayOverBuffer* NewShortArrayOverBuffer(int16_t* pixels, int32_t length);

// Fills elements 0 .. count - 1 for static initialisers: FillIntArray(array, 3, 7, 8, 9).
// Values keep their low 8 bits (bytes), low 16 bits (chars) or whole words (ints). A count
// below 1 stores nothing; values beyond the array, or beyond those given, are not stored.
// Returns the array.
ByteArray* FillByteArrayFrom(ByteArray* array, int32_t count, const int32_t* values, int32_t given);
CharArray* FillCharArrayFrom(CharArray* array, int32_t count, const int32_t* values, int32_t given);
IntArray* FillIntArrayFrom(IntArray* array, int32_t count, const int32_t* values, int32_t given);

template <class... Values>
ByteArray* FillByteArray(ByteArray* array, int32_t count, Values... values) {
  const int32_t list[] = {0, static_cast<int32_t>(values)...};
  return FillByteArrayFrom(array, count, list + 1, sizeof...(values));
}
template <class... Values>
CharArray* FillCharArray(CharArray* array, int32_t count, Values... values) {
  const int32_t list[] = {0, static_cast<int32_t>(values)...};
  return FillCharArrayFrom(array, count, list + 1, sizeof...(values));
}
template <class... Values>
IntArray* FillIntArray(IntArray* array, int32_t count, Values... values) {
  const int32_t list[] = {0, static_cast<int32_t>(values)...};
  return FillIntArrayFrom(array, count, list + 1, sizeof...(values));
}
