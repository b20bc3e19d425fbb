// --screenshot: the last frame shown, written as a PNG file when the game ends.
#include <vector>

#include "host/png_writer.h"
#include "platform/display_backends.h"
#include "platform/shell.h"
#include "runtime/application_impl.h"
#include "runtime/trace.h"

using host::DisplaySurface;

bool WriteScreenshot(const std::string& path, std::string* why) {
  DisplaySurface* surface = DisplaySurfaceOf(GetApplicationImpl());
  if (!surface) {
    DebugLog("Screenshot %s: no display is open; nothing written", path.c_str());
    *why = "no display is open";
    return false;
  }
  std::vector<uint16_t> frame(DisplaySurface::kPixels);
  const uint64_t number = surface->copyFrontBuffer(frame.data());
  if (number == 0)
    DebugLog("Screenshot %s: no frame was presented; the screen is blank", path.c_str());
  if (!host::WritePng565(path, frame.data(), DisplaySurface::kWidth, DisplaySurface::kHeight,
                         DisplaySurface::kPitch, why)) {
    return false;
  }
  DebugLog("Screenshot %s: frame %llu written", path.c_str(),
           static_cast<unsigned long long>(number));
  return true;
}
