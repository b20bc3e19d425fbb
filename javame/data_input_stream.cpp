// java.io.DataInputStream: the forwarded stream operations and the typed reads.
#include "javame/data_input_stream.h"

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

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

// ---- Typed reads --------------------------------------------------------------------------

void java_io_DataInputStream::readFully(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return;
  if (!RangeInside(off, len, b->length)) {
    DebugLog("DataInputStream.readFully: bytes %d + %d outside the array (length %d)", off, len,
             b->length);
    return;
  }
  int32_t done = 0;
  while (done < len) {
    const int32_t n = read(b, off + done, len - done);
    if (GetPendingException()) return;
    if (n <= 0) return Raise<java_io_EOFException>();
    done += n;
  }
}

int32_t java_io_DataInputStream::readUnsignedShort() {
  const int32_t b1 = read();
  const int32_t b2 = read();
  if ((b1 | b2) < 0) {
    Raise<java_io_EOFException>();
    return 0;
  }
  return (b1 << 8) + b2;
}

int32_t java_io_DataInputStream::readInt() {
  const int32_t b1 = read();
  const int32_t b2 = read();
  const int32_t b3 = read();
  const int32_t b4 = read();
  if ((b1 | b2 | b3 | b4) < 0) {
    Raise<java_io_EOFException>();
    return 0;
  }
  return static_cast<int32_t>(static_cast<uint32_t>(b1) << 24 | b2 << 16 | b3 << 8 | b4);
}

String* java_io_DataInputStream::readUTF() {
  const int32_t utflen = readUnsignedShort();
  if (GetPendingException()) return nullptr;
  ByteArray* bytes = NewByteArray(utflen);
  if (!NullCheck(bytes)) return nullptr;
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
