// java.io.OutputStream: the operations every output stream has, in their slot order after
// Object's six. The base closes, flushes and writes arrays as no-ops; each stream writes bytes.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class ByteArray;

class java_io_OutputStream : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_io_OutputStream;

  virtual void close() {}  // 6
  virtual void flush() {}  // 7
  // Writes the low 8 bits of b.
  virtual void write(int32_t b) = 0;  // 8
  // Writes len bytes of b from off. The base writes nothing: it does not fall back on
  // write(int).
  virtual void write(ByteArray*, int32_t, int32_t) {}  // 9
  // write(b, 0, length of b).
  virtual void write(ByteArray* b);  // 10
};
