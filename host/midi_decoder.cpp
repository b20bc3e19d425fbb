// The MIDI decoder of media graphs: our reader checks the file and gives its tempo map, then
// FluidSynth plays it: one synthesiser per graph with the soundfont loaded, no audio driver,
// its file player timed by the samples rendered, so the sound moves on exactly as the mix pulls.
// The sound ends at the length the tempo map gives.
#include <fluidsynth.h>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "host/graph_decoders.h"
#include "host/media_graph.h"
#include "host/midi_file.h"
#include "host/trace_line.h"

namespace host {
namespace {

constexpr uint32_t kMidiRate = kAudioRate;

std::mutex soundFontLock;
std::string soundFontPath = kDefaultSoundFont;

// FluidSynth's errors and warnings go to our trace; its information and debugging lines not.
void LogFluid(int level, const char* message, void*) {
  if (level <= FLUID_WARN) DebugLog("FluidSynth: %s", message);
}

void RouteFluidLog() {
  static std::once_flag routed;
  std::call_once(routed, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
      fluid_set_log_function(level, LogFluid, nullptr);
    }
  });
}

uint32_t U32At(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

// ---- Soundfont ----

void SetSoundFontPath(const std::string& path) {
  std::lock_guard<std::mutex> guard(soundFontLock);
  soundFontPath = path.empty() ? kDefaultSoundFont : path;
}

std::string SoundFontPath() {
  std::lock_guard<std::mutex> guard(soundFontLock);
  return soundFontPath;
}

// The start of a soundfont, little-endian: "RIFF" u32 "sfbk" "LIST" u32 "INFO" "ifil" u32 (4)
// u16 major u16 minor. Version 2 is SF2; 3 is SF3, whose samples are Vorbis-compressed.
bool CheckSoundFont(const std::string& path, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    *error = "the soundfont " + path + " cannot be opened";
    return false;
  }
  uint8_t head[34];
  const size_t got = std::fread(head, 1, sizeof head, file);
  std::fclose(file);
  const bool riff = got == sizeof head && std::memcmp(head, "RIFF", 4) == 0 &&
                    std::memcmp(head + 8, "sfbk", 4) == 0 &&
                    std::memcmp(head + 12, "LIST", 4) == 0 &&
                    std::memcmp(head + 20, "INFO", 4) == 0 &&
                    std::memcmp(head + 24, "ifil", 4) == 0 && U32At(head + 28) == 4;
  if (!riff) {
    *error = "the soundfont " + path + " is not a SoundFont file";
    return false;
  }
  const uint8_t* version = head + 32;
  if (version[0] == 3) {
    *error = "the soundfont " + path +
             " is an SF3 file; only SF2 is played (SF3 samples would decode through a Vorbis "
             "library that clashes with ours)";
    return false;
  }
  if (version[0] != 2) {
    *error = "the soundfont " + path + " is of version " + std::to_string(version[0]) + ", not 2";
    return false;
  }
  return true;
}

namespace graph {
namespace {

class MidiDecoder final : public Decoder {
 public:
  ~MidiDecoder() override {
    if (player_) delete_fluid_player(player_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
  }

  bool open(const uint8_t* data, size_t size, std::string* error) {
    if (!ReadMidiFile(data, size, &sequence_, error)) return false;
    const std::string font = SoundFontPath();
    if (!CheckSoundFont(font, error)) return false;
    RouteFluidLog();
    data_.assign(data, data + size);
    settings_ = new_fluid_settings();
    if (!settings_) return fail(error, "FluidSynth has no settings");
    fluid_settings_setnum(settings_, "synth.sample-rate", kMidiRate);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) return fail(error, "FluidSynth makes no synthesiser");
    if (fluid_synth_sfload(synth_, font.c_str(), 1) == FLUID_FAILED) {
      return fail(error, "FluidSynth cannot load the soundfont " + font);
    }
    format = {kMidiRate, 2, 16};
    frames = static_cast<uint64_t>(sequence_.durationMicros()) * kMidiRate / 1000000;
    if (!startPlayer(0)) return fail(error, "FluidSynth's file player refuses the sound");
    return true;
  }

  int64_t durationMicros() const override { return sequence_.durationMicros(); }

  uint32_t read(int16_t* out, uint32_t count) override {
    const uint32_t n = static_cast<uint32_t>(std::min<uint64_t>(count, frames - next_));
    if (n == 0) return 0;
    if (fluid_synth_write_s16(synth_, static_cast<int>(n), out, 0, 2, out, 1, 2) != FLUID_OK) {
      DebugLog("FluidSynth: rendering failed; the sound ends");
      next_ = frames;
      return 0;
    }
    next_ += n;
    return n;
  }

  // A new file player from the tick of that frame, after every note and controller is reset.
  bool seek(uint64_t frame) override {
    frame = std::min(frame, frames);
    const int64_t micros = static_cast<int64_t>(frame * 1000000 / kMidiRate);
    if (!startPlayer(sequence_.tickAt(micros))) return false;
    next_ = frame;
    return true;
  }

 private:
  bool startPlayer(uint64_t tick) {
    if (player_) delete_fluid_player(player_);
    fluid_synth_system_reset(synth_);
    player_ = new_fluid_player(synth_);
    if (!player_) return false;
    if (fluid_player_add_mem(player_, data_.data(), data_.size()) != FLUID_OK) return false;
    if (fluid_player_play(player_) != FLUID_OK) return false;
    return tick == 0 || fluid_player_seek(player_, static_cast<int>(tick)) == FLUID_OK;
  }

  bool fail(std::string* error, std::string cause) {
    *error = std::move(cause);
    return false;
  }

  MidiSequence sequence_;
  std::vector<uint8_t> data_;
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  uint64_t next_ = 0;  // the next frame read renders
};

}  // namespace

std::unique_ptr<Decoder> OpenMidiDecoder(const uint8_t* data, size_t size, std::string* error) {
  auto decoder = std::make_unique<MidiDecoder>();
  if (!decoder->open(data, size, error)) return nullptr;
  return decoder;
}

}  // namespace graph
}  // namespace host
