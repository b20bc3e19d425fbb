// File handles on device paths: reading with real positioning, writing in place, and the
// atomic replace through which the system writes its files (the old contents stay until the
// new ones are complete and synced, and stay for good when anything fails).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "host/file_status.h"

namespace host {

enum class WriteMode : uint8_t {
  // Writes go to a temporary file in the target's folder; close() syncs it, renames it over
  // the target and syncs the folder. Until then, and for good on any failure, the target
  // keeps its old contents. Every file the system keeps is written this way.
  kReplace,
  // The file is created or emptied at once and written in place (scratch files only).
  kTruncate,
};

enum class SeekFrom : uint8_t { kStart, kCurrent, kEnd };

// An open file. Not thread-safe; a handle belongs to one user at a time. Nothing is buffered
// in user space, so there is nothing to flush.
class File {
 public:
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  // Closes the file; a replace that was never closed is abandoned (the old file stays).
  ~File();

  // Reading and positioning (file.cpp). Sizes and positions are in bytes.
  // Reads up to count bytes; fewer only at the end of the file, 0 at the end, -1 on error.
  int64_t read(void* buffer, size_t count);
  // Moves to offset from `from`; the new position, or -1 with the position unchanged (a
  // position before the start is refused). A position past the end reads as the end.
  int64_t seek(int64_t offset, SeekFrom from);
  // Moves forward by count, but never past the end; the bytes skipped (0 when count <= 0),
  // -1 on error.
  int64_t skip(int64_t count);
  int64_t position() const;  // -1 on error
  int64_t size() const;      // -1 on error
  bool atEnd() const;        // position >= size

  // Writing (file.cpp). All count bytes or false. After a failed write the handle stays
  // failed: later writes fail and close() reports the failure, so a replace is not made.
  bool write(const void* data, size_t count);

  // Closes the handle; for a replace, makes it (file_replace.cpp). Reports the first failure
  // of the handle's life, so a write that failed earlier is never reported as success.
  // Closing again returns the same result.
  FileStatus close();
  // The first failure so far; ok when none.
  const FileStatus& status() const { return status_; }
  bool isOpen() const { return fd_ >= 0; }

 private:
  friend std::unique_ptr<File> OpenForRead(std::string_view devicePath, FileStatus* status);
  friend std::unique_ptr<File> OpenForWrite(std::string_view devicePath, WriteMode mode,
                                            FileStatus* status);
  File(int fd, bool replacing, std::string target, std::string temporary)
      : fd_(fd),
        replacing_(replacing),
        target_(std::move(target)),
        temporary_(std::move(temporary)) {}
  bool fail(const char* operation);  // records errno as the handle's failure; returns false

  // The replace (file_replace.cpp). createTemporary makes a new file next to target whose
  // name IsTemporaryName recognises.
  static FileStatus createTemporary(const std::string& target, std::string* temporary, int* fd);
  FileStatus commitReplace();
  void abandonReplace();

  int fd_;
  bool replacing_;
  std::string target_;     // the host path of the file a replace makes
  std::string temporary_;  // the replace's temporary file, next to the target
  FileStatus status_;
};

// Opens a regular file for reading: the save root's copy when there is one, else the data
// root's. Null, with the reason in *status (when given), when it does not open; a folder, a
// device or a pipe is refused as kNotAFile (so opening never blocks).
std::unique_ptr<File> OpenForRead(std::string_view devicePath, FileStatus* status = nullptr);

// Opens a file of the save root for writing, creating the folders on the way. Null, with the
// reason in *status, when it cannot be opened.
std::unique_ptr<File> OpenForWrite(std::string_view devicePath, WriteMode mode,
                                   FileStatus* status = nullptr);

// Replaces the file at devicePath with size bytes of data, atomically (file_replace.cpp).
FileStatus WriteFileAtomically(std::string_view devicePath, const void* data, size_t size);

// True for the name of a replace's temporary file. Such names hold an upper-case letter,
// which no translated device path does, so a leftover one can never be opened or listed as a
// device file.
bool IsTemporaryName(std::string_view name);

}  // namespace host
