// The instance operations of the boxed values, Boolean's shared values and Byte's parse. Two
// boxes are equal only when both are of one class and hold the same value.
#include "javame/boxed.h"

#include <bit>
#include <cmath>

#include "javame/device_statics.h"
#include "javame/exception_classes.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/java_arith.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kTrueText = 366;   // "true"
constexpr int32_t kFalseText = 367;  // "false"

// The other object as a box of the same class, or null (null itself, or another class).
template <class Box>
Box* SameClass(Object* other) {
  return InstanceOf(other, Box::kClassId) ? static_cast<Box*>(other) : nullptr;
}

// The bits of a double with every NaN taken as the one canonical NaN.
uint64_t CanonicalBits(double value) {
  return std::bit_cast<uint64_t>(std::isnan(value) ? std::nan("") : value);
}

}  // namespace

// ---- Boolean ----------------------------------------------------------------------------------

void java_lang_Boolean::clinit() {
  Statics<DeviceStatics>()->java_lang_Boolean_TRUE = NewObject<java_lang_Boolean>(true);
  Statics<DeviceStatics>()->java_lang_Boolean_FALSE = NewObject<java_lang_Boolean>(false);
}

bool java_lang_Boolean::equals(Object* other) {
  java_lang_Boolean* box = SameClass<java_lang_Boolean>(other);
  return box && box->value == value;
}

String* java_lang_Boolean::toString() {
  return GetConstantString(value ? kTrueText : kFalseText);
}

int32_t java_lang_Boolean::hashCode() {
  return value ? 1 : 0;
}

// ---- Byte -------------------------------------------------------------------------------------

int8_t java_lang_Byte::parseByte(String* text, int32_t radix) {
  const int32_t parsed = java_lang_Integer::nativeParseInt(text, radix);
  if (parsed < -128 || parsed > 127) {
    ThrowException(NewObject<java_lang_NumberFormatException>());
    return 0;
  }
  return static_cast<int8_t>(parsed);
}

int8_t java_lang_Byte::parseByte(String* text) {
  return parseByte(text, 10);
}

bool java_lang_Byte::equals(Object* other) {
  java_lang_Byte* box = SameClass<java_lang_Byte>(other);
  return box && box->value == value;
}

String* java_lang_Byte::toString() {
  return String::valueOf(int32_t{value});
}

int32_t java_lang_Byte::hashCode() {
  return value;
}

// ---- Character --------------------------------------------------------------------------------

bool java_lang_Character::equals(Object* other) {
  java_lang_Character* box = SameClass<java_lang_Character>(other);
  return box && box->value == value;
}

String* java_lang_Character::toString() {
  return String::valueOf(value);
}

int32_t java_lang_Character::hashCode() {
  return value;
}

// ---- Integer ----------------------------------------------------------------------------------

bool java_lang_Integer::equals(Object* other) {
  java_lang_Integer* box = SameClass<java_lang_Integer>(other);
  return box && box->value == value;
}

String* java_lang_Integer::toString() {
  return toString(value);
}

int32_t java_lang_Integer::hashCode() {
  return value;
}

int8_t java_lang_Integer::byteValue() {
  return static_cast<int8_t>(value);
}

int16_t java_lang_Integer::shortValue() {
  return static_cast<int16_t>(value);
}

int32_t java_lang_Integer::intValue() {
  return value;
}

int64_t java_lang_Integer::longValue() {
  return value;
}

// ---- Long -------------------------------------------------------------------------------------

bool java_lang_Long::equals(Object* other) {
  java_lang_Long* box = SameClass<java_lang_Long>(other);
  return box && box->value == value;
}

String* java_lang_Long::toString() {
  return toString(value);
}

int32_t java_lang_Long::hashCode() {
  return static_cast<int32_t>(value);
}

// ---- Double -----------------------------------------------------------------------------------

bool java_lang_Double::equals(Object* other) {
  java_lang_Double* box = SameClass<java_lang_Double>(other);
  return box && CanonicalBits(box->value) == CanonicalBits(value);
}

String* java_lang_Double::toString() {
  return String::valueOf(value);
}

int32_t java_lang_Double::hashCode() {
  const uint64_t bits = CanonicalBits(value);
  return static_cast<int32_t>(bits ^ (bits >> 32));
}

int8_t java_lang_Double::byteValue() {
  return static_cast<int8_t>(intValue());
}

int16_t java_lang_Double::shortValue() {
  return static_cast<int16_t>(intValue());
}

int32_t java_lang_Double::intValue() {
  return JavaD2I(value);
}

int64_t java_lang_Double::longValue() {
  return intValue();
}

float java_lang_Double::floatValue() {
  return static_cast<float>(value);
}

double java_lang_Double::doubleValue() {
  return value;
}
