// The main menu (state 6) and the options (state 10) as plain lists until the menu framework
// lands: the entry list's heading and items in the body font, up and down to move, fire or a
// tap on an item to choose it. Choosing the level chooser, the options or the about screen
// opens its state; back in the options goes to the main menu; other items do nothing yet.
#include <vector>

#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFontSlot = 3;
constexpr int32_t kMainMenuList = 0;
constexpr int32_t kOptionsList = 5;
constexpr int32_t kRowGap = 12;  // px between rows, beyond the font's height
constexpr int32_t kHighlight = 0x222222;
constexpr int32_t kCentred = 3;
constexpr int32_t kBack = cGame::kRightSoftKey << 16;  // back, told apart from every item

ASprite* Font() {
  return actor_support::SpriteInSlot(kFontSlot);
}

IntArray* List(int32_t n) {
  ObjectArray* lists = Statics<GameStatics>()->cGame_menuLists;
  if (!lists || n < 0 || n >= lists->length) return nullptr;
  return CheckCast<IntArray>(lists->elements()[n]);
}

// The items of a list: the entries after its heading and its first -1, separators skipped.
std::vector<int32_t> Items(int32_t list) {
  std::vector<int32_t> items;
  IntArray* entries = List(list);
  for (int32_t i = 2; entries && i < entries->length; i++) {
    if (entries->elements()[i] >= 0) items.push_back(entries->elements()[i]);
  }
  return items;
}

int32_t RowHeight(ASprite* font) {
  return font ? font->getFontHeight() + kRowGap : kRowGap;
}

// Row i's band: the whole width, centred on its text; the heading takes row -1.
int32_t RowCentreY(ASprite* font, int32_t i) {
  const int32_t listY = IntArray::get(Statics<GameStatics>()->cGame_edgeLayout, 4);
  return listY + (i + 2) * RowHeight(font);
}

void Enter() {
  GameStatics* s = Statics<GameStatics>();
  cGame::setSoftKeys(-1, -1, 0);
  s->cGame_menuSelection = 0;
  s->cGame_fadeDirection = 1;
  s->cGame_fadeTime = 0;
  s->cGame_fullRedraw = true;
}

void Paint(int32_t list) {
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  ASprite* font = Font();
  if (!g) return;
  g->setColor(0x000000);
  g->fillRect(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
  if (!font) return;
  const int32_t x = s->cGame_canvasWidth / 2;
  const int32_t h = RowHeight(font);
  if (String* heading = cGame::getString(IntArray::get(List(list), 0))) {
    font->drawStringPlain(g, heading, x, RowCentreY(font, -1), kCentred, false);
  }
  const std::vector<int32_t> items = Items(list);
  for (int32_t i = 0; i < static_cast<int32_t>(items.size()); i++) {
    const int32_t y = RowCentreY(font, i);
    if (i == s->cGame_menuSelection) {
      g->setColor(kHighlight);
      g->fillRect(0, y - h / 2, s->cGame_canvasWidth, h);
    }
    if (String* text = cGame::getString(items[i])) {
      font->drawStringPlain(g, text, x, y, kCentred, false);
    }
  }
}

// The item chosen this frame by a tap on its row or by fire; -1 when none.
int32_t Choice(int32_t list) {
  GameStatics* s = Statics<GameStatics>();
  const std::vector<int32_t> items = Items(list);
  const int32_t count = static_cast<int32_t>(items.size());
  if (count == 0) return -1;
  ASprite* font = Font();
  const int32_t h = RowHeight(font);
  for (int32_t i = 0; i < count; i++) {
    if (cGame::isTapReleasedInRect(0, RowCentreY(font, i) - h / 2, s->cGame_canvasWidth, h - 1)) {
      s->cGame_menuSelection = i;
      return items[i];
    }
  }
  switch (cGame::getKeyPressed()) {
    case 1:
    case 8:
      s->cGame_menuSelection = (s->cGame_menuSelection + count - 1) % count;
      break;
    case 2:
    case 14:
      s->cGame_menuSelection = (s->cGame_menuSelection + 1) % count;
      break;
    case 5:
    case 11:
    case 18:
      return items[cGame::clamp(s->cGame_menuSelection, 0, count - 1)];
    case 19:
      return kBack;
    default:
      break;
  }
  return -1;
}

void Open(int32_t item) {
  switch (item) {
    case 74:
      cGame::setState(8);
      break;
    case 64:
      cGame::setState(10);
      break;
    case 66:
      cGame::setState(18);
      break;
    default:
      break;
  }
}

void Run(int32_t list, int32_t message, int32_t backState) {
  switch (message) {
    case cGame::kStateEnter:
      Enter();
      break;
    case cGame::kStateUpdate: {
      const int32_t item = Choice(list);
      if (item == kBack) {
        if (backState > 0) cGame::setState(backState);
      } else if (item >= 0) {
        Open(item);
      }
      cGame::updateTransition(true);
      break;
    }
    case cGame::kStatePaint:
      Paint(list);
      break;
    default:
      break;
  }
}

}  // namespace

void cGame::stateMainMenu(int32_t message) {
  Run(kMainMenuList, message, -1);
}

void cGame::stateMenu10(int32_t message) {
  Run(kOptionsList, message, 6);
}
