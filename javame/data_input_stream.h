// java.io.DataInputStream: typed reads over another input stream, big-endian integers and
// readUTF's modified UTF-8. A value that the stream ends inside raises java_io_EOFException;
// undecodable readUTF bytes raise java_io_UTFDataFormatException (consumed all the same).
#pragma once

#include <cstdint>

#include "javame/input_stream.h"
#include "runtime/class.h"

class String;

class java_io_DataInputStream : public java_io_InputStream {
 public:
  static constexpr int16_t kClassId = cid::java_io_DataInputStream;

  java_io_DataInputStream() { RegisterReferenceFields(this, &in); }
  explicit java_io_DataInputStream(java_io_InputStream* stream) : java_io_DataInputStream() {
    in = stream;
  }

  // Forwarded to in; mark and reset hold this stream's monitor.
  int32_t read(ByteArray* b, int32_t off, int32_t len) override;
  int32_t read(ByteArray* b) override;
  int32_t read() override;
  int64_t skip(int64_t n) override;
  int32_t available() override;
  void close() override;
  void mark(int32_t readLimit) override;
  void reset() override;
  bool markSupported() override;

  // Reads exactly len bytes into b from off, through this stream's own array read. A range
  // outside b reads nothing (one trace line); a read that gives no byte ends the stream.
  void readFully(ByteArray* b, int32_t off, int32_t len);
  void readFully(ByteArray* b);
  // Skips until n bytes are skipped or a skip gives nothing; the count skipped.
  int32_t skipBytes(int32_t n);

  // The typed reads: one byte for each of the first three, then two, four and eight bytes,
  // most significant first, each through this stream's own read(). A value the stream ends
  // inside raises java_io_EOFException and gives 0.
  bool readBoolean();           // any byte but 0 is true
  int8_t readByte();            // sign-extended
  int32_t readUnsignedByte();   // 0..255
  int32_t readUnsignedShort();  // 0..65535
  int16_t readShort();
  char16_t readChar();
  int32_t readInt();
  int64_t readLong();
  // A uint16 byte count, then that many bytes of modified UTF-8 (the zero unit as C0 80, a
  // single zero byte also taken as zero); null when an exception is raised.
  String* readUTF();

  java_io_InputStream* in;

 private:
  // The next byte, 0..255, or -1 with an exception pending.
  int32_t readByteOrEnd();
  // byteCount bytes, most significant first; 0 with an exception pending.
  uint64_t readBigEndian(int32_t byteCount);
};
