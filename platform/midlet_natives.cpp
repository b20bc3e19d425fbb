// The MIDlet's natives: a property of "app.jad", and the platform request, which this host
// does not carry out (there is no browser to hand a URL to).
#include "javame/midlet.h"
#include "platform/app_descriptor.h"
#include "runtime/string.h"
#include "runtime/trace.h"

String* javax_microedition_midlet_MIDlet::getAppProperty(String* key) {
  return GetAppProperty(properties, key);
}

bool javax_microedition_midlet_MIDlet::platformRequest(String* url) {
  DebugLog("MIDlet.platformRequest: \"%s\" is not opened on this platform",
           url ? StringToCString(url).c_str() : "null");
  return false;
}
