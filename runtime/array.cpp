// Array construction, bodies, element accessors, fills, unit copies into char arrays and
// arraycopy. A body is re-read from its array after any call that may allocate, because the
// data heap may move it; an index outside the array is reported and made harmless.
#include "runtime/array.h"

#include <algorithm>
#include <cstring>

#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

// ---- Construction and bodies --------------------------------------------------------------

int32_t Array::checkedLength(int32_t requestedLength) {
  if (requestedLength >= 0) return requestedLength;
  DebugLog("length of array should be >= 0");
  PrintStackTrace();
  return 0;
}

void Array::initBody(int32_t requestedLength) {
  length = checkedLength(requestedLength);
  body = nullptr;
  if (length == 0) return;
  body = allocData();
  if (!body) {
    DebugLog("Array: no memory for %d elements of %d bytes", length, elementSize());
    length = 0;
    return;
  }
  registerData(&body);
}

void* Array::allocData() {
  if (length < 1) return nullptr;
  return AllocDataMemory(static_cast<size_t>(length) * static_cast<size_t>(elementSize()));
}

void Array::registerData(void** bodyField) {
  if (*bodyField) RegisterDataOwner(*bodyField, bodyField);
}

void Array::finalize() {
  if (body) FreeDataMemory(body);
  body = nullptr;
}

Array* Array::ofObject(Object* object) {
  if (!object || !isArrayClass(object->classId)) return nullptr;
  return static_cast<Array*>(object);
}

ShortArrayOverBuffer::ShortArrayOverBuffer(int16_t* pixels, int32_t requestedLength)
    : ShortArray(0) {
  length = checkedLength(requestedLength);
  if (length > 0 && !NullCheck(pixels)) length = 0;
  body = length > 0 ? pixels : nullptr;
}

void ShortArrayOverBuffer::finalize() {
  body = nullptr;
}

// ---- Allocators ---------------------------------------------------------------------------

ObjectArray* NewObjectArray(int32_t elementType, int32_t length) {
  return NewObject<ObjectArray>(elementType, length);
}
BoolArray* NewBoolArray(int32_t length) {
  return NewObject<BoolArray>(length);
}
ByteArray* NewByteArray(int32_t length) {
  return NewObject<ByteArray>(length);
}
CharArray* NewCharArray(int32_t length) {
  return NewObject<CharArray>(length);
}
ShortArray* NewShortArray(int32_t length) {
  return NewObject<ShortArray>(length);
}
IntArray* NewIntArray(int32_t length) {
  return NewObject<IntArray>(length);
}
Long64Array* NewLong64Array(int32_t length) {
  return NewObject<Long64Array>(length);
}
FloatArray* NewFloatArray(int32_t length) {
  return NewObject<FloatArray>(length);
}
DoubleArray* NewDoubleArray(int32_t length) {
  return NewObject<DoubleArray>(length);
}
ShortArrayOverBuffer* NewShortArrayOverBuffer(int16_t* pixels, int32_t length) {
  return NewObject<ShortArrayOverBuffer>(pixels, length);
}

// ---- Element accessors --------------------------------------------------------------------

void ByteArray::set(ByteArray* array, int32_t index, int32_t value) {
  if (int8_t* element = slot(array, index, "ByteArray::set")) *element = static_cast<int8_t>(value);
}

int32_t ByteArray::get(ByteArray* array, int32_t index) {
  const int8_t* element = slot(array, index, "ByteArray::get");
  return element ? *element : 0;
}

int32_t ShortArray::get(ShortArray* array, int32_t index) {
  const int16_t* element = slot(array, index, "ShortArray::get");
  return element ? *element : 0;
}

void IntArray::set(IntArray* array, int32_t index, int32_t value) {
  if (int32_t* element = slot(array, index, "IntArray::set")) *element = value;
}

int32_t IntArray::get(IntArray* array, int32_t index) {
  const int32_t* element = slot(array, index, "IntArray::get");
  return element ? *element : 0;
}

void Long64Array::set(Long64Array* array, int32_t index, int32_t lowWord, int32_t highWord) {
  if (int64_t* element = slot(array, index, "Long64Array::set")) {
    *element = static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(highWord)) << 32) |
                                    static_cast<uint32_t>(lowWord));
  }
}

// ---- Fills for static initialisers --------------------------------------------------------

namespace {

// Stores min(count, given, length) values, each narrowed to the element type.
template <class A>
A* FillFrom(A* array, int32_t count, const int32_t* values, int32_t given, const char* operation) {
  if (!NullCheck(array) || count < 1) return array;
  int32_t n = std::min(count, given);
  if (n > array->length) {
    DebugLog("%s: %d values for an array of length %d", operation, n, array->length);
    n = array->length;
  }
  auto* elements = array->elements();
  for (int32_t i = 0; i < n; i++) elements[i] = static_cast<typename A::ElementType>(values[i]);
  return array;
}

}  // namespace

ByteArray* FillByteArrayFrom(ByteArray* array, int32_t count, const int32_t* values,
                             int32_t given) {
  return FillFrom(array, count, values, given, "FillByteArray");
}

CharArray* FillCharArrayFrom(CharArray* array, int32_t count, const int32_t* values,
                             int32_t given) {
  return FillFrom(array, count, values, given, "FillCharArray");
}

IntArray* FillIntArrayFrom(IntArray* array, int32_t count, const int32_t* values, int32_t given) {
  return FillFrom(array, count, values, given, "FillIntArray");
}

// ---- CharArray::toString and CopyUnitsInto ------------------------------------------------

String* CharArray::toString() {
  int32_t n = 0;
  while (n < length && elements()[n] != 0) n++;
  return NewObject<String>(this, 0, n);
}

void CopyUnitsInto(const char* operation, const char16_t* units, int32_t unitLength, int32_t begin,
                   int32_t end, CharArray* destination, int32_t destinationBegin) {
  if (!NullCheck(destination)) return;
  Span from = ClampRange(operation, begin, end, unitLength);
  Span to = ClampRange(operation, destinationBegin,
                       static_cast<int64_t>(destinationBegin) + from.size(), destination->length);
  if (to.begin != destinationBegin) return;
  std::copy_n(units + from.begin, to.size(), destination->elements() + to.begin);
}

// ---- java_lang_System::arraycopy ----------------------------------------------------------

void java_lang_System::arraycopy(Object* source, int32_t sourcePosition, Object* destination,
                                 int32_t destinationPosition, int32_t count) {
  if (count == 0) return;
  if (!NullCheck(source) || !NullCheck(destination)) return;
  Array* from = Array::ofObject(source);
  Array* to = Array::ofObject(destination);
  if (!from || !to) {
    DebugLog("java_lang_System::arraycopy: class %d to class %d, not both arrays", source->classId,
             destination->classId);
    return;
  }
  if (from->classId != to->classId) {
    DebugLog("java_lang_System::arraycopy: array classes %d and %d differ", from->classId,
             to->classId);
    return;
  }
  if (!RangeInside(sourcePosition, count, from->length) ||
      !RangeInside(destinationPosition, count, to->length)) {
    DebugLog(
        "java_lang_System::arraycopy: %d elements from %d (length %d) to %d (length %d) out of "
        "range",
        count, sourcePosition, from->length, destinationPosition, to->length);
    return;
  }
  size_t size = static_cast<size_t>(from->elementSize());
  memmove(static_cast<char*>(to->body) + destinationPosition * size,
          static_cast<char*>(from->body) + sourcePosition * size, count * size);
}
