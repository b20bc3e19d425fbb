// java.io.DataOutputStream: the forwarded stream operations and the typed writes.
#include "javame/data_output_stream.h"

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/modified_utf8.h"
#include "runtime/string.h"

namespace {

// The 16-bit count of writeUTF caps one string's encoding.
constexpr int64_t kMaxUtfLength = 65535;

}  // namespace

// ---- Forwarded operations -----------------------------------------------------------------

void java_io_DataOutputStream::write(int32_t b) {
  if (NullCheck(out)) out->write(b);
}

void java_io_DataOutputStream::write(ByteArray* b, int32_t off, int32_t len) {
  if (NullCheck(out)) out->write(b, off, len);
}

void java_io_DataOutputStream::write(ByteArray* b) {
  if (!NullCheck(b) || !NullCheck(out)) return;
  out->write(b, 0, b->length);
}

void java_io_DataOutputStream::flush() {
  if (NullCheck(out)) out->flush();
}

void java_io_DataOutputStream::close() {
  if (NullCheck(out)) out->close();
}

// ---- Typed writes -------------------------------------------------------------------------

void java_io_DataOutputStream::writeBigEndian(int64_t value, int32_t byteCount) {
  for (int32_t shift = (byteCount - 1) * 8; shift >= 0; shift -= 8) {
    write(static_cast<int32_t>((value >> shift) & 0xFF));
    if (GetPendingException()) return;
  }
}

void java_io_DataOutputStream::writeBoolean(bool v) {
  write(v ? 1 : 0);
}

void java_io_DataOutputStream::writeByte(int32_t v) {
  write(v);
}

void java_io_DataOutputStream::writeShort(int32_t v) {
  writeBigEndian(v, 2);
}

void java_io_DataOutputStream::writeChar(int32_t v) {
  writeBigEndian(v, 2);
}

void java_io_DataOutputStream::writeInt(int32_t v) {
  writeBigEndian(v, 4);
}

void java_io_DataOutputStream::writeLong(int64_t v) {
  writeBigEndian(v, 8);
}

void java_io_DataOutputStream::writeChars(String* s) {
  if (!NullCheck(s)) return;
  for (int32_t i = 0; i < s->length(); i++) {
    writeChar(s->characters[i]);
    if (GetPendingException()) return;
  }
}

// The count's two bytes and the text's bytes go out in one array, as one write(byte[]).
void java_io_DataOutputStream::writeUTF(String* s) {
  if (!NullCheck(s)) return;
  const int64_t utflen = ModifiedUtf8Length(s->characters, s->length());
  if (utflen > kMaxUtfLength) {
    ThrowException(NewObject<java_io_UTFDataFormatException>());
    return;
  }
  ByteArray* bytes = NewByteArray(static_cast<int32_t>(utflen) + 2);
  if (!bytes || bytes->length != utflen + 2) return;
  auto* out8 = reinterpret_cast<uint8_t*>(bytes->elements());
  out8[0] = static_cast<uint8_t>(utflen >> 8);
  out8[1] = static_cast<uint8_t>(utflen);
  // The string's characters are read after the array is made: making it may move them.
  EncodeModifiedUtf8(s->characters, s->length(), out8 + 2);
  write(bytes);
}
