// The static fields of MarqPLIM, the application class (runtime/static_fields.h says how an
// entry is written).
#pragma once

class MarqPLIM;

// applicationObject: the application object that the platform made and started;
// applicationInstance: the same object, recorded by its constructor.
#define PLIMORA_STATICS_MarqPLIM(REF, VALUE) \
  REF(MarqPLIM, MarqPLIM, applicationObject) \
  REF(MarqPLIM, MarqPLIM, applicationInstance)
