// The atomic replace: new contents go to a temporary file next to the target, which is synced,
// renamed over the target and made durable by syncing the folder. A crash or failure at any
// step leaves the target with either its old or its new contents, never a mix.
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "host/file.h"
#include "host/file_faults.h"
#include "host/file_folders.h"

namespace host {
namespace {

// Marks a temporary file: "<target>.Tmp-<process>-<serial>". The upper-case 'T' keeps every
// such name out of reach of translated device paths, which are lower-case.
constexpr std::string_view kTemporaryMark = ".Tmp-";

std::atomic<unsigned> temporarySerial{0};

}  // namespace

bool IsTemporaryName(std::string_view name) {
  return name.find(kTemporaryMark) != std::string_view::npos;
}

FileStatus File::createTemporary(const std::string& target, std::string* temporary, int* fd) {
  std::string prefix = target + std::string(kTemporaryMark) + std::to_string(getpid()) + "-";
  // A leftover of an earlier process with the same id is stepped over, never reused.
  for (int attempt = 0; attempt < 100; attempt++) {
    std::string name = prefix + std::to_string(temporarySerial.fetch_add(1) + 1);
    int opened = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (opened >= 0) {
      *temporary = std::move(name);
      *fd = opened;
      return {};
    }
    if (errno != EEXIST) return SystemFailure("create temporary file", errno);
  }
  return SystemFailure("create temporary file", EEXIST);
}

FileStatus File::commitReplace() {
  if (!status_.ok()) {
    abandonReplace();
    return status_;
  }
  if (FaultableSync(fd_) != 0) {
    fail("sync");
    abandonReplace();
    return status_;
  }
  int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0 || FaultableRename(temporary_.c_str(), target_.c_str()) != 0) {
    fail(closed != 0 ? "close" : "rename");
    unlink(temporary_.c_str());
    return status_;
  }
  // The new contents are in place; a folder that cannot be synced may still lose the rename in
  // a crash, so that is reported as a failure too.
  status_ = SyncFolder(ParentFolder(target_));
  return status_;
}

void File::abandonReplace() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  unlink(temporary_.c_str());
}

FileStatus WriteFileAtomically(std::string_view devicePath, const void* data, size_t size) {
  FileStatus status;
  std::unique_ptr<File> file = OpenForWrite(devicePath, WriteMode::kReplace, &status);
  if (!file) return status;
  file->write(data, size);
  return file->close();
}

}  // namespace host
