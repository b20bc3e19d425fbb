// javax.microedition.io.ResourceInputStream: reads, skips and marks held within the limit.
#include "javame/resource_input_stream.h"

#include <algorithm>

#include "host/invariant.h"
#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

javax_microedition_io_ResourceInputStream::javax_microedition_io_ResourceInputStream(
    java_io_InputStream* stream, int32_t limit)
    : javax_microedition_io_ResourceInputStream() {
  in = stream;
  if (limit < 0) DebugLog("ResourceInputStream: limit %d is negative; nothing to read", limit);
  this->limit = std::max(limit, 0);
}

int32_t javax_microedition_io_ResourceInputStream::read() {
  if (position >= limit || !NullCheck(in)) return -1;
  const int32_t byte = in->read();
  if (byte >= 0) position++;
  return byte;
}

int32_t javax_microedition_io_ResourceInputStream::read(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return -1;
  if (!BytesInside("ResourceInputStream.read", off, len, b->length)) return 0;
  if (position >= limit) {
    ThrowException(NewObject<java_io_EOFException>());
    return -1;
  }
  if (!NullCheck(in)) return -1;
  const int32_t n = in->read(b, off, std::min(len, limit - position));
  // A stream that claims more than it was asked for is not believed past the limit.
  if (n > 0) position += std::min(n, limit - position);
  return n;
}

int64_t javax_microedition_io_ResourceInputStream::skip(int64_t n) {
  if (!NullCheck(in)) return 0;
  const int64_t wanted = std::min<int64_t>(n, limit - position);
  const int64_t skipped = in->skip(wanted);
  if (skipped > 0) position += static_cast<int32_t>(std::min<int64_t>(skipped, limit - position));
  return skipped;
}

int32_t javax_microedition_io_ResourceInputStream::available() {
  PLIMORA_ASSERT(0 <= position && position <= limit);
  return limit - position;
}

void javax_microedition_io_ResourceInputStream::close() {
  if (NullCheck(in)) in->close();
}

void javax_microedition_io_ResourceInputStream::mark(int32_t readLimit) {
  if (!NullCheck(in)) return;
  in->mark(readLimit);
  if (in->markSupported()) markPosition = position;
}

void javax_microedition_io_ResourceInputStream::reset() {
  if (!NullCheck(in)) return;
  in->reset();
  if (in->markSupported()) position = markPosition;
}

bool javax_microedition_io_ResourceInputStream::markSupported() {
  return NullCheck(in) && in->markSupported();
}
