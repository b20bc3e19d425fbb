// java.io.ByteArrayOutputStream: writes, growth and the copies of what was written.
#include "javame/byte_array_output_stream.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kDefaultSize = 32;

}  // namespace

java_io_ByteArrayOutputStream::java_io_ByteArrayOutputStream()
    : java_io_ByteArrayOutputStream(kDefaultSize) {}

java_io_ByteArrayOutputStream::java_io_ByteArrayOutputStream(int32_t size) {
  RegisterReferenceFields(this, &buf);
  buf = NewByteArray(size);
  count = 0;
  closed = 0;
}

// The new buffer is twice the old one, or what is needed when that is more; counted in 64
// bits and held to the int range, so a large buffer cannot wrap to a small one.
bool java_io_ByteArrayOutputStream::ensureRoom(int64_t needed) {
  const int32_t length = buf ? buf->length : 0;
  if (needed <= length) return true;
  const int64_t grown = std::min<int64_t>(std::max<int64_t>(int64_t{length} * 2, needed), INT_MAX);
  ByteArray* bigger = needed <= INT_MAX ? NewByteArray(static_cast<int32_t>(grown)) : nullptr;
  if (!bigger || bigger->length != grown) {
    DebugLog("ByteArrayOutputStream: no room for %lld bytes; the write is dropped",
             static_cast<long long>(needed));
    return false;
  }
  if (count > 0) memcpy(bigger->elements(), buf->elements(), static_cast<size_t>(count));
  buf = bigger;
  return true;
}

void java_io_ByteArrayOutputStream::write(int32_t b) {
  MonitorScope lock(this);
  if (!ensureRoom(int64_t{count} + 1)) return;
  buf->elements()[count] = static_cast<int8_t>(b);
  count++;
}

void java_io_ByteArrayOutputStream::write(ByteArray* b, int32_t off, int32_t len) {
  MonitorScope lock(this);
  if (!NullCheck(b)) return;
  if (!BytesInside("ByteArrayOutputStream.write", off, len, b->length)) return;
  if (len == 0 || !ensureRoom(int64_t{count} + len)) return;
  memmove(buf->elements() + count, b->elements() + off, static_cast<size_t>(len));
  count += len;
}

void java_io_ByteArrayOutputStream::close() {
  MonitorScope lock(this);
  closed = 1;
}

String* java_io_ByteArrayOutputStream::toString() {
  return NewObject<String>(buf, 0, count);
}

void java_io_ByteArrayOutputStream::reset() {
  MonitorScope lock(this);
  count = 0;
}

int32_t java_io_ByteArrayOutputStream::size() {
  return count;
}

ByteArray* java_io_ByteArrayOutputStream::toByteArray() {
  MonitorScope lock(this);
  if (closed && buf && buf->length == count) return buf;
  ByteArray* copy = NewByteArray(count);
  if (copy && copy->length == count && count > 0) {
    memcpy(copy->elements(), buf->elements(), static_cast<size_t>(count));
  }
  return copy;
}
