// FileInputStream's reads, skip, mark and close over its buffered reader. A read error is
// traced and then read as the end of the file, so every reading loop ends.
#include "platform/file_input_stream.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

#include "host/file.h"
#include "platform/buffered_file_reader.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

FileInputStream::FileInputStream(BufferedFileReader* openReader)
    : reader(openReader), markPosition(0), size(std::max<int64_t>(openReader->size(), 0)) {}

FileInputStream* FileInputStream::open(const std::string& devicePath) {
  std::unique_ptr<host::File> file = host::OpenForRead(devicePath);
  if (!file) return nullptr;
  auto reader = std::make_unique<BufferedFileReader>(std::move(file), devicePath);
  auto* stream = NewObject<FileInputStream>(reader.get());
  if (stream) reader.release();
  return stream;
}

int32_t FileInputStream::readFailed() {
  DebugLog("FileInputStream: reading \"%s\" failed: %s", reader->devicePath().c_str(),
           reader->status().text().c_str());
  return -1;
}

int32_t FileInputStream::read(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return -1;
  if (!RangeInside(off, len, b->length)) {
    DebugLog("FileInputStream.read: bytes %d + %d outside the array (length %d)", off, len,
             b->length);
    return 0;
  }
  if (!reader) return -1;
  if (len == 0) return 0;
  const int64_t n = reader->read(reinterpret_cast<uint8_t*>(b->elements() + off), len);
  if (n < 0) return readFailed();
  return n == 0 ? -1 : static_cast<int32_t>(n);
}

int32_t FileInputStream::read() {
  if (!reader) return -1;
  const int32_t byte = reader->readByte();
  if (byte < 0 && !reader->status().ok()) return readFailed();
  return byte;
}

int64_t FileInputStream::skip(int64_t n) {
  if (!reader || n <= 0) return 0;
  const int64_t skipped = reader->skip(n);
  if (skipped < 0) {
    readFailed();
    return 0;
  }
  return skipped;
}

int32_t FileInputStream::available() {
  if (!reader) return 0;
  return static_cast<int32_t>(std::clamp<int64_t>(size - reader->position(), 0, INT_MAX));
}

void FileInputStream::close() {
  delete reader;
  reader = nullptr;
}

void FileInputStream::mark(int32_t) {
  if (reader) markPosition = reader->position();
}

void FileInputStream::reset() {
  if (reader && !reader->seekTo(markPosition)) readFailed();
}
