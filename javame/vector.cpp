// java.util.Vector: construction, growth, searches and the element operations. Slot
// pointers are re-read after every call that may allocate, since the array body may move.
#include "javame/vector.h"

#include <algorithm>
#include <limits>

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kDefaultCapacity = 10;
constexpr int32_t kIllegalCapacityText = 310;  // string constant: "Illegal capacity"

}  // namespace

// ---- Construction -------------------------------------------------------------------------

java_util_Vector::java_util_Vector() : java_util_Vector(kDefaultCapacity, 0) {}

java_util_Vector::java_util_Vector(int32_t initialCapacity)
    : java_util_Vector(initialCapacity, 0) {}

java_util_Vector::java_util_Vector(int32_t initialCapacity, int32_t increment) {
  RegisterReferenceFields(this, &elementData);
  capacityIncrement = increment;
  if (initialCapacity < 0) {
    ThrowException(
        NewObject<java_lang_IllegalArgumentException>(GetConstantString(kIllegalCapacityText)));
    return;
  }
  elementData = NewObjectArray(cid::Object, initialCapacity);
}

java_util_Vector::java_util_Vector(java_util_Vector* other)
    : java_util_Vector(NullCheck(other) ? other->size() : 0, 0) {
  if (!other) return;
  for (int32_t i = 0; i < other->size(); i++) addElement(other->elementAt(i));
}

// ---- Size and capacity --------------------------------------------------------------------

Object** java_util_Vector::slots() {
  return elementData->elements();
}

int32_t java_util_Vector::size() {
  return elementCount;
}

bool java_util_Vector::isEmpty() {
  return elementCount == 0;
}

int32_t java_util_Vector::capacity() {
  return elementData ? elementData->length : 0;
}

bool java_util_Vector::ensureCapacityHelper(int32_t minimum) {
  const int64_t old = capacity();
  int64_t grown = capacityIncrement > 0 ? old + capacityIncrement : old * 2;
  grown = std::min<int64_t>(std::max<int64_t>(grown, minimum), std::numeric_limits<int32_t>::max());
  ObjectArray* bigger = NewObjectArray(cid::Object, static_cast<int32_t>(grown));
  if (!bigger || bigger->length < minimum) {
    DebugLog("java_util_Vector: no memory for %lld slots; the Vector keeps %lld",
             static_cast<long long>(grown), static_cast<long long>(old));
    return false;
  }
  java_lang_System::arraycopy(elementData, 0, bigger, 0, elementCount);
  elementData = bigger;
  return true;
}

void java_util_Vector::ensureCapacity(int32_t minimum) {
  MonitorScope lock(this);
  if (minimum > capacity()) ensureCapacityHelper(minimum);
}

void java_util_Vector::trimToSize() {
  MonitorScope lock(this);
  if (elementCount >= capacity()) return;
  ObjectArray* exact = NewObjectArray(cid::Object, elementCount);
  if (!exact || exact->length != elementCount) return;  // no memory: the larger array stays
  java_lang_System::arraycopy(elementData, 0, exact, 0, elementCount);
  elementData = exact;
}

void java_util_Vector::setSize(int32_t newSize) {
  MonitorScope lock(this);
  if (newSize < 0) {
    DebugLog("java_util_Vector::setSize: size %d is negative; nothing changed", newSize);
    return;
  }
  if (newSize > elementCount && newSize > capacity() && !ensureCapacityHelper(newSize)) return;
  for (int32_t i = newSize; i < elementCount; i++) slots()[i] = nullptr;
  elementCount = newSize;
}

void java_util_Vector::copyInto(ObjectArray* array) {
  MonitorScope lock(this);
  if (!NullCheck(array)) return;
  if (!RangeInside(0, elementCount, array->length)) {
    DebugLog("java_util_Vector::copyInto: %d elements do not fit an array of %d; nothing copied",
             elementCount, array->length);
    return;
  }
  java_lang_System::arraycopy(elementData, 0, array, 0, elementCount);
}

// ---- Searches -----------------------------------------------------------------------------

bool java_util_Vector::matches(Object* element, Object* slot) {
  return element ? element->equals(slot) : slot == nullptr;
}

bool java_util_Vector::contains(Object* element) {
  return indexOf(element, 0) >= 0;
}

int32_t java_util_Vector::indexOf(Object* element) {
  return indexOf(element, 0);
}

int32_t java_util_Vector::indexOf(Object* element, int32_t start) {
  MonitorScope lock(this);
  if (start < 0) {
    DebugLog("java_util_Vector::indexOf: start %d is negative; not searched", start);
    return -1;
  }
  for (int32_t p = start; p < elementCount; p++) {
    if (matches(element, slots()[p])) return p;
  }
  return -1;
}

int32_t java_util_Vector::lastIndexOf(Object* element) {
  return lastIndexOf(element, elementCount - 1);
}

int32_t java_util_Vector::lastIndexOf(Object* element, int32_t start) {
  MonitorScope lock(this);
  if (start >= elementCount) {
    ThrowException(NewObject<java_lang_IndexOutOfBoundsException>(String::valueOf(start)));
    return -1;
  }
  for (int32_t p = start; p >= 0; p--) {
    if (matches(element, slots()[p])) return p;
  }
  return -1;
}

// ---- Elements by position -----------------------------------------------------------------

bool java_util_Vector::positionInRange(int32_t position, int32_t limit) {
  if (position >= 0 && position < limit) return true;
  ThrowException(NewObject<java_lang_ArrayIndexOutOfBoundsException>(position));
  return false;
}

Object* java_util_Vector::elementAt(int32_t position) {
  MonitorScope lock(this);
  return positionInRange(position, elementCount) ? slots()[position] : nullptr;
}

Object* java_util_Vector::get(int32_t position) {
  return elementAt(position);
}

Object* java_util_Vector::firstElement() {
  MonitorScope lock(this);
  return elementCount > 0 ? slots()[0] : nullptr;
}

Object* java_util_Vector::lastElement() {
  MonitorScope lock(this);
  return elementCount > 0 ? slots()[elementCount - 1] : nullptr;
}

void java_util_Vector::setElementAt(Object* element, int32_t position) {
  MonitorScope lock(this);
  if (positionInRange(position, elementCount)) slots()[position] = element;
}

void java_util_Vector::set(int32_t position, Object* element) {
  MonitorScope lock(this);
  setElementAt(element, position);
}

// ---- Insertion and removal ----------------------------------------------------------------

void java_util_Vector::addElement(Object* element) {
  MonitorScope lock(this);
  if (elementCount + 1 > capacity() && !ensureCapacityHelper(elementCount + 1)) return;
  slots()[elementCount++] = element;
}

void java_util_Vector::insertElementAt(Object* element, int32_t position) {
  MonitorScope lock(this);
  if (!positionInRange(position, elementCount + 1)) return;
  if (elementCount + 1 > capacity() && !ensureCapacityHelper(elementCount + 1)) return;
  java_lang_System::arraycopy(elementData, position, elementData, position + 1,
                              elementCount - position);
  slots()[position] = element;
  elementCount++;
}

void java_util_Vector::removeElementAt(int32_t position) {
  MonitorScope lock(this);
  if (!positionInRange(position, elementCount)) return;
  const int32_t behind = elementCount - position - 1;
  if (behind > 0)
    java_lang_System::arraycopy(elementData, position + 1, elementData, position, behind);
  elementCount--;
  slots()[elementCount] = nullptr;
}

bool java_util_Vector::removeElement(Object* element) {
  MonitorScope lock(this);
  const int32_t position = indexOf(element, 0);
  if (position < 0) return false;
  removeElementAt(position);
  return true;
}

bool java_util_Vector::remove(Object* element) {
  return removeElement(element);
}

void java_util_Vector::removeAllElements() {
  MonitorScope lock(this);
  for (int32_t i = 0; i < elementCount; i++) slots()[i] = nullptr;
  elementCount = 0;
}

void java_util_Vector::clear() {
  removeAllElements();
}
