// The archive step of resource opening while the data set has no archive: the entry called
// name, less one leading "/", is the loose file of that name at the root, read through the
// file layer (so names are matched without regard to case). The archive reader replaces this
// file; getResourceAsStream and its callers do not change.
#include <string>

#include "platform/device_path.h"
#include "platform/file_input_stream.h"
#include "platform/resources.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

java_io_InputStream* FindArchiveResource(String* name) {
  if (!NullCheck(name)) return nullptr;
  std::string path;
  if (!DevicePathOf(name, &path)) {
    DebugLog("getResourceAsStream: \"%s\" holds a character no resource name holds",
             PrintablePath(name).c_str());
    return nullptr;
  }
  if (!path.empty() && path[0] == '/') path.erase(0, 1);
  // Entry names never start with a separator, so a name that still does names no entry.
  if (!path.empty() && (path[0] == '/' || path[0] == '\\')) return nullptr;
  return FileInputStream::open(path);
}
