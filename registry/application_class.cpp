// The application class record: the game's MarqPLIM, recorded as the running application
// object, and the game's resource archive.
#include "platform/application_class.h"

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/marqplim.h"

javax_microedition_midlet_MIDlet* NewApplicationObject() {
  MarqPLIM* application = NewObject<MarqPLIM>();
  Statics<GameStatics>()->MarqPLIM_applicationObject = application;
  return application;
}

java_io_InputStream* OpenApplicationResource(String* name) {
  return cGame::findArchiveEntry(name);
}
