// The touch overlay: the two soft-key buttons in the bottom corners (80 x 80 squares, the
// right one at x 400 whatever the width), pressed by the stylus, and on the level-select map
// its four arrows. Everything animates through the one shared player on the overlay sprite
// (slot 32); a button's idle frame shows while its idle flag is set.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "javame/graphics.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFontSlot = 3, kOverlaySlot = 32;
constexpr int32_t kSquare = 80;
constexpr int32_t kRightSquareX = 400, kRightOriginX = 404;
constexpr int32_t kConfirmAnimation = 2, kBackAnimation = 11, kOwnAnimation = 3;
constexpr int32_t kInertAnimation = 9;
constexpr int32_t kNoButton = -1, kInertButton = -2, kBackLabel = 2;
constexpr int32_t kLabelX = 6, kLabelLift = 6, kLeftBottom = 4 | 32;
constexpr int32_t kMapState = 9;
constexpr int32_t kArrowCount = 4;

struct Button {
  int32_t label;
  bool right;
  int32_t squareX, originX;
  bool* idle;
};

// The animation of a button with an action: confirm (0, 1), back (2), or the right button's
// own look for any other label.
int32_t AnimationOf(const Button& b) {
  if (b.label == kBackLabel) return kBackAnimation;
  return b.label == 0 || b.label == 1 ? kConfirmAnimation : kOwnAnimation;
}

void StartPressed(GameStatics* s, MQLibPlayer* player, const Button& b, int32_t animation) {
  player->x = b.originX;
  player->y = s->cGame_canvasHeight;
  player->setAnim(animation, 1);
}

void PaintIdle(GameStatics* s, const Button& b, int32_t animation) {
  ASprite* overlay = loader::SpriteAt(kOverlaySlot);
  if (overlay && *b.idle) {
    overlay->paintAFrame(s->cGame_drawGraphics, animation, 0, b.originX, s->cGame_canvasHeight, 0,
                         0, 0);
  }
}

void PaintButton(GameStatics* s, MQLibPlayer* player, const Button& b) {
  const int32_t h = s->cGame_canvasHeight, top = h - kSquare;
  if (b.label == kNoButton) return;
  if (b.label == kInertButton) {
    if (!b.right) {
      if (ASprite* overlay = loader::SpriteAt(kOverlaySlot)) {
        overlay->paintFrame(s->cGame_drawGraphics, 0, 0, h, 0, 0, 0);
      }
    } else if (cGame::isPointerInRect(b.squareX, top, kSquare, kSquare)) {
      StartPressed(s, player, b, kInertAnimation);  // the pressed look only
    } else {
      PaintIdle(s, b, kInertAnimation);
    }
    return;
  }
  if (b.label < 0) return;
  if (!b.right && b.label > kBackLabel) {  // a text id: the label, no button
    cGame::drawFontString(kFontSlot, 1, cGame::getText(b.label), kLabelX, h - kLabelLift,
                          kLeftBottom);
    return;
  }
  const int32_t animation = AnimationOf(b);
  if (cGame::isPointerInRect(b.squareX, top, kSquare, kSquare)) {
    StartPressed(s, player, b, animation);
    *b.idle = false;
    if (!(b.right && (b.label == 0 || b.label == 1))) s->cGame_fullRedraw = true;
  } else if (cGame::isTapReleasedInRect(b.squareX, top, kSquare, kSquare)) {
    s->cGame_touchSoftKey = b.label == kBackLabel ? cGame::kRightSoftKey : cGame::kLeftSoftKey;
  } else {
    PaintIdle(s, b, animation);
  }
}

// The map's four arrows about the selected item's centre, on players made on first use; shown
// only while the selected item is the one they belong to.
void PaintMapArrows(GameStatics* s) {
  if (!s->cGame_mapArrowPlayers) {
    s->cGame_mapArrowPlayers = NewObjectArray(cid::MQLibPlayer, kArrowCount);
    ObjectArray* made = s->cGame_mapArrowPlayers;
    for (int32_t i = 0; made && i < kArrowCount; i++) {
      made->elements()[i] = NewObject<MQLibPlayer>(loader::SpriteAt(kOverlaySlot), 0, 0);
    }
  }
  ObjectArray* players = s->cGame_mapArrowPlayers;
  IntArray* offsets = s->cGame_mapArrowOffsets;
  if (!players || !offsets || offsets->length < 6) return;
  if (s->cGame_menuSelection != s->cGame_mapArrowItem) return;
  const int32_t* o = offsets->elements();  // a .. f
  const int32_t cx = s->cGame_mapItemX + s->cGame_mapWidth / 2 - s->cGame_mapScrollX;
  const int32_t cy = s->cGame_mapItemY + s->cGame_mapHeight / 2 - s->cGame_mapScrollY;
  const struct {
    int32_t pressed, plain, x, y;
  } kArrows[kArrowCount] = {{14, 4, cx - o[0], cy - o[1]},
                            {15, 5, cx - o[0], cy + o[2]},
                            {12, 6, cx - o[3], cy - o[4]},
                            {13, 7, cx + o[5], cy - o[4]}};
  for (int32_t k = 0; k < kArrowCount; k++) {
    if (!(s->cGame_mapArrowShown >> k & 1)) continue;
    auto* player = CheckCast<MQLibPlayer>(players->elements()[k]);
    if (!player) continue;
    player->x = kArrows[k].x;
    player->y = kArrows[k].y;
    player->setAnim(s->cGame_mapArrowPressed >> k & 1 ? kArrows[k].pressed : kArrows[k].plain,
                    -1);
    player->render();
  }
}

}  // namespace

void cGame::paintTouchOverlay() {
  GameStatics* s = Statics<GameStatics>();
  ASprite* font = loader::SpriteAt(kFontSlot);
  MQLibPlayer* player = s->cGame_sharedAnimPlayer;
  if (!font || !player) return;
  if (font->paletteCount > 0) font->setCurrentPalette(0);
  PaintButton(s, player, {s->cGame_softKeyLeft, false, 0, 0, &s->cGame_softKeyIdleLeft});
  PaintButton(s, player,
              {s->cGame_softKeyRight, true, kRightSquareX, kRightOriginX,
               &s->cGame_softKeyIdleRight});
  if (s->cGame_currentState == kMapState) PaintMapArrows(s);
  player->update(s->cGame_frameTime);
  player->render();
  setSoftKeyPressed(player, s->cGame_touchSoftKey);
}

void cGame::setSoftKeyPressed(MQLibPlayer* player, int32_t key) {
  GameStatics* s = Statics<GameStatics>();
  if (key != kNoTouchAction) {
    s->cGame_touchAction = key;
    s->cGame_touchSoftKey = kNoTouchAction;
    return;
  }
  s->cGame_touchAction = kNoTouchAction;
  if (!player || player->anim < 0 || !player->isAnimOver()) return;
  player->anim = -1;  // stopped and rewound; the player keeps its sprite
  player->frame = 0;
  player->frameTime = 0;
  s->cGame_softKeyIdleLeft = true;
  s->cGame_softKeyIdleRight = true;
}
