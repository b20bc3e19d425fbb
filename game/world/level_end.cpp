// The level-end screen and the results overlay. The screen is built once when the level is
// over: the panel's background player, the hidden rating actor, the results table and a row
// of little bubbles over each value that the info panel reveals later. The overlay is the
// last thing every scene paint draws: the level title, the won or lost text, then the table.
#include <cstdint>
#include <cstdlib>

#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"

using actor_support::SpriteInSlot;

namespace {

constexpr int32_t kBubbleSlot = 25, kRatingSlot = 27, kBackSlot = 33;
constexpr int32_t kValueFont = 3, kTitleFont = 4;
constexpr int32_t kCentred = 3;  // anchor: horizontal and vertical centre
constexpr int32_t kBubbleStep = 33, kFirstBubbleInset = 18, kBubbleColours = 5;
constexpr int32_t kInfoPanelDelay = 1000;  // ms before the info panel starts revealing
constexpr int32_t kWonText = 216, kLostText = 217, kTitleText = 293, kSecondTitleText = 294;
constexpr int32_t kTitleSeparator = 151;
constexpr int32_t kTopLayer = 7;
// The palette the won text is tinted toward; the level data gives none.
constexpr int32_t kLevelEndPalette = 1;
// The effects a tinted page may have left on: 5, 6, 7, 8, 10 and 11.
constexpr int32_t kTintEffects = 0xDE0;

GameStatics* S() {
  return Statics<GameStatics>();
}

// Decoration bubbles over a value w px wide: one for every started 33 px.
int32_t BubblesFor(int32_t width) {
  return (width + kBubbleStep - 1) / kBubbleStep;
}

// The width of text in the value font; 0 without the font.
int32_t ValueWidth(String* text) {
  ASprite* font = SpriteInSlot(kValueFont);
  if (!font || !text) return 0;
  font->getStringSize(text, nullptr);
  return S()->ASprite_textWidth;
}

String* ValueAt(int32_t i) {
  ObjectArray* values = S()->cGame_resultsValues;
  return values && i < values->length ? CheckCast<String>(values->elements()[i]) : nullptr;
}

// The title's size in percent over phaseWait t (ms): grows in over 500 ms, holds until 1000,
// shrinks away by 1500.
int32_t TitlePercent(int32_t t) {
  if (t < 500) return t * 100 / 500;
  if (t < 1000) return 100;
  return 100 + (1000 - t) * 100 / 500;
}

// The won or lost text's zoom over phaseTimer t < 550: from 300 % down to 80 % at 400 ms,
// then back up to 100 %.
int32_t ResultPercent(int32_t t) {
  if (t < 400) return 80 + (400 - t) * 220 / 400;
  return 80 + (t - 400) * 20 / 150;
}

void PaintTitle() {
  GameStatics* s = S();
  if (s->cGame_playPhase == 6) {
    s->cGame_levelLabel = cGame::getString(kSecondTitleText);
  } else {
    cGame::buildLevelLabel();
    s->cGame_levelLabel = cGame::getString(kTitleText)
                              ->concat(GetConstantString(kTitleSeparator))
                              ->concat(String::valueOf(static_cast<Object*>(s->cGame_levelLabel)));
  }
  ASprite* font = SpriteInSlot(kTitleFont);
  if (!font) return;
  font->computeFontHeight();
  cGame::drawPageScaled(font, s->cGame_currentGraphics(), s->cGame_levelLabel,
                        s->cGame_screenWidth() >> 1, s->cGame_screenHeight() >> 1, kCentred,
                        TitlePercent(s->cGame_phaseWait));
}

void PaintResultText() {
  GameStatics* s = S();
  const int32_t t = s->cGame_phaseTimer;
  ASprite* font = SpriteInSlot(kTitleFont);
  String* text = cGame::getString(s->cGame_levelWon ? kWonText : kLostText);
  const int32_t x = s->cGame_screenWidth() >> 1, y = s->cGame_screenHeight() >> 1;
  javax_microedition_lcdui_Graphics* g = s->cGame_currentGraphics();
  if (t < 550) {
    if (font) {
      font->charGap = 0;
      cGame::drawStringScaled(font, g, text, x, y, kCentred, ResultPercent(t));
    }
  } else if (t < 2050) {
    if (font && text) font->drawPage(g, text, x, y, kCentred, 0, text->length());
  } else if (t < 2750) {
    const bool tint = s->cGame_levelWon && font;
    if (tint) {
      if (kLevelEndPalette < font->paletteCount) font->setCurrentPalette(kLevelEndPalette);
      const int32_t amount = (t - 2050) * 255 / 300;
      font->setPaletteBlendAmount(amount < 255 ? amount : 255);
    }
    if (font && text) font->drawPage(g, text, x, y, kCentred, 0, text->length());
    if (tint) {
      font->setPaletteBlendAmount(0);
      if (font->paletteCount > 0) font->setCurrentPalette(0);
    }
    s->MQPixEffects_effectMask &= ~kTintEffects;
  }
  cActor::paintLayer(kTopLayer);
}

}  // namespace

// ---- The level-end screen --------------------------------------------------------------------

// The value lengths are measured in the value font; |r| is taken in 64 bits, so the one draw
// whose absolute value does not fit an int still picks a colour 0..4.
void cGame::buildLevelEndScreen(int32_t kind) {
  GameStatics* s = S();
  s->cGame_softKeyLeft = 0;
  s->cGame_softKeyRight = -1;
  s->cGame_softKeysFlag = false;
  s->cGame_levelEndKind = kind;
  ASprite* back = SpriteInSlot(kBackSlot);
  MQLibPlayer* player = NewObject<MQLibPlayer>(back, 0, 0);
  s->cGame_resultsBackPlayer = player;
  if (player->anim != 0 || player->finished) actor_support::StartAnimation(player, 0, true);
  if (back && back->paletteCount > 1) back->setCurrentPalette(1);
  if (s->cGame_ratingActor && s->cGame_ratingActor->state != cActor::kFree) {
    cActor::release(s->cGame_ratingActor);
  }
  s->cGame_ratingActor = spawnActor(SpriteInSlot(kRatingSlot), 0, 0, 0, s->cGame_levelRating, 0,
                                    cActor::kModeLoop, -1, 0);
  if (s->cGame_ratingActor) cActor::setVisible(s->cGame_ratingActor, false);
  if (kind == 4) {
    buildResultsPanelB();
  } else if (kind == 2) {
    buildResultsPanelC();
  } else {
    buildResultsPanelA();
  }
  s->cGame_infoPanelTimer = kInfoPanelDelay;
  s->cGame_infoPanelShown = 0;
  s->cGame_infoPanelNextTime = 0;
  s->cGame_infoPanelRevealing = false;
  s->cGame_resultsPlayerCount = 0;
  ObjectArray* values = s->cGame_resultsValues;
  const int32_t rows = values ? values->length : 0;
  for (int32_t i = 0; i < rows; i++) {
    if (String* v = ValueAt(i)) s->cGame_resultsPlayerCount += BubblesFor(ValueWidth(v));
  }
  ObjectArray* players = NewObjectArray(cid::Object, s->cGame_resultsPlayerCount);
  s->cGame_resultsPlayers = players;
  ASprite* bubbles = SpriteInSlot(kBubbleSlot);
  java_util_Random* random = s->cGame_gameRandom();
  for (int32_t p = 0; p < s->cGame_resultsPlayerCount; p++) {
    const int64_t r = random ? random->nextInt() : 0;
    auto* bubble = NewObject<MQLibPlayer>(MQLibPlayer::Reset::kReset);
    bubble->setSprite(bubbles);
    actor_support::StartAnimation(bubble, static_cast<int32_t>(std::llabs(r) % kBubbleColours),
                                  true);
    players->elements()[p] = bubble;
  }
  IntArray* rowY = s->cGame_resultsRowY;
  int32_t p = 0;
  for (int32_t i = 0; i < rows && p < s->cGame_resultsPlayerCount; i++) {
    String* v = ValueAt(i);
    if (!v) continue;
    const int32_t y = rowY && i < rowY->length ? rowY->elements()[i] : 0;
    int32_t x = s->cGame_resultsValueX - kFirstBubbleInset;
    for (int32_t n = BubblesFor(ValueWidth(v)); n > 0 && p < s->cGame_resultsPlayerCount; n--) {
      auto* bubble = static_cast<MQLibPlayer*>(players->elements()[p++]);
      bubble->x = x;
      bubble->y = y;
      x -= kBubbleStep;
    }
  }
}

// ---- The results overlay ---------------------------------------------------------------------

void cGame::paintResultsOverlay() {
  switch (S()->cGame_playPhase) {
    case 5:
    case 6:
      PaintTitle();
      break;
    case 16:
      PaintResultText();
      break;
    case 21:
      setZoomClip();
      paintResultsTable();
      break;
    default:
      break;
  }
}
