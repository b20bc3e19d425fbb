// The sound question (state 3) and the title (state 5). Both stand on the back buffer that the
// boot load drew the title background into; the question's answer decides music, effects and
// the sound option for the whole run, and the boot's load kind 0 follows it into the title.
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "game/shell/shared_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kQuestionText = 28;
constexpr int32_t kLoadingState = 4, kTitleState = 5, kMainMenuState = 6;
constexpr int32_t kBootLoadKind = 0;
constexpr int32_t kFireKey = 5, kTouchSelect = 11;
constexpr int32_t kTitleMusic = 0;
constexpr int32_t kFontSlot = 3;
constexpr int32_t kPromptText = 38, kFooterText = 43;
constexpr int32_t kPromptLift = 220 + 25;  // pixels above the bottom edge
constexpr int32_t kFooterLift = 20;
constexpr int64_t kBlinkBit = 0x200;  // ms: 512 on, 512 off
constexpr int32_t kCentred = 3;

void HideSoftKeys() {
  cGame::setSoftKeys(-1, -1, 0);
}

void StartFadeIn(GameStatics* s) {
  s->cGame_fadeDirection = 1;
  s->cGame_fadeTime = 0;
}

// A tap inside the margins counts as touch select.
void TapSelects(GameStatics* s) {
  if (cGame::isInsideMargins()) s->cGame_touchAction = kTouchSelect;
}

void PlayTitleMusic(GameStatics* s) {
  if (s->cGame_musicEnabled) cGame::playSound(kTitleMusic, 1);
}

}  // namespace

bool cGame::isInsideMargins() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t x = s->cGame_tapX, y = s->cGame_tapY;
  const int32_t mx = s->cGame_touchMarginX, my = s->cGame_touchMarginY;
  return x >= mx && x < s->cGame_canvasWidth - mx && y >= my && y < s->cGame_canvasHeight - my;
}

// ---- State 3 --------------------------------------------------------------------------------

void cGame::stateSoundQuestion(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter: {
      HideSoftKeys();
      openPopupChoice(kQuestionText, 0, 0);
      StartFadeIn(s);
      s->cGame_popupOpen = true;
      ObjectArray* images = s->cGame_imageTable;
      auto* title = CheckCast<javax_microedition_lcdui_Image>(
          images && images->length > 0 ? images->elements()[0] : nullptr);
      if (title && s->cGame_backBufferGraphics) {
        s->cGame_backBufferGraphics->drawImage(title, 0, 0, 0);
      }
      break;
    }
    case kStateUpdate:
      if (s->cGame_popupAnswered && s->cGame_popupTextId == kQuestionText) {
        s->cGame_popupAnswered = false;
        const bool yes = s->cGame_popupChoice == 1;
        s->cGame_musicEnabled = yes;
        s->cGame_sfxEnabled = yes;
        s->cGame_soundOption = yes;
        s->cGame_stateAfterLoad = kTitleState;
        s->cGame_loadKind = kBootLoadKind;
        setState(kLoadingState);
      }
      TapSelects(s);
      getKeyReleased();
      break;
    case kStatePaint:
      drawBackBuffer(s->cGame_drawGraphics);
      break;
    default:
      break;
  }
}

// ---- State 5 --------------------------------------------------------------------------------

void cGame::stateTitle(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      HideSoftKeys();
      StartFadeIn(s);
      PlayTitleMusic(s);
      break;
    case kStateUpdate: {
      TapSelects(s);
      const int32_t key = getKeyReleased();
      if (key == kFireKey || key == kTouchSelect) setState(kMainMenuState);
      break;
    }
    case kStatePaint: {
      javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
      drawBackBuffer(g);
      const int32_t x = s->cGame_canvasWidth / 2;
      // The blink follows the tick count, not the state's entry: 1024 ms a period.
      if (LoadShared(s->cGame_frameTick) & kBlinkBit) {
        drawFontString(kFontSlot, 1, getText(kPromptText), x, s->cGame_canvasHeight - kPromptLift,
                       kCentred);
      }
      ASprite* font = loader::SpriteAt(kFontSlot);
      String* footer = getText(kFooterText);
      if (!font || !footer || !NullCheck(g)) break;
      if (font->paletteCount > 1) font->setCurrentPalette(1);
      font->drawPage(g, footer, x, s->cGame_canvasHeight - kFooterLift, kCentred, 0,
                     footer->length());
      break;
    }
    case 4:  // sent by no dispatcher: the sound stops, and the music rule applies again
      stopSound();
      PlayTitleMusic(s);
      break;
    default:
      break;
  }
}
