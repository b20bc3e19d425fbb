// libvorbisenc's analysis loop: samples in as floats, blocks out as packets, packets into
// Ogg pages. Every libvorbis object is cleared on the way out, errors included.
#include "tools/databuild/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <string>
#include <utility>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

constexpr float kQuality = 0.4f;
constexpr int kSerialNumber = 0x504C4D52;  // any fixed number keeps the output the same
constexpr uint32_t kFramesPerWrite = 1024;

// The encoder's state, cleared in reverse order of set-up whatever happens.
class Encoder {
 public:
  explicit Encoder(const PcmSound& sound) {
    vorbis_info_init(&info_);
    if (vorbis_encode_init_vbr(&info_, sound.channels, static_cast<long>(sound.sampleRate),
                               kQuality) != 0) {
      vorbis_info_clear(&info_);
      throw BuildError("Ogg: the encoder refuses " + std::to_string(sound.channels) +
                       " channels at " + std::to_string(sound.sampleRate) + " Hz");
    }
    vorbis_comment_init(&comment_);
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, kSerialNumber);
  }
  ~Encoder() {
    ogg_stream_clear(&stream_);
    vorbis_block_clear(&block_);
    vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  // The three header packets, flushed so that audio starts on a page of its own.
  void writeHeaders() {
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &identification);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) append(page);
  }

  // Frames from `first` on, at most kFramesPerWrite of them; none marks the end of the sound.
  void writeFrames(const PcmSound& sound, uint32_t first, uint32_t count) {
    if (count > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(count));
      for (uint32_t i = 0; i < count; i++) {
        for (uint16_t c = 0; c < sound.channels; c++) {
          buffer[c][i] = sound.samples[(size_t{first} + i) * sound.channels + c] / 32768.0f;
        }
      }
    }
    vorbis_analysis_wrote(&dsp_, static_cast<int>(count));
    drain();
  }

  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  // Every block that is ready, as packets, then every full page.
  void drain() {
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) == 1) {
        ogg_stream_packetin(&stream_, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream_, &page) != 0) append(page);
      }
    }
  }

  void append(const ogg_page& page) {
    bytes_.insert(bytes_.end(), page.header, page.header + page.header_len);
    bytes_.insert(bytes_.end(), page.body, page.body + page.body_len);
  }

  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_;
  vorbis_block block_;
  ogg_stream_state stream_;
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> WriteOgg(const PcmSound& sound) {
  if (sound.channels != 1 && sound.channels != 2) {
    throw BuildError("Ogg: " + std::to_string(sound.channels) + " channels");
  }
  Encoder encoder(sound);
  encoder.writeHeaders();
  const uint32_t frames = sound.frames();
  for (uint32_t first = 0; first < frames; first += kFramesPerWrite) {
    encoder.writeFrames(sound, first, std::min(kFramesPerWrite, frames - first));
  }
  encoder.writeFrames(sound, frames, 0);
  return encoder.take();
}

}  // namespace databuild
