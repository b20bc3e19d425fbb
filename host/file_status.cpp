// Descriptions of file-layer results for trace lines.
#include "host/file_status.h"

#include <cerrno>
#include <cstring>

namespace host {

std::string FileStatus::text() const {
  switch (result) {
    case FileResult::kOk:
      return "ok";
    case FileResult::kEmptyPath:
      return "path names no file";
    case FileResult::kNulInPath:
      return "path holds a NUL character";
    case FileResult::kParentInPath:
      return "path holds a '..' component";
    case FileResult::kDriveInPath:
      return "path names a drive, scheme or network location";
    case FileResult::kNoRoot:
      return "no root folder is set";
    case FileResult::kNotFound:
      return "file not found";
    case FileResult::kNotAFile:
      return "not a regular file";
    case FileResult::kReadOnly:
      return "file is read-only (it exists only in the data root)";
    case FileResult::kSystemError:
      break;
  }
  std::string text = operation ? operation : "file operation";
  text += " failed: ";
  text += std::strerror(systemError);
  return text;
}

FileStatus SystemFailure(const char* operation, int error) {
  if (error == ENOENT || error == ENOTDIR) return {FileResult::kNotFound, error, operation};
  return {FileResult::kSystemError, error, operation};
}

}  // namespace host
