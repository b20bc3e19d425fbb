// The static fields of cGame that belong to the shell, as one declaration list for the static
// block (runtime/static_fields.h says how an entry is written), and the types that the shell's
// cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ByteArray;
class MQLibPlayer;
class ObjectArray;
class cGame;
class java_util_Hashtable;
class java_util_Random;
class javax_microedition_lcdui_Display;
class javax_microedition_lcdui_Graphics;
class javax_microedition_midlet_MIDlet;

// canvasWidth, canvasHeight: the logical canvas size in pixels (480 x 800), set by
// cGame::clinitTables before the initialisers that derive sizes from it run.
// Canvas and game thread (game/shell/game_thread.cpp): gameCanvas is made by the first
// MarqPLIM::startApp, canvasInstance by the canvas itself; runState -1 not started or ending,
// 0 running. runState, paused, inPaint, repaintRequested and the two tick counts are shared
// with the platform thread (game/shell/shared_statics.h). Ticks are milliseconds of the tick
// count; frameBudget is a pass's length in ms.
// Frame loop (game/shell/frame_loop.cpp): frameTime is the ms between the last two frames,
// 0..1000; frameGraphics is the Graphics of the paint under way, null between frames;
// drawGraphics and screenGraphics are the frame's targets; spriteTable holds the loaded
// sprites by slot.
// State machine (game/shell/state_machine.cpp): states 1..32; nextState -1 when none is asked.
// Keys (game/shell/key_input.cpp): keysLive and keysLatched are byte[20], one state per game
// key; keysLive, lastKeyCode and the two arrays' references are shared with the callbacks
// under the input lock. Pointer (game/shell/pointer_input.cpp): positions are screen pixels,
// -1 none; the press, current and release positions and the two pointer flags are shared with
// the callbacks under the input lock. touchAction and touchSoftKey are game keys, 257 none.
#define PLIMORA_STATICS_cGame_shell(REF, VALUE)                 \
  VALUE(cGame, int32_t, canvasWidth)                            \
  VALUE(cGame, int32_t, canvasHeight)                           \
  REF(cGame, cGame, gameCanvas)                                 \
  REF(cGame, cGame, canvasInstance)                             \
  REF(cGame, javax_microedition_midlet_MIDlet, gameMidlet)      \
  REF(cGame, javax_microedition_lcdui_Display, gameDisplay)     \
  REF(cGame, java_util_Random, sharedRandom)                    \
  VALUE(cGame, int32_t, runState)                               \
  VALUE(cGame, bool, paused)                                    \
  VALUE(cGame, bool, inPaint)                                   \
  VALUE(cGame, bool, repaintRequested)                          \
  VALUE(cGame, int64_t, frameTick)                              \
  VALUE(cGame, int64_t, lastFrameTick)                          \
  VALUE(cGame, int32_t, frameBudget)                            \
  VALUE(cGame, int32_t, frameTime)                              \
  REF(cGame, javax_microedition_lcdui_Graphics, frameGraphics)  \
  REF(cGame, javax_microedition_lcdui_Graphics, screenGraphics) \
  REF(cGame, javax_microedition_lcdui_Graphics, drawGraphics)   \
  VALUE(cGame, bool, fullRedraw)                                \
  VALUE(cGame, bool, controlBarShown)                           \
  VALUE(cGame, bool, controlBarLeftLit)                         \
  VALUE(cGame, bool, controlBarCentreLit)                       \
  VALUE(cGame, bool, controlBarRightLit)                        \
  REF(cGame, ObjectArray, spriteTable)                          \
  VALUE(cGame, int32_t, currentState)                           \
  VALUE(cGame, int32_t, previousState)                          \
  VALUE(cGame, int32_t, nextState)                              \
  VALUE(cGame, bool, stateChangePending)                        \
  VALUE(cGame, bool, stateEntering)                             \
  VALUE(cGame, int32_t, stateFrames)                            \
  VALUE(cGame, int32_t, stateTime)                              \
  VALUE(cGame, int32_t, lastDispatchedState)                    \
  REF(cGame, MQLibPlayer, sharedAnimPlayer)                     \
  REF(cGame, java_util_Hashtable, keyTableDigits)               \
  REF(cGame, java_util_Hashtable, keyTableDirections)           \
  REF(cGame, ByteArray, keysLive)                               \
  REF(cGame, ByteArray, keysLatched)                            \
  VALUE(cGame, int32_t, lastKeyCode)                            \
  VALUE(cGame, int32_t, lastHeldKey)                            \
  VALUE(cGame, int32_t, keyPressedThisFrame)                    \
  VALUE(cGame, int64_t, keyPressTick)                           \
  VALUE(cGame, int32_t, pointerPressX)                          \
  VALUE(cGame, int32_t, pointerPressY)                          \
  VALUE(cGame, int32_t, pointerX)                               \
  VALUE(cGame, int32_t, pointerY)                               \
  VALUE(cGame, int32_t, pointerReleaseX)                        \
  VALUE(cGame, int32_t, pointerReleaseY)                        \
  VALUE(cGame, int32_t, tapX)                                   \
  VALUE(cGame, int32_t, tapY)                                   \
  VALUE(cGame, bool, pointerReleased)                           \
  VALUE(cGame, bool, pointerDragging)                           \
  VALUE(cGame, bool, pointerHidden)                             \
  VALUE(cGame, int32_t, touchAction)                            \
  VALUE(cGame, int32_t, touchSoftKey)                           \
  VALUE(cGame, bool, touchActionTaken)                          \
  VALUE(cGame, bool, touchListSelect)
