// The bounded sprite reader: every read is checked against the array's end first.
#include "engine/sprite_reader.h"

#include <cstdarg>
#include <cstdio>

#include "runtime/trace.h"

namespace {

void TraceSprite(const char* resource, const char* section, const char* format, va_list args) {
  char what[256];
  std::vsnprintf(what, sizeof what, format, args);
  DebugLog("sprite %s, %s section: %s", resource, section, what);
}

}  // namespace

SpriteReader::SpriteReader(ByteArray* data, int32_t offset, const char* resource)
    : data_(data), position_(offset), end_(data ? data->length : 0), resource_(resource) {
  ok_ = data != nullptr && offset >= 0 && offset <= end_;
  if (data && !ok_) note("the offset %d lies outside the %d bytes", offset, end_);
}

bool SpriteReader::need(int64_t n) {
  if (!ok_) return false;
  if (n >= 0 && n <= end_ - position_) return true;
  fail("it runs past the end of the data (%lld bytes wanted at byte %d of %d)",
       static_cast<long long>(n), position_, end_);
  return false;
}

bool SpriteReader::skip(int64_t n) {
  if (!need(n)) return false;
  position_ += static_cast<int32_t>(n);
  return true;
}

int32_t SpriteReader::u8() {
  return need(1) ? next() : 0;
}

int32_t SpriteReader::peekU8() {
  return need(1) ? static_cast<uint8_t>(data_->elements()[position_]) : 0;
}

int32_t SpriteReader::i8() {
  return static_cast<int8_t>(u8());
}

int32_t SpriteReader::u16() {
  if (!need(2)) return 0;
  const int32_t low = next();
  return low | next() << 8;
}

int32_t SpriteReader::i16() {
  return static_cast<int16_t>(u16());
}

int32_t SpriteReader::i32() {
  if (!need(4)) return 0;
  uint32_t value = 0;
  for (int shift = 0; shift < 32; shift += 8) value |= static_cast<uint32_t>(next()) << shift;
  return static_cast<int32_t>(value);
}

bool SpriteReader::allocated(int32_t n, std::initializer_list<const Array*> tables) {
  for (const Array* table : tables) {
    if (!table || table->length != n) {
      fail("no memory for its tables of %d entries", n);
      return false;
    }
  }
  return true;
}

void SpriteReader::fail(const char* format, ...) {
  if (!ok_) return;  // the first fault is the one reported
  ok_ = false;
  va_list args;
  va_start(args, format);
  TraceSprite(resource_, section_, format, args);
  va_end(args);
}

void SpriteReader::note(const char* format, ...) const {
  va_list args;
  va_start(args, format);
  TraceSprite(resource_, section_, format, args);
  va_end(args);
}
