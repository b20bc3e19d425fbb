// The level chooser (state 8): the eight main worlds as rows of level numbers in the body font,
// a highlight moved by keys or picked by a tap, the highlighted level's name, and confirm or
// back through the pending load. The selected level lives in entry 11 of mapCursorByWorld and
// is kept inside the chosen world's levels.
#include <algorithm>

#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/shared_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;

constexpr int32_t kChooserState = 8;
constexpr int32_t kFontSlot = 3;
constexpr int32_t kCursorEntry = 11;  // of mapCursorByWorld: the chooser's level
constexpr int32_t kWorlds = 11;       // 8 main worlds and the three extra sets
constexpr int32_t kDrawnRows = 8;
constexpr int32_t kRowLabel = 276;  // string constant: "World "
constexpr int32_t kFirstLevelName = 304;
constexpr int32_t kLeftVCentre = 6;
constexpr int32_t kCentred = 3;
constexpr int32_t kLabelGap = 12;      // px from the widest label to the first number
constexpr int32_t kNumberGap = 6;      // px between one number's text and the next one's
constexpr int32_t kTwoDigitWiden = 4;  // px on each side of a two-digit number's box
constexpr int32_t kHighlight = 0x222222;
constexpr int32_t kPanelFill = static_cast<int32_t>(0x800000FFu);
constexpr int32_t kPanelFrame = -1;
constexpr int32_t kSoundConfirm = 14;
constexpr int32_t kSoundBack = 13;
constexpr int32_t kPlayState = 17;
constexpr int32_t kMainMenuState = 6;

ASprite* Font() {
  return actor_support::SpriteInSlot(kFontSlot);
}

int32_t LevelsOf(int32_t world) {
  return IntArray::get(Statics<GameStatics>()->cGame_levelsPerWorld, world);
}

int32_t SelectedLevel() {
  return IntArray::get(Statics<GameStatics>()->cGame_mapCursorByWorld, kCursorEntry);
}

// The selection inside the chooser's world: a reset progress leaves -2 in the entry, and a
// confirm must never ask for a level outside the world.
void SetSelectedLevel(int32_t level) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t last = LevelsOf(s->cGame_chooserWorld) - 1;
  if (level > last) level = last;
  if (level < 0) level = 0;
  IntArray::set(s->cGame_mapCursorByWorld, kCursorEntry, level);
}

// One drawn number: its place (left edge, vertical centre) and the box that highlights it and
// takes its taps.
struct NumberBox {
  int32_t x, y;
  int32_t boxX, boxY, boxW, boxH;  // the highlight: 1 px round the text, centred on it
  int32_t tapX, tapY, tapW, tapH;  // the text's own box
};

int32_t TextWidth(ASprite* font, String* text) {
  font->getStringSize(text, nullptr);
  return Statics<GameStatics>()->ASprite_textWidth;
}

// Number n (1-based) with its left edge at x on the row whose vertical centre is y.
NumberBox PlaceNumber(ASprite* font, int32_t n, int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  font->getStringSize(String::valueOf(n), nullptr);
  const int32_t w = s->ASprite_textWidth;
  const int32_t h = s->ASprite_textHeight;
  const int32_t widen = n >= 10 ? kTwoDigitWiden : 0;
  const int32_t centreX = x + w / 2;
  return {x,
          y,
          centreX - (w + 2) / 2 - widen,
          y - (h + 2) / 2,
          w + 2 + 2 * widen,
          h + 2,
          x - widen,
          y - h / 2,
          w + 2 * widen,
          h};
}

String* RowLabel(int32_t row) {
  return GetConstantString(kRowLabel)->concat(String::valueOf(row + 1));
}

// The row's numbers from the left edge of the first to the right edge of the last.
int32_t NumbersWidth(ASprite* font, int32_t count) {
  int32_t w = 0;
  for (int32_t n = 1; n <= count; n++) w += TextWidth(font, String::valueOf(n)) + kNumberGap;
  return count > 0 ? w - kNumberGap : 0;
}

// Departure: the block of labels and numbers is laid out from the font's measured widths and
// centred on the panel; the device's fixed 22 px steps ran this font's two-digit numbers
// together and left the labels outside the panel.
struct RowsLayout {
  int32_t labelX;    // every label's left edge
  int32_t numbersX;  // every row's first number's left edge
};

RowsLayout MeasureRows(ASprite* font) {
  int32_t labels = 0, numbers = 0;
  for (int32_t r = 0; r < kDrawnRows; r++) {
    labels = std::max(labels, TextWidth(font, RowLabel(r)));
    numbers = std::max(numbers, NumbersWidth(font, LevelsOf(r)));
  }
  const int32_t block = labels + kLabelGap + numbers;
  const int32_t labelX = Statics<GameStatics>()->cGame_canvasWidth / 2 - block / 2;
  return {labelX, labelX + labels + kLabelGap};
}

// Visits every drawn row (its label, the labels' left edge and the row's y) and each of its
// numbers; returns the y of the last row.
template <typename Row, typename Number>
int32_t WalkRows(ASprite* font, Row row, Number number) {
  GameStatics* s = Statics<GameStatics>();
  const RowsLayout layout = MeasureRows(font);
  int32_t y = IntArray::get(s->cGame_edgeLayout, 4);
  for (int32_t r = 0; r < kDrawnRows; r++) {
    String* label = RowLabel(r);
    font->getStringSize(label, nullptr);
    y += s->ASprite_textHeight;
    row(r, label, layout.labelX, y);
    int32_t x = layout.numbersX;
    for (int32_t n = 1; n <= LevelsOf(r); n++) {
      const NumberBox box = PlaceNumber(font, n, x, y);
      number(r, n, box);
      x += TextWidth(font, String::valueOf(n)) + kNumberGap;
    }
  }
  return y;
}

// The highlighted level counted over the drawn rows from 0; -1 when its world is not drawn.
int32_t LevelNameIndex() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_chooserWorld < 0 || s->cGame_chooserWorld >= kDrawnRows) return -1;
  int32_t k = SelectedLevel();
  for (int32_t w = 0; w < s->cGame_chooserWorld; w++) k += LevelsOf(w);
  return k;
}

void Paint() {
  GameStatics* s = Statics<GameStatics>();
  Graphics* g = s->cGame_drawGraphics;
  ASprite* font = Font();
  if (!g || !font) return;
  g->setColor(0x000000);
  g->fillRect(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
  cGame::paintRevealPanel(kPanelFill, kPanelFrame);
  const int32_t selected = SelectedLevel();
  const int32_t lastY = WalkRows(
      font,
      [&](int32_t, String* label, int32_t x, int32_t y) {
        font->drawStringPlain(g, label, x, y, kLeftVCentre, false);
      },
      [&](int32_t r, int32_t n, const NumberBox& box) {
        if (r == s->cGame_chooserWorld && n - 1 == selected) {
          g->setColor(kHighlight);
          g->fillRect(box.boxX, box.boxY, box.boxW, box.boxH);
        }
        font->drawStringPlain(g, String::valueOf(n), box.x, box.y, kLeftVCentre, false);
      });
  const int32_t k = LevelNameIndex();
  if (k >= 0) {
    String* name = cGame::getString(kFirstLevelName + k);
    if (name) {
      // A full row below the last one: 20 px put this font's name against the eighth row.
      font->getStringSize(name, nullptr);
      const int32_t y = lastY + s->ASprite_textHeight;
      font->drawStringPlain(g, name, s->cGame_canvasWidth / 2, y, kCentred, false);
    }
  }
  s->cGame_fullRedraw = false;
}

// A number under the current pointer becomes the selection.
void Touch() {
  GameStatics* s = Statics<GameStatics>();
  ASprite* font = Font();
  if (!font) return;
  WalkRows(
      font, [](int32_t, String*, int32_t, int32_t) {},
      [&](int32_t r, int32_t n, const NumberBox& box) {
        if (!cGame::isPointerInRect(box.tapX, box.tapY, box.tapW, box.tapH)) return;
        s->cGame_chooserWorld = r;
        SetSelectedLevel(n - 1);
        s->cGame_fullRedraw = true;
      });
}

void AskLoad(int32_t kind, int32_t after, int32_t sound) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_pendingAction = 1;
  s->cGame_loadKind = kind;
  s->cGame_stateAfterLoad = after;
  cGame::playSfx(sound);
}

void Keys(int32_t key) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t levels = LevelsOf(s->cGame_chooserWorld);
  const int32_t level = SelectedLevel();
  switch (key) {
    case 3:
    case 10:
      SetSelectedLevel(level <= 0 ? levels - 1 : level - 1);
      break;
    case 4:
    case 12:
      SetSelectedLevel(level >= levels - 1 ? 0 : level + 1);
      break;
    case 1:
    case 8:
      s->cGame_chooserWorld = (s->cGame_chooserWorld + kWorlds - 1) % kWorlds;
      SetSelectedLevel(level);
      break;
    case 2:
    case 14:
      s->cGame_chooserWorld = (s->cGame_chooserWorld + 1) % kWorlds;
      SetSelectedLevel(level);
      break;
    case 18:
    case 5:
    case 11:
      s->cGame_currentWorld = s->cGame_chooserWorld;
      s->cGame_currentLevel = level;
      s->cGame_levelPassedFlag = false;
      // A level played from its map leaves campaignPlay set; a level started here is no map
      // play, and a won level must not lead back to a map.
      s->cGame_campaignPlay = 0;
      AskLoad(2, kPlayState, kSoundConfirm);
      break;
    case 19:
      AskLoad(1, kMainMenuState, kSoundBack);
      break;
    default:
      return;
  }
  s->cGame_fullRedraw = true;
}

}  // namespace

void cGame::statePreGame(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      setSoftKeys(2, 0, 0);
      clearSprite0Field();
      s->cGame_fadeDirection = 1;
      s->cGame_fadeTime = 0;
      s->cGame_fullRedraw = true;
      s->cGame_chooserWorld = 0;
      SetSelectedLevel(SelectedLevel());
      break;
    case kStateUpdate:
      Touch();
      Keys(getKeyPressed());
      SetSelectedLevel(SelectedLevel());
      updateTransition(true);
      break;
    case kStatePaint:
      if (s->cGame_fullRedraw || LoadShared(s->cGame_repaintRequested)) Paint();
      break;
    case kStateExit:
      s->cGame_launchState = kChooserState;
      s->cGame_chooserWorld = -1;
      break;
    default:
      break;
  }
}
