// The streams of a socket connection. Each holds its connection, so the connection (and its
// socket) lives as long as a stream does. The input stream keeps a native buffer that it
// refills only when every buffered byte is used, by one receive, and counts what that receive
// gave; bytes reach a managed array only after the receive has returned.
#pragma once

#include <cstdint>

#include "javame/input_stream.h"
#include "javame/output_stream.h"
#include "runtime/class.h"

class SocketConnectionImpl;

class SocketInputStream : public java_io_InputStream {
 public:
  static constexpr int16_t kClassId = cid::SocketInputStream;
  static constexpr int32_t kBufferSize = 16 * 1024;

  explicit SocketInputStream(SocketConnectionImpl* owner) : connection(owner) {
    RegisterReferenceFields(this, &connection);
  }

  void finalize() override;  // frees the buffer

  // -1 at the end of the stream; java_io_IOException (and -1) for an error, a time-out or a
  // closed stream or connection. The array read checks (off, len) against b: a range outside
  // it reads nothing (0, one trace line).
  int32_t read(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_InputStream::read;
  int32_t read() override;
  int64_t skip(int64_t n) override;  // through the buffer; 0 for n <= 0
  int32_t available() override { return count - pos; }
  void close() override { closed = 1; }

  SocketConnectionImpl* connection;
  uint8_t* buffer;  // native, kBufferSize bytes once the first refill made it
  int32_t pos;      // next buffered byte
  int32_t count;    // bytes the last receive gave
  uint8_t closed;

 private:
  // Makes bytes available: true when some are buffered, false at the end or with an exception.
  bool fill();
};

class SocketOutputStream : public java_io_OutputStream {
 public:
  static constexpr int16_t kClassId = cid::SocketOutputStream;

  explicit SocketOutputStream(SocketConnectionImpl* owner) : connection(owner) {
    RegisterReferenceFields(this, &connection);
  }

  // Each write sends at once; a failing send, or a closed stream or connection, raises
  // java_io_IOException. A range outside b sends nothing (one trace line).
  void write(int32_t b) override;
  void write(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_OutputStream::write;
  void close() override { closed = 1; }

  SocketConnectionImpl* connection;
  uint8_t closed;
};
