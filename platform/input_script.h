// Input scripts (--input FILE): key, stylus and lifecycle events stamped with the frame after
// which they reach the game. One event a line, "FRAME EVENT ARGUMENTS"; '#' starts a comment:
//
//   FRAME key down|up|press KEY      press: down now, up one frame later
//   FRAME stylus down|move|up X Y    X, Y in screen pixels (480 x 800), whatever the window size
//   FRAME tap X Y                    stylus down now, up one frame later
//   FRAME focus lost|gained
//   FRAME rotate 0|90|180|270        the display turns (and stays turned until rotated again)
//   FRAME power on|idle|suspend|unattended
//   FRAME close                      the window's close button
//
// FRAME counts passes of the game loop from 1: an event stamped F is delivered after pass F
// has ended and before pass F + 1 begins. KEY is a virtual-key code in decimal (48 to 57 are
// the digit keys) or a name: enter, left, up, right, down, space, escape, home, f1 to f12,
// a to z, numpad0 to numpad9.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ReplayEvent {
  enum class Kind {
    kKeyDown,
    kKeyUp,
    kStylusDown,
    kStylusMove,
    kStylusUp,
    kFocusLost,
    kFocusGained,
    kRotate,
    kPower,
    kClose
  };
  int64_t frame = 0;
  Kind kind = Kind::kClose;
  uint32_t key = 0;      // virtual-key code
  int32_t x = 0, y = 0;  // screen pixels
  uint32_t value = 0;    // the orientation, or the power state's flags
  bool operator==(const ReplayEvent&) const = default;
};

// The events of a script's text in delivery order (by frame, then as written). A line that
// cannot be read is skipped with a trace line naming the resource and the line.
std::vector<ReplayEvent> ParseInputScript(const std::string& text, const std::string& resource);

// The longest input script read, in bytes: far more than any scripted play needs.
constexpr int64_t kInputScriptLimit = 4 * 1024 * 1024;

// Reads and parses the file; false, with the reason in *why, when it is not a regular file,
// is longer than kInputScriptLimit or cannot be read.
bool LoadInputScript(const std::string& path, std::vector<ReplayEvent>* events, std::string* why);
