// java.io.DataOutputStream: typed writes over another output stream, integers most
// significant byte first and writeUTF's modified UTF-8 behind a 16-bit byte count. Every typed
// write goes through this stream's own write(int) and stops at the first exception raised.
#pragma once

#include <cstdint>

#include "javame/output_stream.h"
#include "runtime/class.h"

class String;

class java_io_DataOutputStream : public java_io_OutputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_DataOutputStream;

  java_io_DataOutputStream() { RegisterReferenceFields(this, &out); }
  explicit java_io_DataOutputStream(java_io_OutputStream* stream) : java_io_DataOutputStream() {
    out = stream;
  }

  // Forwarded to out.
  void write(int32_t b) override;
  void write(ByteArray* b, int32_t off, int32_t len) override;
  void flush() override;
  void close() override;
  // out.write(b, 0, length of b).
  void write(ByteArray* b) override;

  void writeBoolean(bool v);   // 1 or 0
  void writeByte(int32_t v);   // the low 8 bits
  void writeShort(int32_t v);  // the low 16 bits
  void writeChar(int32_t v);   // the low 16 bits
  void writeInt(int32_t v);
  void writeLong(int64_t v);
  // Each character as by writeChar.
  void writeChars(String* s);
  // A uint16 byte count, then the modified UTF-8 of s (the zero unit as C0 80), in one write.
  // An encoding of more than 65535 bytes raises java_io_UTFDataFormatException and writes
  // nothing.
  void writeUTF(String* s);

  java_io_OutputStream* out;

 private:
  // The low byteCount bytes of value, most significant first, each through write(int).
  void writeBigEndian(int64_t value, int32_t byteCount);
};
