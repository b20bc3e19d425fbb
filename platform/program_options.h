// The program's options, ours for players and tests (the device had none):
//   --headless          no window and no sound device; frames are kept in memory
//   --frames N          end the game cleanly after N passes of the game loop
//   --screenshot FILE   write the last frame shown to FILE (PNG) when the game ends
//   --input FILE        replay the input script FILE (platform/input_script.h)
//   --data DIR          the data root (default: data/ beside the executable)
//   --save DIR          the save root (default $XDG_DATA_HOME/plimora)
//   --scale N           window scale, 1 to 8 (the window is 480 N x 800 N)
//   --trace FILE        write the trace to FILE instead of the standard output
//   --fixed-clock       the tick count moves one frame period per pass and sleeps return at
//                       once, so a run with the same input repeats exactly
//   --soundfont FILE    the SF2 soundfont of MIDI sounds (default host::kDefaultSoundFont)
//   --help              print the usage and end
#pragma once

#include <cstdint>
#include <string>

struct ProgramOptions {
  bool headless = false;
  int64_t frames = 0;  // 0: no limit
  std::string screenshot;
  std::string input;
  std::string data;  // empty: the default root
  std::string save;  // empty: the default root
  int32_t scale = 1;
  std::string trace;
  bool fixedClock = false;
  std::string soundfont;  // empty: the default soundfont
  bool help = false;
};

extern const char* const kProgramUsage;

// False, with the reason in *error, for an unknown option, a missing value or a value out of
// range.
bool ParseProgramOptions(int argc, const char* const* argv, ProgramOptions* options,
                         std::string* error);

// Sets the host up as the options say before the shell starts: the handling of termination
// signals, then the data and save roots, the fixed clock and the frame driver (frame limit and
// input script). False, with the reason in *error, when the input script cannot be read.
bool ApplyProgramOptions(const ProgramOptions& options, std::string* error);
// Gives the real clock back.
void ReleaseProgramOptions();
