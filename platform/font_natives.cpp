// The Font native: every font is the system font, so face, style and size are kept as asked
// and the metrics are the same for all. This platform has no system font yet; the metrics
// are fixed figures of ours, those of a 16-pixel line.
#include "javame/font.h"

namespace {

constexpr int32_t kSystemFontAscent = 13;  // pixels from the top of a line to its baseline
constexpr int32_t kSystemFontHeight = 16;  // pixels per line

}  // namespace

void javax_microedition_lcdui_Font::initMetrics(int32_t fontFace, int32_t fontStyle,
                                                int32_t fontSize) {
  face = fontFace;
  style = fontStyle;
  size = fontSize;
  baseline = kSystemFontAscent;
  height = kSystemFontHeight;
}
