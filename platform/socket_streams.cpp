// The socket streams over their connection's receive and send.
#include "platform/socket_streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/connection_impl.h"
#include "platform/socket_connection.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"

// ---- Input ----

void SocketInputStream::finalize() {
  std::free(buffer);
  buffer = nullptr;
}

bool SocketInputStream::fill() {
  if (closed || !connection) {
    ThrowIOException("the stream is closed");
    return false;
  }
  if (pos < count) return true;
  if (!buffer) buffer = static_cast<uint8_t*>(std::malloc(kBufferSize));
  if (!buffer) {
    ThrowIOException("no memory for the stream's buffer");
    return false;
  }
  pos = count = 0;
  const int32_t received = connection->receive(buffer, kBufferSize);
  if (received <= 0) return false;
  count = received;
  return true;
}

int32_t SocketInputStream::read() {
  if (!fill()) return -1;
  return buffer[pos++];
}

int32_t SocketInputStream::read(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return -1;
  if (!BytesInside("SocketInputStream.read", off, len, b->length)) return 0;
  if (len == 0) return 0;
  if (!fill()) return -1;
  const int32_t n = std::min(len, count - pos);
  std::memcpy(b->elements() + off, buffer + pos, static_cast<size_t>(n));
  pos += n;
  return n;
}

int64_t SocketInputStream::skip(int64_t n) {
  int64_t skipped = 0;
  while (skipped < n && fill()) {
    const int32_t step = static_cast<int32_t>(std::min<int64_t>(n - skipped, count - pos));
    pos += step;
    skipped += step;
  }
  return skipped;
}

// ---- Output ----

void SocketOutputStream::write(int32_t b) {
  const auto byte = static_cast<uint8_t>(b);
  if (closed || !connection) {
    ThrowIOException("the stream is closed");
    return;
  }
  connection->send(&byte, 1);
}

// The bytes are copied out first: the array's body may move while the send runs parked.
void SocketOutputStream::write(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return;
  if (!BytesInside("SocketOutputStream.write", off, len, b->length)) return;
  if (closed || !connection) {
    ThrowIOException("the stream is closed");
    return;
  }
  if (len == 0) return;
  const auto* first = reinterpret_cast<const uint8_t*>(b->elements() + off);
  const std::vector<uint8_t> bytes(first, first + len);
  connection->send(bytes.data(), len);
}
