// Range checks of the native operations on arrays, strings and buffers. Indexes are never
// trusted: one outside its array or text writes one trace line naming the operation and the
// caller makes the access harmless (reads give 0, writes are skipped, ranges are clamped).
#pragma once

#include <cstdint>

// True when 0 <= index < length; otherwise writes "<operation>: index I out of range (length L)".
bool IndexInRange(const char* operation, int32_t index, int32_t length);

// A half-open range of positions [begin, end) inside one array or text.
struct Span {
  int32_t begin;
  int32_t end;
  int32_t size() const { return end - begin; }
};

// The part of [begin, end) that lies inside [0, length]: begin is clamped into [0, length],
// then end into [begin, length]. Writes one trace line when that is not the whole range.
// Bounds are 64-bit so callers pass offset + count without overflow.
Span ClampRange(const char* operation, int64_t begin, int64_t end, int32_t length);

// True when [begin, begin + count) lies inside [0, length] and count >= 0, without a trace.
bool RangeInside(int64_t begin, int64_t count, int32_t length);

// RangeInside for count bytes from offset of an array of length bytes; otherwise writes
// "<operation>: bytes O + C outside the array (length L)".
bool BytesInside(const char* operation, int32_t offset, int32_t count, int32_t length);
