// StringBuffer storage, growth and the unit edits every insert, append and delete is made of.
// The block may move whenever anything allocates, so it is always read through its field.
#include "runtime/string_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

// ---- Storage ------------------------------------------------------------------------------

StringBuffer::StringBuffer(int32_t initialCapacity) {
  characters = nullptr;
  capacity = 0;
  count = 0;
  if (initialCapacity < 0) {
    DebugLog("StringBuffer: capacity %d below 0", initialCapacity);
    return;
  }
  if (initialCapacity > 0) grow(initialCapacity);
}

StringBuffer::StringBuffer(String* text) : StringBuffer(0) {
  if (!NullCheck(text)) return;
  if (!grow(static_cast<int64_t>(text->length()) + 1)) return;
  std::copy_n(text->characters, text->length(), characters);  // read after the allocation
  setLength(text->length());
}

void StringBuffer::finalize() {
  if (characters) FreeDataMemory(characters);
  characters = nullptr;
}

String* StringBuffer::toString() {
  return NewObject<String>(this);
}

bool StringBuffer::grow(int64_t minimum) {
  if (minimum <= capacity) return true;
  if (minimum > INT32_MAX) {
    DebugLog("StringBuffer: %lld characters are too many", static_cast<long long>(minimum));
    return false;
  }
  int64_t target =
      std::min<int64_t>(std::max<int64_t>(minimum, 2 * static_cast<int64_t>(capacity)), INT32_MAX);
  auto* block =
      static_cast<char16_t*>(AllocDataMemory(sizeof(char16_t) * static_cast<size_t>(target)));
  if (!block) {
    DebugLog("StringBuffer: no memory for %lld characters", static_cast<long long>(target));
    return false;
  }
  // Read the old block only now: finding the new one may have moved it.
  if (characters) {
    std::copy_n(characters, capacity, block);
    FreeDataMemory(characters);
  }
  characters = block;
  RegisterDataOwner(block, &characters);
  capacity = static_cast<int32_t>(target);
  return true;
}

void StringBuffer::ensureCapacity(int32_t minimum) {
  grow(minimum);
}

void StringBuffer::setLength(int32_t newLength) {
  if (newLength < 0) {
    DebugLog("StringBuffer::setLength: length %d below 0", newLength);
    newLength = 0;
  }
  if (!grow(newLength)) return;
  if (newLength < capacity) characters[newLength] = 0;
  count = newLength;
}

void StringBuffer::getChars(int32_t begin, int32_t end, CharArray* destination,
                            int32_t destinationBegin) {
  CopyUnitsInto("StringBuffer::getChars", characters, count, begin, end, destination,
                destinationBegin);
}

// ---- Inserting ----------------------------------------------------------------------------

int32_t StringBuffer::clampedPosition(const char* operation, int32_t position) const {
  if (position >= 0 && position <= count) return position;
  DebugLog("%s: position %d out of range (length %d)", operation, position, count);
  return std::clamp(position, 0, count);
}

char16_t* StringBuffer::openGap(int32_t position, int32_t unitCount) {
  if (!grow(static_cast<int64_t>(count) + unitCount + 1)) return nullptr;
  memmove(characters + position + unitCount, characters + position,
          sizeof(char16_t) * (count - position));
  setLength(count + unitCount);
  return characters + position;
}

StringBuffer* StringBuffer::insertUnits(int32_t position, const char16_t* units,
                                        int32_t unitCount) {
  if (unitCount <= 0 || !NullCheck(units)) return this;
  position = clampedPosition("StringBuffer::insert", position);
  // Units in a block that growing may move or free, or in the part of ours that is about to
  // move up, are copied out first.
  std::less<const char16_t*> below;
  bool ours =
      characters && below(units, characters + capacity) && below(characters, units + unitCount);
  char16_t* copy = nullptr;
  if (static_cast<int64_t>(count) + unitCount + 1 > capacity || ours) {
    copy = static_cast<char16_t*>(malloc(sizeof(char16_t) * static_cast<size_t>(unitCount)));
    if (!copy) {
      DebugLog("StringBuffer::insert: no memory for %d characters", unitCount);
      return this;
    }
    std::copy_n(units, unitCount, copy);
    units = copy;
  }
  if (char16_t* gap = openGap(position, unitCount)) std::copy_n(units, unitCount, gap);
  free(copy);
  return this;
}

StringBuffer* StringBuffer::insertCString(int32_t position, const char* text) {
  if (!NullCheck(text)) return this;
  size_t n = strlen(text);
  if (n == 0) return this;
  if (n > INT32_MAX) {
    DebugLog("StringBuffer::insertCString: %zu characters are too many", n);
    return this;
  }
  position = clampedPosition("StringBuffer::insert", position);
  char16_t* gap = openGap(position, static_cast<int32_t>(n));
  if (!gap) return this;
  for (size_t i = 0; i < n; i++) gap[i] = static_cast<unsigned char>(text[i]);
  return this;
}

// ---- Removing and reversing ---------------------------------------------------------------

StringBuffer* StringBuffer::delete_(int32_t start, int32_t end) {
  end = std::min(end, count);
  start = clampedPosition("StringBuffer::delete", start);
  if (start >= end) return this;
  memmove(characters + start, characters + end, sizeof(char16_t) * (count - end));
  setLength(count - (end - start));
  return this;
}

StringBuffer* StringBuffer::deleteCharAt(int32_t index) {
  if (!IndexInRange("StringBuffer::deleteCharAt", index, count)) return this;
  return delete_(index, index + 1);
}

StringBuffer* StringBuffer::reverse() {
  if (count > 1) std::reverse(characters, characters + count);
  return this;
}
