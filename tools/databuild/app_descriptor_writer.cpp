// "app.jad" from the application-property table, checked so that the reader gives back
// exactly the table.
#include "tools/databuild/app_descriptor_writer.h"

#include <set>
#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

bool Printable(std::string_view text) {
  for (const char c : text) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

bool Trimmed(std::string_view text) {
  return text.empty() || (text.front() != ' ' && text.back() != ' ');
}

void Check(const AppProperty& property, std::set<std::string_view>* keys) {
  const std::string name = "app.jad property \"" + std::string(property.key) + "\": ";
  if (property.key.empty()) throw BuildError(name + "empty key");
  if (property.key.find(':') != std::string_view::npos) throw BuildError(name + "key holds ':'");
  if (!Printable(property.key) || !Printable(property.value)) {
    throw BuildError(name + "not printable ASCII");
  }
  if (!Trimmed(property.key) || !Trimmed(property.value)) {
    throw BuildError(name + "blank at an end, which the reader trims away");
  }
  if (!keys->insert(property.key).second) throw BuildError(name + "given twice");
}

}  // namespace

std::vector<uint8_t> WriteAppDescriptor(std::span<const AppProperty> properties) {
  std::set<std::string_view> keys;
  std::string text;
  for (const AppProperty& property : properties) {
    Check(property, &keys);
    text.append(property.key).append(": ").append(property.value).append("\r\n");
  }
  return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace databuild
