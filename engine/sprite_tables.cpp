// ASprite's tables: the defaults of a new sprite, and the accessors that read one entry. An
// index outside its table (or a table the sprite does not have) reads 0 after a trace line.
#include "engine/sprite.h"
#include "runtime/range_check.h"

namespace {

// Element index of table as stored (sign-extended); 0 (traced) when it is outside.
template <class Table>
int32_t At(Table* table, int32_t index, const char* operation) {
  if (!IndexInRange(operation, index, table ? table->length : 0)) return 0;
  return table->elements()[index];
}

}  // namespace

// ---- Defaults -------------------------------------------------------------------------------

void ASprite::clearTables() {
  moduleCount = 0;
  moduleImageX = moduleImageY = moduleWidth = moduleHeight = nullptr;
  moduleParams = moduleParamIndex = nullptr;
  frameFModuleCount = nullptr;
  frameFirstFModule = frameFirstRect = nullptr;
  frameBounds = frameRects = nullptr;
  fmoduleModule = fmoduleFlags = nullptr;
  fmoduleX = fmoduleY = nullptr;
  animAFrameCount = aframeFrame = aframeDuration = aframeFlags = nullptr;
  animFirstAFrame = aframeX = aframeY = nullptr;
  moduleRemaps = nullptr;
  currentRemap = -1;
  pixelData = nullptr;
  modulePixelOffset = nullptr;
  palettes = trueColorModules = moduleImages = nullptr;
  paletteCount = colorsPerPalette = currentPalette = 0;
  hasTransparency = hasPartialAlpha = false;
  pixelFormat = 0;
  pixelMask = pixelBits = 0;
  flags = 0;
  moduleKind = nullptr;
  moduleColor = nullptr;
  moduleTintStamp = nullptr;
  pngImageData = nullptr;
  pngPaletteChunks = nullptr;
}

void ASprite::initFields() {
  clearTables();
  lineSpacing = fontHeight = charGap = spaceWidth = baseline = 0;
  charMap = nullptr;
  charMapBuckets = 0;
  tintSourcePalette = tintColor = tintPalette = tintAmount = -1;
  tintUsesColor = underline = bold = false;
  scale = -1;
}

// ---- Modules --------------------------------------------------------------------------------

int32_t ASprite::getModuleWidth(int32_t m) {
  return At(moduleWidth, m, "ASprite::getModuleWidth") & 0xFFFF;
}

int32_t ASprite::getModuleHeight(int32_t m) {
  return At(moduleHeight, m, "ASprite::getModuleHeight") & 0xFFFF;
}

int32_t ASprite::getModulePixelOffset(int32_t m) {
  return At(modulePixelOffset, m, "ASprite::getModulePixelOffset");
}

int32_t ASprite::getModuleParamIndex(int32_t m) {
  if (!moduleParamIndex) return -1;
  const int16_t* pairs = moduleParamIndex->elements();
  for (int32_t i = 0; i + 1 < moduleParamIndex->length; i += 2) {
    if (pairs[i] == m) return pairs[i + 1];
  }
  return -1;
}

void ASprite::setModuleRemap(int32_t n) {
  currentRemap = n;
}

int32_t ASprite::getModuleRemap() {
  return currentRemap;
}

// ---- Frames and frame-modules ---------------------------------------------------------------

int32_t ASprite::getFrameCount() {
  return frameFModuleCount ? frameFModuleCount->length : 0;
}

int32_t ASprite::getFModuleCount(int32_t f) {
  return At(frameFModuleCount, f, "ASprite frame") & 0xFF;
}

int32_t ASprite::fmoduleIndex(int32_t f, int32_t i) {
  if (!IndexInRange("ASprite frame", f, getFrameCount())) return -1;
  if (!IndexInRange("ASprite frame-module of frame", i, getFModuleCount(f))) return -1;
  const int32_t k = frameFirstFModule->elements()[f] + i;
  if (!IndexInRange("ASprite frame-module", k, fmoduleModule ? fmoduleModule->length : 0)) {
    return -1;
  }
  return k;
}

int32_t ASprite::getFModuleModule(int32_t f, int32_t i) {
  const int32_t k = fmoduleIndex(f, i);
  return k < 0 ? 0 : fmoduleModule->elements()[k] & 0xFF;
}

int32_t ASprite::getFModuleFlags(int32_t f, int32_t i) {
  const int32_t k = fmoduleIndex(f, i);
  return k < 0 ? 0 : fmoduleFlags->elements()[k] & 0xFF;
}

int32_t ASprite::getFModuleX(int32_t f, int32_t i) {
  const int32_t k = fmoduleIndex(f, i);
  return k < 0 ? 0 : fmoduleX->elements()[k];
}

int32_t ASprite::getFModuleY(int32_t f, int32_t i) {
  const int32_t k = fmoduleIndex(f, i);
  return k < 0 ? 0 : fmoduleY->elements()[k];
}

int32_t ASprite::getFModuleXAt(int32_t k) {
  return At(fmoduleX, k, "ASprite::getFModuleXAt");
}

int32_t ASprite::getFModuleYAt(int32_t k) {
  return At(fmoduleY, k, "ASprite::getFModuleYAt");
}

// Bounds are stored x, y, w, h a frame; narrow sizes read unsigned.
int32_t ASprite::getFrameWidth(int32_t f) {
  if (frameBounds && frameBounds->classId == cid::ShortArray) {
    return At(static_cast<ShortArray*>(frameBounds), 4 * f + 2, "ASprite::getFrameWidth");
  }
  return At(static_cast<ByteArray*>(frameBounds), 4 * f + 2, "ASprite::getFrameWidth") & 0xFF;
}

int32_t ASprite::getFrameHeight(int32_t f) {
  if (frameBounds && frameBounds->classId == cid::ShortArray) {
    return At(static_cast<ShortArray*>(frameBounds), 4 * f + 3, "ASprite::getFrameHeight");
  }
  return At(static_cast<ByteArray*>(frameBounds), 4 * f + 3, "ASprite::getFrameHeight") & 0xFF;
}

// ---- Animations and animation-frames --------------------------------------------------------

int32_t ASprite::getAFrameCount(int32_t a) {
  return At(animAFrameCount, a, "ASprite animation") & 0xFF;
}

int32_t ASprite::aframeIndex(int32_t a, int32_t j) {
  if (!IndexInRange("ASprite animation", a, animAFrameCount ? animAFrameCount->length : 0)) {
    return -1;
  }
  if (!IndexInRange("ASprite animation-frame of animation", j, getAFrameCount(a))) return -1;
  const int32_t k = animFirstAFrame->elements()[a] + j;
  if (!IndexInRange("ASprite animation-frame", k, aframeFrame ? aframeFrame->length : 0)) {
    return -1;
  }
  return k;
}

int32_t ASprite::getAFrameFrame(int32_t a, int32_t j) {
  const int32_t k = aframeIndex(a, j);
  return k < 0 ? 0 : aframeFrame->elements()[k] & 0xFF;
}

int32_t ASprite::getAFrameTime(int32_t a, int32_t j) {
  const int32_t k = aframeIndex(a, j);
  return k < 0 ? 0 : aframeDuration->elements()[k] & 0xFF;
}

int32_t ASprite::getAFrameXAt(int32_t k) {
  return At(aframeX, k, "ASprite::getAFrameXAt");
}

int32_t ASprite::getAFrameYAt(int32_t k) {
  return At(aframeY, k, "ASprite::getAFrameYAt");
}
