// Buffered reading, skipping and seeking over a host file.
#include "platform/buffered_file_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

BufferedFileReader::BufferedFileReader(std::unique_ptr<host::File> file, std::string devicePath)
    : file_(std::move(file)), devicePath_(std::move(devicePath)) {}

int64_t BufferedFileReader::refill() {
  bufferStart_ += filled_;
  filled_ = 0;
  cursor_ = 0;
  const int64_t n = file_->read(buffer_, kBufferSize);
  if (n > 0) filled_ = static_cast<int32_t>(n);
  return n;
}

int64_t BufferedFileReader::read(uint8_t* out, int64_t count) {
  int64_t total = 0;
  while (total < count) {
    if (cursor_ == filled_) {
      // A request of at least a whole buffer goes straight to the file.
      if (count - total >= kBufferSize) {
        bufferStart_ += filled_;
        filled_ = cursor_ = 0;
        const int64_t n = file_->read(out + total, static_cast<size_t>(count - total));
        if (n < 0) return total > 0 ? total : -1;
        bufferStart_ += n;
        return total + n;
      }
      const int64_t n = refill();
      if (n < 0) return total > 0 ? total : -1;
      if (n == 0) break;
    }
    const int64_t step = std::min<int64_t>(count - total, filled_ - cursor_);
    memcpy(out + total, buffer_ + cursor_, static_cast<size_t>(step));
    cursor_ += static_cast<int32_t>(step);
    total += step;
  }
  return total;
}

int32_t BufferedFileReader::readByte() {
  if (cursor_ == filled_ && refill() <= 0) return -1;
  return buffer_[cursor_++];
}

int64_t BufferedFileReader::skip(int64_t count) {
  if (count <= 0) return 0;
  const int64_t buffered = std::min<int64_t>(count, filled_ - cursor_);
  cursor_ += static_cast<int32_t>(buffered);
  if (buffered == count) return count;
  // Past the buffer: the file skips the rest, clamped at its end.
  bufferStart_ += filled_;
  filled_ = cursor_ = 0;
  const int64_t skipped = file_->skip(count - buffered);
  if (skipped < 0) return buffered > 0 ? buffered : -1;
  bufferStart_ += skipped;
  return buffered + skipped;
}

bool BufferedFileReader::seekTo(int64_t target) {
  if (target >= bufferStart_ && target <= bufferStart_ + filled_) {
    cursor_ = static_cast<int32_t>(target - bufferStart_);
    return true;
  }
  if (file_->seek(target, host::SeekFrom::kStart) < 0) return false;
  bufferStart_ = target;
  filled_ = cursor_ = 0;
  return true;
}
