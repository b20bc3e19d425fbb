// java.io.InputStream: the operations every input stream has, in their slot order after
// Object's six. Concrete streams read bytes, skip and close; the base gives the rest.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class ByteArray;

class java_io_InputStream : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_io_InputStream;

  // Reads up to len bytes into b from off; the count read, or -1 at the end of the stream.
  virtual int32_t read(ByteArray* b, int32_t off, int32_t len) = 0;  // 6
  // read(b, 0, length of b).
  virtual int32_t read(ByteArray* b);  // 7
  // The next byte, 0..255, or -1 at the end of the stream.
  virtual int32_t read() = 0;  // 8
  // Skips up to n bytes; the count skipped.
  virtual int64_t skip(int64_t n) = 0;  // 9
  // The bytes that can be read without blocking: 0 here.
  virtual int32_t available() { return 0; }       // 10
  virtual void close() {}                         // 11
  virtual void mark(int32_t) {}                   // 12
  virtual void reset() {}                         // 13
  virtual bool markSupported() { return false; }  // 14
};
