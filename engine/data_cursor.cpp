// cGame's byte-array reader: one shared cursor, dataCursor, over the byte[] a parser walks.
// Single values are little-endian, counted arrays big-endian; no read ever touches a byte
// outside the array. A read that runs past either end gives 0 for each missing byte and sets
// dataReadFailed, which stays set (and the trace quiet) until a parser sets the cursor again.
#include <cinttypes>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"

// Layouts read at the cursor:
//   readByte          1 byte                        signed
//   readShort         2 bytes, little-endian        signed 16-bit
//   readInt           4 bytes, little-endian        signed 32-bit
//   readIntArray      s32 count n (big-endian), then n s32, big-endian
//   readShortArray    s32 count n (big-endian), then n s16, big-endian
//   readByteArray     s32 count n (big-endian), then n bytes

namespace {

// Marks the parse as failed; the first failure since the cursor was set writes the line.
void ReportPastEnd(const char* operation, int64_t at, int32_t width, int32_t length) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_dataReadFailed) return;
  s->cGame_dataReadFailed = true;
  DebugLog("%s: %d bytes at %" PRId64
           " pass the ends of the data (%d bytes); missing bytes read "
           "as 0",
           operation, width, at, length);
}

// Reads width bytes at the cursor, in either order, and moves the cursor past them (wrapping
// as a Java int would). Bytes outside the array read as 0.
uint32_t ReadAtCursor(ByteArray* data, int32_t width, bool bigEndian, const char* operation) {
  GameStatics* s = Statics<GameStatics>();
  const int64_t at = s->cGame_dataCursor;
  s->cGame_dataCursor = static_cast<int32_t>(at + width);
  const int32_t length = data->length;
  if (!RangeInside(at, width, length)) ReportPastEnd(operation, at, width, length);
  const auto* bytes = reinterpret_cast<const uint8_t*>(data->elements());
  uint32_t value = 0;
  for (int32_t i = 0; i < width; i++) {
    const int64_t p = at + i;
    const uint32_t byte = p >= 0 && p < length ? bytes[p] : 0;
    value = bigEndian ? value << 8 | byte : value | byte << (8 * i);
  }
  return value;
}

// The null check on the data; a null array fails the parse as a short one does.
bool HaveData(ByteArray* data) {
  if (NullCheck(data)) return true;
  Statics<GameStatics>()->cGame_dataReadFailed = true;
  return false;
}

// A counted array of elements width bytes wide: new A[n] holding the n big-endian elements
// after the count. A count that is cut off gives null; a count below 0 or larger than the
// bytes left gives null with its own trace line. Either way the cursor goes to the end.
template <class A, A* (*NewArray)(int32_t)>
A* ReadCounted(ByteArray* data, int32_t width, const char* operation) {
  if (!HaveData(data)) return nullptr;
  GameStatics* s = Statics<GameStatics>();
  const bool countCut = !RangeInside(s->cGame_dataCursor, 4, data->length);
  const auto count = static_cast<int32_t>(ReadAtCursor(data, 4, true, operation));
  const int64_t left = static_cast<int64_t>(data->length) - s->cGame_dataCursor;
  if (countCut || count < 0 || static_cast<int64_t>(count) * width > left) {
    if (!countCut) {
      DebugLog("%s: count %d at %d does not fit the %" PRId64 " bytes left; no array", operation,
               count, s->cGame_dataCursor - 4, left < 0 ? 0 : left);
    }
    s->cGame_dataReadFailed = true;
    s->cGame_dataCursor = data->length;
    return nullptr;
  }
  A* array = NewArray(count);
  if (!array || array->length != count) {
    s->cGame_dataReadFailed = true;
    s->cGame_dataCursor = data->length;
    return nullptr;
  }
  for (int32_t i = 0; i < count; i++) {
    array->elements()[i] =
        static_cast<typename A::ElementType>(ReadAtCursor(data, width, true, operation));
  }
  return array;
}

}  // namespace

void cGame::setDataCursor(int32_t position) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_dataCursor = position;
  s->cGame_dataReadFailed = false;
}

int32_t cGame::readByte(ByteArray* data) {
  if (!HaveData(data)) return 0;
  return static_cast<int8_t>(ReadAtCursor(data, 1, false, "cGame::readByte"));
}

int32_t cGame::readShort(ByteArray* data) {
  if (!HaveData(data)) return 0;
  return static_cast<int16_t>(ReadAtCursor(data, 2, false, "cGame::readShort"));
}

int32_t cGame::readInt(ByteArray* data) {
  if (!HaveData(data)) return 0;
  return static_cast<int32_t>(ReadAtCursor(data, 4, false, "cGame::readInt"));
}

IntArray* cGame::readIntArray(ByteArray* data) {
  return ReadCounted<IntArray, NewIntArray>(data, 4, "cGame::readIntArray");
}

ShortArray* cGame::readShortArray(ByteArray* data) {
  return ReadCounted<ShortArray, NewShortArray>(data, 2, "cGame::readShortArray");
}

ByteArray* cGame::readByteArray(ByteArray* data) {
  return ReadCounted<ByteArray, NewByteArray>(data, 1, "cGame::readByteArray");
}
