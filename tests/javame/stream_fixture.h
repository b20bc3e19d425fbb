// Shared by the stream tests: a started runtime, byte arrays made from and read back into
// vectors, and an output stream that fails.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "javame/output_stream.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "tests/support/library_fixture.h"

// An output stream that keeps the first kRoom bytes it is given, or raises failWith on every
// write when that is set; writes counts the calls either way.
class RecordingStream : public java_io_OutputStream {
 public:
  static constexpr int32_t kRoom = 256;

  RecordingStream() { RegisterReferenceFields(this, &failWith); }

  void write(int32_t b) override {
    if (!fail() && count < kRoom) kept[count++] = static_cast<uint8_t>(b);
  }
  void write(ByteArray* b, int32_t off, int32_t len) override {
    if (fail()) return;
    for (int32_t i = 0; i < len; i++) write(b->elements()[off + i]);
    writes -= len;
  }
  using java_io_OutputStream::write;
  void flush() override { flushes++; }
  void close() override { closes++; }

  std::vector<uint8_t> bytes() const { return std::vector<uint8_t>(kept, kept + count); }

  java_lang_Throwable* failWith = nullptr;
  int32_t writes = 0;
  int32_t flushes = 0;
  int32_t closes = 0;

 private:
  bool fail() {
    writes++;
    if (failWith) ThrowException(failWith);
    return failWith != nullptr;
  }

  uint8_t kept[kRoom];
  int32_t count = 0;
};

class StreamTest : public LibraryTest {
 protected:
  static ByteArray* Bytes(const std::vector<uint8_t>& bytes) {
    ByteArray* array = NewByteArray(static_cast<int32_t>(bytes.size()));
    if (!bytes.empty()) memcpy(array->elements(), bytes.data(), bytes.size());
    return array;
  }
  static std::vector<uint8_t> Contents(ByteArray* array) {
    if (!array || array->length == 0) return {};
    const auto* first = reinterpret_cast<const uint8_t*>(array->elements());
    return std::vector<uint8_t>(first, first + array->length);
  }
};
