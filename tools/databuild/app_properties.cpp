// The application properties. The game reads "MIDlet-Version" (string constant 275) for its
// scrolling-text screen; the others describe the application as a descriptor does.
#include "tools/databuild/app_properties.h"

namespace databuild {

namespace {

constexpr AppProperty kAppProperties[] = {
    {"MIDlet-Name", "Plimora"},
    {"MIDlet-Vendor", "Marquent"},
    {"MIDlet-Version", "1.0.0"},
    {"MIDlet-Description", "Aim, shoot and pop bubbles of one colour"},
    {"MIDlet-1", "Plimora, /icon.png, MarqPLIM"},
    {"MicroEdition-Profile", "MIDP-2.0"},
    {"MicroEdition-Configuration", "CLDC-1.1"},
};

}  // namespace

std::span<const AppProperty> AppPropertyTable() {
  return kAppProperties;
}

}  // namespace databuild
