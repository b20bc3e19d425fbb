// The application class: the test application's MIDlet until the game's application class
// exists; then this returns a new MarqPLIM.
#include "platform/application_class.h"

#include "platform/test_pattern_canvas.h"

javax_microedition_midlet_MIDlet* NewApplicationObject() {
  return NewObject<TestPatternMidlet>();
}
