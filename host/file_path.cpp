// Translation of device paths to host paths under the save and data roots.
#include "host/file_path.h"

#include <sys/stat.h>

#include <utility>

#include "host/file_roots.h"

namespace host {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

bool IsRegularFile(const std::string& hostPath) {
  struct stat info;
  return stat(hostPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string SpecialFolderPath(SpecialFolder folder) {
  switch (folder) {
    case SpecialFolder::kProgramFiles:
      return "\\Program Files";
  }
  return {};
}

std::string LowerCaseDeviceName(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

FileStatus TranslateDevicePath(std::string_view devicePath, std::string* relative) {
  if (devicePath.find('\0') != std::string_view::npos) return {FileResult::kNulInPath};
  if (devicePath.find(':') != std::string_view::npos) return {FileResult::kDriveInPath};
  if (devicePath.size() >= 2 && IsSeparator(devicePath[0]) && IsSeparator(devicePath[1])) {
    return {FileResult::kDriveInPath};
  }
  std::string result;
  size_t start = 0;
  while (start <= devicePath.size()) {
    size_t end = start;
    while (end < devicePath.size() && !IsSeparator(devicePath[end])) end++;
    std::string_view component = devicePath.substr(start, end - start);
    if (component == "..") return {FileResult::kParentInPath};
    if (!component.empty() && component != ".") {
      if (!result.empty()) result += '/';
      result += LowerCaseDeviceName(component);
    }
    start = end + 1;
  }
  *relative = std::move(result);
  return {};
}

std::string UnderRoot(const std::string& root, const std::string& relative) {
  if (relative.empty()) return root;
  return root + "/" + relative;
}

FileStatus ResolveForRead(std::string_view devicePath, std::string* hostPath) {
  std::string relative;
  FileStatus status = TranslateDevicePath(devicePath, &relative);
  if (!status.ok()) return status;
  std::string saveRoot = SaveRoot();
  std::string dataRoot = DataRoot();
  if (!saveRoot.empty()) {
    std::string saved = UnderRoot(saveRoot, relative);
    if (dataRoot.empty() || IsRegularFile(saved)) {
      *hostPath = std::move(saved);
      return {};
    }
  }
  if (dataRoot.empty()) return {FileResult::kNoRoot};
  *hostPath = UnderRoot(dataRoot, relative);
  return {};
}

FileStatus ResolveForWrite(std::string_view devicePath, std::string* hostPath) {
  std::string relative;
  FileStatus status = TranslateDevicePath(devicePath, &relative);
  if (!status.ok()) return status;
  if (relative.empty()) return {FileResult::kEmptyPath};
  std::string saveRoot = SaveRoot();
  if (saveRoot.empty()) return {FileResult::kNoRoot};
  *hostPath = UnderRoot(saveRoot, relative);
  return {};
}

}  // namespace host
