// Fuzz target: ParseConnectionURL over any text (the input as UTF-16 units, low byte first).
// Whatever the text, parsing ends without an exception; a refused URL leaves the parts alone,
// and an accepted one has a non-empty host and a port of 0 to 65535, and the URL reads back as
// scheme "://" host, the port text, then path and query.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_runtime.h"
#include "platform/connection_url.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 1024 * 1024;
constexpr int kRunsPerCollection = 256;

std::u16string Units(String* string) {
  return string ? std::u16string(string->characters, static_cast<size_t>(string->length()))
                : std::u16string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  static int runs = 0;
  if (size > 4096) return 0;
  std::u16string text;
  for (size_t i = 0; i + 1 < size; i += 2)
    text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
  String* url = NewStringOfUnits(text);
  ConnectionUrlParts parts{};
  parts.port = -1;
  const bool parsed = ParseConnectionURL(url, &parts);
  FuzzCheck(!GetPendingException());
  if (!parsed) {
    FuzzCheck(parts.port == -1 && !parts.host && !parts.scheme);
  } else {
    FuzzCheck(parts.host && parts.host->length() > 0 && parts.path && !parts.extra);
    FuzzCheck(parts.port >= 0 && parts.port <= 65535);
    const std::u16string front = Units(parts.scheme) + u"://" + Units(parts.host);
    const std::u16string back = Units(parts.path) + Units(parts.query);
    FuzzCheck(text.compare(0, front.size(), front) == 0);
    FuzzCheck(text.size() >= front.size() + back.size());
    FuzzCheck(text.compare(text.size() - back.size(), back.size(), back) == 0);
    const std::u16string middle =
        text.substr(front.size(), text.size() - front.size() - back.size());
    FuzzCheck(parts.port == 0 ? middle.empty() : middle[0] == u':');
    FuzzCheck(parts.query == nullptr || Units(parts.query)[0] == u'?');
  }
  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
