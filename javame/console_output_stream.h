// java.io.ConsoleOutputStream: the stream behind System.out and System.err. What is written
// to it is discarded, as on the device; the trace is the system's log.
#pragma once

#include <cstdint>

#include "javame/output_stream.h"

class java_io_ConsoleOutputStream : public java_io_OutputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_ConsoleOutputStream;

  // ---- Natives: javame/system_natives.cpp ----
  // Takes the byte and writes nothing.
  void write(int32_t b) override;
  // Takes the bytes (after the null check on the array) and writes nothing.
  void write(ByteArray* bytes) override;
  using java_io_OutputStream::write;
};
