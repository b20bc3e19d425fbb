// The routines the Graphics natives share: the target as 16-bit pixel memory with a clip that
// never leaves the image, rectangle clipping, solid and blended fills, and line drawing.
// Coordinates here are absolute (translation already added) and 64-bit, so no sum overflows.
#pragma once

#include <cstdint>

#include "javame/graphics.h"

// The largest corner or ellipse radius drawn, in pixels: far beyond any screen, and small
// enough that the midpoint walks stay short and their decisions fit 64 bits.
constexpr int64_t kMaxCurveRadius = 16384;

// Writes an argument error of a graphics or image native: the text, then the method trace.
void TraceArgument(const char* text);

// What a native may draw into: pixel (x, y) is pixels[x + y * stride], and every pixel inside
// [clipX1, clipX2) x [clipY1, clipY2) lies inside the image.
struct DrawTarget {
  uint16_t* pixels;
  int32_t stride;  // pixels per row: the image's row length / 2
  int32_t clipX1;
  int32_t clipY1;
  int32_t clipX2;  // exclusive
  int32_t clipY2;  // exclusive
  int32_t translateX;
  int32_t translateY;
  uint32_t colour;  // 0xAARRGGBB
};

// A rectangle of whole pixels inside the clip; w and h are at least 1.
struct PixelRect {
  int32_t x;
  int32_t y;
  int32_t w;
  int32_t h;
};

// True when a pixel array of length 16-bit elements holds every row of the image: height rows
// of rowLength / 2 elements, each at least width long. The one check that a size, a row length
// and a pixel array agree before pixels are read or written.
bool PixelArrayHoldsRows(const javax_microedition_lcdui_Image& image, int64_t length);

// The Graphics' target ready for drawing. False when there is nothing to draw into: a null
// target (the null check's trace), or a target whose pixels are not a ShortArray that holds
// its rows (a trace line naming operation). The clip may still be empty.
bool AcquireDrawTarget(javax_microedition_lcdui_Graphics* graphics, const char* operation,
                       DrawTarget* out);

// The part of (x, y, w, h) inside the clip; false when it is empty.
bool ClipRectToGraphics(const DrawTarget& target, int64_t x, int64_t y, int64_t w, int64_t h,
                        PixelRect* out);

// True when `rows` rows of w elements, the first starting at element first and each next one
// scanlength elements on (either sign), all lie inside an array of length elements. w and
// rows are at least 1; first is 128-bit because callers form it from products of coordinates.
bool RowsInside(__int128 first, int64_t scanlength, int64_t w, int64_t rows, int64_t length);

// ---- Fills (platform/graphics_fill.cpp) ----------------------------------------------------

// Stores colour into every pixel of rect, two or more pixels per store along each row.
void FillRect16(const DrawTarget& target, const PixelRect& rect, uint16_t colour);
// Blends the ARGB colour into every pixel of rect with the colour's alpha.
void FillRectBlend16(const DrawTarget& target, const PixelRect& rect, uint32_t argb);
// Fills the clipped part of (x, y, w, h) with the target's colour: stored when it is opaque,
// blended otherwise.
void FillArea(const DrawTarget& target, int64_t x, int64_t y, int64_t w, int64_t h);

// ---- Lines (platform/graphics_line.cpp) ----------------------------------------------------

struct LinePoint {
  int64_t x;
  int64_t y;
};

// Cohen-Sutherland outcode of p against [0, w) x [0, h): 1 above, 2 below, 4 right, 8 left.
int32_t ClipLineOutcode(const LinePoint& p, int64_t w, int64_t h);
// Clips the segment p0-p1 to [0, w) x [0, h); false when nothing of it is inside.
bool ClipLine(LinePoint* p0, LinePoint* p1, int64_t w, int64_t h);
// Bresenham from `from` to `to`, both included; both end points must lie inside the clip.
void DrawLine16(const DrawTarget& target, LinePoint from, LinePoint to, uint16_t colour);
void DrawLineBlend16(const DrawTarget& target, LinePoint from, LinePoint to, uint32_t argb);
// Clips the segment to the target's clip and draws it in the target's colour.
void DrawClippedLine(const DrawTarget& target, LinePoint from, LinePoint to);
