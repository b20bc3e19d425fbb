// The keyboard of the SDL back-end: SDL key codes to the device's virtual-key codes.
#pragma once

#include <cstdint>

namespace host {

// The virtual-key code for an SDL key code, or 0 for a key the device does not have.
uint32_t VirtualKeyForSdlKey(int32_t sdlKey);

}  // namespace host
