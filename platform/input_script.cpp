// Reading input scripts: one event a line, checked word by word.
#include "platform/input_script.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/window_messages.h"
#include "platform/whole_number.h"
#include "runtime/trace.h"

namespace {

using Kind = ReplayEvent::Kind;

constexpr int64_t kLastFrame = int64_t{1} << 48;

struct NamedKey {
  const char* name;
  uint32_t key;
};

constexpr NamedKey kKeyNames[] = {
    {"enter", host::kVkReturn},  {"left", host::kVkLeft}, {"up", host::kVkUp},
    {"right", host::kVkRight},   {"down", host::kVkDown}, {"space", host::kVkSpace},
    {"escape", host::kVkEscape}, {"home", host::kVkHome},
};

bool ParseKey(std::string word, uint32_t* key) {
  if (ParseWholeNumber<uint32_t>(word, 1, 254, key)) return true;
  std::transform(word.begin(), word.end(), word.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const NamedKey& named : kKeyNames) {
    if (word == named.name) return *key = named.key, true;
  }
  if (word.size() == 1 && word[0] >= 'a' && word[0] <= 'z') {
    return *key = host::kVkA + static_cast<uint32_t>(word[0] - 'a'), true;
  }
  uint32_t n;
  if (word.size() > 1 && word[0] == 'f' && ParseWholeNumber<uint32_t>(word.substr(1), 1, 12, &n)) {
    return *key = host::kVkF1 + n - 1, true;
  }
  if (word.rfind("numpad", 0) == 0 && ParseWholeNumber<uint32_t>(word.substr(6), 0, 9, &n)) {
    return *key = host::kVkNumPad0 + n, true;
  }
  return false;
}

bool ParsePoint(const std::vector<std::string>& words, size_t at, ReplayEvent* event) {
  return words.size() == at + 2 && ParseWholeNumber<int32_t>(words[at], -32768, 32767, &event->x) &&
         ParseWholeNumber<int32_t>(words[at + 1], -32768, 32767, &event->y);
}

// A press or a tap: the first event now, its release one frame later.
std::vector<ReplayEvent> WithRelease(ReplayEvent event, Kind down, Kind up) {
  ReplayEvent release = event;
  event.kind = down;
  release.kind = up;
  release.frame = event.frame + 1;
  return {event, release};
}

template <size_t N>
bool ParseWord(const std::string& word, const std::pair<const char*, uint32_t> (&table)[N],
               uint32_t* out) {
  for (const auto& [name, value] : table) {
    if (word == name) return *out = value, true;
  }
  return false;
}

constexpr std::pair<const char*, uint32_t> kKeyActions[] = {{"down", 0}, {"up", 1}, {"press", 2}};
constexpr std::pair<const char*, uint32_t> kStylusActions[] = {
    {"down", static_cast<uint32_t>(Kind::kStylusDown)},
    {"move", static_cast<uint32_t>(Kind::kStylusMove)},
    {"up", static_cast<uint32_t>(Kind::kStylusUp)}};
constexpr std::pair<const char*, uint32_t> kFocusChanges[] = {
    {"lost", static_cast<uint32_t>(Kind::kFocusLost)},
    {"gained", static_cast<uint32_t>(Kind::kFocusGained)}};
constexpr std::pair<const char*, uint32_t> kAngles[] = {{"0", host::kOrientation0},
                                                        {"90", host::kOrientation90},
                                                        {"180", host::kOrientation180},
                                                        {"270", host::kOrientation270}};
constexpr std::pair<const char*, uint32_t> kPowerStates[] = {
    {"on", host::kPowerStateOn},
    {"idle", host::kPowerStateIdle},
    {"suspend", host::kPowerStateSuspend},
    {"unattended", host::kPowerStateUnattended}};

// The events of one line (words[0] is the frame); empty when the arguments do not read.
std::vector<ReplayEvent> ParseArguments(const std::vector<std::string>& words, ReplayEvent event) {
  const std::string& name = words[1];
  const size_t count = words.size();
  uint32_t word;
  if (name == "key") {
    if (count != 4 || !ParseWord(words[2], kKeyActions, &word) || !ParseKey(words[3], &event.key)) {
      return {};
    }
    if (word == 2) return WithRelease(event, Kind::kKeyDown, Kind::kKeyUp);
    event.kind = word == 0 ? Kind::kKeyDown : Kind::kKeyUp;
  } else if (name == "stylus") {
    if (count != 5 || !ParseWord(words[2], kStylusActions, &word) ||
        !ParsePoint(words, 3, &event)) {
      return {};
    }
    event.kind = static_cast<Kind>(word);
  } else if (name == "tap") {
    if (!ParsePoint(words, 2, &event)) return {};
    return WithRelease(event, Kind::kStylusDown, Kind::kStylusUp);
  } else if (name == "focus") {
    if (count != 3 || !ParseWord(words[2], kFocusChanges, &word)) return {};
    event.kind = static_cast<Kind>(word);
  } else if (name == "rotate") {
    if (count != 3 || !ParseWord(words[2], kAngles, &event.value)) return {};
    event.kind = Kind::kRotate;
  } else if (name == "power") {
    if (count != 3 || !ParseWord(words[2], kPowerStates, &event.value)) return {};
    event.kind = Kind::kPower;
  } else if (name == "close") {
    if (count != 2) return {};
    event.kind = Kind::kClose;
  } else {
    return {};
  }
  return {event};
}

bool KnownEvent(const std::string& name) {
  for (const char* known : {"key", "stylus", "tap", "focus", "rotate", "power", "close"}) {
    if (name == known) return true;
  }
  return false;
}

}  // namespace

std::vector<ReplayEvent> ParseInputScript(const std::string& text, const std::string& resource) {
  std::vector<ReplayEvent> events;
  std::istringstream lines(text);
  std::string line;
  for (int lineNumber = 1; std::getline(lines, line); lineNumber++) {
    line = line.substr(0, line.find('#'));
    std::istringstream wordStream(line);
    std::vector<std::string> words;
    for (std::string word; wordStream >> word;) words.push_back(word);
    if (words.empty()) continue;
    ReplayEvent event;
    std::vector<ReplayEvent> parsed;
    const char* error = nullptr;
    if (!ParseWholeNumber<int64_t>(words[0], 1, kLastFrame, &event.frame)) {
      error = "the frame is not a whole number from 1";
    } else if (words.size() < 2) {
      error = "no event after the frame";
    } else if (!KnownEvent(words[1])) {
      error = "unknown event";
    } else {
      parsed = ParseArguments(words, event);
      if (parsed.empty()) error = "bad arguments";
    }
    if (error) {
      DebugLog("Input script %s, line %d: %s; line skipped", resource.c_str(), lineNumber, error);
      continue;
    }
    events.insert(events.end(), parsed.begin(), parsed.end());
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ReplayEvent& a, const ReplayEvent& b) { return a.frame < b.frame; });
  return events;
}

// Only a regular file is read, and never more than the limit: a device or a pipe named by
// mistake would otherwise be read without end.
bool LoadInputScript(const std::string& path, std::vector<ReplayEvent>* events, std::string* why) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) {
    *why = "no such file";
    return false;
  }
  if (!std::filesystem::is_regular_file(status)) {
    *why = "not a regular file";
    return false;
  }
  if (std::filesystem::file_size(path, error) > static_cast<uintmax_t>(kInputScriptLimit)) {
    *why = "longer than " + std::to_string(kInputScriptLimit / (1024 * 1024)) + " MB";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) {
    *why = "it cannot be read";
    return false;
  }
  *events = ParseInputScript(text.str(), path);
  return true;
}
