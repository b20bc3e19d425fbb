// FileOutputStream: the output stream over one file that File.openOutputStream hands out.
// Every byte goes to an atomic replace: the file keeps its old contents until close makes
// the new ones whole, synced and in place, and keeps them for good when a write or the
// close fails. It owns its native writer (a raw pointer: managed objects hold no C++ members
// with destructors) until close or finalize.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/file.h"
#include "javame/output_stream.h"

// The native side of a FileOutputStream: the open replace and the device path it makes.
struct FileWriter {
  std::unique_ptr<host::File> file;
  std::string devicePath;
};

class FileOutputStream : public java_io_OutputStream {
 public:
  // Takes ownership of writer.
  explicit FileOutputStream(FileWriter* owned) : writer(owned) {}

  // A stream that replaces the file at devicePath in the save root; null, with one trace
  // line naming the path and the reason, when it cannot be opened.
  static FileOutputStream* open(const std::string& devicePath);

  // Makes the replace: the file now holds exactly the bytes written. A failure (of this
  // close or of an earlier write) raises java_io_IOException and leaves the old file. Only
  // the first close does anything.
  void close() override;
  void flush() override {}  // nothing is held back: every write reaches the file at once
  // A write that fails raises java_io_IOException; the replace is then never made.
  void write(int32_t b) override;
  // A range outside b writes nothing (one trace line).
  void write(ByteArray* b, int32_t off, int32_t len) override;
  using java_io_OutputStream::write;
  // The collector closes a stream its owner forgot, as the device's C library would have; a
  // failure is only traced (a finaliser allocates nothing and raises nothing).
  void finalize() override;

  FileWriter* writer;  // null once closed

 private:
  // Closes the file and forgets the writer; false, with one trace line, when the replace
  // was not made.
  bool closeWriter();
  // One trace line naming the file and the failure.
  void traceFailure(const char* operation, const host::FileStatus& status);
  // Raises java_io_IOException (no message).
  static void raise();
  // The trace line and java_io_IOException of a write after close.
  static void writeAfterClose();
};
