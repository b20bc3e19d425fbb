// The executable's folder through /proc/self/exe.
#include "host/module_path.h"

#include <limits.h>
#include <unistd.h>

namespace host {

std::string ModuleDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string program(path, static_cast<size_t>(length));
  const size_t slash = program.rfind('/');
  return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

}  // namespace host
