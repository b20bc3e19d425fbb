// java.io.DataInputStream: the forwarded stream operations and the typed reads.
#include "javame/data_input_stream.h"

#include <algorithm>

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/range_check.h"
#include "runtime/string.h"

namespace {

template <class E>
void Raise() {
  ThrowException(NewObject<E>());
}

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes modified UTF-8 as readUTF reads it, by the high four bits of each lead byte:
//   0-7    one byte:    0xxxxxxx
//   12-13  two bytes:   110xxxxx 10xxxxxx
//   14     three bytes: 1110xxxx 10xxxxxx 10xxxxxx
// Any other lead byte, a wrong continuation byte or a sequence cut off by the end fails.
// Returns the number of units (written to out when out is not null), or -1 on failure.
int32_t DecodeModifiedUtf8(const uint8_t* bytes, int32_t length, char16_t* out) {
  int32_t units = 0;
  int32_t i = 0;
  while (i < length) {
    const uint8_t c = bytes[i];
    const int32_t kind = c >> 4;
    int32_t unit;
    if (kind <= 7) {
      unit = c;
      i += 1;
    } else if (kind == 12 || kind == 13) {
      if (length - i < 2 || !IsContinuation(bytes[i + 1])) return -1;
      unit = ((c & 0x1F) << 6) | (bytes[i + 1] & 0x3F);
      i += 2;
    } else if (kind == 14) {
      if (length - i < 3 || !IsContinuation(bytes[i + 1]) || !IsContinuation(bytes[i + 2])) {
        return -1;
      }
      unit = ((c & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F);
      i += 3;
    } else {
      return -1;
    }
    if (out) out[units] = static_cast<char16_t>(unit);
    units++;
  }
  return units;
}

const uint8_t* BytesOf(ByteArray* array) {
  return reinterpret_cast<uint8_t*>(array->elements());
}

}  // namespace

// ---- Forwarded operations -----------------------------------------------------------------

int32_t java_io_DataInputStream::read(ByteArray* b, int32_t off, int32_t len) {
  return NullCheck(in) ? in->read(b, off, len) : -1;
}

int32_t java_io_DataInputStream::read(ByteArray* b) {
  return NullCheck(in) ? in->read(b) : -1;
}

int32_t java_io_DataInputStream::read() {
  return NullCheck(in) ? in->read() : -1;
}

int64_t java_io_DataInputStream::skip(int64_t n) {
  return NullCheck(in) ? in->skip(n) : 0;
}

int32_t java_io_DataInputStream::available() {
  return NullCheck(in) ? in->available() : 0;
}

void java_io_DataInputStream::close() {
  if (NullCheck(in)) in->close();
}

void java_io_DataInputStream::mark(int32_t readLimit) {
  MonitorScope lock(this);
  if (NullCheck(in)) in->mark(readLimit);
}

void java_io_DataInputStream::reset() {
  MonitorScope lock(this);
  if (NullCheck(in)) in->reset();
}

bool java_io_DataInputStream::markSupported() {
  return NullCheck(in) && in->markSupported();
}

// ---- Typed reads --------------------------------------------------------------------------

void java_io_DataInputStream::readFully(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return;
  if (!BytesInside("DataInputStream.readFully", off, len, b->length)) return;
  int32_t done = 0;
  while (done < len) {
    const int32_t n = read(b, off + done, len - done);
    if (GetPendingException()) return;
    if (n <= 0) return Raise<java_io_EOFException>();
    done += n;
  }
}

void java_io_DataInputStream::readFully(ByteArray* b) {
  if (NullCheck(b)) readFully(b, 0, b->length);
}

int32_t java_io_DataInputStream::skipBytes(int32_t n) {
  int32_t done = 0;
  while (done < n) {
    const int64_t skipped = skip(n - done);
    if (skipped <= 0 || GetPendingException()) break;
    done += static_cast<int32_t>(std::min<int64_t>(skipped, n - done));
  }
  return done;
}

// The end of the stream raises java_io_EOFException; an exception of the stream itself
// passes through as it is.
int32_t java_io_DataInputStream::readByteOrEnd() {
  const int32_t b = read();
  if (b < 0 && !GetPendingException()) Raise<java_io_EOFException>();
  return b;
}

uint64_t java_io_DataInputStream::readBigEndian(int32_t byteCount) {
  uint64_t value = 0;
  for (int32_t i = 0; i < byteCount; i++) {
    const int32_t b = readByteOrEnd();
    if (b < 0) return 0;
    value = value << 8 | static_cast<uint64_t>(b);
  }
  return value;
}

bool java_io_DataInputStream::readBoolean() {
  return readByteOrEnd() > 0;
}

int8_t java_io_DataInputStream::readByte() {
  const int32_t b = readByteOrEnd();
  return b < 0 ? 0 : static_cast<int8_t>(b);
}

int32_t java_io_DataInputStream::readUnsignedByte() {
  const int32_t b = readByteOrEnd();
  return b < 0 ? 0 : b;
}

int16_t java_io_DataInputStream::readShort() {
  return static_cast<int16_t>(readUnsignedShort());
}

char16_t java_io_DataInputStream::readChar() {
  return static_cast<char16_t>(readUnsignedShort());
}

int64_t java_io_DataInputStream::readLong() {
  return static_cast<int64_t>(readBigEndian(8));
}

int32_t java_io_DataInputStream::readUnsignedShort() {
  return static_cast<int32_t>(readBigEndian(2));
}

int32_t java_io_DataInputStream::readInt() {
  return static_cast<int32_t>(readBigEndian(4));
}

String* java_io_DataInputStream::readUTF() {
  const int32_t utflen = readUnsignedShort();
  if (GetPendingException()) return nullptr;
  ByteArray* bytes = NewByteArray(utflen);
  // Without room for the bytes (reported by the allocator) there is no text to decode.
  if (!bytes || bytes->length != utflen) return nullptr;
  readFully(bytes, 0, utflen);
  if (GetPendingException()) return nullptr;
  const int32_t units = DecodeModifiedUtf8(BytesOf(bytes), utflen, nullptr);
  if (units < 0) {
    Raise<java_io_UTFDataFormatException>();
    return nullptr;
  }
  return String::newFilled(
      units, [bytes, utflen](char16_t* out) { DecodeModifiedUtf8(BytesOf(bytes), utflen, out); });
}
