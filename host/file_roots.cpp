// The data and save roots, read by every file call and set once at start-up (or by tests).
#include "host/file_roots.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <utility>

#include "host/module_path.h"

namespace host {
namespace {

std::mutex rootsLock;
bool rootsSet = false;
std::string dataRoot;
std::string saveRoot;

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  passwd entry;
  passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir) {
    return found->pw_dir;
  }
  return {};
}

// Fills in the defaults the first time a root is asked for or set; callers hold rootsLock.
void EnsureDefaults() {
  if (rootsSet) return;
  rootsSet = true;
  dataRoot = DefaultDataRoot();
  saveRoot = DefaultSaveRoot();
}

}  // namespace

std::string DefaultDataRoot() {
  return ModuleDirectory() + "data";
}

std::string DefaultSaveRoot() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/plimora";
  std::string home = HomeFolder();
  if (home.empty()) return {};
  return home + "/.local/share/plimora";
}

std::string DataRoot() {
  std::lock_guard<std::mutex> hold(rootsLock);
  EnsureDefaults();
  return dataRoot;
}

std::string SaveRoot() {
  std::lock_guard<std::mutex> hold(rootsLock);
  EnsureDefaults();
  return saveRoot;
}

void SetDataRoot(std::string folder) {
  std::lock_guard<std::mutex> hold(rootsLock);
  EnsureDefaults();
  dataRoot = std::move(folder);
}

void SetSaveRoot(std::string folder) {
  std::lock_guard<std::mutex> hold(rootsLock);
  EnsureDefaults();
  saveRoot = std::move(folder);
}

}  // namespace host
