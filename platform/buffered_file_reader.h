// A host file read through one buffer, as the C library's streams read: readers that take a
// byte at a time make one system call per buffer, not per byte. The logical position is
// always bufferStart_ + cursor_, and cursor_ <= filled_ <= kBufferSize.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/file.h"

class BufferedFileReader {
 public:
  static constexpr int32_t kBufferSize = 4096;  // bytes

  // Takes an open file positioned at its start; devicePath names it in trace lines.
  BufferedFileReader(std::unique_ptr<host::File> file, std::string devicePath);

  // Up to count bytes into out; fewer only at the end. 0 at the end, -1 on a read error.
  int64_t read(uint8_t* out, int64_t count);
  // The next byte, 0..255; -1 at the end or on a read error.
  int32_t readByte();
  // Moves forward by up to count bytes, never past the end; the bytes skipped (0 for
  // count <= 0), -1 on error.
  int64_t skip(int64_t count);
  // Moves to an absolute position (0 <= position); false, with the position unchanged, when
  // the file refuses it.
  bool seekTo(int64_t position);
  int64_t position() const { return bufferStart_ + cursor_; }
  // The file's size in bytes; -1 on error.
  int64_t size() const { return file_->size(); }

  const std::string& devicePath() const { return devicePath_; }
  // Why the last failing call failed.
  const host::FileStatus& status() const { return file_->status(); }

 private:
  // Refills the buffer from the current position; the bytes now buffered, 0 at the end, -1
  // on error.
  int64_t refill();

  std::unique_ptr<host::File> file_;  // its own position is always bufferStart_ + filled_
  std::string devicePath_;
  int64_t bufferStart_ = 0;  // file position of buffer_[0]
  int32_t filled_ = 0;       // valid bytes in buffer_
  int32_t cursor_ = 0;       // next byte to hand out
  uint8_t buffer_[kBufferSize];
};
