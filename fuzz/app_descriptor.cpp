// Fuzz target: the "app.jad" parser over any bytes, read whole through ReadWholeStream as the
// descriptor is. Whatever the bytes, parsing ends; every key and value is a String without
// blanks (units <= 32) at its ends, no key holds ':' or a line end and no value a line end;
// and the table holds exactly the properties of a line-by-line reading of the bytes (the
// last value of each key), each of which getAppProperty gives back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "fuzz/support/fuzz_runtime.h"
#include "javame/byte_array_input_stream.h"
#include "javame/hashtable.h"
#include "platform/app_descriptor.h"
#include "platform/whole_stream.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr int kRunsPerCollection = 64;

using Text = std::u16string;

Text UnitsOf(String* string) {
  return Text(string->characters, static_cast<size_t>(string->length()));
}

Text Trim(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && text[begin] <= u' ') begin++;
  while (end > begin && text[end - 1] <= u' ') end--;
  return Text(text.substr(begin, end - begin));
}

bool Trimmed(const Text& text) {
  return text.empty() || (text.front() > u' ' && text.back() > u' ');
}

// The properties that the lines of text give: key before the first ':', value after it.
std::map<Text, Text> LineByLine(const Text& text) {
  std::map<Text, Text> properties;
  for (size_t p = 0; p < text.size();) {
    size_t end = text.find(u'\n', p);
    if (end == Text::npos) end = text.size();
    const std::u16string_view line(text.data() + p, end - p);
    const size_t colon = line.find(u':');
    if (colon != std::u16string_view::npos) {
      properties[Trim(line.substr(0, colon))] = Trim(line.substr(colon + 1));
    }
    p = end + 1;
  }
  return properties;
}

void CheckTable(java_util_Hashtable* table, const std::map<Text, Text>& expected) {
  FuzzCheck(table->size() == static_cast<int32_t>(expected.size()));
  for (const auto& entry : expected) {
    const Text& key = entry.first;
    const Text& value = entry.second;
    String* keyString = String::newFilled(static_cast<int32_t>(key.size()), [&](char16_t* out) {
      std::copy(key.begin(), key.end(), out);
    });
    String* found = GetAppProperty(table, keyString);
    FuzzCheck(found && UnitsOf(found) == value);
    FuzzCheck(Trimmed(key) && Trimmed(value));
    FuzzCheck(key.find_first_of(u":\n") == Text::npos && value.find(u'\n') == Text::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  static int runs = 0;
  ByteArray* bytes = FuzzBytes(data, size);
  ByteArray* whole = ReadWholeStream(NewObject<java_io_ByteArrayInputStream>(bytes));
  FuzzCheck(whole && whole->length == static_cast<int32_t>(size));
  String* text = NewObject<String>(whole);
  auto* table = NewObject<java_util_Hashtable>();
  ParseAppDescriptor(text, table);
  FuzzCheck(!GetPendingException());
  CheckTable(table, LineByLine(UnitsOf(text)));
  FuzzCheck(UnitsOf(GetAppProperty(table, NewJavaString("\n"))) == u"PROPERTY VALUE EMPTY");
  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
