// MIDlet's construction: the property table, filled once from "app.jad".
#include "javame/midlet.h"

#include "javame/hashtable.h"
#include "platform/app_descriptor.h"
#include "runtime/application_impl.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kPropertyBuckets = 11;  // threshold 8

}  // namespace

javax_microedition_midlet_MIDlet::javax_microedition_midlet_MIDlet() {
  RegisterReferenceFields(this, &properties);
  properties = NewObject<java_util_Hashtable>(kPropertyBuckets);
  if (!properties) return;
  ParseAppDescriptor(ApplicationImpl::readAppDescriptor(), properties);
}
