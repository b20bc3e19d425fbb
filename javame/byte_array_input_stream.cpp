// java.io.ByteArrayInputStream: construction over a checked range, reads, skips and the mark.
#include "javame/byte_array_input_stream.h"

#include <algorithm>
#include <cstring>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

java_io_ByteArrayInputStream::java_io_ByteArrayInputStream(ByteArray* b)
    : java_io_ByteArrayInputStream() {
  buf = b;
  count = NullCheck(b) ? b->length : 0;
}

java_io_ByteArrayInputStream::java_io_ByteArrayInputStream(ByteArray* b, int32_t offset,
                                                           int32_t length)
    : java_io_ByteArrayInputStream() {
  buf = b;
  if (!NullCheck(b)) return;
  if (offset < 0 || length < 0 || offset > b->length) {
    DebugLog("ByteArrayInputStream: bytes %d + %d outside the array (length %d); nothing to read",
             offset, length, b->length);
    return;
  }
  pos = offset;
  markPos = offset;
  count = static_cast<int32_t>(std::min<int64_t>(int64_t{offset} + length, b->length));
}

int32_t java_io_ByteArrayInputStream::read(ByteArray* b, int32_t off, int32_t len) {
  MonitorScope lock(this);
  if (!NullCheck(b)) return -1;
  if (!BytesInside("ByteArrayInputStream.read", off, len, b->length)) return 0;
  if (pos >= count) return -1;
  const int32_t n = std::min(len, count - pos);
  if (n <= 0) return 0;
  memmove(b->elements() + off, buf->elements() + pos, static_cast<size_t>(n));
  pos += n;
  return n;
}

int32_t java_io_ByteArrayInputStream::read() {
  MonitorScope lock(this);
  if (pos >= count) return -1;
  return static_cast<uint8_t>(buf->elements()[pos++]);
}

int64_t java_io_ByteArrayInputStream::skip(int64_t n) {
  MonitorScope lock(this);
  const int64_t skipped = std::min<int64_t>(n, count - pos);
  if (skipped < 0) return 0;
  pos += static_cast<int32_t>(skipped);
  return skipped;
}

int32_t java_io_ByteArrayInputStream::available() {
  MonitorScope lock(this);
  return count - pos;
}

void java_io_ByteArrayInputStream::close() {
  MonitorScope lock(this);
}

void java_io_ByteArrayInputStream::mark(int32_t) {
  markPos = pos;
}

void java_io_ByteArrayInputStream::reset() {
  MonitorScope lock(this);
  pos = markPos;
}
