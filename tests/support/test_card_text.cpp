// The test card's layer over the cells, composed from the data builder's own tables: the fade
// bar, the texts as glyph pictures placed with drawRegion at advances summed from the builder's
// fonts (its own escapes and word wrap, never the game's text code), and the sparkle's frame.
#include <map>
#include <string>
#include <vector>

#include "game/shell/test_card.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "tests/support/test_card_picture.h"
#include "tools/databuild/bitmap_fonts.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/modified_utf8.h"
#include "tools/databuild/ui_sprites.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;
using Image = javax_microedition_lcdui_Image;
using databuild::SpriteData;

// Picture of module m in palette p, as the game's image cache builds it: keyed, with alpha.
Image* ModuleImage(const SpriteData& s, int m, int p) {
  const databuild::SpriteModule& module = s.modules[m];
  IntArray* argb = NewIntArray(module.width * module.height);
  for (size_t i = 0; i < module.pixels.size(); i++) {
    argb->elements()[i] = static_cast<int32_t>(s.palettes[p][module.pixels[i]]);
  }
  return Image::createRGBImage(argb, module.width, module.height, true);
}

// Part i of frame f drawn with its origin at (x, y).
void DrawPart(Graphics* g, const SpriteData& s, int f, int i, int x, int y, int palette) {
  const databuild::SpriteFrame& frame = s.frames[f];
  if (i >= frame.fmoduleCount) return;
  const databuild::SpriteFModule& part = s.fmodules[frame.firstFModule + i];
  const databuild::SpriteModule& m = s.modules[part.module];
  g->drawRegion(ModuleImage(s, part.module, palette), 0, 0, m.width, m.height, 0, x + part.x,
                y + part.y, 0);
}

// One builder font: its sprite, its frames by character and its metrics.
struct Font {
  explicit Font(databuild::FontKind kind) : sprite(databuild::FontSprite(kind)) {
    for (const databuild::CharFrame& c : databuild::FontCharFrames()) frames[c.character] = c.frame;
    const auto& parts = sprite.fmodules;
    baseline = -parts[0].y;
    lineSpacing = parts[1].y - parts[0].y;
    step = parts[2].y - parts[0].y;
  }
  int frameOf(char16_t c) const {
    auto found = frames.find(c);
    return found == frames.end() ? 1 : found->second;
  }
  int advance(int frame) const { return sprite.fmodules[sprite.frames[frame].firstFModule].x; }

  SpriteData sprite;
  std::map<char16_t, int> frames;
  int baseline, lineSpacing, step;  // step: from one line's top to the next one's
};

const Font& FontOf(databuild::FontKind kind) {
  static std::map<databuild::FontKind, Font> fonts;
  auto found = fonts.find(kind);
  if (found == fonts.end()) found = fonts.emplace(kind, Font(kind)).first;
  return found->second;
}

// The text state that persists on a font from one line to the next.
struct TextState {
  bool bold = false;
  bool underline = false;
};

// The width of text: every glyph's advance, one more when bold.
int WidthOf(const Font& font, const std::u16string& text, TextState state) {
  int width = 0;
  for (size_t i = 0; i < text.size(); i++) {
    if (text[i] == u'\\' && i + 1 < text.size()) {
      if (text[++i] == u'^') state.bold = !state.bold;
      continue;
    }
    width += text[i] == u' ' ? font.advance(font.frameOf(u' '))
                             : font.advance(font.frameOf(text[i])) + (state.bold ? 1 : 0);
  }
  return width;
}

// One line of text from (x, top): glyph pictures, the underscore's under an underlined glyph
// or space, the bold copy one pixel on.
void DrawLine(Graphics* g, const Font& font, const std::u16string& text, int x, int top,
              int palette, TextState& state) {
  const int y = top + font.baseline;
  const int underscore = font.frameOf(u'_');
  for (size_t i = 0; i < text.size(); i++) {
    if (text[i] == u'\\' && i + 1 < text.size()) {
      const char16_t escape = text[++i];
      if (escape == u'^') state.bold = !state.bold;
      if (escape == u'_') state.underline = !state.underline;
      continue;
    }
    const int frame = font.frameOf(text[i]);
    const int advance = font.advance(frame);
    const int under = x + ((advance - font.advance(underscore)) >> 1);
    if (text[i] != u' ') DrawPart(g, font.sprite, frame, 1, x, y, palette);
    if (state.underline) DrawPart(g, font.sprite, underscore, 1, under, y, palette);
    if (text[i] == u' ') {
      x += advance;
      continue;
    }
    if (state.bold) DrawPart(g, font.sprite, frame, 1, x + 1, y, palette);
    x += advance + (state.bold ? 1 : 0);
  }
}

// The paragraph broken before each word that would take its line past the width; a line
// keeps the space after its last word.
std::vector<std::u16string> Wrapped(const Font& font, const std::u16string& text, int width) {
  std::vector<std::u16string> lines(1);
  TextState state, lineState;
  size_t from = 0;
  while (from < text.size()) {
    size_t end = text.find(u' ', from);
    end = end == std::u16string::npos ? text.size() : end + 1;
    const std::u16string word = text.substr(from, end - from);
    std::u16string trimmed = word.back() == u' ' ? word.substr(0, word.size() - 1) : word;
    if (!lines.back().empty() &&
        WidthOf(font, lines.back(), lineState) + WidthOf(font, trimmed, state) > width) {
      lines.emplace_back();
      lineState = state;
    }
    lines.back() += word;
    for (size_t i = 0; i + 1 < word.size(); i++) {
      if (word[i] == u'\\' && word[i + 1] == u'^') state.bold = !state.bold;
    }
    from = end;
  }
  return lines;
}

std::u16string GameText(int n) {
  const std::string text = databuild::GameTexts()[static_cast<size_t>(n)];
  return *databuild::DecodeModifiedUtf8(
      std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::u16string Units(const char* text) {
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

void DrawTestCardLayer(Graphics* g, const TestCardScene& scene) {
  g->setColor(static_cast<int32_t>(kTestCardFadeBarColour));
  g->fillRect(0, 0, scene.fadeWidth, kTestCardFadeBarHeight);

  const Font& body = FontOf(databuild::FontKind::kBody);
  const Font& heading = FontOf(databuild::FontKind::kHeading);
  TextState plain;
  const std::u16string prompt = GameText(38);
  DrawLine(g, body, prompt, kTestCardPromptPlace.x - (WidthOf(body, prompt, plain) >> 1),
           kTestCardPromptPlace.y - (body.lineSpacing >> 1), 1, plain);
  const std::u16string page = GameText(43);
  DrawLine(g, heading, page, kTestCardPagePlace.x - (WidthOf(heading, page, plain) >> 1),
           kTestCardPagePlace.y - (heading.lineSpacing >> 1), 0, plain);
  TextState state;
  int top = kTestCardParagraphPlace.y;
  for (const std::u16string& line :
       Wrapped(body, Units(kTestCardParagraph), kTestCardParagraphWidth)) {
    DrawLine(g, body, line, kTestCardParagraphPlace.x, top, 0, state);
    top += body.step;
  }

  if (scene.sparkleFrame >= 0) {
    static const SpriteData sparkle = databuild::SparkleSprite();
    DrawPart(g, sparkle, scene.sparkleFrame, 0, kTestCardSparklePlace.x, kTestCardSparklePlace.y,
             0);
  }
}
