// The play state (state 17) and the opening half of its phase machine: the touch bar, the
// phases from the opening dialogue and the start banner to play (phase 9), and the pause
// test. Phases only move forward; each change writes "play phase A -> B". The level end's
// phases (10..23) are in game/world/play_level_end.cpp.
#include "game/world/play_phases.h"

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/shared_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

using namespace play_phases;

constexpr int32_t kPlayHeight = 640;
constexpr int32_t kPauseState = 13;
constexpr int32_t kPauseList = 2;
// Events.
constexpr int32_t kShortGuide = 42, kLongGuide = 43, kBlockShots = 38, kFreeShots = 39;
constexpr int32_t kShowLauncher = 41, kBannerEnd = 71, kRestart = 72;
constexpr int32_t kLost = 51, kWon = 50, kTimer9 = 9, kTimer10 = 10;
// The start banner.
constexpr int32_t kBannerSlot = 33, kBannerIn = 1, kBannerOut = 2, kBannerDepth = 1100;
constexpr int32_t kNotifyMode = 30, kBannerLayer = 3;
constexpr int32_t kBannerHold = 1501;  // ms
constexpr int32_t kLastPlainWorld = 10;
// Touch bar squares: (x, 670, 100, 100).
constexpr int32_t kBarY = 670, kBarSize = 100, kLeftX = 30, kFireX = 190, kRightX = 350;
constexpr int32_t kKeyLeft = 3, kKeyRight = 4, kKeyFire = 11, kRightSoftKey = 19;
constexpr int32_t kPauseSquare = 80;
constexpr int32_t kPromptText = 38, kPromptFont = 3;
constexpr int64_t kBlinkBit = 0x200;
constexpr int32_t kWonMusic = 2, kLostMusic = 3;

GameStatics* S() {
  return Statics<GameStatics>();
}

ASprite* Slot(int32_t slot) {
  ObjectArray* table = S()->cGame_spriteTable;
  if (!table || slot < 0 || slot >= table->length) return nullptr;
  return CheckCast<ASprite>(table->elements()[slot]);
}

void FreeBanner(GameStatics* s) {
  cActor::release(s->cGame_introActor);
  s->cGame_introActor = nullptr;
}

void StartPlay() {
  SetPhase(kPlaying);
  cGame::postEvent(kShowLauncher);
  cGame::postEvent(kFreeShots);
}

// ---- The opening -----------------------------------------------------------------------------

int32_t IntAt(IntArray* a, int32_t i) {
  return a && i >= 0 && i < a->length ? a->elements()[i] : 0;
}

bool CompletedBefore(GameStatics* s) {
  if (!s->cGame_campaignPlay) return false;
  ObjectArray* results = s->cGame_levelResults;
  const int32_t world = s->cGame_currentWorld;
  if (!results || world < 0 || world >= results->length) return false;
  return IntAt(CheckCast<IntArray>(results->elements()[world]), s->cGame_currentLevel + 1) > -1;
}

// One line at a time: a line closed by a skip, with the dialogue option off, or on a level
// completed before, skips the lines with a speaker. The last entry is never shown.
void OpeningDialogue(GameStatics* s) {
  const bool option = s->cGame_levelIntroTextsEnabled;
  const bool completed = CompletedBefore(s);
  const int32_t count = s->cGame_introCount;
  if (s->cGame_popupAnswered || !option || completed) {
    s->cGame_popupAnswered = false;
    if (s->cGame_popupChoice == 3 || !option || completed) {
      while (s->cGame_introLine < count - 1 && IntAt(s->cGame_introSpeakers, s->cGame_introLine)) {
        s->cGame_introLine += 1;
      }
    }
  }
  if (s->cGame_introLine < count - 1) {
    const int32_t line = s->cGame_introLine;
    ShowDialogueLine(IntAt(s->cGame_introTexts, line), IntAt(s->cGame_introSpeakers, line));
    s->cGame_introLine += 1;
    return;
  }
  cActor::setVisible(s->cGame_launcherActor(), true);
  if (s->cGame_levelKind() == kLessonLevel) {
    cGame::setSoftKeys(-2, -1, 0);
    StartPlay();
  } else {
    SetPhase(3);
  }
}

void SpawnBanner(GameStatics* s) {
  cGame::setSoftKeys(-2, -1, 0);
  cGame::postEvent(kBlockShots);
  s->cGame_introActor =
      cGame::spawnActor(Slot(kBannerSlot), 0, s->cGame_canvasWidth / 2, s->cGame_canvasHeight / 2,
                        kBannerIn, kBannerDepth, kNotifyMode, kBannerLayer, kBannerEnd);
  SetPhase(4);
}

// Without a banner (the pool was full) nothing would post its end: the phase goes on at once.
bool BannerEnded(GameStatics* s) {
  return !s->cGame_introActor || cGame::consumeEvent(kBannerEnd);
}

void BannerHold(GameStatics* s) {
  s->cGame_phaseWait += s->cGame_frameTime;
  if (s->cGame_phaseWait < kBannerHold) return;
  if (cActor* banner = s->cGame_introActor) {
    banner->eventA = 0;
    cActor::setAnimation(banner, kBannerOut, kNotifyMode, true);
    cActor::setAnimationAtFrame(banner, kBannerOut, 0);
    banner->event = kBannerEnd;
    cActor::resumeAnimation(banner);
  }
  SetPhase(7);
}

// ---- Play ------------------------------------------------------------------------------------

void Play(GameStatics* s) {
  s->cGame_levelFrames += 1;
  s->cGame_levelTime += s->cGame_frameTime;
  if (cGame::consumeEvent(kTimer9)) {
    s->cGame_sinceEvent9 = 0;
    s->cGame_triggerLatch &= ~0x200;
  } else {
    s->cGame_sinceEvent9 += s->cGame_frameTime;
  }
  if (cGame::consumeEvent(kTimer10)) {
    s->cGame_sinceEvent10 = 0;
    s->cGame_triggerLatch &= ~0x800;
  } else {
    s->cGame_sinceEvent10 += s->cGame_frameTime;
  }
  cGame::stepLessonScript();
  if (cGame::consumeEvent(kLost)) {
    if (s->cGame_musicEnabled) cGame::playSound(kLostMusic, 1);
    s->cGame_levelWon = false;
    s->cGame_failCount += 1;
    SetPhase(kLevelEnd);
  } else if (cGame::consumeEvent(kWon)) {
    if (s->cGame_musicEnabled) cGame::playSound(kWonMusic, 1);
    s->cGame_levelWon = true;
    SetPhase(kLevelEnd);
  } else if (cGame::consumeEvent(kRestart)) {
    s->cGame_levelWon = false;
    SetPhase(kLevelEnd);
    s->cGame_retryRequested() = true;
    if (s->cGame_levelKind() == kLessonLevel) s->cGame_levelRestartLight = true;
  }
  if (s->cGame_retryRequested()) cGame::paintScene(true, false, 0);
}

// ---- The state's frame -----------------------------------------------------------------------

// The touch bar: left and right held turn the aim as their keys do, a tap on the middle
// square fires.
void TouchBar(GameStatics* s) {
  s->cGame_controlBarLeftLit = s->cGame_controlBarRightLit = s->cGame_controlBarCentreLit = false;
  if (s->cGame_currentState != kPlayState) return;
  ByteArray* keys = s->cGame_keysLatched;
  auto press = [keys](int32_t k) {
    if (keys && k < keys->length) keys->elements()[k] = 1;
  };
  if (cGame::isPointerInRect(kLeftX, kBarY, kBarSize, kBarSize)) {
    press(kKeyLeft);
    s->cGame_controlBarLeftLit = true;
  }
  if (cGame::isPointerInRect(kRightX, kBarY, kBarSize, kBarSize)) {
    press(kKeyRight);
    s->cGame_controlBarRightLit = true;
  }
  if (cGame::isPointerInRect(kFireX, kBarY, kBarSize, kBarSize)) {
    s->cGame_controlBarCentreLit = true;
  }
  if (cGame::isTapReleasedInRect(kFireX, kBarY, kBarSize, kBarSize)) press(kKeyFire);
}

// Only while the opening's banner or play runs (phases 3..9). A resume from the background
// pauses once; the flag is taken either way, so an old resume does not pause a later play.
void PauseTest(GameStatics* s) {
  const bool resumed = LoadShared(s->cGame_resumedFlag);
  StoreShared(s->cGame_resumedFlag, false);
  const int32_t phase = s->cGame_playPhase;
  if (phase < 3 || phase > kPlaying) return;
  const bool pause =
      cGame::getKeyReleased() == kRightSoftKey ||
      cGame::isTapReleasedInRect(400, s->cGame_canvasHeight - kPauseSquare, kPauseSquare,
                                 kPauseSquare) ||
      (resumed && !s->cGame_pausedOnce);
  if (!pause) return;
  cGame::stopSound();
  s->cGame_pausedOnce = true;
  if (IntArray* saved = s->cGame_menuSavedSelection; saved && kPauseList < saved->length) {
    saved->elements()[kPauseList] = 0;
  }
  cGame::setState(kPauseState);
}

void Enter(GameStatics* s) {
  if (cGame* canvas = s->cGame_canvasInstance) canvas->sizeChanged(cGame::kCanvasWidth, kPlayHeight);
  if (s->cGame_playPhase >= 3 && s->cGame_playPhase <= kPlaying) cGame::setSoftKeys(-2, -1, 0);
  s->cGame_loadKind = -1;
  cGame::postEvent(s->cGame_failCount > 0 ? kLongGuide : kShortGuide);
  s->cGame_fadeDirection = 1;
  s->cGame_fadeTime = 0;
  cGame::playLevelMusic();
  s->cGame_pausedOnce = false;
}

void Update(GameStatics* s) {
  TouchBar(s);
  cGame::updateParticleEmitters();
  cGame::updatePlay();
  cGame::getKeyReleased();
  cGame::updateWorld();
  cActor::resortLayer(1);
  cGame::updateShooter();
  PauseTest(s);
}

void Paint(GameStatics* s) {
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  if (g) g->setClip(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
  cGame::paintScene(false, false, 0);
  cGame::setClipToScreen();
  if (s->cGame_playPhase == kLevelEndScreen && (LoadShared(s->cGame_frameTick) & kBlinkBit)) {
    cGame::drawFontString(kPromptFont, 1, cGame::getString(kPromptText), s->cGame_canvasWidth / 2,
                          s->cGame_canvasHeight - 20, 3);
  }
}

}  // namespace

// ---- Shared with the level end ----------------------------------------------------------------

namespace play_phases {

void SetPhase(int32_t phase) {
  GameStatics* s = S();
  if (s->cGame_playPhase == phase) return;
  DebugLog("play phase %d -> %d", s->cGame_playPhase, phase);
  s->cGame_playPhase = phase;
}

void ShowDialogueLine(int32_t text, int32_t speaker) {
  cGame::openPopupDialog(text + kDialogueTexts, kPromptFont, speaker - 1, true);
  S()->cGame_popupOpen = true;
}

}  // namespace play_phases

// ---- The state --------------------------------------------------------------------------------

void cGame::statePlay(int32_t message) {
  GameStatics* s = S();
  switch (message) {
    case kStateEnter:
      Enter(s);
      break;
    case kStateUpdate:
      Update(s);
      break;
    case kStatePaint:
      Paint(s);
      break;
    case kStateExit:
      if (cGame* canvas = s->cGame_canvasInstance) canvas->sizeChanged(kCanvasWidth, kCanvasHeight);
      break;
    default:
      break;
  }
}

// A restart queued during the opening cuts it short: play starts at once, and phase 9 ends
// the level as a retry in the next frame.
void cGame::updatePlay() {
  GameStatics* s = S();
  if (s->cGame_playPhase < kPlaying && findEvent(kRestart) >= 0) {
    StartPlay();
    FreeBanner(s);
  }
  switch (s->cGame_playPhase) {
    case 0:
      s->cGame_levelRestartLight = false;
      s->cGame_introLine = 0;
      SetPhase(s->cGame_retryRequested() ? 1 : 2);
      s->cGame_retryRequested() = false;
      break;
    case 1:
      SetPhase(2);
      break;
    case 2:
      OpeningDialogue(s);
      break;
    case 3:
      SpawnBanner(s);
      break;
    case 4:
      if (!BannerEnded(s)) break;
      s->cGame_phaseWait = 0;
      SetPhase(s->cGame_currentWorld <= kLastPlainWorld ? 5 : 6);
      break;
    case 5:
    case 6:
      BannerHold(s);
      break;
    case 7:
      if (!BannerEnded(s)) break;
      StartPlay();
      FreeBanner(s);
      break;
    case kPlaying:
      Play(s);
      break;
    default:
      updateLevelEnd();
      break;
  }
}

void cGame::bossOnLevelLost() {
  switch (S()->cGame_bossKind) {
    case 2:
    case 5:
      setBossStateKind2(1002);
      break;
    case 3:
      setBossStateKind3(1002);
      break;
    default:
      break;
  }
}
