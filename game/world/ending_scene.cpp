// The ending scene (state 31): five phases in a 480 x 640 canvas above the control bar. Phases
// 0, 2 and 3 run dialogue lines one after the other, each opened 2 s after the last one closed;
// phase 1 runs an animation script, one record a frame once its wait has passed; phase 4 shows
// the scrolling text until fire or the left soft key loads the main menu again.
#include <algorithm>
#include <iterator>

#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/math_natives.h"
#include "runtime/trace.h"

namespace {

using actor_support::SpriteInSlot;

constexpr int32_t kSceneWidth = 480, kSceneHeight = 640;
constexpr int32_t kTextPhase = 4;
constexpr int32_t kDialogueGap = 2000;  // ms from one line's closing to the next one's opening
constexpr int32_t kSceneLayer = 1;
constexpr int32_t kLooping = 20;  // the actors' animation mode
constexpr int32_t kDialogueFont = 3;
constexpr int32_t kSkipped = 3;  // the dialogue's answer when the player skips the scene
constexpr int32_t kTwinsLine = 622;
constexpr int32_t kTwinsAnim = 12;
constexpr int32_t kSceneMusic = 0;
constexpr int32_t kLoadingState = 4, kMainMenuState = 6;
constexpr int32_t kLeaveSceneKind = 22, kMenuKind = 1;
constexpr int32_t kBackgroundSlot = 24;
constexpr int32_t kBackgroundActors = 6;
constexpr int32_t kBackgroundDepth = 200;
constexpr int32_t kScreenEffect = 2;  // the full-screen pixel effect the phases switch on

// A phase's actor: sprite slot, place, animation, depth and end event.
struct SceneActor {
  int32_t slot, x, y, anim, z, event;
};

constexpr int32_t kDialogue0[] = {615, 3, 616, 0, 617, 1};
constexpr int32_t kScript1[] = {3000, 0,  1,    30, 0,  5,  46,   30, 1000, 0,  0,    20, 1500, 2,
                                1,    30, 2000, 4,  17, 30, 1200, 6,  15,   30, 3000, -1, -1,   -1};
constexpr int32_t kDialogue2[] = {618, 3, 619, 0, 620, 3, 621, 1, 622, 3, 623, 0};
constexpr int32_t kDialogue3[] = {624, 3, 625, 0};

constexpr SceneActor kActors0[] = {{15, 180, 600, 5, 100, 0},
                                   {16, 300, 600, 11, 100, 0},
                                   {17, 220, 600, 15, 100, 0},
                                   {44, 100, 240, 22, 200, 0},
                                   {44, 100, 240, 16, 300, 0}};
// The first actor stands 6 px lower with the second sprite set (its figure is drawn higher).
constexpr SceneActor kActors1[] = {{15, 240, 640, 0, 300, 0}, {16, 300, 600, 11, 300, 0},
                                   {17, 280, 640, 0, 300, 0}, {44, 100, 240, 22, 100, 0},
                                   {44, 100, 240, 9, 101, 0}, {25, 302, 616, 28, 0, 0},
                                   {30, 100, 240, 16, 100, 1}};
constexpr int32_t kSecondSetDrop = 6;
constexpr SceneActor kActors2[] = {{15, 120, 600, 2, 100, 0},  {16, 330, 604, 10, 100, 0},
                                   {17, 260, 600, 15, 100, 0}, {44, 100, 240, 22, 200, 0},
                                   {44, 100, 240, 10, 300, 0}, {30, 260, 590, 1, 300, 1}};
constexpr SceneActor kActors3[] = {{16, 270, 620, 20, 100, 0}, {17, 200, 620, 18, 100, 0},
                                   {15, 96, 630, 6, 100, 0},   {46, 80, 580, 4, 100, 0},
                                   {46, 240, 560, 5, 100, 0},  {46, 420, 580, 6, 100, 0},
                                   {44, 100, 240, 22, 200, 0}, {44, 100, 240, 9, 300, 0}};

template <size_t N>
IntArray* Table(const int32_t (&values)[N]) {
  IntArray* table = NewIntArray(static_cast<int32_t>(N));
  if (table) std::copy(std::begin(values), std::end(values), table->elements());
  return table;
}

cActor* Actor(GameStatics* s, int32_t i) {
  ObjectArray* actors = s->cGame_sceneActors;
  if (!actors || i < 0 || i >= actors->length) return nullptr;
  return CheckCast<cActor>(actors->elements()[i]);
}

// The phase's actors in order as sceneActors 0, 1, 2, ...; an actor that cannot be made
// (its sprite missing, the pool empty) stays null, and the steps naming it are skipped.
template <size_t N>
void SpawnActors(GameStatics* s, const SceneActor (&actors)[N], int32_t phase) {
  s->cGame_sceneActors = NewObjectArray(cid::cActor, static_cast<int32_t>(N));
  for (size_t i = 0; i < N; i++) {
    const SceneActor& a = actors[i];
    ASprite* sprite = SpriteInSlot(a.slot);
    if (!sprite) {
      DebugLog("cGame::updateState31: phase %d actor %d has no sprite in slot %d; not shown", phase,
               static_cast<int>(i), a.slot);
      continue;
    }
    const int32_t y = phase == 1 && i == 0 && s->cGame_spriteSetOption ? a.y + kSecondSetDrop : a.y;
    cActor* actor =
        cGame::spawnActor(sprite, 0, a.x, y, a.anim, a.z, kLooping, kSceneLayer, a.event);
    if (s->cGame_sceneActors) s->cGame_sceneActors->elements()[i] = actor;
  }
}

void SetAnim(GameStatics* s, int32_t i, int32_t anim, int32_t mode) {
  cActor* actor = Actor(s, i);
  if (!actor) {
    DebugLog("cGame::stepState31: phase %d names actor %d, which is not there; skipped",
             s->cGame_scenePhase, i);
    return;
  }
  cActor::setAnimation(actor, anim, mode, true);
}

void LeaveScene(GameStatics* s) {
  s->cGame_loadKind = kLeaveSceneKind;
  s->cGame_stateAfterLoad = kLoadingState;
  s->cGame_chainedLoadKind = kMenuKind;
  s->cGame_chainedStateAfterLoad = kMainMenuState;
  cGame::setState(kLoadingState);
}

void UpdateActors() {
  cActor::updateAll();
  cGame::updateBackgroundActors();
}

// The next record of the script, once its wait has passed: an actor's animation, or the end.
void RunScript(GameStatics* s) {
  IntArray* script = s->cGame_sceneScript;
  const int32_t i = s->cGame_sceneScriptIndex;
  if (i + 3 >= script->length || s->cGame_sceneClock < script->elements()[i]) return;
  const int32_t actor = script->elements()[i + 1];
  if (actor < 0) {
    cGame::updateState31(s->cGame_scenePhase + 1);
    return;
  }
  SetAnim(s, actor, script->elements()[i + 2], script->elements()[i + 3]);
  s->cGame_sceneClock = 0;
  s->cGame_sceneScriptIndex = i + 4;
}

// The next dialogue line 2 s after the last one closed; the next phase when none is left.
void RunDialogue(GameStatics* s) {
  if (s->cGame_sceneClock <= kDialogueGap) return;
  IntArray* dialogue = s->cGame_sceneDialogue;
  const int32_t pair = 2 * s->cGame_sceneDialogueIndex;
  if (dialogue && pair + 1 < dialogue->length) {
    const int32_t text = dialogue->elements()[pair];
    cGame::openPopupDialog(text, kDialogueFont, dialogue->elements()[pair + 1], true);
    s->cGame_popupY = (s->cGame_canvasHeight + s->cGame_popupTextHeight) / 2;
    s->cGame_popupOpen = true;
    if (text == kTwinsLine) {
      SetAnim(s, 1, kTwinsAnim, kLooping);
      SetAnim(s, 2, kTwinsAnim, kLooping);
    }
    s->cGame_sceneClock = 0;
    s->cGame_sceneDialogueIndex += 1;
  } else if (s->cGame_scenePhase < kTextPhase) {
    cGame::updateState31(s->cGame_scenePhase + 1);
  }
}

}  // namespace

// ---- The phases -------------------------------------------------------------------------------

// Reading: the actors' places in the phase tables are canvas positions; the box of animation
// 22 of slot 44, which the scene takes as its reference, moves none of them, so it is not
// measured.
void cGame::updateState31(int32_t phase) {
  GameStatics* s = Statics<GameStatics>();
  if (phase == 0) {
    if (javax_microedition_lcdui_Graphics* g = s->cGame_backBufferGraphics) {
      g->setClip(0, 0, kCanvasWidth, kCanvasHeight);
      g->setColor(0x000000);
      g->fillRect(0, 0, kCanvasWidth, kCanvasHeight);
    }
  } else {
    paintOverlayLayers(true);
  }
  s->cGame_scenePhase = phase;
  s->cGame_sceneClock = 0;
  s->cGame_sceneDialogue = nullptr;
  s->cGame_sceneDialogueIndex = 0;
  s->cGame_sceneScript = nullptr;
  s->cGame_sceneScriptIndex = 0;
  if (phase != kTextPhase) {
    releaseActorArray();
    s->MQPixEffects_effectMask &= ~MQPixEffects::kFullSupportOnly;
    MQPixEffects::setFullScreenMaskBit(kScreenEffect);
  }
  switch (phase) {
    case 0:
      s->cGame_sceneDialogue = Table(kDialogue0);
      SpawnActors(s, kActors0, phase);
      break;
    case 1:
      s->cGame_sceneScript = Table(kScript1);
      SpawnActors(s, kActors1, phase);
      break;
    case 2:
      s->cGame_sceneDialogue = Table(kDialogue2);
      SpawnActors(s, kActors2, phase);
      break;
    case 3:
      s->cGame_sceneDialogue = Table(kDialogue3);
      SpawnActors(s, kActors3, phase);
      break;
    default:
      setSoftKeys(-1, 0, 0);
      setupScreen18();
      break;
  }
  if (phase != kTextPhase && !s->cGame_backgroundActors) spawnState31Actors();
}

// Six hidden actors of slot 24 that fly across the upper scene, each after its own wait of
// 2 to 2000 ms.
void cGame::spawnState31Actors() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_backgroundActors = NewObjectArray(cid::cActor, kBackgroundActors);
  s->cGame_backgroundElapsed = NewIntArray(kBackgroundActors);
  s->cGame_backgroundDuration = NewIntArray(kBackgroundActors);
  s->cGame_backgroundStartY = NewIntArray(kBackgroundActors);
  s->cGame_backgroundEndY = NewIntArray(kBackgroundActors);
  s->cGame_backgroundReverse = NewByteArray(kBackgroundActors);
  ASprite* sprite = SpriteInSlot(kBackgroundSlot);
  for (int32_t i = 0; i < kBackgroundActors; i++) {
    cActor* actor = sprite
                        ? spawnActor(sprite, 0, 0, 0, 0, kBackgroundDepth, kLooping, kSceneLayer, 0)
                        : nullptr;
    cActor::setVisible(actor, false);
    if (s->cGame_backgroundActors) s->cGame_backgroundActors->elements()[i] = actor;
    java_util_Random* random = s->cGame_sharedRandom;
    const int32_t r = random ? random->nextInt() : 0;
    IntArray::set(s->cGame_backgroundElapsed, i, java_lang_Math::abs(r) % 1999 - 2000);
  }
}

// ---- The frame step ---------------------------------------------------------------------------

void cGame::stepState31() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_sceneClock += s->cGame_frameTime;
  if (s->cGame_popupAnswered) {
    s->cGame_popupAnswered = false;
    if (s->cGame_popupChoice == kSkipped) LeaveScene(s);
    return;
  }
  if (s->cGame_scenePhase == kTextPhase) {
    updateTextScroll();
    UpdateActors();
    return;
  }
  if (s->cGame_sceneScript) {
    RunScript(s);
  } else {
    RunDialogue(s);
  }
  UpdateActors();
}

// Departure: the paint starts from the back buffer (black in phase 0, the previous phase's
// last picture later): the layers alone left every moving actor's trail on the screen.
void cGame::stateScreen31(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  cGame* canvas = s->cGame_canvasInstance;
  switch (message) {
    case kStateEnter:
      if (canvas) canvas->sizeChanged(kSceneWidth, kSceneHeight);
      setSoftKeys(-1, -1, 0);
      s->cGame_fadeDirection = 1;
      s->cGame_fadeTime = 0;
      s->cGame_fullRedraw = true;
      s->cGame_sceneTextHidden = false;
      s->cGame_popupAnswered = false;
      updateState31(0);
      if (s->cGame_musicEnabled) playSound(kSceneMusic, 1);
      break;
    case kStateUpdate: {
      const int32_t key = getKeyReleased();
      stepState31();
      MQPixEffects::update(s->cGame_frameTime);
      if (s->cGame_scenePhase == kTextPhase && (key == kLeftSoftKey || key == 5 || key == 11)) {
        LeaveScene(s);
      }
      break;
    }
    case kStatePaint:
      if (javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics) {
        g->setClip(0, 0, kCanvasWidth, kCanvasHeight);
        if (s->cGame_backBuffer) {
          g->drawImage(s->cGame_backBuffer, 0, 0, 0);
        } else {
          g->setColor(0x000000);
          g->fillRect(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
        }
      }
      paintOverlayLayers(false);
      if (s->cGame_scenePhase == kTextPhase && !s->cGame_sceneTextHidden) paintFramedPanel();
      break;
    case kStateExit:
      if (canvas) canvas->sizeChanged(kCanvasWidth, kCanvasHeight);
      releaseEffectArray();
      stopSound();
      break;
    default:
      break;
  }
}
