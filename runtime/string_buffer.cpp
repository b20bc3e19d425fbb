// StringBuffer storage, growth and the unit edits that String's decoders build text with.
// The block may move whenever anything allocates, so it is always read through its field.
#include "runtime/string_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

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

void StringBuffer::finalize() {
  if (characters) FreeDataMemory(characters);
  characters = nullptr;
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

StringBuffer* StringBuffer::insertUnits(int32_t position, const char16_t* units,
                                        int32_t unitCount) {
  if (unitCount <= 0 || !NullCheck(units)) return this;
  if (position < 0 || position > count) {
    DebugLog("StringBuffer::insertUnits: position %d out of range (length %d)", position, count);
    position = std::clamp(position, 0, count);
  }
  int64_t need = static_cast<int64_t>(count) + unitCount + 1;
  // Units in a block that growing may move or free, or in the part of ours that is about to
  // move up, are copied out first.
  std::less<const char16_t*> below;
  bool ours =
      characters && below(units, characters + capacity) && below(characters, units + unitCount);
  char16_t* copy = nullptr;
  if (need > capacity || ours) {
    copy = static_cast<char16_t*>(malloc(sizeof(char16_t) * static_cast<size_t>(unitCount)));
    if (!copy) {
      DebugLog("StringBuffer::insertUnits: no memory for %d characters", unitCount);
      return this;
    }
    std::copy_n(units, unitCount, copy);
    units = copy;
  }
  if (grow(need)) {
    memmove(characters + position + unitCount, characters + position,
            sizeof(char16_t) * (count - position));
    std::copy_n(units, unitCount, characters + position);
    setLength(count + unitCount);
  }
  free(copy);
  return this;
}

StringBuffer* StringBuffer::append(char16_t unit) {
  return insertUnits(count, &unit, 1);
}

String* StringBuffer::toString() {
  return NewObject<String>(this);
}
