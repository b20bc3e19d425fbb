// javax.microedition.midlet.MIDlet: the application class's base. It owns the application
// properties read from "app.jad"; the application record starts, pauses and destroys the
// running MIDlet through operations 6 to 8, to which the application class gives bodies.
#pragma once

#include "runtime/object.h"

class String;
class java_util_Hashtable;

class javax_microedition_midlet_MIDlet : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_midlet_MIDlet;

  // Fills properties from the whole "app.jad" resource (javame/midlet.cpp); without one the
  // table stays empty.
  javax_microedition_midlet_MIDlet();

  // Operations 6 to 8.
  virtual void startApp() {}
  virtual void pauseApp() {}
  virtual void destroyApp(bool) {}

  // ---- Natives (platform/midlet_natives.cpp) ------------------------------------------------
  // The property's value, or a new String "PROPERTY VALUE EMPTY" when "app.jad" has none.
  String* getAppProperty(String* key);
  // Opens nothing on this platform: one trace line naming the URL, and false (the
  // application need not exit).
  bool platformRequest(String* url);

  java_util_Hashtable* properties;  // String keys to String values
};
