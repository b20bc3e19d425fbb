// The two host folders that stand for the device's root: the data root (the shipped data
// set, read only) and the save root (everything the system writes, read first).
#pragma once

#include <string>

namespace host {

constexpr const char* kDefaultDataRoot = "build/data";

// $XDG_DATA_HOME/plimora when that variable holds an absolute path, else
// $HOME/.local/share/plimora (the home folder from the user database when HOME is unset);
// empty when neither can be found.
std::string DefaultSaveRoot();

// The roots in use. Until set, the data root is kDefaultDataRoot and the save root is
// DefaultSaveRoot(). An empty root means "none": nothing is found there and nothing written.
std::string DataRoot();
std::string SaveRoot();
void SetDataRoot(std::string folder);
void SetSaveRoot(std::string folder);

}  // namespace host
