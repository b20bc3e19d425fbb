// The static fields of cGame that belong to the in-game world and its scene, as one declaration
// list for the static block (runtime/static_fields.h says how an entry is written), and the types
// that this folder's cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ASprite;
class ByteArray;
class IntArray;
class MQLibPlayer;
class cActor;
class ObjectArray;
class ShortArray;
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
// The ending scene (game/world/ending_scene.cpp): scenePhase 0..4; sceneClock ms since its
// last step; sceneDialogue the phase's (text, speaker) pairs and sceneDialogueIndex the next
// pair; sceneScript the phase's records of (wait ms, actor, animation, mode) and
// sceneScriptIndex the next record's first value; sceneTextHidden: phase 4 draws no text.
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
  VALUE(cGame, int32_t, previousRating)         \
  VALUE(cGame, int32_t, scenePhase)             \
  VALUE(cGame, int32_t, sceneClock)             \
  REF(cGame, IntArray, sceneDialogue)           \
  VALUE(cGame, int32_t, sceneDialogueIndex)     \
  REF(cGame, IntArray, sceneScript)             \
  VALUE(cGame, int32_t, sceneScriptIndex)       \
  VALUE(cGame, bool, sceneTextHidden)           \
  PLIMORA_STATICS_cGame_world_build(REF, VALUE) PLIMORA_STATICS_cGame_world_actors(REF, VALUE) \
      PLIMORA_STATICS_cGame_world_scene(REF, VALUE) PLIMORA_STATICS_cGame_world_level_end(REF, VALUE) \
      PLIMORA_STATICS_cGame_world_shooter(REF, VALUE) PLIMORA_STATICS_cGame_world_play(REF, VALUE)

// The launcher (game/world/shooter.cpp, game/world/shooter_setup.cpp). aimAngle,
// previousAimAngle, aimLimit: 16.16 units of 1/1024 turn, 0 straight up, positive to the left,
// within +-aimLimit (219 units); aimSpeed 16.16 units per second. launcherY (pixels, x is the
// board's launcherX); launcherAltY the y before a shake, launcherShake its frames left and
// launcherShakeSign its size in px.
// launcherFrames the aiming animation's frames (51), launcherSprite its sprite. shooterState
// -1..6 (0 ready, 1 fire requested, 2 refill, 3 wait, 4 colour change, 5 hidden, 6 ended),
// savedShooterState the state a shown launcher returns to. shotCount, shotSpeed (px/s).
// pendingCurrentColour, pendingNextColour: what a colour change applies. quickShots fire
// requests in a row less than 500 ms apart (the refusal time is the meters' rapidFireLockout).
// aimGuideOn the aim guide shows; shotsBlocked by event 38 until 39. currentBubbleActor,
// nextBubbleActor the two preview bubbles. colourChangeEvents, colourChangeColours: parallel
// lists, an event queued changes the current bubble to its colour (filled by nothing yet).
// aimGuideDots: Object[10], the aim guide's dots; aimGuidePhase their slide
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
  VALUE(cGame, int32_t, launcherShakeSign)              \
  VALUE(cGame, int32_t, launcherFrames)                 \
  REF(cGame, ASprite, launcherSprite)                   \
  VALUE(cGame, int32_t, shooterState)                   \
  VALUE(cGame, int32_t, savedShooterState)              \
  VALUE(cGame, int32_t, shotCount)                      \
  VALUE(cGame, int32_t, shotSpeed)                      \
  VALUE(cGame, int32_t, pendingCurrentColour)           \
  VALUE(cGame, int32_t, pendingNextColour)              \
  VALUE(cGame, int32_t, quickShots)                     \
  VALUE(cGame, bool, aimGuideOn)                        \
  VALUE(cGame, bool, shotsBlocked)                      \
  REF(cGame, cActor, currentBubbleActor)                \
  REF(cGame, cActor, nextBubbleActor)                   \
  REF(cGame, ShortArray, colourChangeEvents)            \
  REF(cGame, ShortArray, colourChangeColours)           \
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
// bubbleUpdateStart the pool index the bubble updates start at, bubblesMoved how many moved.
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
  VALUE(cGame, int32_t, bubblesMoved)

// The level build (game/world/level_build.cpp, stage_loading.cpp). layoutBubbleTotal: the
// bubble records of the whole layout, every stage; stageBubbleTotal: those placed for the
// current stage. specialState: 0 after every build, 3 after a generated layout. shotSequence:
// the level's fixed shots, stored last first (index shotSequenceLength - 1 holds the first
// shot), shotSequencePending of them still to come. objectiveFlags: byte[3], a lesson's three
// objectives; a bubble flagged 0x20, 0x40 or 0x80 clears byte 0, 1 or 2.
// Type 3: sceneryBunch the bunch that rides the rising floor; gridRebuildRequested the grid
//   is refiled on the next world update; sceneryStep (px), sceneryY, sceneryPrevY,
//   sceneryStartY (px), sceneryMoving, sceneryDustClock, sceneryAmbientTimer (ms);
//   sceneryActorA and sceneryActorB the floor's two actors (null until the first frame).
// Type 8: trackStartX, trackStartY (16.16 px), trackSpeed (16.16 px per ms), trackSegments
//   (one kind a segment: 4 and up a quarter turn), trackLength (16.16, a straight 1, a turn
//   pi / 4), chainCount bubbles on the track, chainEntryBunch their bunch slots and
//   chainDistance their distances along it, trackScroll and trackStep.
// Type 2: the per-stage tables (20 entries): stageColours, stageShotsPerRow,
//   stageMaxSpecialColumns, stageSpecialsGoal, stageMasks (bit k - 7 for each special kind k),
//   stageTableE (the stage value), stageSpecialBase, stageSpecialStep, stageTableH, stageTableI,
//   stageTableJ (the special chances); the rows go to stageRowsA and stageRowsB. waveRowY the
//   top row's y (16.16); stageIndex, stageReached, pendingRows, stageLevelBubblesPopped,
//   type2BubblesPopped, waveRowCount; waveSlots int[11], a colour a column; waveStep and
//   wavePressure the refill pace; stageBannerTimer (ms); rowSpecialChance the percent chance
//   that the next generated row carries specials.
#define PLIMORA_STATICS_cGame_world_build(REF, VALUE) \
  VALUE(cGame, int32_t, layoutBubbleTotal)            \
  VALUE(cGame, int32_t, stageBubbleTotal)             \
  VALUE(cGame, int32_t, specialState)                 \
  REF(cGame, ByteArray, shotSequence)                 \
  VALUE(cGame, int32_t, shotSequencePending)          \
  VALUE(cGame, int32_t, shotSequenceLength)           \
  REF(cGame, ByteArray, objectiveFlags)               \
  VALUE(cGame, int32_t, sceneryBunch)                 \
  VALUE(cGame, bool, gridRebuildRequested)            \
  VALUE(cGame, int32_t, sceneryStep)                  \
  VALUE(cGame, int32_t, sceneryY)                     \
  VALUE(cGame, int32_t, sceneryPrevY)                 \
  VALUE(cGame, int32_t, sceneryStartY)                \
  VALUE(cGame, bool, sceneryMoving)                   \
  VALUE(cGame, int32_t, sceneryDustClock)             \
  VALUE(cGame, int32_t, sceneryAmbientTimer)          \
  REF(cGame, cActor, sceneryActorA)                   \
  REF(cGame, cActor, sceneryActorB)                   \
  VALUE(cGame, int32_t, trackStartX)                  \
  VALUE(cGame, int32_t, trackStartY)                  \
  VALUE(cGame, int32_t, trackSpeed)                   \
  REF(cGame, ByteArray, trackSegments)                \
  VALUE(cGame, int32_t, trackLength)                  \
  VALUE(cGame, int32_t, chainCount)                   \
  REF(cGame, IntArray, chainEntryBunch)               \
  REF(cGame, IntArray, chainDistance)                 \
  VALUE(cGame, int32_t, trackScroll)                  \
  VALUE(cGame, int32_t, trackStep)                    \
  REF(cGame, ByteArray, stageColours)                 \
  REF(cGame, ByteArray, stageShotsPerRow)             \
  REF(cGame, ByteArray, stageMaxSpecialColumns)       \
  REF(cGame, ByteArray, stageSpecialsGoal)            \
  REF(cGame, IntArray, stageMasks)                    \
  REF(cGame, ByteArray, stageTableE)                  \
  REF(cGame, ByteArray, stageSpecialBase)             \
  REF(cGame, ByteArray, stageSpecialStep)             \
  REF(cGame, ByteArray, stageTableH)                  \
  REF(cGame, ByteArray, stageTableI)                  \
  REF(cGame, ByteArray, stageTableJ)                  \
  VALUE(cGame, int32_t, waveRowY)                     \
  VALUE(cGame, int32_t, stageIndex)                   \
  VALUE(cGame, int32_t, stageReached)                 \
  VALUE(cGame, int32_t, pendingRows)                  \
  VALUE(cGame, int32_t, stageLevelBubblesPopped)      \
  VALUE(cGame, int32_t, type2BubblesPopped)           \
  VALUE(cGame, int32_t, waveRowCount)                 \
  REF(cGame, IntArray, waveSlots)                     \
  VALUE(cGame, int32_t, waveStep)                     \
  VALUE(cGame, int32_t, wavePressure)                 \
  VALUE(cGame, int32_t, stageBannerTimer)            \
  VALUE(cGame, int32_t, rowSpecialChance)

// The level's scene and start actors (game/world/level_actors.cpp). sceneSpritesA and
// sceneSpritesB: Object[1], the scenery sets A and B; sceneSprite and sceneActor: the sprite and
// actor of the scenery's one kind-1 record; sceneActorsA, sceneActorsB, sceneBoxes: Object[] of
// the actors made from set A, set B and the gradient boxes.
// Type 4's walker slots (levelObjectCount): pathWalkerBody and pathWalkerCarryActor Object[] of
// actors, pathWalkerKnocked byte[] (0 walking); pathWalkersEntered creatures that entered.
// The carriers: flyerState, flyerTimeLeft (ms), flyerActor and flyerBubbleActor; walkerState,
// walkerPending, walkerFacingRight, walkerActor and walkerThrowActor.
// The HUD meters: meterAnim the animation the first plays when the shooter's lockout ends,
// meterActor3 and meterActor4 (with meterActor and meterActor2 of the level's statics);
// rapidFireLockout (ms). selectedCharacter: the character chosen in the menus (0 the first).
#define PLIMORA_STATICS_cGame_world_actors(REF, VALUE) \
  REF(cGame, ObjectArray, sceneSpritesA)               \
  REF(cGame, ObjectArray, sceneSpritesB)               \
  REF(cGame, ASprite, sceneSprite)                     \
  REF(cGame, cActor, sceneActor)                       \
  REF(cGame, ObjectArray, sceneActorsA)                \
  REF(cGame, ObjectArray, sceneActorsB)                \
  REF(cGame, ObjectArray, sceneBoxes)                  \
  REF(cGame, ObjectArray, pathWalkerBody)              \
  REF(cGame, ObjectArray, pathWalkerCarryActor)        \
  REF(cGame, ByteArray, pathWalkerKnocked)             \
  VALUE(cGame, int32_t, pathWalkersEntered)            \
  VALUE(cGame, int32_t, flyerState)                    \
  VALUE(cGame, int32_t, flyerTimeLeft)                 \
  REF(cGame, cActor, flyerActor)                       \
  REF(cGame, cActor, flyerBubbleActor)                 \
  VALUE(cGame, int32_t, walkerState)                   \
  VALUE(cGame, int32_t, walkerPending)                 \
  VALUE(cGame, bool, walkerFacingRight)                \
  REF(cGame, cActor, walkerActor)                      \
  REF(cGame, cActor, walkerThrowActor)                 \
  VALUE(cGame, int32_t, meterAnim)                     \
  REF(cGame, cActor, meterActor3)                      \
  REF(cGame, cActor, meterActor4)                      \
  VALUE(cGame, int32_t, rapidFireLockout)              \
  VALUE(cGame, int32_t, selectedCharacter)

// Read by the scene's painters (frameMod5 and lessonPhase are the play state's and the
// launcher's; the lesson's step is the board's currentObjective, whose objective marker, flag
// 0x20 << step, lights a bubble): lessonMessages and
// lessonMessageValues, per step a pair whose second entry is its hint text (-1 none) and
// the hint's y. weakPointEmitters, int[6], and feeder: the ring boss's particle emitters (-1
// none). The play-area bands (game/world/scene_paint.cpp, from the board's bandTop): bandY0 ..
// bandY75 and pairTopY in 16.16.
#define PLIMORA_STATICS_cGame_world_scene(REF, VALUE) \
  REF(cGame, IntArray, lessonMessages)                \
  REF(cGame, IntArray, lessonMessageValues)           \
  REF(cGame, IntArray, weakPointEmitters)             \
  VALUE(cGame, int32_t, feeder)                       \
  VALUE(cGame, int32_t, bandY0)                       \
  VALUE(cGame, int32_t, bandY25)                      \
  VALUE(cGame, int32_t, bandY50)                      \
  VALUE(cGame, int32_t, bandY75)                      \
  VALUE(cGame, int32_t, pairTopY)

// The level-end screen (game/world/level_end.cpp): levelEndKind, the results panel shown (4,
// 2 or any other); resultsBackPlayer, the panel's background (slot 33, looping); ratingActor,
// the rating (slot 27, animation levelRating), in no layer and hidden until a panel shows it;
// the results table, resultsLabels and resultsValues (String[], null: an empty cell),
// resultsRowY (each row's y) and resultsValueX (the value column's right edge); resultsPlayers,
// resultsPlayerCount of them, the little bubbles over the values. The info panel's reveal:
// infoPanelTimer (ms before it starts), infoPanelShown items shown, infoPanelNextTime (ms to
// the next) and infoPanelRevealing.
#define PLIMORA_STATICS_cGame_world_level_end(REF, VALUE) \
  VALUE(cGame, int32_t, levelEndKind)                     \
  REF(cGame, MQLibPlayer, resultsBackPlayer)              \
  REF(cGame, cActor, ratingActor)                         \
  REF(cGame, ObjectArray, resultsLabels)                  \
  REF(cGame, ObjectArray, resultsValues)                  \
  REF(cGame, IntArray, resultsRowY)                       \
  VALUE(cGame, int32_t, resultsValueX)                    \
  REF(cGame, ObjectArray, resultsPlayers)                 \
  VALUE(cGame, int32_t, resultsPlayerCount)               \
  VALUE(cGame, int32_t, infoPanelTimer)                   \
  VALUE(cGame, int32_t, infoPanelShown)                   \
  VALUE(cGame, int32_t, infoPanelNextTime)                \
  VALUE(cGame, bool, infoPanelRevealing)

