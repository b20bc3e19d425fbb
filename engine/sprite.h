// ASprite: the game's sprite bank, read from one pack entry: modules (rectangles of pixels or
// simple shapes), frames (positioned modules), animations (timed frames) and palettes, with a
// per-palette cache of module Images. The same object serves as a bitmap font. Every index
// that comes from the data is checked before use: a bad one paints and measures nothing.
#pragma once

#include <cstdint>

#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/object.h"

class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;
class SpriteReader;
class String;
class CharArray;

class ASprite : public Object {
 public:
  static constexpr int16_t kClassId = cid::ASprite;

  // Header flag bits.
  static constexpr int32_t kModuleKinds = 0x04;               // column layout: a kind per module
  static constexpr int32_t kImagesAllowed = 0x08;             // module Images may be built
  static constexpr int32_t kWideModuleSizes = 0x10;           // module width, height 16-bit
  static constexpr int32_t kModulePositions = 0x20;           // image modules carry x, y
  static constexpr int32_t kWidePixelSizes = 0x80;            // module pixel sizes 32-bit
  static constexpr int32_t kWideFrameValues = 0x400;          // frame offsets, rects, bounds 16-bit
  static constexpr int32_t kComputedBounds = 0x1000;          // frame bounds computed at load
  static constexpr int32_t kFrameRects = 0x8000;              // frames carry rectangles
  static constexpr int32_t kWideAFrameOffsets = 0x40000;      // animation-frame offsets 16-bit
  static constexpr int32_t kPaletteSection = 0x1000000;       // palettes and pixels follow
  static constexpr int32_t kPngImage = 0x20000000;            // the image is one PNG
  static constexpr int32_t kTrueColourPalettes = 0x40000000;  // palette count byte first

  // Module kinds.
  static constexpr int32_t kImage = 0;
  static constexpr int32_t kRectOutline = 1;
  static constexpr int32_t kFilledRect = 2;
  static constexpr int32_t kArcOutline = 3;
  static constexpr int32_t kFilledArc = 4;
  static constexpr int32_t kEmptyBox = 5;
  static constexpr int32_t kTriangleOutline = 6;
  static constexpr int32_t kFilledTriangle = 7;

  static constexpr int32_t kMostPalettes = 16;
  static constexpr int32_t kMostRemaps = 16;
  static constexpr int32_t kScratchPixels = 40000;    // ints in each scratch buffer
  static constexpr uint32_t kKeyColour = 0x00FF00FF;  // the key of every palette

  // The entries of pngChunkTemplates.
  enum PngTemplate : int32_t {
    kPngSignature,
    kPngIhdrName,
    kPngPlteName,
    kPngTrnsName,
    kPngIdatName,
    kPngIendName,
    kPngIhdrTailRgba,     // 8-bit RGBA
    kPngIhdrTailIndexed,  // 8-bit indexed
    kPngIendChunk,        // length 0, the name and its CRC
    kPngZlibHeader,       // 0x78 0x9C and a final stored-block byte
    kPngTemplateCount
  };

  ASprite();

  // ---- Loading: engine/sprite_load.cpp ----
  // Parses one sprite from data[offset..]. Bad data (a section past the end, more than 16
  // palettes) leaves the sprite empty after one trace line naming the section.
  void load(ByteArray* data, int32_t offset, int32_t, int32_t);
  // load, with the resource named in the trace lines (pack and entry).
  void loadNamed(ByteArray* data, int32_t offset, const char* resource);
  // The module kind of a stored kind byte; -1 for a byte outside the kind table.
  static int32_t kindOfByte(int32_t kindByte);
  // The section parsers, in data order; each returns false once the data runs out.
  bool parseModules(SpriteReader& in);
  bool parseFrameModules(SpriteReader& in);
  bool parseFrames(SpriteReader& in);
  bool parseAFrames(SpriteReader& in);
  bool parseAnims(SpriteReader& in);

  // ---- Palettes and pixel data: engine/sprite_palettes.cpp ----
  // Reads the palette and pixel section; false when it runs past the data or holds more
  // than 16 palettes. An unknown palette format leaves the palettes zero and the pixels unread.
  bool loadPalettes(SpriteReader& in);
  // Index of a new all-zero palette; -1 (traced) when 16 are held already.
  int32_t appendPalette();
  void setPaletteAlpha(int32_t p, int32_t alpha, bool keepKey, bool multiply);
  void setPaletteAlphaDefault(int32_t p, int32_t alpha);
  // Palette p takes its alpha from the red channel of palette q.
  void applyAlphaPalette(int32_t p, int32_t q);
  void applyLastAlphaPalette(int32_t p);
  // Palette d = palette s blended by amount/256 toward colour t (useColour) or palette t.
  bool blendPalette(int32_t amount, int32_t s, int32_t t, int32_t d, bool useColour);
  void setPaletteBlendAmount(int32_t amount);
  void reblendTintPalette(int32_t amount);
  int32_t addTintPalette(int32_t source, int32_t colourOrPalette, int32_t amount, bool buildImages,
                         bool useColour);
  int32_t addTintPaletteNoStamps(int32_t source, int32_t colourOrPalette, int32_t amount,
                                 bool buildImages, bool useColour);
  void setCurrentPalette(int32_t p);  // ignored unless 0 <= p < paletteCount
  int32_t getCurrentPalette();

  // ---- Decoding: engine/sprite_decode.cpp ----
  // Decodes w x h pixels from data[offset..] through the current palette into rgbScratchA.
  void decodeModulePixels(ByteArray* data, int32_t offset, int32_t w, int32_t h);
  // Module m's pixels in rgbScratchA; null when it has none (no pixel data, no palette, more
  // than kScratchPixels pixels).
  IntArray* decodeModule(int32_t m);

  // ---- Image cache: engine/sprite_images.cpp ----
  void buildModuleImages(int32_t p, int32_t first, int32_t last, int32_t shareFrom);
  void buildFrameImages(int32_t p, int32_t frame);
  void buildAnimImages(int32_t p, int32_t anim);
  javax_microedition_lcdui_Image* getModuleImage(int32_t m, int32_t p);
  void freePixelData();

  // ---- Tables: engine/sprite_tables.cpp ----
  // The constructor body and the defaults of loading: every table null, counters 0, the tint
  // settings and scale -1, no remap.
  void initFields();
  int32_t getModuleWidth(int32_t m);
  int32_t getModuleHeight(int32_t m);
  int32_t getFrameCount();
  int32_t getFModuleCount(int32_t f);
  int32_t getFModuleModule(int32_t f, int32_t i);
  int32_t getFModuleFlags(int32_t f, int32_t i);
  int32_t getFModuleX(int32_t f, int32_t i);
  int32_t getFModuleY(int32_t f, int32_t i);
  int32_t getFModuleXAt(int32_t k);
  int32_t getFModuleYAt(int32_t k);
  int32_t getAFrameCount(int32_t a);
  int32_t getAFrameFrame(int32_t a, int32_t j);
  int32_t getAFrameTime(int32_t a, int32_t j);
  int32_t getAFrameXAt(int32_t k);
  int32_t getAFrameYAt(int32_t k);
  int32_t getModulePixelOffset(int32_t m);
  int32_t getFrameWidth(int32_t f);
  int32_t getFrameHeight(int32_t f);
  void setModuleRemap(int32_t n);
  int32_t getModuleRemap();
  // Index in moduleParams of module m's first shape parameter; -1 when it has none.
  int32_t getModuleParamIndex(int32_t m);
  // The animation-frame index of animation a's j-th frame, -1 (traced) when either is outside.
  int32_t aframeIndex(int32_t a, int32_t j);
  // The frame-module index of frame f's i-th part, -1 (traced) when either is outside.
  int32_t fmoduleIndex(int32_t f, int32_t i);

  // ---- Readers nothing calls: engine/sprite_columns.cpp, engine/sprite_true_colour.cpp ----
  // The sections laid out column by column (each field for all records, then the next).
  bool parseModulesColumns(SpriteReader& in);
  bool parseFrameModulesColumns(SpriteReader& in);
  bool parseFramesColumns(SpriteReader& in);
  bool parseAFramesColumns(SpriteReader& in);
  bool parseAnimsColumns(SpriteReader& in);
  bool loadTrueColorModules(SpriteReader& in);
  bool loadPngImage(SpriteReader& in);

  // ---- Painting: engine/sprite_paint.cpp ----
  void paintModule(javax_microedition_lcdui_Graphics* g, int32_t m, int32_t x, int32_t y,
                   int32_t flags);
  void paintFModule(javax_microedition_lcdui_Graphics* g, int32_t frame, int32_t i, int32_t x,
                    int32_t y, int32_t flags);
  void paintFrame(javax_microedition_lcdui_Graphics* g, int32_t frame, int32_t x, int32_t y,
                  int32_t flags, int32_t, int32_t);
  void paintAFrame(javax_microedition_lcdui_Graphics* g, int32_t anim, int32_t aframe, int32_t x,
                   int32_t y, int32_t flags, int32_t, int32_t);

  // ---- Measuring and frame rectangles: engine/sprite_measure.cpp ----
  // out = {minX, minY, maxX, maxY} of what the frame would paint.
  void getFrameBounds(IntArray* out, int32_t frame, int32_t x, int32_t y, int32_t flags);
  void measureAFrame(IntArray* out, int32_t anim, int32_t aframe, int32_t x, int32_t y,
                     int32_t flags);
  // out = rectangle r of the frame as {x, y, w, h}; {0, 0, 0, 0} when r is outside.
  void getFrameRect(int32_t frame, int32_t r, IntArray* out, int32_t flags);
  void getAFrameRect(int32_t anim, int32_t aframe, int32_t r, IntArray* out, int32_t flags,
                     bool addOffset);
  void getAFrameRectNoOffset(int32_t anim, int32_t aframe, int32_t r, IntArray* out, int32_t flags);

  // ---- Transforms and scratch buffers: engine/sprite_transform.cpp ----
  // A copy of pixels under the transform flags, w x h being the result's size; pixels
  // itself when flags & 7 is 0; null (traced) when either array is too short.
  static IntArray* transformRGB(IntArray* pixels, int32_t w, int32_t h, int32_t flags);
  // The scratch buffer other than buf, made on first use.
  static IntArray* getScratchBuffer(IntArray* buf);

  // ---- Bitmap-font metrics and characters: engine/font_metrics.cpp ----
  // Frame 0 of a font is its metrics frame: parts 0, 1 and 2 give the baseline (minus part 0's
  // y), the line height (lineSpacing) and the gap between lines (fontHeight); the first part
  // of a glyph's frame gives its advance by its x. A frame 0 of fewer than three parts gives
  // zero metrics, with a trace.
  void initFontMetrics();
  void computeLineSpacing();
  void computeFontHeight();
  void computeSpaceWidth();  // the advance of the space's glyph
  void resetCharGap();
  // The metrics, multiplied by scale / 256 when scale is not negative.
  int32_t getLineSpacing();
  int32_t getLineSpacingAlt();
  int32_t getFontHeight();
  int32_t getSpaceWidth();
  int32_t getCharGap();
  // The scaled x of frame f's first part: the advance of glyph frame f; 0 for a frame the
  // sprite lacks or one without parts.
  int32_t getScaledFModuleX(int32_t f);
  // v multiplied by scale / 256 when scale is not negative.
  int32_t scaled(int32_t v);
  // The frame of character c; frame 1 (the missing glyph) for a character the table lacks, and
  // for any character without a table.
  int32_t getCharFrame(int32_t c);

  // ---- Bitmap-font text: engine/font_text.cpp ----
  // Text is a String s or, when s is null, a char[]; the range is [textStart, textEnd) (-1:
  // the whole text). Escapes: backslash with '^' toggles bold, with '_' underline, with a digit
  // d selects palette d; character 1 with p selects palette p (255: the one saved at the
  // start of the call); character 2 with f draws frame f as a glyph; a line feed starts a
  // new line. An escape whose argument lies past the range is ignored.
  // textWidth = the widest line without the gap after its last glyph; textHeight = lineSpacing
  // plus fontHeight + lineSpacing a line feed.
  void getStringSize(String* s, CharArray* chars);
  // Draws the text with its top-left corner, centre (anchor 1, 2) or right or bottom edge
  // (anchor 8, 32) at (x, y); with restorePalette the palette returns to the one at the start.
  void drawString(javax_microedition_lcdui_Graphics* g, String* s, CharArray* chars, int32_t x,
                  int32_t y, int32_t anchor, bool restorePalette);
  void drawStringPlain(javax_microedition_lcdui_Graphics* g, String* s, int32_t x, int32_t y,
                       int32_t anchor, bool restorePalette);
  // Characters start .. end - 1 of s as lines split at line feeds, one drawString a line, the
  // block placed by the vertical anchor.
  void drawPage(javax_microedition_lcdui_Graphics* g, String* s, int32_t x, int32_t y,
                int32_t anchor, int32_t start, int32_t end);
  // out[0] = start - 1, then the index of every separator in [start, end), then end; the
  // number of lines. Entries past out's length are not written.
  static int32_t splitLines(String* s, int32_t start, int32_t end, int32_t separator,
                            IntArray* out);

  // ---- Word wrapping: engine/font_wrap.cpp ----
  // wrapResult: [0] the line count L, then per line its end index, its width and the text
  // state at its start ((palette & 0xFFF) | 0x1000 bold | 0x2000 underline). Lines break
  // after a run of spaces, or at a line feed; a word wider than maxWidth keeps its line.
  // wrapResult grows when a text needs more lines than it holds.
  ShortArray* wrapText(String* s, int32_t maxWidth);
  // s with string constant 47 (a line feed) at each break wrapText makes.
  String* wrapToString(String* s, int32_t maxWidth);

  // ---- Class initialiser: engine/sprite_static_init.cpp ----
  static void staticInit();

  // Fields, in the class's order.
  int32_t tintSourcePalette;
  int32_t tintColor;
  int32_t tintPalette;
  int32_t tintAmount;
  bool tintUsesColor;
  ByteArray* moduleTintStamp;  // per module: the tint amount its Image was built with
  int32_t lineSpacing;
  int32_t fontHeight;
  int32_t charGap;
  int32_t spaceWidth;
  int32_t baseline;
  bool underline;
  bool bold;
  ObjectArray* charMap;  // of short[]
  int32_t charMapBuckets;
  int32_t scale;  // 1/256; -1 none
  int32_t moduleCount;
  ShortArray* moduleImageX;  // only with kModulePositions
  ShortArray* moduleImageY;
  ShortArray* moduleWidth;  // unsigned 16-bit
  ShortArray* moduleHeight;
  ShortArray* moduleParams;      // shape parameters, in module order
  ShortArray* moduleParamIndex;  // pairs: module, index of its first parameter
  ByteArray* frameFModuleCount;  // unsigned
  ShortArray* frameFirstFModule;
  Array* frameBounds;  // 4 a frame (x, y, w, h): ShortArray with kWideFrameValues, else ByteArray
  Array* frameRects;   // 4 a rectangle, of the same element width
  ShortArray* frameFirstRect;  // frame count + 1 entries
  ByteArray* fmoduleModule;    // unsigned
  ShortArray* fmoduleX;
  ShortArray* fmoduleY;
  ByteArray* fmoduleFlags;
  ByteArray* animAFrameCount;  // unsigned
  ShortArray* animFirstAFrame;
  ByteArray* aframeFrame;     // unsigned
  ByteArray* aframeDuration;  // unsigned, in animation ticks
  ShortArray* aframeX;
  ShortArray* aframeY;
  ByteArray* aframeFlags;
  ObjectArray* moduleRemaps;  // Object[16] of short[]
  int32_t currentRemap;       // -1 none
  ByteArray* pixelData;       // every module's encoded pixels, concatenated
  IntArray* modulePixelOffset;
  ObjectArray* palettes;  // Object[16] of int[] (0xAARRGGBB)
  int32_t paletteCount;
  int32_t colorsPerPalette;
  int32_t currentPalette;
  bool hasTransparency;
  bool hasPartialAlpha;
  int16_t pixelFormat;  // the pixel encoding code
  int32_t pixelMask;
  int32_t pixelBits;
  ObjectArray* trueColorModules;  // per palette, per module int[]
  ObjectArray* moduleImages;      // per palette, per module Image: the image cache
  int32_t flags;
  ByteArray* moduleKind;
  IntArray* moduleColor;
  ByteArray* pngImageData;        // the one PNG of a kPngImage sprite
  ObjectArray* pngPaletteChunks;  // per palette: its PLTE and tRNS chunks, as one byte[]

 private:
  // Text drawing's glyph painters (engine/font_text.cpp).
  void paintGlyph(javax_microedition_lcdui_Graphics* g, int32_t f, int32_t x, int32_t y);
  void paintUnderline(javax_microedition_lcdui_Graphics* g, int32_t advance, int32_t x, int32_t y);
  // Forgets every table: the state of a refused sprite.
  void clearTables();
  void computeFrameBounds();
};
