// Device paths from managed strings.
#include "platform/device_path.h"

#include "runtime/string.h"

bool DevicePathOf(String* text, std::string* path) {
  if (!text) return false;
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text->length()));
  for (int32_t i = 0; i < text->length(); i++) {
    const char16_t unit = text->characters[i];
    if (unit == 0 || unit > 0x7F) return false;
    bytes.push_back(static_cast<char>(unit));
  }
  *path = std::move(bytes);
  return true;
}

std::string PrintablePath(String* text) {
  std::string printable;
  for (int32_t i = 0; text && i < text->length(); i++) {
    const char16_t unit = text->characters[i];
    printable.push_back(unit >= 0x20 && unit <= 0x7E ? static_cast<char>(unit) : '?');
  }
  return printable;
}
