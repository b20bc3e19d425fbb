// Whole-stream and whole-file reads through a ByteArrayOutputStream.
#include "platform/whole_stream.h"

#include "javame/byte_array_output_stream.h"
#include "javame/file.h"
#include "javame/input_stream.h"
#include "platform/file_input_stream.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"

namespace {

constexpr int32_t kChunkSize = 512;  // bytes per read

}  // namespace

ByteArray* ReadWholeStream(java_io_InputStream* in) {
  if (!in) return nullptr;
  auto* bytes = NewObject<java_io_ByteArrayOutputStream>();
  ByteArray* buffer = NewByteArray(kChunkSize);
  if (!bytes || !buffer || buffer->length != kChunkSize) return nullptr;
  while (in->available() > 0) {
    const int32_t n = in->read(buffer);
    if (GetPendingException()) return nullptr;
    if (n <= 0) break;
    bytes->write(buffer, 0, n);
  }
  if (GetPendingException()) return nullptr;
  return bytes->toByteArray();
}

ByteArray* ReadWholeFile(String* path) {
  auto* file = NewObject<javax_microedition_io_File>(path);
  FileInputStream* in = file ? file->openInputStream() : nullptr;
  if (!in) return nullptr;
  ByteArray* bytes = ReadWholeStream(in);
  in->close();
  return bytes;
}
