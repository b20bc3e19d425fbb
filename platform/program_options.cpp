// Reading the program's options and setting the host up from them.
#include "platform/program_options.h"

#include "host/clock.h"
#include "host/file_roots.h"
#include "host/media_graph.h"
#include "host/termination_signal.h"
#include "platform/frame_driver.h"
#include "platform/whole_number.h"

const char* const kProgramUsage =
    "usage: plimora [--headless] [--frames N] [--screenshot FILE.png] [--input FILE]\n"
    "               [--data DIR] [--save DIR] [--scale N] [--trace FILE] [--fixed-clock]\n"
    "               [--soundfont FILE.sf2] [--help]\n";

namespace {

constexpr int64_t kMostFrames = int64_t{1} << 48;
constexpr int32_t kLargestScale = 8;

// The clock of --fixed-clock; it lives as long as the process.
host::ManualClock fixedClock;

}  // namespace

bool ParseProgramOptions(int argc, const char* const* argv, ProgramOptions* options,
                         std::string* error) {
  for (int i = 1; i < argc; i++) {
    const std::string name = argv[i];
    if (name == "--help") {
      options->help = true;
      continue;
    }
    if (name == "--headless") {
      options->headless = true;
      continue;
    }
    if (name == "--fixed-clock") {
      options->fixedClock = true;
      continue;
    }
    std::string* text = name == "--screenshot"  ? &options->screenshot
                        : name == "--input"     ? &options->input
                        : name == "--data"      ? &options->data
                        : name == "--save"      ? &options->save
                        : name == "--trace"     ? &options->trace
                        : name == "--soundfont" ? &options->soundfont
                                                : nullptr;
    const bool counted = name == "--frames" || name == "--scale";
    if (!text && !counted) {
      *error = "unknown option " + name;
      return false;
    }
    if (i + 1 == argc || argv[i + 1][0] == '\0') {
      *error = name + " needs a value";
      return false;
    }
    const char* value = argv[++i];
    if (text) {
      *text = value;
      continue;
    }
    int64_t count = 0;
    const bool frames = name == "--frames";
    if (!ParseWholeNumber<int64_t>(value, 1, frames ? kMostFrames : kLargestScale, &count)) {
      *error =
          name + (frames ? " takes a whole number from 1" : " takes a whole number from 1 to 8");
      return false;
    }
    if (frames) {
      options->frames = count;
    } else {
      options->scale = static_cast<int32_t>(count);
    }
  }
  return true;
}

// The signal handlers come first: a script being read is already inside the game's run, and
// a termination signal then ends the start as it ends the game.
bool ApplyProgramOptions(const ProgramOptions& options, std::string* error) {
  host::CatchTerminationSignals();
  FrameDriverSettings settings;
  std::string why;
  if (!options.input.empty() && !LoadInputScript(options.input, &settings.script, &why)) {
    *error = "cannot read the input script " + options.input + ": " + why;
    return false;
  }
  if (!options.data.empty()) host::SetDataRoot(options.data);
  if (!options.save.empty()) host::SetSaveRoot(options.save);
  if (!options.soundfont.empty()) host::SetSoundFontPath(options.soundfont);
  if (options.fixedClock) {
    host::UseClock(&fixedClock);
    settings.fixedClock = &fixedClock;
  }
  settings.frameLimit = options.frames;
  ConfigureFrameDriver(std::move(settings));
  return true;
}

void ReleaseProgramOptions() {
  host::UseClock(nullptr);
}
