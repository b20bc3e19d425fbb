// The MP3 decoder of media graphs: libmpg123 reads the graph's copy of the sound through
// reader callbacks that never pass its end, and gives 16-bit samples at the stream's own rate
// and channels. The length comes from a scan of the whole stream when it opens.
#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "host/graph_decoders.h"
#include "host/trace_line.h"

namespace host::graph {
namespace {

struct MemoryReader {
  std::vector<uint8_t> data;
  size_t position = 0;  // 0 <= position <= data.size()
};

ssize_t ReadBytes(void* handle, void* into, size_t bytes) {
  auto* reader = static_cast<MemoryReader*>(handle);
  const size_t n = std::min(bytes, reader->data.size() - reader->position);
  if (n > 0) std::memcpy(into, reader->data.data() + reader->position, n);
  reader->position += n;
  return static_cast<ssize_t>(n);
}

// lseek's contract: the new offset, or -1 (the cursor unchanged) for a place outside the data.
off_t SeekBytes(void* handle, off_t offset, int whence) {
  auto* reader = static_cast<MemoryReader*>(handle);
  const off_t size = static_cast<off_t>(reader->data.size());
  const off_t base = whence == SEEK_CUR   ? static_cast<off_t>(reader->position)
                     : whence == SEEK_END ? size
                                          : 0;
  if (offset < -base || offset > size - base) return -1;
  reader->position = static_cast<size_t>(base + offset);
  return base + offset;
}

class Mp3Decoder final : public Decoder {
 public:
  ~Mp3Decoder() override {
    if (handle_) {
      mpg123_close(handle_);
      mpg123_delete(handle_);
    }
  }

  bool open(const uint8_t* data, size_t size, std::string* error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    reader_.data.assign(data, data + size);
    int code = MPG123_OK;
    handle_ = mpg123_new(nullptr, &code);
    if (!handle_) return fail(error, mpg123_plain_strerror(code));
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // 16-bit output only, mono or stereo as the stream is, at any rate the library decodes.
    mpg123_format_none(handle_);
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; i++) {
      mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }
    if (mpg123_replace_reader_handle(handle_, ReadBytes, SeekBytes, nullptr) != MPG123_OK ||
        mpg123_open_handle(handle_, &reader_) != MPG123_OK || mpg123_scan(handle_) != MPG123_OK) {
      return fail(error, mpg123_strerror(handle_));
    }
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK) {
      return fail(error, "no MPEG audio frame is found");
    }
    const off_t length = mpg123_length(handle_);
    if (length <= 0 || rate <= 0 || (channels != 1 && channels != 2)) {
      return fail(error, "the stream holds no audio");
    }
    format = {static_cast<uint32_t>(rate), static_cast<uint16_t>(channels), 16};
    frames = static_cast<uint64_t>(length);
    return true;
  }

  uint32_t read(int16_t* out, uint32_t count) override {
    const size_t frameBytes = size_t{format.channels} * 2;
    // A stream's tag may announce fewer frames than its frames hold; the announced length is
    // the sound's, so what lies beyond it is not played.
    count = static_cast<uint32_t>(std::min<uint64_t>(count, frames - next_));
    uint32_t got = 0;
    while (got < count && !ended_) {
      size_t done = 0;
      const int code =
          mpg123_read(handle_, reinterpret_cast<unsigned char*>(out) + got * frameBytes,
                      (count - got) * frameBytes, &done);
      got += static_cast<uint32_t>(done / frameBytes);
      if (code == MPG123_DONE) ended_ = true;
      if (code == MPG123_NEW_FORMAT) {
        DebugLog("mp3 decoder: the stream changes its format; the sound ends");
        ended_ = true;
      } else if (code != MPG123_OK && code != MPG123_DONE) {
        DebugLog("mp3 decoder: %s; the sound ends", mpg123_strerror(handle_));
        ended_ = true;
      } else if (done == 0 && code == MPG123_OK) {
        ended_ = true;  // nothing more comes out
      }
    }
    next_ += got;
    return got;
  }

  bool seek(uint64_t frame) override {
    frame = std::min(frame, frames);
    if (mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) < 0) return false;
    next_ = frame;
    ended_ = false;
    return true;
  }

 private:
  bool fail(std::string* error, const std::string& cause) {
    *error = "the MP3 decoder refuses the sound: " + cause;
    return false;
  }

  MemoryReader reader_;
  mpg123_handle* handle_ = nullptr;
  bool ended_ = false;
  uint64_t next_ = 0;  // the frame the next read gives
};

}  // namespace

std::unique_ptr<Decoder> OpenMp3Decoder(const uint8_t* data, size_t size, std::string* error) {
  auto decoder = std::make_unique<Mp3Decoder>();
  if (!decoder->open(data, size, error)) return nullptr;
  return decoder;
}

}  // namespace host::graph
