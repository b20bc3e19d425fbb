// MarqPLIM: the game's application class, the MIDlet that the platform starts. Its first start
// makes the game's canvas and starts the game thread; pause, resume and destroy reach the
// canvas's statics.
#pragma once

#include "javame/midlet.h"

// Its one reference field, the application-property table, is registered by the MIDlet's
// constructor for this class.
class MarqPLIM : public javax_microedition_midlet_MIDlet {
 public:
  static constexpr int16_t kClassId = cid::MarqPLIM;

  // The MIDlet's construction, then recorded as applicationInstance.
  MarqPLIM();

  // The application object the platform started (applicationObject).
  static MarqPLIM* getInstance();

  // First call: the canvas, made current on this application's Display, and its game thread;
  // every call: the resume step.
  void startApp() override;
  // When not paused: paused and every sound channel stopped.
  void pauseApp() override;
  // Once the canvas exists: the game loop ends at the end of its current pass.
  void destroyApp(bool unconditional) override;
};
