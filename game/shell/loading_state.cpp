// State 4, the loading screen: one step of the current load job a frame under a progress bar,
// a tip or a level hint, and the job machinery around it. A job is a load kind with a fixed
// step count; a job whose follow-up state is 4 runs its chained job behind the same screen and
// the same bar. A finished job always leads to a state that has a handler.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "game/shell/state_table.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kLoadingState = 4;
constexpr int32_t kMainMenuState = 6;  // where a job without a way on goes
constexpr int32_t kBootKind = 0, kLevelKind = 2, kRestartKind = 3, kLeaveLevelKind = 15;
constexpr int32_t kFireKey = 5, kTouchSelect = 11;
constexpr int32_t kHintList = 16, kHintLayout = 17, kTipList = 17, kTipLayout = 19;
constexpr int32_t kFirstTip = 746, kTipEnd = 761;  // tips 746..760; 761 is their heading
constexpr int32_t kFirstHintText = 86;             // hint n: heading 2n + 86, body 2n + 87
constexpr int32_t kScreenSlot = 2;                 // the loading screen's sprite
constexpr int32_t kFontSlot = 3;
constexpr int32_t kBarY = 230;
constexpr int32_t kBarColour = 0xCDE000;
constexpr int32_t kPanelColour = static_cast<int32_t>(0xDD000000u);
constexpr int32_t kPromptText = 38, kPromptLift = 116, kPromptBlink = 0x200;
constexpr int32_t kPlayHeight = 640;

// Steps by kind; a kind outside 0..25 has none.
constexpr int32_t kStepCounts[] = {18, 4, 21, 1, 5, 7, 6, 3, 4, 4, 4, 3, 2,
                                   4,  4, 3,  3, 2, 3, 2, 2, 2, 2, 2, 2, 2};

// The panel of a hint or a tip when the open menu has no text item to give it.
constexpr int32_t kPlainPanel[4] = {40, 300, 400, 260};

javax_microedition_lcdui_Graphics* Target() {
  return Statics<GameStatics>()->cGame_drawGraphics;
}

// The rectangle of the open menu's next text item into rectScratch, or the plain panel; false
// for the plain one.
bool PanelRect(IntArray* rect) {
  const bool fromMenu = cGame::nextTextItemRect(-1, rect) >= 0;
  if (!fromMenu) std::copy(kPlainPanel, kPlainPanel + 4, rect->elements());
  return fromMenu;
}

// The heading and the body in the plain panel, wrapped to its width, with the body font.
void PaintPlainTexts(const int32_t* r, int32_t heading, int32_t body) {
  ASprite* font = loader::SpriteAt(kFontSlot);
  javax_microedition_lcdui_Graphics* g = Target();
  if (!font || !NullCheck(g)) return;
  constexpr int32_t kMargin = 20, kTop = 1 | 16;
  font->drawString(g, cGame::getText(heading), nullptr, r[0] + r[2] / 2, r[1] + kMargin, kTop,
                   true);
  String* text = font->wrapToString(cGame::getText(body), r[2] - 2 * kMargin);
  // The page runs over the whole text: an end of -1 would be an empty range.
  if (text) {
    font->drawPage(g, text, r[0] + r[2] / 2, r[1] + r[3] / 2 + kMargin, 1 | 2, 0, text->length());
  }
}

// Step 3 of the paint: the hint or tip panel and its two texts.
void PaintPanel(GameStatics* s) {
  IntArray* rect = s->cGame_rectScratch;
  if (!NullCheck(rect) || rect->length < 4) return;
  const bool fromMenu = PanelRect(rect);
  const int32_t* r = rect->elements();
  javax_microedition_lcdui_Graphics* g = Target();
  if (NullCheck(g)) {
    g->setColor(kPanelColour);
    g->fillRect(r[0], r[1], r[2], r[3]);
  }
  cGame::paintFramedBox(r[0], r[1], r[2], r[3], 0);
  const int32_t heading =
      s->cGame_loadShowsHint ? 2 * s->cGame_menuScroll + kFirstHintText : kTipEnd;
  const int32_t body = s->cGame_loadShowsHint ? heading + 1 : s->cGame_tipTextId;
  if (!fromMenu) {
    PaintPlainTexts(r, heading, body);
    return;
  }
  cGame::paintCurrentMenu(-1);
  cGame::paintCurrentMenu(0);
  const int32_t first = cGame::paintNextTextItem(0, -1, cGame::getText(heading), false);
  cGame::paintNextTextItem(0, first, cGame::getText(body), false);
}

void PaintPrompt(GameStatics* s) {
  if (!(s->cGame_frameTick & kPromptBlink)) return;
  ASprite* font = loader::SpriteAt(kFontSlot);
  if (!font || !NullCheck(Target())) return;
  font->setCurrentPalette(1);
  font->drawString(Target(), cGame::getText(kPromptText), nullptr, s->cGame_canvasWidth / 2,
                   s->cGame_canvasHeight - kPromptLift, 1 | 2, true);
}

// Frame 1 of the screen sprite, its rectangle 0 filled up to the share of steps done, and the
// sparkle at the end of the fill.
void PaintBar(GameStatics* s) {
  ASprite* screen = loader::SpriteAt(kScreenSlot);
  IntArray* rect = s->cGame_rectScratch;
  javax_microedition_lcdui_Graphics* g = Target();
  if (!screen || !NullCheck(rect) || rect->length < 4 || !NullCheck(g)) return;
  screen->paintFrame(g, 1, 0, kBarY, 0, 0, 0);
  screen->getFrameRect(1, 0, rect, 0);
  const int32_t x = rect->elements()[0], y = rect->elements()[1];
  const int32_t w = rect->elements()[2], h = rect->elements()[3];
  const int32_t total = s->cGame_loadProgressTotal;
  const int32_t filled =
      total == 0 ? 0 : std::min<int64_t>(w, int64_t{s->cGame_loadProgressCount} * w / total);
  g->setColor(kBarColour);
  g->fillRect(x, y + kBarY, filled, h);
  if (MQLibPlayer* sparkle = s->cGame_loadingBarPlayer) {
    sparkle->x = x + filled;
    sparkle->y = y + h / 2 + kBarY;
    sparkle->render();
  }
}

// The state a finished job leads to: its follow-up, or the main menu (traced) when that state
// has no handler or names a chain without a kind.
int32_t NextStateAfterLoad(GameStatics* s) {
  const int32_t next = s->cGame_stateAfterLoad;
  if (next == kLoadingState) {
    if (s->cGame_chainedLoadKind >= 0) return next;
    DebugLog("cGame::stateLoading(): load kind %d chains to no kind; state %d follows",
             s->cGame_loadKind, kMainMenuState);
    return kMainMenuState;
  }
  if (StateHandlerOf(next)) return next;
  DebugLog(
      "cGame::stateLoading(): load kind %d leads to state %d, which has no handler; state %d "
      "follows",
      s->cGame_loadKind, next, kMainMenuState);
  return kMainMenuState;
}

// Enter: the job begins, and a level job (or a chain into one) shows a hint, any other but the
// boot load a tip; the hint or tip is chosen once per sequence.
void EnterLoading(GameStatics* s) {
  cGame::setSoftKeys(-1, -1, 0);
  cGame::beginLoading();
  s->cGame_loadShowsHint = false;
  s->cGame_loadShowsTip = false;
  const bool levelNext =
      s->cGame_stateAfterLoad == kLoadingState && s->cGame_chainedLoadKind == kLevelKind;
  if (s->cGame_loadKind == kLevelKind || levelNext) {
    s->cGame_loadShowsHint = true;
    cGame::openMenu(kHintList, kHintLayout);
    if (s->cGame_loadFresh) {
      s->cGame_menuScroll = cGame::getRandom(1, cGame::maxValueUpToCurrentLevel() + 1);
    }
  } else if (s->cGame_loadKind != kBootKind) {
    s->cGame_loadShowsTip = true;
    cGame::openMenu(kTipList, kTipLayout);
    if (s->cGame_loadFresh) s->cGame_tipTextId = cGame::getRandom(kFirstTip, kTipEnd);
  }
}

void UpdateLoading(GameStatics* s) {
  if (!s->cGame_loadDone) cGame::loadStep();
  if (cGame::isTapReleasedOnScreen()) s->cGame_touchAction = kTouchSelect;
  const int32_t key = cGame::getKeyReleased();
  const bool waits = (s->cGame_loadShowsHint || s->cGame_loadShowsTip) &&
                     s->cGame_stateAfterLoad != kLoadingState && s->cGame_loadKind != kRestartKind;
  if (waits && key != kFireKey && key != kTouchSelect) return;
  if (!s->cGame_loadActive || !s->cGame_loadDone) return;
  const int32_t next = NextStateAfterLoad(s);
  if (next == kLoadingState) s->cGame_loadChained = true;
  cGame::setState(next);
  s->cGame_stateAfterLoad = s->cGame_chainedStateAfterLoad;
  s->cGame_loadActive = false;
  s->cGame_chainedStateAfterLoad = -1;
}

void PaintLoading(GameStatics* s) {
  const int32_t kind = s->cGame_loadKind;
  if (!s->cGame_loadActive && kind == kLevelKind) {
    s->cGame_drawGraphics =
        s->cGame_backBufferGraphics ? s->cGame_backBufferGraphics : s->cGame_screenGraphics;
  }
  javax_microedition_lcdui_Graphics* g = Target();
  if (!NullCheck(g)) return;
  g->setClip(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
  if (kind == kBootKind) {
    if (s->cGame_backBuffer) cGame::drawBackBuffer(g);
  } else if (ASprite* screen = loader::SpriteAt(kScreenSlot)) {
    screen->paintFrame(g, 0, 0, 0, 0, 0, 0);
  }
  const bool panel = s->cGame_loadShowsHint || s->cGame_loadShowsTip;
  if (panel) PaintPanel(s);
  if (kind == kRestartKind || (kind == kLeaveLevelKind && s->cGame_levelRestart)) {
    if (s->cGame_backBuffer) cGame::drawBackBuffer(g);
    return;
  }
  if (s->cGame_loadDone && panel && kind < kLeaveLevelKind) {
    PaintPrompt(s);
  } else {
    PaintBar(s);
  }
}

}  // namespace

// ---- The job ----------------------------------------------------------------------------------

int32_t cGame::loadingStepCount(int32_t kind) {
  constexpr int32_t kKinds = static_cast<int32_t>(std::size(kStepCounts));
  return kind >= 0 && kind < kKinds ? kStepCounts[kind] : 0;
}

void cGame::beginLoading() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_loadDone = false;
  s->cGame_loadActive = true;
  s->cGame_loadStep = 0;
  s->cGame_loadSteps = loadingStepCount(s->cGame_loadKind);
  stopSound();
  s->cGame_loadFresh = false;
  if (!s->cGame_loadChained) {
    s->cGame_loadProgressCount = 0;
    s->cGame_loadProgressTotal = s->cGame_loadSteps;
    if (s->cGame_stateAfterLoad == kLoadingState) {
      s->cGame_loadProgressTotal += loadingStepCount(s->cGame_chainedLoadKind);
    }
    s->cGame_loadFresh = true;
  }
  s->cGame_loadChained = false;
}

// Kinds 2 and 3 lay the level out for the 640-pixel play area above the control bar.
void cGame::loadStep() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t kind = s->cGame_loadKind;
  cGame* canvas = s->cGame_canvasInstance;
  if ((kind == kLevelKind || kind == kRestartKind) && canvas) {
    canvas->sizeChanged(kCanvasWidth, kPlayHeight);
  }
  runLoadStep(kind, s->cGame_loadStep);
  if (s->cGame_canvasHeight == kPlayHeight && canvas) {
    canvas->sizeChanged(kCanvasWidth, kCanvasHeight);
  }
  s->cGame_loadProgressCount += 1;
  s->cGame_loadStep += 1;
  finishLoading();
}

// A job of no steps is done after its first.
bool cGame::finishLoading() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_loadDone || s->cGame_loadStep < s->cGame_loadSteps) return s->cGame_loadDone;
  gcAndWait();
  s->cGame_loadDone = true;
  return true;
}

// ---- State 4 ----------------------------------------------------------------------------------

void cGame::stateLoading(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      EnterLoading(s);
      break;
    case kStateUpdate:
      UpdateLoading(s);
      break;
    case kStatePaint:
      PaintLoading(s);
      break;
    case kStateExit:
      s->cGame_loadKind = s->cGame_chainedLoadKind;
      s->cGame_chainedLoadKind = -1;
      s->cGame_pointerHidden = false;
      break;
    default:
      break;
  }
}
