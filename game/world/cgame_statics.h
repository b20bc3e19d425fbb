// The static fields of cGame that belong to the in-game world and its scene, as one declaration
// list for the static block (runtime/static_fields.h says how an entry is written), and the types
// that this folder's cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ByteArray;
class IntArray;
class ObjectArray;
class ShortArray;
class ASprite;
class cActor;
class Bubble;
class String;

// levelPassedFlag: the play state's record that the level was passed. The level's own
// counters, zeroed before each level: bubbles popped in matches, bubbles dropped from burst
// bunches, freed attachments, chain awards, and levelTime, the ms played. dangerLineY: the y of the
// HUD's danger line in pixels.
// previousRating: the result the level had before this play, taken at the level end
// (game/world/play_state.cpp); the level load sets it too (game/level/level_data.cpp).
// The scene screens (game/world/scene_screens.cpp, game/level/scene_services.cpp): scrollText
// and scrollTextBreaks, its line table in the body font; textScrollY its top in 8.8 px and
// scrollTextHeight its wrapped height in px. sceneActors: the actors the screen releases
// together. backgroundActors: six actors flying across the upper screen; per actor
// backgroundElapsed, ms into its flight (negative: waiting), backgroundDuration its length,
// backgroundStartY and backgroundEndY, and backgroundReverse, 1 when it flies right to left.
// chooserWorld: the level chooser's world 0..10, -1 outside it. launchState: the state that
// started the current screen or level, which later screens read to know where back leads.
#define PLIMORA_STATICS_cGame_world(REF, VALUE) \
  VALUE(cGame, int32_t, chooserWorld)           \
  VALUE(cGame, int32_t, launchState)            \
  REF(cGame, String, scrollText)                \
  REF(cGame, ShortArray, scrollTextBreaks)      \
  VALUE(cGame, int32_t, textScrollY)            \
  VALUE(cGame, int32_t, scrollTextHeight)       \
  REF(cGame, ObjectArray, sceneActors)          \
  REF(cGame, ObjectArray, backgroundActors)     \
  REF(cGame, IntArray, backgroundElapsed)       \
  REF(cGame, IntArray, backgroundDuration)      \
  REF(cGame, IntArray, backgroundStartY)        \
  REF(cGame, IntArray, backgroundEndY)          \
  REF(cGame, ByteArray, backgroundReverse)      \
  VALUE(cGame, bool, levelPassedFlag)           \
  VALUE(cGame, int32_t, poppedBubbleCount)      \
  VALUE(cGame, int32_t, droppedBubbleCount)     \
  VALUE(cGame, int32_t, freedAttachmentCount)   \
  VALUE(cGame, int32_t, chainAwardCount)        \
  VALUE(cGame, int32_t, levelTime)              \
  VALUE(cGame, int32_t, dangerLineY)            \
  VALUE(cGame, int32_t, previousRating)        \
  PLIMORA_STATICS_cGame_world_shooter(REF, VALUE) PLIMORA_STATICS_cGame_world_play(REF, VALUE)

// The launcher (game/world/shooter.cpp, game/world/shooter_setup.cpp). aimAngle,
// previousAimAngle, aimLimit: 16.16 units of 1/1024 turn, 0 straight up, positive to the left,
// within +-aimLimit (219 units); aimSpeed 16.16 units per second. launcherY (pixels, x is the
// board's launcherX); launcherAltY the y before a shake, launcherShake its frames left.
// launcherFrames the aiming animation's frames (51), launcherSprite its sprite. shooterState
// -1..6 (0 ready, 1 fire requested, 2 refill, 3 wait, 4 colour change, 5 hidden, 6 ended),
// savedShooterState the state a shown launcher returns to. shotCount, shotSpeed (px/s).
// pendingCurrentColour, pendingNextColour: what a colour change applies. quickShots fire
// requests in a row less than 500 ms apart; rapidFireLockout ms of refused shots left.
// aimGuideOn the aim guide shows; shotsBlocked by event 38 until 39. currentBubbleActor,
// nextBubbleActor the two preview bubbles. meterAnim the meter actor's animation when the
// lockout ends. colourChangeEvents, colourChangeColours: parallel lists, an event queued
// changes the current bubble to its colour (filled by nothing yet). wavePressure, waveStep
// (level type 2). aimGuideDots: Object[10], the aim guide's dots; aimGuidePhase their slide
// (ms). Read from the board survey and the lesson script: shotInFlight, a shot flies;
// lessonPhase, the lesson script's phase.
#define PLIMORA_STATICS_cGame_world_shooter(REF, VALUE) \
  VALUE(cGame, int32_t, aimAngle)                       \
  VALUE(cGame, int32_t, previousAimAngle)               \
  VALUE(cGame, int32_t, aimLimit)                       \
  VALUE(cGame, int32_t, aimSpeed)                       \
  VALUE(cGame, int32_t, launcherY)                      \
  VALUE(cGame, int32_t, launcherAltY)                   \
  VALUE(cGame, int32_t, launcherShake)                  \
  VALUE(cGame, int32_t, launcherFrames)                 \
  REF(cGame, ASprite, launcherSprite)                   \
  VALUE(cGame, int32_t, shooterState)                   \
  VALUE(cGame, int32_t, savedShooterState)              \
  VALUE(cGame, int32_t, shotCount)                      \
  VALUE(cGame, int32_t, shotSpeed)                      \
  VALUE(cGame, int32_t, pendingCurrentColour)           \
  VALUE(cGame, int32_t, pendingNextColour)              \
  VALUE(cGame, int32_t, quickShots)                     \
  VALUE(cGame, int32_t, rapidFireLockout)               \
  VALUE(cGame, bool, aimGuideOn)                        \
  VALUE(cGame, bool, shotsBlocked)                      \
  REF(cGame, cActor, currentBubbleActor)                \
  REF(cGame, cActor, nextBubbleActor)                   \
  VALUE(cGame, int32_t, meterAnim)                      \
  REF(cGame, ShortArray, colourChangeEvents)            \
  REF(cGame, ShortArray, colourChangeColours)           \
  VALUE(cGame, int32_t, wavePressure)                   \
  VALUE(cGame, int32_t, waveStep)                       \
  REF(cGame, ObjectArray, aimGuideDots)                 \
  VALUE(cGame, int32_t, aimGuidePhase)                  \
  VALUE(cGame, bool, shotInFlight)                      \
  VALUE(cGame, int32_t, lessonPhase)

// The play state (game/world/play_state.cpp, game/world/play_level_end.cpp) and the world
// update (game/world/world_update.cpp). failCount: losses since the level was loaded (a
// retry that rebuilds a lesson level as one is the loader's levelRestartLight, the touch
// bar's held buttons its controlBar*Lit). introLine, closingLine: the next
// line of the opening and the closing dialogue. phaseTimer, phaseWait: ms of the phases 10..21
// and 5..6. introActor: the start banner of phases 3..7. levelRating: this play's 0..2.
// awardCursor: the last award handed out at the level end, -1 none; celebrationShown: the
// celebration popup was opened at this level end. closingStep: the halves of phase 21.
// pausedOnce: play was paused since state 17 was entered; resumedFlag: the game came back
// from the background. frameMod5 (0..4); coloursMasked after event 44 until 45;
// bubbleUpdateStart the pool index the bubble updates start at, bubblesMoved how many moved;
// settleTimer ms; gridRebuildRequested the collision grid is to be rebuilt. stageReached: the
// furthest stage of a level of type 2.
#define PLIMORA_STATICS_cGame_world_play(REF, VALUE) \
  VALUE(cGame, int32_t, failCount)                   \
  VALUE(cGame, int32_t, introLine)                   \
  VALUE(cGame, int32_t, closingLine)                 \
  VALUE(cGame, int32_t, phaseTimer)                  \
  VALUE(cGame, int32_t, phaseWait)                   \
  REF(cGame, cActor, introActor)                     \
  VALUE(cGame, int32_t, levelRating)                 \
  VALUE(cGame, int32_t, awardCursor)                 \
  VALUE(cGame, bool, celebrationShown)               \
  VALUE(cGame, int32_t, closingStep)                 \
  VALUE(cGame, bool, pausedOnce)                     \
  VALUE(cGame, bool, resumedFlag)                    \
  VALUE(cGame, int32_t, frameMod5)                   \
  VALUE(cGame, bool, coloursMasked)                  \
  VALUE(cGame, int32_t, bubbleUpdateStart)           \
  VALUE(cGame, int32_t, bubblesMoved)                \
  VALUE(cGame, int32_t, settleTimer)                 \
  VALUE(cGame, bool, gridRebuildRequested)           \
  VALUE(cGame, int32_t, stageReached)
