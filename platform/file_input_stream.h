// FileInputStream: the input stream over one file that the File natives and resource opening
// hand out. It owns a native buffered reader (a raw pointer, since managed objects hold no
// C++ members with destructors) until close or finalize deletes it; after that it reads as
// an empty stream.
#pragma once

#include <cstdint>
#include <string>

#include "javame/input_stream.h"

class BufferedFileReader;

class FileInputStream : public java_io_InputStream {
 public:
  // Takes ownership of reader, a file positioned at its start.
  explicit FileInputStream(BufferedFileReader* reader);

  // The regular file at devicePath (the save root's copy first) as a stream; null when it
  // does not open. Nothing is traced: a missing file is an answer, not a fault.
  static FileInputStream* open(const std::string& devicePath);

  // Up to len bytes into b from off; -1 at the end of the file (and after close). A range
  // outside b reads nothing: 0 and one trace line.
  int32_t read(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_InputStream::read;
  int32_t read() override;  // -1 at the end
  // Skips up to n bytes but never past the end; the count skipped (0 for n <= 0).
  int64_t skip(int64_t n) override;
  // size - position, never negative; 0 once closed.
  int32_t available() override;
  void close() override;  // closes the file once
  // The read limit is ignored: reset can always return to the mark.
  void mark(int32_t readLimit) override;
  void reset() override;
  bool markSupported() override { return true; }
  void finalize() override { close(); }

  BufferedFileReader* reader;  // null once closed
  int64_t markPosition;        // byte position reset returns to
  int64_t size;                // the file's size when it was opened, in bytes

 private:
  // Writes the trace line of a failed read and gives -1, the end of the stream.
  int32_t readFailed();
};
