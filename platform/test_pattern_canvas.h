// The test application, in place of the game's application class and canvas until they exist:
// a MIDlet whose game canvas paints a moving test pattern into its off-screen image on its
// own game thread and flushes it to the screen, answers keys and taps, and pauses, resumes
// and ends the way the game does, so the platform's whole path (messages, keys, paint,
// present, pause, resume, quit) runs end to end through the class library's MIDlet and
// GameCanvas.
#pragma once

#include <atomic>
#include <cstdint>

#include "javame/game_canvas.h"
#include "javame/midlet.h"
#include "runtime/interfaces.h"

class javax_microedition_lcdui_Graphics;

// Neither class adds a reference to those of its base, so each keeps its base's class id. The
// canvas is the application's current Displayable and its game thread's target, which keep it
// alive.
class TestPatternCanvas : public javax_microedition_lcdui_game_GameCanvas,
                          public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_game_GameCanvas;
  static constexpr int32_t kFrameBudget = 40;  // ms a pass
  static constexpr int32_t kQuitKey = -7;      // the right soft key ends the game

  // The pattern of pass `frame` (counted from 1): eight bands of 100 rows moving down two rows
  // a frame in the colours of kBandColours (turned on by `variant`), and a white 60 x 60
  // square moving right six pixels a frame along rows 370 to 429.
  static void PaintTestPattern(javax_microedition_lcdui_Graphics* graphics, int32_t frame,
                               int32_t variant);
  static constexpr uint32_t kBandColours[8] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                                               0x00FFFF, 0xFF00FF, 0x808080, 0xFF8000};
  static constexpr int32_t kMarkerSize = 24;  // the black square drawn where the stylus is

  TestPatternCanvas();

  void* getInterface(int32_t interfaceId) override;
  // Any key but the quit key turns the colours by one band; the quit key ends the game loop.
  void keyPressed(int32_t code) override;
  // The stylus carries the marker while it touches the screen.
  void pointerPressed(int32_t x, int32_t y) override;
  void pointerDragged(int32_t x, int32_t y) override;
  void pointerReleased(int32_t x, int32_t y) override;
  // The resume step: time base reset and a repaint at once (unless the game thread is
  // painting), when paused.
  void showNotify() override;
  void hideNotify() override;
  // Draws the pass's pattern into the off-screen image and flushes it to the screen.
  void paint(javax_microedition_lcdui_Graphics* graphics) override;
  // The game loop: repaint, then sleep what is left of the frame budget (1 ms a pass while
  // paused), until the run state falls below 0; then the application ends.
  void run() override;

  // Starts the game thread once.
  void startUp();
  void pause() { paused = 1; }

  // Written by the main thread, read by the game thread once a pass or a frame.
  std::atomic<int32_t> runState;  // -1 not started or ending, 0 running
  std::atomic<int32_t> paused;
  std::atomic<int32_t> inPaint;  // 1 until the game loop starts
  std::atomic<int32_t> variant;
  std::atomic<int32_t> markerX;
  std::atomic<int32_t> markerY;
  std::atomic<int32_t> markerShown;
  std::atomic<int64_t> passes;    // passes of the game loop ended so far
  std::atomic<int64_t> loopTick;  // the loop's time base, ms; reset by the main thread on resume
};

class TestPatternMidlet : public javax_microedition_midlet_MIDlet {
 public:
  // First call: traces the application's name and version from its properties, makes the
  // canvas current through a Display and starts its game thread; every call: the canvas's
  // resume step.
  void startApp() override;
  void pauseApp() override;
  // Ends the game loop at the end of its current pass.
  void destroyApp(bool unconditional) override;
};
