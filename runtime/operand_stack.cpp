// The operand stack's slots and every operation on it but the array ones. References are
// read back only from slots tagged as references, so a misused slot never becomes a pointer.
#include "runtime/operand_stack.h"

#include <bit>

#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/instance_factory.h"
#include "runtime/java_arith.h"
#include "runtime/trace.h"

// ---- Slots --------------------------------------------------------------------------------

void OperandStack::init(int64_t* values, uint8_t* tags, int32_t depth) {
  values_ = values;
  tags_ = tags;
  top_ = 0;
  depth_ = depth;
}

void OperandStack::push(int64_t value, uint8_t tag) {
  if (top_ == depth_) {
    DebugLog("OperandStack: push beyond the depth of %d", depth_);
    return;
  }
  values_[top_] = value;
  tags_[top_] = tag;
  top_++;
}

OperandStack::Slot OperandStack::pop() {
  if (top_ == 0) {
    DebugLog("OperandStack: pop of an empty stack");
    return Slot{0, kPrimitiveTag};
  }
  top_--;
  return Slot{values_[top_], tags_[top_]};
}

void OperandStack::drop(int32_t n) {
  for (int32_t i = 0; i < n; i++) pop();
}

OperandStack::Slot OperandStack::slotAt(int32_t index, const char* operation) const {
  if (index < 0 || index >= top_) {
    DebugLog("OperandStack::%s: slot %d of %d", operation, index, top_);
    return Slot{0, kPrimitiveTag};
  }
  return Slot{values_[index], tags_[index]};
}

uint8_t OperandStack::tagAt(int32_t index) const {
  return slotAt(index, "tagAt").tag;
}

// ---- Pushes and pops ----------------------------------------------------------------------

void OperandStack::pushInt(int32_t value) {
  push(value, kPrimitiveTag);
}

void OperandStack::pushFloat(float value) {
  pushInt(std::bit_cast<int32_t>(value));
}

void OperandStack::pushRef(Object* reference) {
  push(reinterpret_cast<intptr_t>(reference), reference ? kReferenceTag : kPrimitiveTag);
}

void OperandStack::pushWide(int64_t value) {
  push(static_cast<int32_t>(value), kWideTag);
  push(static_cast<int32_t>(value >> 32), kWideTag);
}

int32_t OperandStack::popInt() {
  return static_cast<int32_t>(pop().value);
}

float OperandStack::popFloat() {
  return std::bit_cast<float>(popInt());
}

Object* OperandStack::popRef() {
  Slot slot = pop();
  if (slot.tag == kReferenceTag) return reinterpret_cast<Object*>(slot.value);
  if (slot.value != 0) DebugLog("OperandStack: slot tagged %d taken as a reference", slot.tag);
  return nullptr;
}

void OperandStack::popNPushRef(Object* reference, int32_t n) {
  drop(n);
  pushRef(reference);
}

void OperandStack::popNPushInt(int32_t value, int32_t n) {
  drop(n);
  pushInt(value);
}

void OperandStack::pushNewRef(Object* reference) {
  pushRef(reference);
  pushRef(reference);
}

void OperandStack::pushNewInt(int32_t value) {
  pushInt(value);
  pushInt(value);
}

void OperandStack::pushNewInstance(int32_t classId) {
  pushRef(NewInstanceFactory::newInstance(classId));
}

// ---- Shuffles -----------------------------------------------------------------------------

void OperandStack::dup2() {
  Slot a = slotAt(top_ - 2, "dup2");
  Slot b = slotAt(top_ - 1, "dup2");
  push(a.value, a.tag);
  push(b.value, b.tag);
}

void OperandStack::dupX2() {
  Slot a = pop();
  Slot b = pop();
  Slot c = pop();
  push(a.value, a.tag);
  push(c.value, c.tag);
  push(b.value, b.tag);
  push(a.value, a.tag);
}

// The device tested only the tag below the word, which takes an int lying on a long for half
// of a long; both words of a long carry the wide tag.
int64_t OperandStack::peekWide(int32_t depth) const {
  int32_t index = top_ - 1 - depth;
  Slot word = slotAt(index, "peekWide");
  if (word.tag != kWideTag || index < 1 || tags_[index - 1] != kWideTag) {
    return static_cast<int32_t>(word.value);
  }
  uint64_t low = static_cast<uint32_t>(values_[index - 1]);
  uint64_t high = static_cast<uint32_t>(word.value);
  return static_cast<int64_t>((high << 32) | low);
}

// ---- Arithmetic and comparisons -----------------------------------------------------------

void OperandStack::idiv() {
  int32_t b = popInt();
  int32_t a = popInt();
  pushInt(JavaDiv(a, b));
}

bool OperandStack::ifICmpGE() {
  int32_t b = popInt();
  return popInt() >= b;
}

bool OperandStack::ifICmpGT() {
  int32_t b = popInt();
  return popInt() > b;
}

bool OperandStack::ifICmpLE() {
  int32_t b = popInt();
  return popInt() <= b;
}

bool OperandStack::ifICmpEQ() {
  int32_t b = popInt();
  return popInt() == b;
}

bool OperandStack::ifICmpNE() {
  int32_t b = popInt();
  return popInt() != b;
}

// The device compared a - b with 0, which makes two equal infinities unordered; comparing
// the values themselves gives the same answer for every other pair.
bool OperandStack::fcmp() {
  float b = popFloat();
  float a = popFloat();
  int32_t result = a == b ? 0 : a > b ? 1 : -1;
  pushInt(result);
  return result != -1;
}

// ---- Field stores -------------------------------------------------------------------------

void OperandStack::popToWord(int32_t* field) {
  int32_t value = popInt();
  if (NullCheck(popRef())) *field = value;
}

void OperandStack::popToBoolField(uint8_t* field) {
  int32_t value = popInt();
  if (NullCheck(popRef())) *field = value != 0 ? 1 : 0;
}

void OperandStack::popToBool(uint8_t* target) {
  *target = popInt() != 0 ? 1 : 0;
}

// ---- Types and exceptions -----------------------------------------------------------------

void OperandStack::instanceOf(int32_t classId) {
  pushInt(InstanceOf(popRef(), classId) ? 1 : 0);
}

// A null reference passes, as Java's checkcast lets it; the device reported it as a failed cast.
void OperandStack::checkCast(int32_t classId) {
  pushRef(CheckCastTo(popRef(), classId));
}

void OperandStack::athrow() {
  Object* exception = popRef();
  if (!NullCheck(exception)) return;
  auto* throwable = CheckCast<java_lang_Throwable>(exception);
  if (throwable) ThrowException(throwable);
}

void OperandStack::dump() const {
  DebugLog("OperandStack dump:");
  for (int32_t index = top_ - 1; index >= 0; index--) {
    auto* object =
        tags_[index] == kReferenceTag ? reinterpret_cast<Object*>(values_[index]) : nullptr;
    uint32_t value = object ? ObjectAddress32(object) : static_cast<uint32_t>(values_[index]);
    DebugLog("\t%d value=0x%x class=%s", index - top_, value, Class::nameOf(object));
  }
}
