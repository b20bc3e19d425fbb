// The application class record: the test application's MIDlet until the game's application
// class exists (then a new MarqPLIM), and the game's resource archive.
#include "platform/application_class.h"

#include "game/cgame.h"
#include "platform/test_pattern_canvas.h"

javax_microedition_midlet_MIDlet* NewApplicationObject() {
  return NewObject<TestPatternMidlet>();
}

java_io_InputStream* OpenApplicationResource(String* name) {
  return cGame::findArchiveEntry(name);
}
