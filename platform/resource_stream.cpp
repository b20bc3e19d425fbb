// Class::getResourceAsStream while the data set has no archive: every resource is the loose
// file of that name at the root of the data set, read through the host file layer. The
// archive reader replaces this file; its callers do not change.
#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "host/file.h"
#include "javame/input_stream.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// An input stream over one open host file, which close, or at the latest the collector,
// closes. The end of the file reads as -1 from both reads.
class LooseFileStream : public java_io_InputStream {
 public:
  explicit LooseFileStream(host::File* open) : file(open) {}

  int32_t read(ByteArray* b, int32_t off, int32_t len) override {
    if (!NullCheck(b)) return -1;
    if (!RangeInside(off, len, b->length)) {
      DebugLog("getResourceAsStream: read of bytes %d + %d outside the array (length %d)", off, len,
               b->length);
      return 0;
    }
    if (len == 0) return 0;
    const int64_t n = file ? file->read(b->elements() + off, static_cast<size_t>(len)) : -1;
    return n > 0 ? static_cast<int32_t>(n) : -1;
  }
  using java_io_InputStream::read;
  int32_t read() override {
    uint8_t byte;
    return file && file->read(&byte, 1) == 1 ? byte : -1;
  }
  int64_t skip(int64_t n) override { return file ? std::max<int64_t>(file->skip(n), 0) : 0; }
  int32_t available() override {
    if (!file) return 0;
    return static_cast<int32_t>(std::clamp<int64_t>(file->size() - file->position(), 0, INT_MAX));
  }
  void close() override {
    delete file;
    file = nullptr;
  }
  void finalize() override { close(); }

  host::File* file;  // null once closed
};

// The resource name as a device path, one leading "/" dropped; false for a name with a unit
// that no device path holds (NUL, or beyond 7-bit text).
bool DevicePathOf(String* name, std::string* path) {
  const int32_t first = name->length() > 0 && name->characters[0] == u'/' ? 1 : 0;
  for (int32_t i = first; i < name->length(); i++) {
    const char16_t unit = name->characters[i];
    if (unit == 0 || unit > 0x7F) return false;
    path->push_back(static_cast<char>(unit));
  }
  return true;
}

}  // namespace

java_io_InputStream* Class::getResourceAsStream(String* name) {
  if (!NullCheck(name)) return nullptr;
  std::string path;
  if (!DevicePathOf(name, &path)) return nullptr;
  std::unique_ptr<host::File> file = host::OpenForRead(path);
  if (!file) return nullptr;
  auto* stream = NewObject<LooseFileStream>(file.get());
  if (stream) file.release();
  return stream;
}
