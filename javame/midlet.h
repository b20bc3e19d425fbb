// javax.microedition.midlet.MIDlet: the application class's base. The application record
// starts, pauses and destroys the running MIDlet through these operations; the application
// class gives them their bodies.
#pragma once

#include "runtime/object.h"

class javax_microedition_midlet_MIDlet : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_midlet_MIDlet;

  // Operations 6 to 8.
  virtual void startApp() {}
  virtual void pauseApp() {}
  virtual void destroyApp(bool) {}
};
