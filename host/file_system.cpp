// Existence, size, creation, removal, listing and free space, over the two roots.
#include "host/file_system.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>

#include "host/file.h"
#include "host/file_folders.h"
#include "host/file_path.h"
#include "host/file_roots.h"

namespace host {
namespace {

bool HasUpperCase(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Glob match of a lower-case name against a lower-cased pattern. A '*' that fails to match
// is retried one character further; only the latest '*' needs retrying, so this is linear in
// practice and quadratic at worst.
bool Matches(std::string_view name, std::string_view pattern) {
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      n++;
      p++;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') p++;
  return p == pattern.size();
}

// Adds the matching regular files of one host folder; false when the folder does not open.
bool CollectMatches(const std::string& folder, const std::string& pattern,
                    std::set<std::string>* found) {
  DIR* dir = opendir(folder.c_str());
  if (!dir) return false;
  while (dirent* entry = readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name == "." || name == ".." || HasUpperCase(name) || IsTemporaryName(name)) continue;
    if (!Matches(name, pattern)) continue;
    struct stat info;
    if (fstatat(dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode)) {
      found->emplace(name);
    }
  }
  closedir(dir);
  return true;
}

}  // namespace

bool FileExists(std::string_view devicePath) {
  return OpenForRead(devicePath) != nullptr;
}

int64_t FileSize(std::string_view devicePath) {
  std::unique_ptr<File> file = OpenForRead(devicePath);
  return file ? file->size() : -1;
}

FileStatus CreateEmptyFile(std::string_view devicePath) {
  return WriteFileAtomically(devicePath, nullptr, 0);
}

FileStatus RemoveFile(std::string_view devicePath) {
  std::string saved;
  FileStatus status = ResolveForWrite(devicePath, &saved);
  if (!status.ok()) return status;
  struct stat info;
  if (stat(saved.c_str(), &info) != 0) {
    return FileExists(devicePath) ? FileStatus{FileResult::kReadOnly}
                                  : FileStatus{FileResult::kNotFound};
  }
  if (!S_ISREG(info.st_mode)) return {FileResult::kNotAFile};
  if (unlink(saved.c_str()) != 0) return SystemFailure("remove", errno);
  return SyncFolder(ParentFolder(saved));
}

FileStatus ListFolder(std::string_view deviceFolder, std::string_view pattern,
                      std::vector<std::string>* names) {
  names->clear();
  std::string relative;
  FileStatus status = TranslateDevicePath(deviceFolder, &relative);
  if (!status.ok()) return status;
  std::string lowerPattern = LowerCaseDeviceName(pattern);
  std::set<std::string> found;
  bool anyFolder = false;
  for (const std::string& root : {SaveRoot(), DataRoot()}) {
    if (!root.empty()) anyFolder |= CollectMatches(UnderRoot(root, relative), lowerPattern, &found);
  }
  names->assign(found.begin(), found.end());
  return anyFolder ? FileStatus{} : FileStatus{FileResult::kNotFound};
}

int64_t AvailableSpace() {
  std::string folder = SaveRoot();
  if (folder.empty()) return -1;
  struct statvfs info;
  // The save root is made on the first write; until then its nearest existing parent's file
  // system is the one it will live on.
  while (statvfs(folder.c_str(), &info) != 0) {
    if (errno != ENOENT && errno != ENOTDIR) return -1;
    std::string parent = ParentFolder(folder);
    if (parent == folder) return -1;
    folder = parent;
  }
  uint64_t bytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
  return static_cast<int64_t>(std::min<uint64_t>(bytes, std::numeric_limits<int64_t>::max()));
}

}  // namespace host
