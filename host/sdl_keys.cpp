// The key table of the SDL back-end. Letters and digits follow the keyboard layout (the key
// code, not the key's position), as the device's virtual keys do.
#include "host/sdl_keys.h"

#include <SDL.h>

#include "host/window_messages.h"

namespace host {
namespace {

struct KeyPair {
  SDL_Keycode sdl;
  uint32_t virtualKey;
};

constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, kVkBack},
    {SDLK_TAB, kVkTab},
    {SDLK_RETURN, kVkReturn},
    {SDLK_KP_ENTER, kVkReturn},
    {SDLK_ESCAPE, kVkEscape},
    {SDLK_SPACE, kVkSpace},
    {SDLK_PAGEUP, kVkPageUp},
    {SDLK_PAGEDOWN, kVkPageDown},
    {SDLK_END, kVkEnd},
    {SDLK_HOME, kVkHome},
    {SDLK_LEFT, kVkLeft},
    {SDLK_UP, kVkUp},
    {SDLK_RIGHT, kVkRight},
    {SDLK_DOWN, kVkDown},
    {SDLK_INSERT, kVkInsert},
    {SDLK_DELETE, kVkDelete},
    {SDLK_LGUI, kVkLeftSystem},
    {SDLK_RGUI, kVkRightSystem},
    {SDLK_KP_0, kVkNumPad0 + 0},
    {SDLK_KP_1, kVkNumPad0 + 1},
    {SDLK_KP_2, kVkNumPad0 + 2},
    {SDLK_KP_3, kVkNumPad0 + 3},
    {SDLK_KP_4, kVkNumPad0 + 4},
    {SDLK_KP_5, kVkNumPad0 + 5},
    {SDLK_KP_6, kVkNumPad0 + 6},
    {SDLK_KP_7, kVkNumPad0 + 7},
    {SDLK_KP_8, kVkNumPad0 + 8},
    {SDLK_KP_9, kVkNumPad0 + 9},
    {SDLK_KP_MULTIPLY, kVkMultiply},
    {SDLK_KP_PLUS, kVkAdd},
    {SDLK_KP_MINUS, kVkSubtract},
    {SDLK_KP_PERIOD, kVkDecimal},
    {SDLK_KP_DIVIDE, kVkDivide},
    {SDLK_F1, kVkF1 + 0},
    {SDLK_F2, kVkF1 + 1},
    {SDLK_F3, kVkF1 + 2},
    {SDLK_F4, kVkF1 + 3},
    {SDLK_F5, kVkF1 + 4},
    {SDLK_F6, kVkF1 + 5},
    {SDLK_F7, kVkF1 + 6},
    {SDLK_F8, kVkF1 + 7},
    {SDLK_F9, kVkF1 + 8},
    {SDLK_F10, kVkF1 + 9},
    {SDLK_F11, kVkF1 + 10},
    {SDLK_F12, kVkF1 + 11},
};

}  // namespace

uint32_t VirtualKeyForSdlKey(int32_t sdlKey) {
  // SDL's codes for letters and digits are their lower-case characters.
  if (sdlKey >= SDLK_a && sdlKey <= SDLK_z) return kVkA + static_cast<uint32_t>(sdlKey - SDLK_a);
  if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9) return kVk0 + static_cast<uint32_t>(sdlKey - SDLK_0);
  for (const KeyPair& pair : kKeys) {
    if (pair.sdl == sdlKey) return pair.virtualKey;
  }
  return 0;
}

}  // namespace host
