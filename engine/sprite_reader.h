// A little-endian cursor over the bytes of one sprite, bounded by its array: a read past the
// end gives 0, fails the reader and writes one trace line naming the resource and the section
// that ran out. The array's body is looked up on every read, so it may move in between.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "runtime/array.h"

class SpriteReader {
 public:
  // Reads data[offset..]; resource names the sprite in trace lines ("pack \"x\" entry 3").
  SpriteReader(ByteArray* data, int32_t offset, const char* resource);

  // The section named in the trace lines of later faults.
  void beginSection(const char* name) { section_ = name; }
  const char* section() const { return section_; }
  const char* resource() const { return resource_; }

  int32_t u8();
  int32_t peekU8();  // the next byte, left unread
  int32_t i8();
  int32_t u16();
  int32_t i16();
  int32_t i32();  // also the u32 fields: their bit pattern
  // A 16-bit value when wide, else one byte, signed or not.
  int32_t value(bool wide, bool isSigned) {
    if (wide) return isSigned ? i16() : u16();
    return isSigned ? i8() : u8();
  }

  // Moves past n bytes; fails when fewer remain (or n is negative).
  bool skip(int64_t n);
  // True when n more bytes remain; otherwise fails.
  bool need(int64_t n);

  int32_t position() const { return position_; }
  int32_t remaining() const { return ok_ ? end_ - position_ : 0; }
  bool ok() const { return ok_; }
  ByteArray* data() const { return data_; }

  // True when every table was given its n elements; otherwise the reader fails (the heap is
  // full), so no element of a short table is ever written.
  bool allocated(int32_t n, std::initializer_list<const Array*> tables);

  // A fault of the data that is not a short read: one trace line, and the reader fails.
  void fail(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // A fault that the parse survives: one trace line naming resource and section.
  void note(const char* format, ...) const __attribute__((format(printf, 2, 3)));

 private:
  // The byte at the cursor, which must lie inside; the cursor advances.
  int32_t next() { return static_cast<uint8_t>(data_->elements()[position_++]); }

  ByteArray* data_;
  int32_t position_;
  int32_t end_;
  const char* section_ = "header";
  const char* resource_;
  bool ok_;
};
