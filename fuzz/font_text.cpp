// Fuzz target: arbitrary bytes as a bitmap font's character table, its sprite and a text, the
// font built from them, then the text measured, drawn at every anchor, paged and wrapped on a
// 64 x 64 image, as a String and as a char[].
//
// Input: byte 0 the anchor, byte 1 half the wrapping width, byte 2 the scale (0xFF none),
// byte 3 bit 0 restorePalette, bits 1..7 the drawing limit (0 none); u16 table bytes T, u16
// sprite bytes S (both little-endian); T bytes of the table as little-endian shorts; S bytes
// of sprite; the rest the text as UTF-16 units, low byte first.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/sprite.h"
#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/image.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 16 * 1024 * 1024;
constexpr size_t kLargestInput = 128 * 1024;
constexpr size_t kHeader = 8;
constexpr int32_t kSide = 64;

uint32_t U16(const uint8_t* p) {
  return p[0] | p[1] << 8;
}

ShortArray* Table(const uint8_t* data, size_t bytes) {
  ShortArray* table = NewShortArray(static_cast<int32_t>(bytes / 2));
  for (int32_t i = 0; table && i < table->length; i++) {
    table->elements()[i] = static_cast<int16_t>(U16(data + 2 * i));
  }
  return table;
}

String* Text(const uint8_t* data, size_t bytes, CharArray** chars) {
  *chars = NewCharArray(static_cast<int32_t>(bytes / 2));
  for (int32_t i = 0; *chars && i < (*chars)->length; i++) {
    (*chars)->elements()[i] = static_cast<char16_t>(U16(data + 2 * i));
  }
  String* s = NewObject<String>(*chars);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = [] {
    StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
    ASprite::staticInit();
    return true;
  }();
  if (!started || size < kHeader || size > kLargestInput) return 0;
  const int32_t anchor = data[0];
  const int32_t width = data[1] * 2;
  const int32_t scale = data[2] == 0xFF ? -1 : data[2];
  const bool restore = data[3] & 1;
  const int32_t limit = (data[3] >> 1) - 1;
  const size_t tableBytes = U16(data + 4), spriteBytes = U16(data + 6);
  if (kHeader + tableBytes + spriteBytes > size) return 0;
  const uint8_t* table = data + kHeader;
  const uint8_t* sprite = table + tableBytes;
  const uint8_t* text = sprite + spriteBytes;

  ASprite* font = NewObject<ASprite>();
  font->initFields();
  font->load(FuzzBytes(sprite, spriteBytes), 0, 0, 0);
  cGame::buildFontCharMap(font, Table(table, tableBytes));
  font->scale = scale;
  CharArray* chars = nullptr;
  String* s = Text(text, size - kHeader - tableBytes - spriteBytes, &chars);

  auto* image = javax_microedition_lcdui_Image::createImage(kSide, kSide);
  auto* g = image->getGraphics();
  GameStatics* st = Statics<GameStatics>();
  font->getStringSize(s, nullptr);
  font->getStringSize(nullptr, chars);
  for (const int32_t a : {0, anchor, 1 | 2, 8 | 32}) {
    st->ASprite_textDrawLimit = limit;
    font->drawString(g, s, nullptr, 30, 30, a, restore);
    font->drawString(g, nullptr, chars, -10, 50, a, !restore);
    st->ASprite_textDrawLimit = -1;
  }
  font->drawPage(g, s, 20, 20, anchor, 0, s->length());
  font->drawPage(g, s, 20, 20, 32, limit, s->length() - limit);
  font->wrapText(s, width);
  String* wrapped = font->wrapToString(s, width);
  font->drawPage(g, wrapped, 0, 0, 0, 0, wrapped ? wrapped->length() : 0);
  IntArray* lines = NewIntArray(4);
  ASprite::splitLines(s, limit, s->length(), 10, lines);
  return 0;
}
