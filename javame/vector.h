// java.util.Vector: the growable array of object references. 0 <= elementCount <= capacity,
// and every slot at or above elementCount holds null (each removal clears the freed slot).
#pragma once

#include <cstdint>

#include "runtime/class.h"

class ObjectArray;

// Operations marked "locked" hold the Vector's monitor for their whole run; the monitor is
// re-entrant, so they call each other freely. A bad argument throws as the comment says and
// leaves the Vector as it was.
class java_util_Vector : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Vector;

  // Capacity 10, doubling growth.
  java_util_Vector();
  explicit java_util_Vector(int32_t initialCapacity);
  // A negative capacity throws java_lang_IllegalArgumentException (string constant 310) and
  // leaves an empty Vector of capacity 0. An increment of 0 or less means doubling.
  java_util_Vector(int32_t initialCapacity, int32_t capacityIncrement);
  // Capacity other's size, then each of other's elements in position order.
  explicit java_util_Vector(java_util_Vector* other);

  virtual int32_t size();
  virtual bool isEmpty();
  virtual bool contains(Object* element);
  virtual void clear();  // locked: removeAllElements

  // Locked. Element i goes to slot i of array; an array shorter than the Vector takes
  // nothing (one trace line).
  void copyInto(ObjectArray* array);
  // Locked. Shrinks the array to exactly elementCount slots.
  void trimToSize();
  // Locked. Grows when minimum exceeds the capacity.
  void ensureCapacity(int32_t minimum);
  // Locked. Grows as needed, or clears the slots from newSize up; a negative size changes
  // nothing (one trace line).
  void setSize(int32_t newSize);
  int32_t capacity();

  // A slot matches a null element when it is null, a non-null one when element->equals(slot).
  int32_t indexOf(Object* element);
  // Locked. The first match at or after start, or -1; a negative start gives -1 (one trace
  // line).
  int32_t indexOf(Object* element, int32_t start);
  int32_t lastIndexOf(Object* element);
  // Locked. The last match at or before start, or -1 (so for any start below 0); a start at
  // or past elementCount throws java_lang_IndexOutOfBoundsException with start as its text.
  int32_t lastIndexOf(Object* element, int32_t start);

  // Locked. Positions outside 0 .. elementCount - 1 throw
  // java_lang_ArrayIndexOutOfBoundsException(position).
  Object* elementAt(int32_t position);
  Object* firstElement();  // locked; null when empty, without an exception
  Object* lastElement();   // locked; null when empty, without an exception
  void setElementAt(Object* element, int32_t position);  // locked
  void removeElementAt(int32_t position);                // locked
  // Locked. Position may also be elementCount (appends); beyond it throws as elementAt.
  void insertElementAt(Object* element, int32_t position);
  void addElement(Object* element);             // locked
  bool removeElement(Object* element);          // locked; removes the first match
  void removeAllElements();                     // locked
  Object* get(int32_t position);                // elementAt
  void set(int32_t position, Object* element);  // locked; setElementAt
  bool remove(Object* element);                 // locked; removeElement

  ObjectArray* elementData;  // null only while the capacity is 0 (refused or out of memory)
  int32_t elementCount;
  int32_t capacityIncrement;  // 0 or less: doubling

 private:
  // Grows the array to old + capacityIncrement (or twice old), at least minimum. The monitor
  // is held. False, with one trace line and nothing changed, when no array can be had.
  bool ensureCapacityHelper(int32_t minimum);
  // True when position lies in 0 .. limit - 1; otherwise throws
  // java_lang_ArrayIndexOutOfBoundsException(position).
  static bool positionInRange(int32_t position, int32_t limit);
  static bool matches(Object* element, Object* slot);
  // The slots of elementData; re-read after anything that may allocate.
  Object** slots();
};
