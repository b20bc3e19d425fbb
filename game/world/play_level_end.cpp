// The level end's half of the play state's phase machine (phases 10..23): the board bursts,
// the rating and the stored result, the unlock banner, the fireworks, the closing dialogue,
// the awards, the level-end screen, the retry question, and the loader's way out of the
// level. A phase that opens the popup goes on when the popup closes.
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/world/play_phases.h"
#include "runtime/array.h"

namespace {

using namespace play_phases;

constexpr int32_t kBunches = 10;
constexpr int32_t kHideLauncher = 40;
constexpr int32_t kRatingTime = 2000;  // ms of phase 11
constexpr int32_t kFireworksAt = 2350, kWaitEnd = 4050;  // ms of phase 16
constexpr int32_t kFireworkDepth = 100, kFireworkLayer = 7;
constexpr int32_t kUnlockSound = 19;
constexpr int32_t kUnlockTitle = 215, kFirstItemText = 690, kPopupFont = 3;
constexpr int32_t kListedCelebration = 687, kWorld0Celebration = 688;
constexpr int32_t kRetryQuestion = 214;
constexpr int32_t kFadeStep = 200;           // ms
constexpr int64_t kEndScreenDelay = 1000;   // ms of phase 20's fade clock
constexpr int32_t kDim = static_cast<int32_t>(0xcc000000u);
constexpr int32_t kWaveLevel = 2;
constexpr int32_t kLoadingState = 4;
constexpr int32_t kUnloadLevel = 15, kRebuildLevel = 3, kLevelMap = 6, kEndSequence = 11;
constexpr int32_t kMenus = 1, kExtraList = 8;
constexpr int32_t kMapState = 9, kEndingState = 31, kChooserState = 8, kMainMenuState = 6;
constexpr int32_t kExtraState = 28, kListState = 27;
constexpr int32_t kLastWorld = 7, kLastLevel = 12;

GameStatics* S() {
  return Statics<GameStatics>();
}

IntArray* ResultRow(GameStatics* s) {
  ObjectArray* results = s->cGame_levelResults;
  const int32_t world = s->cGame_currentWorld;
  if (!results || world < 0 || world >= results->length) return nullptr;
  IntArray* row = CheckCast<IntArray>(results->elements()[world]);
  const int32_t column = s->cGame_currentLevel + 1;
  return row && column >= 1 && column < row->length ? row : nullptr;
}

int32_t StoredResult(GameStatics* s) {
  IntArray* row = ResultRow(s);
  return row ? row->elements()[s->cGame_currentLevel + 1] : -2;
}

// ---- Phase 10 --------------------------------------------------------------------------------

// The bonus is paid once per improvement: 2 after 1 pays the other half.
int32_t TimeBonus(GameStatics* s) {
  const int32_t before = s->cGame_previousRating, bonus = s->cGame_timeBonus;
  const bool rated = before == 1 || before == 2;
  if (s->cGame_levelRating == 2) return before == 1 ? bonus >> 1 : (rated ? 0 : bonus);
  if (s->cGame_levelRating == 1) return rated ? 0 : bonus / 2;
  return 0;
}

void RateWin(GameStatics* s) {
  if (!cGame::isItemUnlocked(s->cGame_levelUnlockItem)) {
    cGame::unlockItem(s->cGame_levelUnlockItem);
  } else {
    s->cGame_levelUnlockItem = -1;
  }
  const int32_t time = s->cGame_levelTime;
  const int32_t slow = s->cGame_fastTime + s->cGame_slowTimeSpan;
  s->cGame_levelRating = time < s->cGame_fastTime ? 2 : (time < slow ? 1 : 0);
  const int32_t bonus = TimeBonus(s);
  if (bonus > 0) cGame::addScore(bonus, true);
  if (s->cGame_levelRating > s->cGame_previousRating) {
    if (IntArray* row = ResultRow(s)) row->elements()[s->cGame_currentLevel + 1] = s->cGame_levelRating;
  }
}

void LevelEnd(GameStatics* s) {
  cGame::setSoftKeys(-1, -1, 0);
  cActor::setVisible(s->cGame_launcherActor(), false);
  s->cGame_closingLine = 0;
  s->cGame_levelOver = true;
  s->cGame_celebrationShown = false;
  const bool boss = s->cGame_bossKind != -1;
  if (boss && !s->cGame_levelWon) cGame::bossOnLevelLost();
  if (!boss || s->cGame_levelWon || s->cGame_bossKind == 3) {
    for (int32_t b = 0; b < kBunches; b++) cGame::burstBunch(b, 0);
  }
  cGame::postEvent(kHideLauncher);
  cGame::popPreviewBubbles();
  s->cGame_levelRating = 0;
  s->cGame_previousRating = StoredResult(s);
  s->cGame_awardCursor = -1;
  if (s->cGame_retryRequested()) {
    SetPhase(23);
    return;
  }
  cGame::setHudMeterAnims(s->cGame_levelWon);
  if (s->cGame_levelWon) RateWin(s);
  s->cGame_phaseTimer = kRatingTime;
  SetPhase(11);
}

// ---- Phases 11 to 17 -------------------------------------------------------------------------

void Fireworks(GameStatics* s) {
  const int32_t before = s->cGame_phaseTimer;
  if (s->cGame_levelWon && before < kFireworksAt && kFireworksAt <= before + s->cGame_frameTime) {
    for (int32_t kind = 2; kind <= 4; kind++) {
      cGame::spawnEmitterActor(kind, 0, s->cGame_canvasWidth / 2, s->cGame_canvasHeight / 2,
                               kFireworkDepth, kFireworkLayer);
    }
  }
  if (s->cGame_phaseTimer > kWaitEnd) {
    if (s->cGame_levelType == kWaveLevel) {
      cGame::paintScene(true, true, kDim);
      if (s->cGame_statBestSurvivalTime < s->cGame_levelTime) {
        s->cGame_statBestSurvivalTime = s->cGame_levelTime;
      }
      if (s->cGame_statBestStage < s->cGame_stageReached) {
        s->cGame_statBestStage = s->cGame_stageReached;
      }
      cGame::saveProgress();
      cGame::buildLevelEndScreen(kWaveLevel);
      SetPhase(kLevelEndScreen);
      s->cGame_fadeTime = 0;
      s->cGame_phaseTimer = 0;
    } else {
      SetPhase(17);
    }
    cActor::clearLayer(kFireworkLayer);
  }
  if (cGame::isTapReleasedOnScreen()) s->cGame_touchAction = 11;
  const int32_t key = cGame::getKeyReleased();
  if (key == 18 || key == 5 || key == 11) s->cGame_phaseTimer = kWaitEnd;
  s->cGame_phaseTimer += s->cGame_frameTime;
}

int32_t ShortAt(ShortArray* a, int32_t i) {
  return a && i >= 0 && i < a->length ? a->elements()[i] : 0;
}

void ClosingDialogue(GameStatics* s) {
  const bool won = s->cGame_levelWon;
  const int32_t count = won ? s->cGame_wonCount : s->cGame_lostCount;
  if (s->cGame_closingLine < count) {
    const int32_t line = s->cGame_closingLine;
    ShowDialogueLine(ShortAt(won ? s->cGame_wonTexts : s->cGame_lostTexts, line),
                     ShortAt(won ? s->cGame_wonValues : s->cGame_lostSpeakers, line));
    s->cGame_closingLine += 1;
    return;
  }
  cGame::setSoftKeys(-1, -1, 0);
  cGame::paintScene(true, false, 0);
  if (won) {
    SetPhase(19);
  } else {
    s->cGame_popupAnswered = false;
    SetPhase(22);
  }
}

// ---- Phases 19 to 22 -------------------------------------------------------------------------

// awardCursor keeps the last award raised, so the celebration can test it once none is left;
// the celebration of the listed awards opens once per level end.
void Awards(GameStatics* s) {
  const int32_t award = cGame::checkAchievements(s->cGame_awardCursor);
  IntArray* flags = s->cGame_awardFlags;
  if (award >= 0) {
    s->cGame_awardCursor = award;
    if (flags && award < flags->length) flags->elements()[award] = 1;
    cGame::openPopupAward(award);
    s->cGame_popupOpen = true;
    return;
  }
  if (!s->cGame_celebrationShown && s->cGame_awardCursor >= 0 &&
      cGame::isInAwardIdList(s->cGame_awardCursor)) {
    s->cGame_celebrationShown = true;
    cGame::openPopupCelebration(kListedCelebration);
    s->cGame_popupOpen = true;
  } else if (cGame::tryWorld0Level12Flag()) {
    cGame::openPopupCelebration(kWorld0Celebration);
    s->cGame_popupOpen = true;
  } else {
    s->cGame_fadeDirection = 1;
    s->cGame_fadeTime = 0;
    s->cGame_phaseTimer = kFadeStep;
    s->cGame_closingStep = 0;
    SetPhase(20);
  }
}

void EndScreenFade(GameStatics* s) {
  s->cGame_fadeTime += s->cGame_frameTime;
  if (s->cGame_fadeTime <= kEndScreenDelay) return;
  cGame::paintScene(true, true, kDim);
  cGame::buildLevelEndScreen(s->cGame_levelType);
  SetPhase(kLevelEndScreen);
  s->cGame_fadeTime = 0;
  s->cGame_phaseTimer = 0;
}

void EndScreen(GameStatics* s) {
  s->cGame_controlBarShown = false;
  s->cGame_phaseTimer -= s->cGame_frameTime;
  cGame::updateTransition(true);
  if (s->cGame_phaseTimer >= 0) return;
  if (s->cGame_closingStep == 0) {
    if (!cGame::updateInfoPanel()) return;
    s->cGame_closingStep = 1;
    s->cGame_fadeDirection = -1;
    s->cGame_phaseTimer = kFadeStep;
    return;
  }
  s->cGame_closingStep = 0;
  cGame::clearPlaySelection();
  if (s->cGame_levelType == kWaveLevel) {
    s->cGame_popupAnswered = false;
    SetPhase(22);
  } else {
    SetPhase(23);
  }
}

void RetryQuestion(GameStatics* s) {
  if (!s->cGame_popupAnswered) {
    cGame::openPopupChoice(kRetryQuestion, 1, 0);
    s->cGame_fadeDirection = 1;
    s->cGame_fadeTime = 0;
    s->cGame_popupOpen = true;
    return;
  }
  s->cGame_popupAnswered = false;
  if (s->cGame_popupChoice == 1) {
    s->cGame_retryRequested() = true;
    s->cGame_controlBarShown = false;
  }
  SetPhase(23);
}

// ---- Phase 23 --------------------------------------------------------------------------------

void AddLifetimeStatistics(GameStatics* s) {
  s->cGame_statBubblesPopped += s->cGame_poppedBubbleCount;
  s->cGame_statBubblesDropped += s->cGame_droppedBubbleCount;
  s->cGame_statAttachmentsFreed += s->cGame_freedAttachmentCount;
  s->cGame_statChains += s->cGame_chainAwardCount;
  s->cGame_statPlayTime += s->cGame_levelTime;
}

void Chain(GameStatics* s, int32_t kind, int32_t state) {
  s->cGame_stateAfterLoad = kLoadingState;
  s->cGame_chainedLoadKind = kind;
  s->cGame_chainedStateAfterLoad = state;
}

// A campaign level's fastest time counts won and lost plays alike.
void CampaignWay(GameStatics* s) {
  const int32_t world = s->cGame_currentWorld, level = s->cGame_currentLevel;
  if (s->cGame_levelWon) cGame::onLevelCompleted(level, world);
  if (s->cGame_levelWon && world == kLastWorld && level == kLastLevel) {
    Chain(s, kEndSequence, kEndingState);
  } else {
    Chain(s, kLevelMap, kMapState);
  }
  int32_t& fastest = s->cGame_bossKind == -1 ? s->cGame_statBestTime : s->cGame_statBestBossTime;
  if (fastest == -1 || fastest > s->cGame_levelTime) fastest = s->cGame_levelTime;
}

void LeaveLevel(GameStatics* s) {
  s->cGame_loadKind = kUnloadLevel;
  if (s->cGame_retryRequested()) {
    Chain(s, kRebuildLevel, kPlayState);
  } else {
    AddLifetimeStatistics(s);
    if (s->cGame_campaignPlay) {
      CampaignWay(s);
    } else if (s->cGame_launchState == kExtraState) {
      Chain(s, kExtraList, kExtraState);
    } else if (s->cGame_launchState == kListState) {
      Chain(s, kMenus, kListState);
    } else if (s->cGame_launchState == kChooserState) {
      s->cGame_stateAfterLoad = kChooserState;
      s->cGame_chainedLoadKind = -1;
    } else {
      Chain(s, kMenus, kMainMenuState);
    }
  }
  s->cGame_launchState = kPlayState;
  cGame::setState(kLoadingState);
}

void Unlock(GameStatics* s) {
  if (!s->cGame_levelWon || s->cGame_levelUnlockItem == -1) {
    SetPhase(16);
    s->cGame_phaseTimer = 0;
    return;
  }
  SetPhase(13);
  cGame::startSlidingBanner(s->cGame_canvasWidth / 2, s->cGame_canvasHeight / 2, true);
}

void UnlockPopup(GameStatics* s) {
  cGame::playSfx(kUnlockSound);
  cGame::openPopupPortrait(kUnlockTitle, kFirstItemText + s->cGame_levelUnlockItem, kPopupFont);
  s->cGame_popupOpen = true;
  SetPhase(15);
  cActor::release(s->cGame_bannerActor);
  s->cGame_bannerActor = nullptr;
}

}  // namespace

void cGame::updateLevelEnd() {
  GameStatics* s = S();
  switch (s->cGame_playPhase) {
    case kLevelEnd:
      LevelEnd(s);
      break;
    case 11:
      s->cGame_phaseTimer -= s->cGame_frameTime;
      if (s->cGame_phaseTimer >= 0) break;
      stopAllEffectSlots();
      SetPhase(12);
      break;
    case 12:
      Unlock(s);
      break;
    case 13:
      if (s->cGame_bannerActor && s->cGame_bannerY != s->cGame_bannerEndY) break;
      SetPhase(14);
      break;
    case 14:
      UnlockPopup(s);
      break;
    case 15:
      SetPhase(16);
      s->cGame_phaseTimer = 0;
      break;
    case 16:
      Fireworks(s);
      break;
    case 17:
      ClosingDialogue(s);
      break;
    case 19:
      Awards(s);
      break;
    case 20:
      EndScreenFade(s);
      break;
    case kLevelEndScreen:
      EndScreen(s);
      break;
    case 22:
      RetryQuestion(s);
      break;
    case 23:
      LeaveLevel(s);
      break;
    default:
      break;
  }
}
