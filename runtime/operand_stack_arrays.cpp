// The operand stack's array operations: element loads and stores through the checked
// element slots of runtime/array.h, the length, and Java's multianewarray.
#include <algorithm>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/operand_stack.h"
#include "runtime/trace.h"

namespace {

// The address of element index of an array of class A, after the null check, the class
// check and the index check; null (after the trace) when one fails.
template <class A>
typename A::ElementType* ElementOf(Object* array, int32_t index, const char* operation) {
  if (!NullCheck(array)) return nullptr;
  if (array->classId != A::kClassId) {
    DebugLog("%s: an object of class %d is not an array of this kind", operation, array->classId);
    return nullptr;
  }
  return A::slot(static_cast<A*>(array), index, operation);
}

}  // namespace

// ---- Loads and stores ---------------------------------------------------------------------

void OperandStack::intArrayLoad() {
  int32_t index = popInt();
  const int32_t* element = ElementOf<IntArray>(popRef(), index, "OperandStack::intArrayLoad");
  pushInt(element ? *element : 0);
}

void OperandStack::shortArrayLoad() {
  int32_t index = popInt();
  const int16_t* element = ElementOf<ShortArray>(popRef(), index, "OperandStack::shortArrayLoad");
  pushInt(element ? *element : 0);
}

void OperandStack::charArrayLoad() {
  int32_t index = popInt();
  const char16_t* element = ElementOf<CharArray>(popRef(), index, "OperandStack::charArrayLoad");
  pushInt(element ? *element : 0);
}

void OperandStack::byteArrayLoad() {
  int32_t index = popInt();
  Object* array = popRef();
  if (array && array->classId == cid::BoolArray) {
    const uint8_t* element = ElementOf<BoolArray>(array, index, "OperandStack::byteArrayLoad");
    pushInt(element ? *element : 0);
    return;
  }
  const int8_t* element = ElementOf<ByteArray>(array, index, "OperandStack::byteArrayLoad");
  pushInt(element ? *element : 0);
}

void OperandStack::objectArrayLoad() {
  int32_t index = popInt();
  Object* const* element = ElementOf<ObjectArray>(popRef(), index, "OperandStack::objectArrayLoad");
  pushRef(element ? *element : nullptr);
}

void OperandStack::intArrayStore() {
  int32_t value = popInt();
  int32_t index = popInt();
  if (int32_t* element = ElementOf<IntArray>(popRef(), index, "OperandStack::intArrayStore")) {
    *element = value;
  }
}

void OperandStack::charArrayStore() {
  int32_t value = popInt();
  int32_t index = popInt();
  if (char16_t* element = ElementOf<CharArray>(popRef(), index, "OperandStack::charArrayStore")) {
    *element = static_cast<char16_t>(value);
  }
}

void OperandStack::arrayLength() {
  Object* object = popRef();
  int32_t length = 0;
  if (NullCheck(object)) {
    if (Array* array = Array::ofObject(object)) {
      length = array->length;
    } else {
      DebugLog("OperandStack::arrayLength: an object of class %d is not an array", object->classId);
    }
  }
  pushInt(length);
}

// ---- multianewarray -----------------------------------------------------------------------

namespace {

constexpr int32_t kMaxDimensions = 255;  // the most a Java array type can have

// A new array of length elements of the type the descriptor character names; an object type
// (or a deeper array) gives an ObjectArray of nulls.
Object* NewArrayOf(char type, int32_t length) {
  switch (type) {
    case 'B':
      return NewByteArray(length);
    case 'C':
      return NewCharArray(length);
    case 'D':
      return NewDoubleArray(length);
    case 'F':
      return NewFloatArray(length);
    case 'I':
      return NewIntArray(length);
    case 'J':
      return NewLong64Array(length);
    case 'S':
      return NewShortArray(length);
    case 'Z':
      return NewBoolArray(length);
    default:
      return NewObjectArray(cid::Object, length);
  }
}

// Fills every element of array, made at level (1 for the outermost), with a new array of
// lengths[level]: ObjectArrays filled in turn while two or more levels remain, then the
// innermost type, which the descriptor names at index level + 1.
void FillMultiArray(ObjectArray* array, const char* descriptor, const int32_t* lengths,
                    int32_t level, int32_t dimensions) {
  for (int32_t i = 0; i < array->length; i++) {
    Object* element;
    if (dimensions - level >= 2) {
      ObjectArray* inner = NewObjectArray(cid::Object, lengths[level]);
      if (inner) FillMultiArray(inner, descriptor, lengths, level + 1, dimensions);
      element = inner;
    } else {
      element = NewArrayOf(descriptor[level + 1], lengths[level]);
    }
    array->elements()[i] = element;  // the body is read after the allocations: it may move
  }
}

// The number of '[' that open the descriptor.
int32_t ArrayDepth(const char* descriptor) {
  int32_t depth = 0;
  while (descriptor[depth] == '[') depth++;
  return depth;
}

}  // namespace

void OperandStack::multiANewArray(const char* descriptor, int32_t dimensions) {
  if (dimensions < 1 || dimensions > kMaxDimensions || !NullCheck(descriptor) ||
      ArrayDepth(descriptor) < dimensions) {
    DebugLog("OperandStack::multiANewArray: %d dimensions for the type \"%s\"", dimensions,
             descriptor ? descriptor : "");
    drop(std::max(0, std::min(dimensions, top_)));
    pushRef(nullptr);
    return;
  }
  int32_t lengths[kMaxDimensions];
  for (int32_t i = dimensions - 1; i >= 0; i--) lengths[i] = popInt();
  if (dimensions == 1) {  // the device made an ObjectArray even of "[I"; its type is an int[]
    pushRef(NewArrayOf(descriptor[1], lengths[0]));
    return;
  }
  ObjectArray* outer = NewObjectArray(cid::Object, lengths[0]);
  if (outer) FillMultiArray(outer, descriptor, lengths, 1, dimensions);
  pushRef(outer);
}
