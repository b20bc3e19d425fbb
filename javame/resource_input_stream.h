// javax.microedition.io.ResourceInputStream: a bounded view that delivers at most limit bytes
// of another stream, such as one entry of an archive. 0 <= position <= limit always holds:
// only the bytes the stream really gave are counted.
#pragma once

#include <cstdint>

#include "javame/input_stream.h"
#include "runtime/class.h"

class java_io_InputStream;

class javax_microedition_io_ResourceInputStream : public java_io_InputStream {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_ResourceInputStream;

  javax_microedition_io_ResourceInputStream() { RegisterReferenceFields(this, &in); }
  // A negative limit is reported and taken as 0.
  javax_microedition_io_ResourceInputStream(java_io_InputStream* stream, int32_t limit);

  // -1 at the limit.
  int32_t read() override;
  // At the limit raises java_io_EOFException (and gives -1); otherwise reads at most up to the
  // limit. A range outside b reads nothing (0, one trace line).
  int32_t read(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_InputStream::read;
  int64_t skip(int64_t n) override;  // up to the limit
  int32_t available() override;      // limit - position
  void close() override;
  // Forwarded to in; when in supports marks, the position is saved and restored with it.
  void mark(int32_t readLimit) override;
  void reset() override;
  bool markSupported() override;

  java_io_InputStream* in;
  int32_t limit;         // bytes it may deliver
  int32_t position;      // bytes delivered so far
  int32_t markPosition;  // position at the last mark
};
