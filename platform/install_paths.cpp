// The install folder and the archive, as device paths below the shell's Program Files folder.
#include "platform/install_paths.h"

#include <string>

#include "host/file_path.h"
#include "runtime/string.h"

namespace {

constexpr const char* kInstallFolder = "\\Marquent\\Plimora";  // below Program Files
constexpr const char* kDataBarName = "\\data.bar";             // in the install folder

std::string ProgramFiles() {
  return host::SpecialFolderPath(host::SpecialFolder::kProgramFiles);
}

}  // namespace

String* GetProgramFilesPath() {
  return NewJavaString(ProgramFiles().c_str());
}

String* GetInstallFolderPath() {
  return NewJavaString((ProgramFiles() + kInstallFolder).c_str());
}

String* GetDataBarPath() {
  return NewJavaString((ProgramFiles() + kInstallFolder + kDataBarName).c_str());
}
