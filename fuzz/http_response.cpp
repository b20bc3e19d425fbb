// Fuzz target: the HTTP response reader over a memory transport. The first byte sets the most
// a read gives (1 to 64 bytes, so the header block's end and the body fall across reads) and
// the body limit (a small one half the time); the rest is the server's bytes. Whatever they are,
// reading ends; a refused response keeps nothing, and an accepted one has a status of 100 to
// 599, a header block that ends with a blank line within 64 KB, and a body within the limit,
// of exactly its Content-Length when it has one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/support/fuzz_runtime.h"
#include "host/http_response.h"

namespace {

class MemorySource final : public host::ByteSource {
 public:
  MemorySource(const uint8_t* data, size_t size, size_t step)
      : data_(data), size_(size), step_(step) {}
  int32_t read(void* buffer, int32_t length) override {
    const size_t n = std::min({static_cast<size_t>(length), step_, size_ - at_});
    memcpy(buffer, data_ + at_, n);
    at_ += n;
    return static_cast<int32_t>(n);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t step_;
  size_t at_ = 0;
};

bool EndsWithBlankLine(const std::string& block) {
  return block.size() >= 2 &&
         (block.compare(block.size() - 2, 2, "\n\n") == 0 ||
          (block.size() >= 3 && block.compare(block.size() - 3, 3, "\n\r\n") == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t step = 1 + data[0] % 64;
  const int64_t limit = data[0] & 0x80 ? 100 : host::kMaxContent;
  MemorySource source(data + 1, size - 1, step);
  host::HttpResponse response;
  const char* fault = host::ReadHttpResponse(source, limit, &response);
  if (fault) {
    FuzzCheck(response.status == -1 && response.content.empty() && response.headers.empty());
    return 0;
  }
  FuzzCheck(response.status >= 100 && response.status <= 599);
  FuzzCheck(EndsWithBlankLine(response.rawHeaders));
  FuzzCheck(response.rawHeaders.size() <= static_cast<size_t>(host::kMaxHeaderBlock));
  FuzzCheck(static_cast<int64_t>(response.content.size()) <= limit);
  const auto length = response.headers.find("content-length");
  if (length != response.headers.end()) {
    FuzzCheck(std::to_string(response.content.size()) ==
              length->second.substr(
                  std::min(length->second.find_first_not_of('0'), length->second.size() - 1)));
  }
  return 0;
}
