// The launcher, once a frame after the world update: the aim by keys or pointer, the launcher
// and its two preview bubbles kept in place, and its state machine (ready, fire requested,
// refill, wait, colour change, hidden, ended). A shot leaves in two steps: the request starts
// the meter's throwing animation, whose frame 1 posts event 25, and event 25 launches.
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kReady = 0, kFireRequested = 1, kRefill = 2, kWaiting = 3;
constexpr int32_t kColourChange = 4, kHidden = 5, kEnded = 6;
constexpr int32_t kAimSpeed = 9000000;  // 16.16 units of 1/1024 turn per second
constexpr int32_t kMuzzleRise = 76;     // the muzzle stands this far above launcherY
constexpr int32_t kNextDx = 62, kNextDy = -66;  // the next bubble's place from the launcher
constexpr int32_t kSwapTime = 250;
constexpr int32_t kArcHeight = 40;
constexpr int32_t kDangerRise = 136;
constexpr int32_t kQuickShotGap = 500, kLockout = 3000;
constexpr int32_t kPlaying = 9;
constexpr int32_t kLessonLevel = 2, kWaveLevel = 2, kPathLevel = 4;
constexpr int32_t kMaxPressure = 11;
constexpr int32_t kPlainColours = 7;
constexpr int32_t kMeterFiringAnim = 1;
constexpr int32_t kLoopMode = 20;
constexpr int32_t kGuideDots = 10;
constexpr int32_t kFloatingTextLayer = 1;
constexpr int32_t kFloatTextSlot = 3;
// Events.
constexpr int32_t kLaunch = 25, kGoalReached = 50, kShotRefused = 30, kFireEvent = 37;
constexpr int32_t kBlockShots = 38, kFreeShots = 39, kHide = 40, kShow = 41;
constexpr int32_t kColourApplied = 48, kColourChangeEnd = 49;
constexpr int32_t kRefusedText = 223;
// Game keys.
constexpr int32_t kKeyLeft = 3, kKeyLeftAlt = 10, kKeyRight = 4, kKeyRightAlt = 12;
constexpr int32_t kKeyWin = 7, kKeyFire = 5, kKeyFireAlt = 11;
// The pop effect of a preview bubble.
constexpr int32_t kPopSlot = 35, kPopAnim = 2, kOnceMode = 10, kBubbleLayer = 1;
// The aim dots.
constexpr int32_t kDotSlot = 29, kDotAnim = 1, kDotDepth = 200;

GameStatics* S() {
  return Statics<GameStatics>();
}

ASprite* Slot(int32_t slot) {
  ObjectArray* table = S()->cGame_spriteTable;
  if (!table || slot < 0 || slot >= table->length) return nullptr;
  return CheckCast<ASprite>(table->elements()[slot]);
}

// ---- Aim -------------------------------------------------------------------------------------

// Turning one way while the aim turns the other first stops it.
void AimKeys(GameStatics* s) {
  if (s->cGame_shooterState == kHidden) {
    s->cGame_aimSpeed = 0;
  } else if (cGame::isKeyDown(kKeyLeftAlt) || cGame::isKeyDown(kKeyLeft)) {
    s->cGame_aimSpeed = s->cGame_aimSpeed >= 0 ? kAimSpeed : 0;
  } else if (cGame::isKeyDown(kKeyRightAlt) || cGame::isKeyDown(kKeyRight)) {
    s->cGame_aimSpeed = s->cGame_aimSpeed < 1 ? -kAimSpeed : 0;
  } else {
    s->cGame_aimSpeed = 0;
  }
}

// A known pointer above the muzzle aims at itself, over the keys.
void PointerAim(GameStatics* s) {
  const int32_t px = s->cGame_pointerX, py = s->cGame_pointerY;
  const int32_t muzzleY = s->cGame_launcherY - kMuzzleRise;
  if (px == -1 || py == -1 || py >= muzzleY) return;
  s->cGame_aimAngle = (768 - cGame::atan2To1024(py - muzzleY, px - s->cGame_launcherX)) << 16;
}

// Frames 0..25 aim right of straight up, 26..50 left.
void LauncherFrame(GameStatics* s) {
  if (s->cGame_aimAngle == s->cGame_previousAimAngle) return;
  const int32_t half = s->cGame_launcherFrames / 2;
  const int32_t angle = s->cGame_aimAngle;
  int32_t frame;
  if (angle <= 0) {
    frame = (half * -angle / 219) >> 16;
  } else {
    frame = 26 + ((half * angle / 219) >> 16);
    if (frame > s->cGame_launcherFrames - 1) frame = s->cGame_launcherFrames - 1;
  }
  cActor::setAnimationAtFrame(s->cGame_launcherActor(), 0, frame);
}

// ---- Places ----------------------------------------------------------------------------------

// The refill: the current bubble rises on an arc from the next bubble's place to the muzzle
// while the next one slides up into its place from below.
void PreviewPlaces(GameStatics* s) {
  const int32_t lx = s->cGame_launcherX, ly = s->cGame_launcherY;
  cActor* current = s->cGame_currentBubbleActor;
  cActor* next = s->cGame_nextBubbleActor;
  if (s->cGame_swapTimer > 0) {
    if (s->cGame_popupOpen) return;
    const int32_t t = (s->cGame_swapTimer << 16) / kSwapTime;
    const int32_t arc = (cGame::sin1024((t << 9) >> 16) * kArcHeight) >> 16;
    cActor::setPosition(current, lx + ((t * kNextDx) >> 16),
                        ly + ((t * 10) >> 16) - arc - kMuzzleRise);
    cActor::setPosition(next, lx + kNextDx, ly + kNextDy + s->cGame_swapTimer * 12 / kSwapTime);
    s->cGame_swapTimer -= s->cGame_frameTime;
    if (s->cGame_swapTimer < 0) s->cGame_swapTimer = 0;
    if (s->cGame_levelType == kWaveLevel && s->cGame_swapTimer == 0 &&
        s->cGame_wavePressure < kMaxPressure) {
      s->cGame_wavePressure += s->cGame_waveStep;
      if (s->cGame_wavePressure > kMaxPressure) s->cGame_wavePressure = kMaxPressure;
    }
    return;
  }
  cActor::setPosition(current, lx, ly - kMuzzleRise);
  cActor::setPosition(next, lx + kNextDx, ly + kNextDy);
}

// When the lockout ends the meter plays meterAnim, its events dropped.
void LockoutEnd(GameStatics* s) {
  if (s->cGame_rapidFireLockout > 0 && s->cGame_rapidFireLockout - s->cGame_frameTime < 1) {
    if (cActor* meter = s->cGame_meterActor) {
      meter->eventA = 0;
      meter->event = 0;
      cActor::setAnimation(meter, s->cGame_meterAnim, kLoopMode, true);
      cActor::resumeAnimation(meter);
    }
  }
  s->cGame_rapidFireLockout -= s->cGame_frameTime;
}

// The events and the places of every state but hidden; false once the launcher hides.
bool EventsAndPlaces(GameStatics* s) {
  if (cGame::consumeEvent(kHide)) {
    if (s->cGame_shooterState != kHidden) s->cGame_savedShooterState = s->cGame_shooterState;
    s->cGame_shooterState = kHidden;
    return false;
  }
  if (cGame::consumeEvent(kBlockShots)) {
    s->cGame_shotsBlocked = true;
  } else if (cGame::consumeEvent(kFreeShots)) {
    s->cGame_shotsBlocked = false;
  }
  if (s->cGame_shooterState == kHidden) return true;
  if (ShortArray* events = s->cGame_colourChangeEvents) {
    const int32_t k = cGame::consumeFirstEvent(events, events->length);
    ShortArray* colours = s->cGame_colourChangeColours;
    if (k >= 0 && colours && k < colours->length) {
      cGame::changeCurrentBubble(colours->elements()[k]);
    }
  }
  PreviewPlaces(s);
  cActor::setPosition(s->cGame_launcherActor(), s->cGame_launcherX,
                      s->cGame_launcherY - kMuzzleRise);
  LockoutEnd(s);
  return true;
}

// ---- States ----------------------------------------------------------------------------------

// Event 37 is taken whether or not a tap or a key asks too.
bool FireRequested() {
  const bool event = cGame::consumeEvent(kFireEvent) != 0;
  return cGame::isTapReleasedAboveLine() || cGame::isKeyJustPressed(kKeyFire) ||
         cGame::isKeyJustPressed(kKeyFireAlt) || event;
}

bool FireAccepted(GameStatics* s) {
  const bool lesson = s->cGame_levelKind() == kLessonLevel;
  if (lesson && s->cGame_shotInFlight) return false;
  if (cActor::getAnim(s->cGame_meterActor) == kMeterFiringAnim) return false;
  return !lesson || (!Bubble::hasPendingEvents() && s->cGame_lessonPhase != 2);
}

// Once the shot sequence is spent, a preview colour no longer on the board is changed.
void RefreshColours(GameStatics* s) {
  if (s->cGame_shotCount < s->cGame_shotSequenceLength || s->cGame_shotSequenceRepeats == -1) {
    return;
  }
  if (s->cGame_levelKind() == kLessonLevel || s->cGame_levelType == kPathLevel) return;
  const int32_t mask = s->cGame_boardColourMask;
  if (mask == 0) return;
  s->cGame_pendingCurrentColour = s->cGame_currentColour;
  s->cGame_pendingNextColour = s->cGame_nextColour;
  const int32_t current = s->cGame_currentColour, next = s->cGame_nextColour;
  if (current < kPlainColours && !(mask >> current & 1)) {
    cGame::changeCurrentBubble(cGame::chooseNextBubbleColor());
  }
  if (next < kPlainColours && !(mask >> next & 1)) {
    cGame::changeNextBubble(cGame::chooseNextBubbleColor());
  }
}

void Ready(GameStatics* s) {
  cActor::setVisible(s->cGame_currentBubbleActor, true);
  cActor::setVisible(s->cGame_nextBubbleActor, true);
  s->cGame_aimGuideOn = s->cGame_rapidFireLockout < 1;
  // A request counts only outside the lockout and while shots are free; one that does not
  // count is no request.
  if (FireRequested() && s->cGame_rapidFireLockout < 1 && !s->cGame_shotsBlocked) {
    if (!FireAccepted(s)) return;
    s->cGame_quickShots =
        s->cGame_sinceFireRequest < kQuickShotGap ? s->cGame_quickShots + 1 : 0;
    cGame::startHudMeters();
    s->cGame_sinceFireRequest = 0;
    s->cGame_shooterState = kFireRequested;
    return;
  }
  RefreshColours(s);
}

// The shot leaves from the muzzle along the aim; a full pool launches nothing, and the
// launcher refills all the same.
void Launch(GameStatics* s) {
  s->cGame_shotCount += 1;
  if (Bubble* shot = Bubble::allocate()) {
    const int32_t y = s->cGame_launcherShake < 1 ? s->cGame_launcherY : s->cGame_launcherAltY;
    const int32_t angle = s->cGame_aimAngle >> 16;
    shot->x = s->cGame_launcherX << 16;
    shot->y = (y - kMuzzleRise) << 16;
    shot->vx = cGame::sin1024(angle + 512) * s->cGame_shotSpeed;
    shot->vy = cGame::sin1024(angle + 768) * s->cGame_shotSpeed;
    shot->syncPixelFromPosition();
    shot->faceByVelocity();
    shot->colour = s->cGame_currentColour;
  }
  s->cGame_shooterState = kRefill;
  if (s->cGame_quickShots >= 2) {
    s->cGame_rapidFireLockout = kLockout;
    s->cGame_quickShots = 0;
  }
  cGame::markAllTargets();
}

void RunState(GameStatics* s) {
  switch (s->cGame_shooterState) {
    case kReady:
      Ready(s);
      break;
    case kFireRequested:
      s->cGame_aimGuideOn = false;
      if (cGame::consumeEvent(kLaunch)) Launch(s);
      break;
    case kRefill:
      s->cGame_aimGuideOn = false;
      cGame::advanceBubbleQueue();
      s->cGame_shooterState = kWaiting;
      break;
    case kWaiting:
      s->cGame_aimGuideOn = false;
      if (s->cGame_levelKind() != kLessonLevel || s->cGame_swapTimer <= 0) {
        s->cGame_shooterState = kReady;
      }
      break;
    case kColourChange:
      s->cGame_aimGuideOn = false;
      if (cGame::consumeEvent(kColourApplied)) {
        s->cGame_currentColour = s->cGame_pendingCurrentColour;
        s->cGame_nextColour = s->cGame_pendingNextColour;
        cActor::setAnimation(s->cGame_currentBubbleActor, s->cGame_currentColour, kLoopMode, true);
        cActor::setAnimation(s->cGame_nextBubbleActor, s->cGame_nextColour, kLoopMode, true);
      }
      if (cGame::consumeEvent(kColourChangeEnd)) s->cGame_shooterState = kReady;
      break;
    case kHidden:
      s->cGame_aimGuideOn = false;
      cActor::setVisible(s->cGame_launcherActor(), false);
      if (cGame::consumeEvent(kShow)) {
        cActor::setVisible(s->cGame_launcherActor(), true);
        s->cGame_shooterState = s->cGame_savedShooterState;
      }
      break;
    case kEnded:
      s->cGame_aimGuideOn = false;
      break;
    default:
      break;
  }
}

// The refused-shot notice stands above the danger line by the body font's height.
void RefusedNotice(GameStatics* s) {
  if (!cGame::consumeEvent(kShotRefused)) return;
  int32_t height = 0;
  if (ASprite* font = Slot(kFloatTextSlot)) {
    height = font->getFontHeight();
    if (font->scale >= 0) height = height * font->scale / 256;
  }
  cGame::spawnFloatingText(kRefusedText, s->cGame_canvasWidth / 4, s->cGame_dangerLineY - height,
                           kFloatingTextLayer);
}

}  // namespace

// ---- The launcher's frame ---------------------------------------------------------------------

void cGame::updateShooter() {
  GameStatics* s = S();
  s->cGame_dangerLineY = s->cGame_launcherY - kDangerRise;
  s->cGame_previousAimAngle = s->cGame_aimAngle;
  AimKeys(s);
  if (isKeyDown(kKeyWin)) postEvent(kGoalReached);
  s->cGame_aimAngle += (s->cGame_aimSpeed / 1000) * s->cGame_frameTime;
  PointerAim(s);
  if (s->cGame_aimAngle > s->cGame_aimLimit) s->cGame_aimAngle = s->cGame_aimLimit;
  if (s->cGame_aimAngle < -s->cGame_aimLimit) s->cGame_aimAngle = -s->cGame_aimLimit;
  LauncherFrame(s);
  RefusedNotice(s);
  if (EventsAndPlaces(s) && s->cGame_shooterState <= kEnded) RunState(s);
  if (!s->cGame_levelOver && s->cGame_playPhase == kPlaying) {
    s->cGame_sinceFireRequest += s->cGame_frameTime;
  }
  updateShooterHud();
}

// ---- Level end and level start ----------------------------------------------------------------

// Each pop stands where its preview bubble was.
void cGame::popPreviewBubbles() {
  GameStatics* s = S();
  for (cActor* actor : {static_cast<cActor*>(s->cGame_currentBubbleActor),
                        static_cast<cActor*>(s->cGame_nextBubbleActor)}) {
    if (!actor) continue;
    const int32_t x = actor->x, y = actor->y;
    cActor::release(actor);
    spawnActor(Slot(kPopSlot), 0, x, y, kPopAnim, 0, kOnceMode, kBubbleLayer, 0);
  }
  s->cGame_currentBubbleActor = nullptr;
  s->cGame_nextBubbleActor = nullptr;
  s->cGame_shooterState = kEnded;
}

void cGame::createAimDots() {
  GameStatics* s = S();
  if (!s->cGame_aimGuideDots) s->cGame_aimGuideDots = NewObjectArray(cid::cActor, kGuideDots);
  ObjectArray* dots = s->cGame_aimGuideDots;
  for (int32_t i = 0; dots && i < dots->length; i++) {
    cActor::release(CheckCast<cActor>(dots->elements()[i]));
    cActor* dot = spawnActor(Slot(kDotSlot), 0, 0, 0, kDotAnim, kDotDepth, kLoopMode,
                             kBubbleLayer, 0);
    cActor::setVisible(dot, false);
    dots->elements()[i] = dot;
  }
  s->cGame_aimGuidePhase = 0;
  s->cGame_aimGuideOn = false;
}
