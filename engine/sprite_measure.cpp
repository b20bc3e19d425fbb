// ASprite's measuring and frame rectangles: the bounds of what a frame or animation-frame
// would paint, found by painting it with a null Graphics while measureMode is 1, and the
// stored rectangles of frames that game code uses for collisions and layout.
#include <climits>

#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/range_check.h"

namespace {

// measureBounds set to the empty extremes, with measuring on.
bool BeginMeasure() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->ASprite_measureBounds) s->ASprite_measureBounds = NewIntArray(4);
  IntArray* bounds = s->ASprite_measureBounds;
  if (!bounds || bounds->length < 4) return false;
  int32_t* b = bounds->elements();
  b[0] = b[1] = INT32_MAX;
  b[2] = b[3] = INT32_MIN;
  s->ASprite_measureMode = 1;
  return true;
}

// Measuring off, and the bounds {minX, minY, maxX, maxY} copied to out.
void EndMeasure(IntArray* out) {
  GameStatics* s = Statics<GameStatics>();
  s->ASprite_measureMode = 0;
  const int32_t* b = s->ASprite_measureBounds->elements();
  for (int32_t i = 0; i < 4; i++) out->elements()[i] = b[i];
}

bool HoldsFour(IntArray* out, const char* operation) {
  if (!NullCheck(out)) return false;
  return IndexInRange(operation, 3, out->length);
}

void Clear(IntArray* out) {
  for (int32_t i = 0; i < 4; i++) out->elements()[i] = 0;
}

// Value i of the rectangle table: 16-bit signed, or a byte read signed (x, y) or not (w, h).
int32_t RectValue(Array* rects, int32_t i, bool isSigned) {
  if (rects->classId == cid::ShortArray) {
    const int32_t v = static_cast<ShortArray*>(rects)->elements()[i];
    return isSigned ? v : v & 0xFFFF;
  }
  const int32_t v = static_cast<ByteArray*>(rects)->elements()[i];
  return isSigned ? v : v & 0xFF;
}

}  // namespace

void ASprite::getFrameBounds(IntArray* out, int32_t frame, int32_t x, int32_t y, int32_t flags) {
  if (!HoldsFour(out, "ASprite::getFrameBounds") || !BeginMeasure()) return;
  paintFrame(nullptr, frame, x, y, flags, 0, 0);
  EndMeasure(out);
}

void ASprite::measureAFrame(IntArray* out, int32_t anim, int32_t aframe, int32_t x, int32_t y,
                            int32_t flags) {
  if (!HoldsFour(out, "ASprite::measureAFrame") || !BeginMeasure()) return;
  paintAFrame(nullptr, anim, aframe, x, y, flags, 0, 0);
  EndMeasure(out);
}

void ASprite::getFrameRect(int32_t frame, int32_t r, IntArray* out, int32_t flags) {
  if (!frameFirstRect || !out) return;
  if (!HoldsFour(out, "ASprite::getFrameRect")) return;
  Clear(out);
  if (!IndexInRange("ASprite::getFrameRect frame", frame, frameFirstRect->length - 1)) return;
  const int32_t first = frameFirstRect->elements()[frame];
  const int32_t n = frameFirstRect->elements()[frame + 1] - first;
  if (!IndexInRange("ASprite::getFrameRect rectangle", r, n)) return;
  const int32_t index = first + r;
  if (!frameRects || !IndexInRange("ASprite rectangle", index, frameRects->length / 4)) return;
  const int32_t x = RectValue(frameRects, 4 * index, true);
  const int32_t y = RectValue(frameRects, 4 * index + 1, true);
  const int32_t w = RectValue(frameRects, 4 * index + 2, false);
  const int32_t h = RectValue(frameRects, 4 * index + 3, false);
  int32_t* o = out->elements();
  o[0] = (flags & 1) ? -(x + w) : x;
  o[1] = (flags & 2) ? -(y + h) : y;
  o[2] = w;
  o[3] = h;
}

void ASprite::getAFrameRect(int32_t anim, int32_t aframe, int32_t r, IntArray* out, int32_t flags,
                            bool addOffset) {
  const int32_t k = aframeIndex(anim, aframe);
  if (k < 0) {
    if (out && HoldsFour(out, "ASprite::getAFrameRect")) Clear(out);
    return;
  }
  getFrameRect(aframeFrame->elements()[k] & 0xFF, r, out,
               (aframeFlags->elements()[k] & 15) ^ flags);
  if (addOffset && out && HoldsFour(out, "ASprite::getAFrameRect")) {
    out->elements()[0] += aframeX->elements()[k];
    out->elements()[1] += aframeY->elements()[k];
  }
}

void ASprite::getAFrameRectNoOffset(int32_t anim, int32_t aframe, int32_t r, IntArray* out,
                                    int32_t flags) {
  getAFrameRect(anim, aframe, r, out, flags, false);
}
