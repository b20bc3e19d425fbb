// The application properties of the data set's "app.jad".
#pragma once

#include <span>

#include "tools/databuild/app_descriptor_writer.h"

namespace databuild {

std::span<const AppProperty> AppPropertyTable();

}  // namespace databuild
