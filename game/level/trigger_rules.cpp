// The level's trigger rules: up to 50 rules of four masks over a word of 13 condition bits,
// each posting its event when the masks hold. triggerOrder's first triggerCount entries are
// the live rules; a one-shot rule leaves by swapping with the last live one.
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

// Rule section: i32 n (cut to 50), then n x {i32 flags, repeat, mustSet, mustClear, mustRise,
// mustFall, event}; flags bit 0 makes the rule a one-shot.

namespace {

constexpr int32_t kRules = 50;
constexpr int32_t kRuleBytes = 7 * 4;
constexpr int32_t kOneShot = 0x1;
constexpr int32_t kLessonKind = 2;  // levelKind of a lesson: the wait bits stay clear

// The condition bits (triggerConditions).
constexpr int32_t kFirstFrame = 0x1;
constexpr int32_t kMeterIdle = 0x2;
constexpr int32_t kMeter2AtPose = 0x4;
constexpr int32_t kShotLanded = 0x8;
constexpr int32_t kLandingStep = 0x10;
constexpr int32_t kShotLost = 0x20;
constexpr int32_t kFirstLostShot = 0x40;
constexpr int32_t kWaitedLong = 0x80;
constexpr int32_t kWaitedLonger = 0x100;

// A periodic timer: its accumulator, the levelParams entry of its period, its pulse and latch.
struct PeriodicTimer {
  int32_t GameStatics::*elapsed;
  int32_t periodParam;
  int32_t pulse;  // latch | pulse bit
  int32_t latch;
};
constexpr PeriodicTimer kTimerA = {&GameStatics::cGame_sinceEvent9, 3, 0x600, 0x200};
constexpr PeriodicTimer kTimerB = {&GameStatics::cGame_sinceEvent10, 4, 0x1800, 0x800};

GameStatics* S() {
  return Statics<GameStatics>();
}

int32_t Param(int32_t i) {
  return IntArray::get(S()->cGame_levelParams, i);
}

int32_t Rule(const StaticRef<IntArray>& table, int32_t r) {
  return IntArray::get(table, r);
}

// The landed count of the bunch the shot last hit; 0 when it hit none or one off the table.
int32_t HitBunchLandedCount() {
  GameStatics* s = S();
  Bubble* hit = s->Bubble_hitBubble;
  ObjectArray* bunches = s->cGame_bunches;
  if (!hit || !bunches || hit->bunch < 0 || hit->bunch >= bunches->length) return 0;
  auto* bunch = CheckCast<cGame_CBubbleBunch>(bunches->elements()[hit->bunch]);
  return bunch ? bunch->landedCount : 0;
}

// The bits read from the play state, before the periodic timers.
int32_t StateBits() {
  GameStatics* s = S();
  int32_t bits = s->cGame_levelFrames == 1 ? kFirstFrame : 0;
  if (s->cGame_meterActor && cActor::getAnim(s->cGame_meterActor) == 0) bits |= kMeterIdle;
  if (cGame::isMeter2AtPose()) bits |= kMeter2AtPose;
  if (s->cGame_shotLanded) bits |= kShotLanded;
  // Departure: with levelParams[0] at 0 the landing bit stays clear, where the device took
  // a remainder by zero.
  const int32_t landed = HitBunchLandedCount();
  const int32_t step = Param(0);
  if (step != 0 && landed > 0 && landed % step == 0) bits |= kLandingStep;
  if (s->Bubble_shotLost) bits |= kShotLost;
  if (s->Bubble_lostShotCount == 1) bits |= kFirstLostShot;
  if (s->cGame_levelKind() != kLessonKind) {
    if (s->cGame_sinceFireRequest > Param(1)) bits |= kWaitedLong;
    if (s->cGame_sinceFireRequest > Param(2)) bits |= kWaitedLonger;
  }
  return bits;
}

// A timer of a positive period pulses when it passes its period (and restarts) and keeps its
// latch bit from then on until its event restarts it.
void ApplyTimer(const PeriodicTimer& timer) {
  GameStatics* s = S();
  const int32_t period = Param(timer.periodParam);
  if (period <= 0) return;
  if (s->*timer.elapsed > period) {
    s->*timer.elapsed = 0;
    s->cGame_triggerConditions |= timer.pulse;
    s->cGame_triggerLatch |= timer.latch;
  } else if (s->cGame_triggerLatch & timer.latch) {
    s->cGame_triggerConditions |= timer.latch;
  }
}

bool RuleHolds(int32_t r) {
  GameStatics* s = S();
  const int32_t now = s->cGame_triggerConditions;
  const int32_t mustSet = Rule(s->cGame_triggerMustSet, r);
  const int32_t mustClear = Rule(s->cGame_triggerMustClear, r);
  const int32_t mustRise = Rule(s->cGame_triggerMustRise, r);
  const int32_t mustFall = Rule(s->cGame_triggerMustFall, r);
  return (now & mustSet) == mustSet && (mustClear & ~now) == mustClear &&
         (s->cGame_triggerRising & mustRise) == mustRise &&
         (s->cGame_triggerFalling & mustFall) == mustFall;
}

}  // namespace

// ---- The rule list -------------------------------------------------------------------------

void cGame::addTrigger(int32_t event, int32_t flags, int32_t mustSet, int32_t mustClear,
                       int32_t mustRise, int32_t mustFall) {
  GameStatics* s = S();
  const int32_t r = s->cGame_triggerCount;
  if (r < 0 || r >= kRules) return;
  IntArray::set(s->cGame_triggerEvent, r, event);
  IntArray::set(s->cGame_triggerFlags, r, flags);
  IntArray::set(s->cGame_triggerMustSet, r, mustSet);
  IntArray::set(s->cGame_triggerMustClear, r, mustClear);
  IntArray::set(s->cGame_triggerMustRise, r, mustRise);
  IntArray::set(s->cGame_triggerMustFall, r, mustFall);
  s->cGame_triggerCount = r + 1;
}

void cGame::removeTrigger(int32_t k) {
  GameStatics* s = S();
  if (k < 0 || k >= s->cGame_triggerCount) return;
  const int32_t last = --s->cGame_triggerCount;
  IntArray* order = s->cGame_triggerOrder;
  const int32_t moved = IntArray::get(order, last);
  IntArray::set(order, last, IntArray::get(order, k));
  IntArray::set(order, k, moved);
}

void cGame::readLevelTriggers(ByteArray* level) {
  GameStatics* s = S();
  s->cGame_triggerCount = 0;
  if (!s->cGame_levelBodyFailed) {
    const int32_t at = s->cGame_dataCursor;
    int32_t count = readInt(level);
    if (count > kRules) count = kRules;
    if (!refuseLevelCount("rules", at, count, kRules, kRuleBytes)) {
      for (int32_t i = 0; i < count; i++) {
        int32_t v[7];
        for (int32_t& value : v) value = readInt(level);
        // v: flags, repeat, mustSet, mustClear, mustRise, mustFall, event. A repeat stops
        // once 50 rules exist, however large it is.
        for (int32_t n = 0; n < v[1] && s->cGame_triggerCount < kRules; n++) {
          addTrigger(v[6], v[0], v[2], v[3], v[4], v[5]);
        }
      }
      refuseCutSection("rules");
    }
  }
  computeTriggerConditions();
}

// ---- Conditions and the frame's walk -----------------------------------------------------

void cGame::computeTriggerConditions() {
  GameStatics* s = S();
  s->cGame_triggerPrevious = s->cGame_triggerConditions;
  s->cGame_triggerConditions = StateBits();
  ApplyTimer(kTimerA);
  ApplyTimer(kTimerB);
  const int32_t was = s->cGame_triggerPrevious;
  const int32_t now = s->cGame_triggerConditions;
  s->cGame_triggerFalling |= was & ~now;
  s->cGame_triggerRising |= now & ~was;
}

void cGame::updateTriggers() {
  GameStatics* s = S();
  s->cGame_triggerRising = 0;
  s->cGame_triggerFalling = 0;
  computeTriggerConditions();
  for (int32_t k = 0; k < s->cGame_triggerCount;) {
    const int32_t r = IntArray::get(s->cGame_triggerOrder, k);
    if (!RuleHolds(r)) {
      k++;
      continue;
    }
    postEvent(Rule(s->cGame_triggerEvent, r));
    if (Rule(s->cGame_triggerFlags, r) & kOneShot) {
      removeTrigger(k);
    } else {
      k++;
    }
    computeTriggerConditions();
  }
}
