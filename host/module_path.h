// Where the running program lives.
#pragma once

#include <string>

namespace host {

// The folder of the program's executable with its trailing '/'; empty when the system does
// not say.
std::string ModuleDirectory();

}  // namespace host
