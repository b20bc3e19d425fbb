// The test card that state 1 shows until the boot state exists: the game keys' latched states,
// the last tap and the current pointer, drawn with Graphics primitives over the play area.
#pragma once

#include <cstdint>

// Cell k (game key 0..19) is a square of kCellSize pixels at (kCellLeft + (k % 5) * kCellPitch,
// kCellTop + (k / 5) * kCellPitch).
constexpr int32_t kTestCardColumns = 5;
constexpr int32_t kTestCardCellPitch = 96;
constexpr int32_t kTestCardCellSize = 88;
constexpr int32_t kTestCardCellLeft = 4;
constexpr int32_t kTestCardCellTop = 44;
constexpr uint32_t kTestCardBackground = 0x102040;
constexpr uint32_t kTestCardTapColour = 0xFFFFFF;      // a cross at the last tap
constexpr uint32_t kTestCardPointerColour = 0xFF00FF;  // a square around the current pointer

// The colour of a key cell for a latched state: grey up, green just pressed, blue turning cyan
// as it is held (2..126), red turning yellow for a release after a hold of -state.
constexpr uint32_t TestCardKeyColour(int32_t state) {
  if (state == 0) return 0x404040;
  if (state == 1) return 0x00FF00;
  if (state > 1) return 0x0000FF | static_cast<uint32_t>(state * 2) << 8;
  return 0xFF0000 | static_cast<uint32_t>(-state * 2) << 8;
}
