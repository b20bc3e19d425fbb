// A sprite's font metrics, read from the parts of its metrics frame (frame 0) and of the
// space's glyph, their scaled getters, and the character table's lookup. A frame the sprite
// lacks, or one without parts, gives 0 without a trace: text asks for glyphs every frame.
#include "engine/sprite.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kMetricsFrame = 0;
constexpr int32_t kMetricsParts = 3;
constexpr int32_t kMissingGlyphFrame = 1;
constexpr int32_t kSpace = 32;

}  // namespace

// ---- Metrics --------------------------------------------------------------------------------

void ASprite::initFontMetrics() {
  if (getFrameCount() <= kMetricsFrame || getFModuleCount(kMetricsFrame) < kMetricsParts) {
    DebugLog("ASprite::initFontMetrics: frame 0 has fewer than %d parts; the metrics are 0",
             kMetricsParts);
    baseline = lineSpacing = fontHeight = 0;
    computeSpaceWidth();
    return;
  }
  baseline = -getFModuleY(kMetricsFrame, 0);
  computeLineSpacing();
  computeFontHeight();
  computeSpaceWidth();
}

void ASprite::computeLineSpacing() {
  if (getFModuleCount(kMetricsFrame) < kMetricsParts) return;
  lineSpacing = getFModuleY(kMetricsFrame, 1) - getFModuleY(kMetricsFrame, 0);
}

void ASprite::computeFontHeight() {
  if (getFModuleCount(kMetricsFrame) < kMetricsParts) return;
  fontHeight = getFModuleY(kMetricsFrame, 2) - getFModuleY(kMetricsFrame, 1);
}

void ASprite::computeSpaceWidth() {
  const int32_t f = getCharFrame(kSpace);
  spaceWidth = f >= 0 && f < getFrameCount() && getFModuleCount(f) > 0 ? getFModuleX(f, 0) : 0;
}

void ASprite::resetCharGap() {
  charGap = 0;
}

// ---- Scaled getters -------------------------------------------------------------------------

int32_t ASprite::scaled(int32_t v) {
  return scale >= 0 ? static_cast<int32_t>((static_cast<int64_t>(v) * scale) >> 8) : v;
}

int32_t ASprite::getLineSpacing() {
  return scaled(lineSpacing);
}

int32_t ASprite::getLineSpacingAlt() {
  return getLineSpacing();
}

int32_t ASprite::getFontHeight() {
  return scaled(fontHeight);
}

int32_t ASprite::getSpaceWidth() {
  return scaled(spaceWidth);
}

int32_t ASprite::getCharGap() {
  return scaled(charGap);
}

int32_t ASprite::getScaledFModuleX(int32_t f) {
  if (f < 0 || f >= getFrameCount() || getFModuleCount(f) == 0) return 0;
  return scaled(getFModuleX(f, 0));
}

// ---- Character table ------------------------------------------------------------------------

// Bucket c mod charMapBuckets holds (character, frame) pairs, its first pair tried first.
int32_t ASprite::getCharFrame(int32_t c) {
  if (!charMap || charMapBuckets < 1) return kMissingGlyphFrame;
  const int32_t b = static_cast<int32_t>(static_cast<uint32_t>(c) % charMapBuckets);
  if (b >= charMap->length) return kMissingGlyphFrame;
  Object* bucket = charMap->elements()[b];
  ShortArray* pairs =
      bucket && bucket->classId == cid::ShortArray ? static_cast<ShortArray*>(bucket) : nullptr;
  if (!pairs) return kMissingGlyphFrame;
  const int16_t* pair = pairs->elements();
  for (int32_t i = 0; i + 1 < pairs->length; i += 2) {
    if ((pair[i] & 0xFFFF) == c) return pair[i + 1];
  }
  return kMissingGlyphFrame;
}
