// The two host folders that stand for the device's root: the data root (the shipped data
// set, read only) and the save root (everything the system writes, read first).
#pragma once

#include <string>

namespace host {

// The data set beside the executable: its own folder's data/ (build/data for build/plimora),
// or "data" when the system does not say where the executable lives.
std::string DefaultDataRoot();

// $XDG_DATA_HOME/plimora when that variable holds an absolute path, else
// $HOME/.local/share/plimora (the home folder from the user database when HOME is unset);
// empty when neither can be found.
std::string DefaultSaveRoot();

// The roots in use. Until set, the data root is DefaultDataRoot() and the save root is
// DefaultSaveRoot(). An empty root means "none": nothing is found there and nothing written.
std::string DataRoot();
std::string SaveRoot();
void SetDataRoot(std::string folder);
void SetSaveRoot(std::string folder);

}  // namespace host
