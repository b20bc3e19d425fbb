// Opening files on device paths, reading, positioning and writing over POSIX descriptors.
#include "host/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "host/file_faults.h"
#include "host/file_folders.h"
#include "host/file_path.h"

namespace host {
namespace {

// A regular file or nothing may stand at hostPath: never a folder, device or pipe.
FileStatus CheckFileOrNothing(const std::string& hostPath) {
  struct stat info;
  if (stat(hostPath.c_str(), &info) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? FileStatus{} : SystemFailure("inspect", errno);
  }
  if (!S_ISREG(info.st_mode)) return {FileResult::kNotAFile};
  return {};
}

// A write may not turn what the device sees as a folder (in either root) into a file.
FileStatus CheckWriteTarget(std::string_view devicePath, const std::string& target) {
  FileStatus status = CheckFileOrNothing(target);
  std::string seen;
  if (status.ok() && ResolveForRead(devicePath, &seen).ok()) status = CheckFileOrNothing(seen);
  return status;
}

void Report(FileStatus* out, const FileStatus& status) {
  if (out) *out = status;
}

}  // namespace

// ---- Opening --------------------------------------------------------------------------------

std::unique_ptr<File> OpenForRead(std::string_view devicePath, FileStatus* status) {
  std::string hostPath;
  FileStatus resolved = ResolveForRead(devicePath, &hostPath);
  if (!resolved.ok()) {
    Report(status, resolved);
    return nullptr;
  }
  // O_NONBLOCK keeps a pipe at the path from blocking the open; it changes nothing for the
  // regular files that are kept.
  int fd = open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    Report(status, SystemFailure("open", errno));
    return nullptr;
  }
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    Report(status, {FileResult::kNotAFile});
    return nullptr;
  }
  Report(status, {});
  return std::unique_ptr<File>(new File(fd, false, std::move(hostPath), {}));
}

std::unique_ptr<File> OpenForWrite(std::string_view devicePath, WriteMode mode,
                                   FileStatus* status) {
  std::string target;
  FileStatus step = ResolveForWrite(devicePath, &target);
  if (step.ok()) step = CheckWriteTarget(devicePath, target);
  if (step.ok()) step = MakeParentFolders(target);
  if (!step.ok()) {
    Report(status, step);
    return nullptr;
  }
  if (mode == WriteMode::kTruncate) {
    int fd = open(target.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
      Report(status, SystemFailure("open", errno));
      return nullptr;
    }
    Report(status, {});
    return std::unique_ptr<File>(new File(fd, false, std::move(target), {}));
  }
  std::string temporary;
  int fd = -1;
  step = File::createTemporary(target, &temporary, &fd);
  Report(status, step);
  if (!step.ok()) return nullptr;
  return std::unique_ptr<File>(new File(fd, true, std::move(target), std::move(temporary)));
}

// ---- Reading and positioning ----------------------------------------------------------------

bool File::fail(const char* operation) {
  if (status_.ok()) status_ = SystemFailure(operation, errno);
  return false;
}

int64_t File::read(void* buffer, size_t count) {
  if (fd_ < 0) return -1;
  char* out = static_cast<char*>(buffer);
  size_t total = 0;
  while (total < count) {
    const long n = FaultableRead(fd_, out + total, count - total);
    if (n < 0) {
      fail("read");
      return -1;
    }
    if (n == 0) break;
    total += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(total);
}

int64_t File::seek(int64_t offset, SeekFrom from) {
  if (fd_ < 0) return -1;
  int whence = from == SeekFrom::kStart     ? SEEK_SET
               : from == SeekFrom::kCurrent ? SEEK_CUR
                                            : SEEK_END;
  off_t position = lseek(fd_, static_cast<off_t>(offset), whence);
  return position < 0 ? -1 : static_cast<int64_t>(position);
}

int64_t File::skip(int64_t count) {
  if (count <= 0) return 0;
  int64_t here = position();
  int64_t end = size();
  if (here < 0 || end < 0) return -1;
  int64_t step = end > here ? std::min(count, end - here) : 0;
  if (step > 0 && seek(step, SeekFrom::kCurrent) < 0) return -1;
  return step;
}

int64_t File::position() const {
  if (fd_ < 0) return -1;
  off_t position = lseek(fd_, 0, SEEK_CUR);
  return position < 0 ? -1 : static_cast<int64_t>(position);
}

int64_t File::size() const {
  struct stat info;
  if (fd_ < 0 || fstat(fd_, &info) != 0) return -1;
  return static_cast<int64_t>(info.st_size);
}

bool File::atEnd() const {
  int64_t here = position();
  int64_t end = size();
  return here < 0 || end < 0 || here >= end;
}

// ---- Writing and closing --------------------------------------------------------------------

bool File::write(const void* data, size_t count) {
  if (fd_ < 0 || !status_.ok()) return false;
  const char* in = static_cast<const char*>(data);
  while (count > 0) {
    long n = FaultableWrite(fd_, in, count);
    if (n < 0) return fail("write");
    in += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

FileStatus File::close() {
  if (fd_ < 0) return status_;
  if (replacing_) return commitReplace();
  if (::close(fd_) != 0) fail("close");
  fd_ = -1;
  return status_;
}

File::~File() {
  if (fd_ < 0) return;
  if (replacing_) {
    abandonReplace();
  } else {
    ::close(fd_);
  }
}

}  // namespace host
