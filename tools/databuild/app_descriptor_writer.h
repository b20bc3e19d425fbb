// Writer of "app.jad", the application properties: one "key: value" line per property,
// each ended by CR LF, in table order.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace databuild {

struct AppProperty {
  std::string_view key;
  std::string_view value;
};

// Keys and values are printable ASCII without blanks at their ends (the reader trims them
// away); a key is non-empty, holds no ':' and is given once. Anything else is a BuildError
// naming the property.
std::vector<uint8_t> WriteAppDescriptor(std::span<const AppProperty> properties);

}  // namespace databuild
