// Stand-ins for the screens that the menu framework dispatches to and that are not built yet:
// each does nothing, except the carousel's, which until the carousel lands lays out and paints
// its entries as a plain list (the body font, the selection lit, the rows in
// listItemPositions). This file goes when the screens arrive.
#include <algorithm>

#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"

void cGame::setupMenuScreen() {}
void cGame::setupLevelMap(int32_t, int32_t) {}
void cGame::updateLevelMap() {}
void cGame::paintLevelMap() {}
void cGame::setupWorldSelect() {}
void cGame::updateWorldSelect() {}
void cGame::paintWorldMarker() {}
void cGame::setupGrid2x2() {}
void cGame::updateGrid2x2() {}
void cGame::paintGridItems() {}
void cGame::updateHotAreaMenu() {}
void cGame::paintHotAreaDialogue() {}
void cGame::paintHotAreaEntries() {}
void cGame::showPresetOverlay(int32_t) {}
void cGame::updateValuePicker() {}
void cGame::paintOverlayInfo() {}
void cGame::statisticsText() {}
void cGame::updateStatsPages() {}
void cGame::paintStatisticsPanel() {}
void cGame::createCarouselPlayer() {}
void cGame::setupExtraLevelGrid() {}
void cGame::updateExtraLevelGrid() {}
void cGame::paintExtraLevelScreen() {}
void cGame::setPagedListLayout(int32_t) {}
void cGame::updatePagedList() {}
void cGame::paintPagedListBox() {}
void cGame::paintInfoPanel(int32_t) {}
bool cGame::checkSecretTaps() {
  return false;
}
void cGame::leaveScreen() {}
void cGame::paintMapInfoPanel(int32_t) {}
void cGame::paintTitleAndEntry() {}
void cGame::setExtraLevelCell(int32_t) {}
int32_t cGame::currentHiddenAward() {
  return 0;
}
void cGame::paintScene() {}

// ---- The carousel as a plain list ----------------------------------------------------------

namespace {

constexpr int32_t kListTop = 300;  // the first row's centre
constexpr int32_t kRowPitch = 70;  // pixels from row to row
constexpr int32_t kRowReach = 30;  // a row's touch band above and below its centre
constexpr int32_t kBodyFontSlot = 3;
constexpr int32_t kHCenterVCenter = 3;

}  // namespace

// Row i of the current entries stands at (240, kListTop + i x kRowPitch).
void cGame::setupCarousel(int32_t, int32_t) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t count = std::max(0, s->cGame_menuItemCount);
  s->cGame_listItemPositions = NewIntArray(2 * count);
  s->cGame_listRowTops = NewIntArray(count);
  s->cGame_listRowBottoms = NewIntArray(count);
  for (int32_t i = 0; i < count; i++) {
    const int32_t y = kListTop + i * kRowPitch;
    s->cGame_listItemPositions->elements()[2 * i] = kCanvasWidth / 2;
    s->cGame_listItemPositions->elements()[2 * i + 1] = y;
    s->cGame_listRowTops->elements()[i] = y - kRowReach;
    s->cGame_listRowBottoms->elements()[i] = y + kRowReach;
  }
}

// The title in the menu's first text item, then each shown entry in the body font, the
// selected one in palette 1.
void cGame::paintMenuBodyEntry() {
  GameStatics* s = Statics<GameStatics>();
  paintNextTextItem(0, -1, getString(s->cGame_menuTitle), true);
  ASprite* font = actor_support::SpriteInSlot(kBodyFontSlot);
  IntArray* entries = s->cGame_menuItems;
  IntArray* rows = s->cGame_listItemPositions;
  if (!font || !entries || !rows) return;
  const int32_t count = std::min({s->cGame_menuItemCount, entries->length, rows->length / 2});
  for (int32_t i = 0; i < count; i++) {
    const int32_t entry = entries->elements()[i];
    if (entry < 0) continue;
    font->setCurrentPalette(i == s->cGame_menuSelection ? 1 : 0);
    font->drawStringPlain(s->cGame_drawGraphics, getString(entry & 0x0FFFFFFF),
                          rows->elements()[2 * i], rows->elements()[2 * i + 1], kHCenterVCenter,
                          true);
  }
  font->setCurrentPalette(0);
}
