// OperandStack: the typed value stack that translated methods keep in their own native frame
// (OperandStackFrame), never on a heap, so the collector's conservative stack scan sees the
// references on it. Each 64-bit slot has a tag; a long or double takes two slots, low word
// first. A push past the depth or a pop of an empty stack is reported and made harmless.
#pragma once

#include <cstdint>

class Object;

// The tag of a slot.
enum OperandTag : uint8_t {
  kPrimitiveTag = 0,  // a 32-bit value, or a null reference
  kReferenceTag = 1,  // a non-null reference
  kWideTag = 2,       // one 32-bit word of a long or double
};

class OperandStack {
 public:
  // ---- Setup, pushes, pops, shuffles, comparisons, fields, types: operand_stack.cpp ----
  // An empty stack over depth slots of values and as many tags.
  void init(int64_t* values, uint8_t* tags, int32_t depth);

  int32_t size() const { return top_; }
  // The tag of the slot at index (0 is the bottom).
  uint8_t tagAt(int32_t index) const;

  void pushInt(int32_t value);
  void pushFloat(float value);
  void pushRef(Object* reference);  // tag 1 when non-null, else 0
  void pushWide(int64_t value);     // two tag-2 words, low word first
  int32_t popInt();
  Object* popRef();

  // Drop n slots (n may be 0), then push.
  void popNPushRef(Object* reference, int32_t n);
  void popNPushInt(int32_t value, int32_t n);
  // Push the value and a copy of it, tag copied too: a new object and its duplicate.
  void pushNewRef(Object* reference);
  void pushNewInt(int32_t value);
  // NewInstanceFactory::newInstance(classId) pushed as a reference.
  void pushNewInstance(int32_t classId);

  void dup2();   // a b -> a b a b
  void dupX2();  // c b a -> a c b a
  // The value whose top word lies depth slots below the top slot (0: the top itself), without
  // popping: the 64-bit value ending there when it and the slot below it are tagged 2, else
  // the 32-bit word there, sign-extended.
  int64_t peekWide(int32_t depth) const;

  // Pop b, then a; push a / b (Java division: a zero divisor gives 0 with a trace line).
  void idiv();
  // Pop b, then a; the signed comparison's result, to branch on.
  bool ifICmpGE();
  bool ifICmpGT();
  bool ifICmpLE();
  bool ifICmpEQ();
  bool ifICmpNE();
  // Pop float b, then a; push 0 when a == b, 1 when a > b, else -1 (a NaN gives -1). Returns
  // true when it pushed 0 or 1.
  bool fcmp();

  // Field stores, the object reference below the value: the null check on the object, then
  // the value into the field (skipped for null); both slots are popped either way.
  void popToWord(int32_t* field);
  void popToBoolField(uint8_t* field);  // 1 for a non-zero value, else 0
  // Pop one value into a byte target as 1 or 0.
  void popToBool(uint8_t* target);

  // Pop a reference; push 1 when it is an instance of classId, else 0.
  void instanceOf(int32_t classId);
  // Tests the top reference; one that is not null and not an instance of classId writes the
  // "check cast" trace and is replaced by null, so no wrongly typed reference is used.
  void checkCast(int32_t classId);
  // Pop a reference and throw it (null or not a Throwable: reported, nothing thrown).
  void athrow();
  // "OperandStack dump:" then one line per slot from the top down, references as their
  // stable 32-bit value with their class name.
  void dump() const;

  // ---- Arrays: operand_stack_arrays.cpp ----
  // Pop index and array (null check on the array, index checked); push the element.
  void intArrayLoad();
  void shortArrayLoad();   // sign-extended
  void charArrayLoad();    // zero-extended
  void byteArrayLoad();    // sign-extended; a BoolArray's elements too, as Java's baload
  void objectArrayLoad();  // pushed as a reference
  // Pop value, index and array; store the element.
  void intArrayStore();
  void charArrayStore();  // the low 16 bits
  // Pop an array; push its length.
  void arrayLength();
  // Java's multianewarray: pop dimensions lengths (the outermost deepest), push a new
  // ObjectArray filled level by level; the innermost arrays get the element type the
  // descriptor ("[[I", "[[Ljava/lang/String;") names at their level.
  void multiANewArray(const char* descriptor, int32_t dimensions);

 private:
  struct Slot {
    int64_t value;
    uint8_t tag;
  };
  void push(int64_t value, uint8_t tag);
  Slot pop();
  float popFloat();
  void drop(int32_t n);
  // The slot at index from the bottom; a zero slot, with a trace line, when there is none.
  Slot slotAt(int32_t index, const char* operation) const;

  int64_t* values_;
  uint8_t* tags_;
  int32_t top_;    // slots in use
  int32_t depth_;  // slots available
};

// An operand stack with room for Depth slots, as a local of the method that uses it.
template <int32_t Depth>
class OperandStackFrame : public OperandStack {
 public:
  OperandStackFrame() { init(values_, tags_, Depth); }
  OperandStackFrame(const OperandStackFrame&) = delete;
  OperandStackFrame& operator=(const OperandStackFrame&) = delete;

 private:
  int64_t values_[Depth];
  uint8_t tags_[Depth];
};
