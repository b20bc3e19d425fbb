// Creating and syncing folders for the file layer.
#include "host/file_folders.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "host/file_faults.h"

namespace host {

std::string ParentFolder(const std::string& hostPath) {
  size_t slash = hostPath.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return hostPath.substr(0, slash);
}

FileStatus MakeParentFolders(const std::string& hostPath) {
  for (size_t slash = hostPath.find('/', 1); slash != std::string::npos;
       slash = hostPath.find('/', slash + 1)) {
    if (hostPath[slash - 1] == '/') continue;  // a doubled '/' in a root names no new folder
    std::string folder = hostPath.substr(0, slash);
    struct stat info;
    if (stat(folder.c_str(), &info) == 0) {
      if (!S_ISDIR(info.st_mode)) return {FileResult::kNotAFile, ENOTDIR, "create folder"};
      continue;
    }
    if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
      return SystemFailure("create folder", errno);
    }
    FileStatus synced = SyncFolder(ParentFolder(folder));
    if (!synced.ok()) return synced;
  }
  return {};
}

FileStatus SyncFolder(const std::string& folder) {
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return SystemFailure("open folder", errno);
  FileStatus status;
  if (FaultableSync(fd) != 0) status = SystemFailure("sync folder", errno);
  close(fd);
  return status;
}

}  // namespace host
