// Painting menus: the current menu record by record, one record by its type, the screen
// groups' variants, and the text items that screens fill in order. Only the current menu's
// own layout record paints its screen's body, so a group can never paint a menu.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

using actor_support::SpriteInSlot;

// MIDP anchor bits.
constexpr int32_t kHCenter = 1, kVCenter = 2, kLeft = 4, kRight = 8, kTop = 16, kBottom = 32;
constexpr int32_t kFirstFontSlot = 3;  // a text box names font slot value + 3
constexpr int32_t kInfoPanelY = 140;
constexpr int32_t kInfoPanelHeight = 620;

// A palette that the sprite holds becomes its current one.
void ApplyPalette(ASprite* sprite, int32_t palette) {
  if (sprite && palette != sprite->getCurrentPalette() && palette < sprite->paletteCount) {
    sprite->setCurrentPalette(palette);
  }
}

// An animated record's player at (x, y): nothing while hidden (state not 1) or while its slot
// is empty.
void PaintAnimated(ShortArray* record, int32_t x, int32_t y, bool palette, bool viewShift) {
  GameStatics* s = Statics<GameStatics>();
  MQLibPlayer* player = cGame::recordPlayer(record);
  if (!player || cGame::layoutValue(record, 6, 0) != 1) return;
  if (palette) ApplyPalette(player->sprite, std::max(0, cGame::layoutValue(record, 3, 0)));
  if (viewShift && cGame::layoutValue(record, 4, 0) == 0) {
    x -= s->cGame_mapViewX;
    y -= s->cGame_mapViewY;
  }
  player->x = x;
  player->y = y;
  player->render();
}

// A text box: value 1, 2 its size, 3 its mode (1 wrapped), 4 its font, 5 its palette, 6 and 7
// its alignments.
void PaintText(ShortArray* record, int32_t x, int32_t y, String* text, bool highlight) {
  GameStatics* s = Statics<GameStatics>();
  ASprite* font = SpriteInSlot(cGame::layoutValue(record, 4, 0) + kFirstFontSlot);
  if (!text || !font) return;
  font->getStringSize(text, nullptr);
  const int32_t tw = s->ASprite_textWidth, th = s->ASprite_textHeight;
  const int32_t w = cGame::layoutValue(record, 1, 0), h = cGame::layoutValue(record, 2, 0);
  int32_t anchor = 0, bx = x, by = y;
  switch (cGame::layoutValue(record, 6, 0)) {
    case 1:
      anchor |= kVCenter, by = y - th / 2 + h / 2, y += h >> 1;
      break;
    case 2:
      anchor |= kBottom, by = y + h - th, y += h;
      break;
    default:
      anchor |= kTop;
      break;
  }
  switch (cGame::layoutValue(record, 7, 0)) {
    case 1:
      anchor |= kHCenter, bx = x - tw / 2 + w / 2, x += w >> 1;
      break;
    case 2:
      anchor |= kRight, bx = x - tw + w, x += w;
      break;
    default:
      anchor |= kLeft;
      break;
  }
  const int32_t palette = cGame::layoutValue(record, 5, -1);
  if (palette >= 0 && palette < font->paletteCount) font->setCurrentPalette(palette);
  if (cGame::layoutValue(record, 3, 0) == 1) {
    ShortArray* breaks = font->wrapText(text, w);
    // A line height plus spacing below 1 gives room for one line.
    const int32_t pitch = font->getLineSpacing() + font->getFontHeight();
    const int32_t lines = pitch >= 1 ? h / pitch : 1;
    cGame::drawTextLines(font, s->cGame_drawGraphics, text, breaks, y, 0, lines, anchor, x, 300);
    return;
  }
  if (highlight) cGame::paintDimmedFramedBox(bx, by, tw, th);
  font->drawStringPlain(s->cGame_drawGraphics, text, x, y, anchor, true);
}

void PaintBody(int32_t type) {
  GameStatics* s = Statics<GameStatics>();
  switch (type) {
    case 3:
      cGame::paintRevealPanel(static_cast<int32_t>(0x800000FF), static_cast<int32_t>(0xFFFFFFFF));
      cGame::paintInfoPanel(kInfoPanelY + kInfoPanelHeight / 2);
      if (s->cGame_drawGraphics) {
        s->cGame_drawGraphics->setClip(0, 0, cGame::kCanvasWidth, cGame::kCanvasHeight);
      }
      break;
    case 10:
      cGame::paintLevelMap();
      break;
    case 12:
      cGame::paintWorldMarker();
      if (s->cGame_worldScreenPlayer) s->cGame_worldScreenPlayer->render();
      break;
    case 13:
      cGame::paintGridItems();
      break;
    case 14:
      if (s->cGame_hotAreaDialogue == 1)
        cGame::paintHotAreaDialogue();
      else
        cGame::paintHotAreaEntries();
      break;
    case 16:
      cGame::paintOverlayInfo();
      break;
    case 19:
      cGame::paintStatisticsPanel();
      break;
    case 20:
      cGame::paintMenuBodyEntry();
      break;
    case 22:
      cGame::paintExtraLevelScreen();
      break;
    case 24:
      cGame::paintPagedListBox();
      break;
    default:
      break;
  }
}

// The text items (type 6) of the current menu after index `after`.
int32_t NextTextItem(int32_t after) {
  const int32_t menu = Statics<GameStatics>()->cGame_currentMenu;
  const int32_t count = cGame::menuRecordCount(menu);
  for (int32_t i = std::max(after, 0) + 1; i <= count; i++) {
    if (cGame::recordType(cGame::menuRecord(menu, i)) == 6) return i;
  }
  return -1;
}

}  // namespace

// ---- The current menu ----------------------------------------------------------------------

void cGame::paintCurrentMenu(int32_t layer) {
  const int32_t menu = Statics<GameStatics>()->cGame_currentMenu;
  for (int32_t i = 1; i <= menuRecordCount(menu); i++) {
    paintMenuItem(menuRecord(menu, i), 0, 0, nullptr, layer, false, false);
  }
}

void cGame::paintMenuItem(ShortArray* item, int32_t dx, int32_t dy, String* text, int32_t layer,
                          bool force, bool highlight) {
  const int32_t type = recordType(item);
  if (!item || (!force && type != 20 && layoutValue(item, 0, 0) < layer)) return;
  const int32_t x = recordX(item) + dx, y = recordY(item) + dy;
  switch (type) {
    case 5:
      PaintAnimated(item, x, y, true, true);
      return;
    case 11:
      PaintAnimated(item, x, y, false, true);
      return;
    case 23: {
      if (layoutValue(item, 4, 0) != Statics<GameStatics>()->cGame_menuValue + 1) return;
      const int32_t palette = layoutValue(item, 3, 0);
      PaintAnimated(item, x, y, palette != -1, false);
      return;
    }
    case 6:
      PaintText(item, x, y, text, highlight);
      return;
    default:
      if (isLayoutType(type) &&
          item == menuLayoutRecord(Statics<GameStatics>()->cGame_currentMenu)) {
        PaintBody(type);
      }
      return;
  }
}

void cGame::paintLayoutText(ShortArray* record, int32_t x, int32_t y, String* text, int32_t layer,
                            bool force) {
  paintMenuItem(record, x, y, text, layer, force, false);
}

// ---- Screen groups -------------------------------------------------------------------------

// The variant marker keyed `key`; else the last one keyed 1; else -1 (the group is one look).
int32_t cGame::findLayoutRecord(int32_t group, int32_t key) {
  int32_t fallback = -1;
  for (int32_t i = 0; i < screenGroupSize(group); i++) {
    ShortArray* record = groupRecord(group, i);
    if (recordType(record) != 2) continue;
    if (layoutValue(record, 0, 0) == key) return i;
    if (layoutValue(record, 0, 0) == 1) fallback = i;
  }
  return fallback;
}

void cGame::paintScreenGroup(int32_t menu, int32_t x, int32_t y, int32_t key, String* text,
                             bool useAlternate, int32_t layer, int32_t group) {
  if (group < 0) {
    group =
        useAlternate && menuUsesAlternateGroup(menu) ? menuAlternateGroup(menu) : menuGroup(menu);
  }
  ShortArray* opener = groupRecord(group, 0);
  if (!opener) return;
  const int32_t r = findLayoutRecord(group, key);
  const int32_t w = layoutValue(opener, 0, 0), h = layoutValue(opener, 1, 0);
  int32_t bx = recordX(opener) + x, by = recordY(opener) + y;
  if (layoutValue(opener, 2, 0) == 1) by -= h / 2;
  if (layoutValue(opener, 2, 0) == 2) by -= h;
  if (layoutValue(opener, 3, 0) == 1) bx -= w / 2;
  if (layoutValue(opener, 3, 0) == 2) bx -= w;
  // Records from after the marker up to the next marker; the opener itself paints nothing.
  for (int32_t i = r + 1; i < screenGroupSize(group); i++) {
    ShortArray* record = groupRecord(group, i);
    if (i == 0) continue;
    paintLayoutText(record, bx, by, text, layer, true);
    if (recordType(record) == 2) break;
  }
}

void cGame::paintLayoutItem(int32_t menu, int32_t i, int32_t dx, int32_t dy, int32_t key,
                            String* text) {
  ShortArray* item = menuRecord(menu, i);
  if (!item) return;
  const int32_t group = layoutValue(item, 0, 0) % 2 == 0 ? layoutValue(item, 1, -1) : -1;
  paintScreenGroup(menu, recordX(item) + dx, recordY(item) + dy, key, text, false, -1, group);
}

// ---- Text items ----------------------------------------------------------------------------

int32_t cGame::nextTextItemRect(int32_t after, IntArray* rect) {
  const int32_t i = NextTextItem(after);
  ShortArray* item = menuRecord(Statics<GameStatics>()->cGame_currentMenu, i);
  if (!item) return -1;
  const int32_t values[4] = {recordX(item), recordY(item), layoutValue(item, 1, 0),
                             layoutValue(item, 2, 0)};
  for (int32_t k = 0; rect && k < 4 && k < rect->length; k++) rect->elements()[k] = values[k];
  return i;
}

int32_t cGame::paintNextTextItem(int32_t layer, int32_t after, String* text, bool highlight) {
  const int32_t i = NextTextItem(after);
  if (i > 0) {
    paintMenuItem(menuRecord(Statics<GameStatics>()->cGame_currentMenu, i), 0, 0, text, layer,
                  false, highlight);
  }
  return i;
}

// The record after the n-th text item (counting from 0) is painted.
void cGame::paintMenuItemIndexed(int32_t layer, int32_t n, String* text, bool highlight) {
  const int32_t menu = Statics<GameStatics>()->cGame_currentMenu;
  if (n < 0) return;
  int32_t seen = -1;
  for (int32_t i = 1; i <= menuRecordCount(menu); i++) {
    if (recordType(menuRecord(menu, i)) != 6 || ++seen != n) continue;
    if (i < menuRecordCount(menu)) {
      paintMenuItem(menuRecord(menu, i + 1), 0, 0, text, layer, false, highlight);
    }
    return;
  }
}
