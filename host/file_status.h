// The result of a file-layer call: what went wrong, in terms a caller can put in one trace line.
// The layer never traces by itself; it hands this back and the caller names the resource.
#pragma once

#include <cstdint>
#include <string>

namespace host {

enum class FileResult : uint8_t {
  kOk,
  kEmptyPath,     // the device path names no file (a write or a file open of the root)
  kNulInPath,     // the device path holds a NUL character
  kParentInPath,  // the device path holds a ".." component
  kDriveInPath,   // the device path holds ':' (a drive or scheme) or starts as a network path
  kNoRoot,        // the root the call needs is not set
  kNotFound,      // nothing at the path (or a folder on the way is missing)
  kNotAFile,      // the path names a folder or a device, not a regular file
  kReadOnly,      // the file exists only in the data root, which is never written
  kSystemError,   // the operating system refused `operation`; `systemError` holds errno
};

struct FileStatus {
  FileResult result = FileResult::kOk;
  int systemError = 0;              // errno, for kSystemError
  const char* operation = nullptr;  // the failing step ("open", "write", "rename", ...)

  bool ok() const { return result == FileResult::kOk; }
  // A short description for a trace line, e.g. "path holds a '..' component" or
  // "rename failed: No space left on device".
  std::string text() const;
};

// A status for a failed system call, taking errno as the call left it. ENOENT and ENOTDIR
// become kNotFound so callers can tell a missing file from a failing disk.
FileStatus SystemFailure(const char* operation, int error);

}  // namespace host
