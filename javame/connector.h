// javax.microedition.io.Connector: the entry point for connections by name. It has only static
// operations: each hands the name to the connection native (platform/connector_natives.cpp)
// and wraps what the connection opens. Exceptions of the native and of the connection pass to
// the caller unchanged.
#pragma once

#include <cstdint>

#include "runtime/class_ids.h"

class Object;
class String;
class java_io_DataInputStream;
class java_io_DataOutputStream;
class java_io_InputStream;
class java_io_OutputStream;

class javax_microedition_io_Connector {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_Connector;
  // Access modes.
  static constexpr int32_t READ = 1;
  static constexpr int32_t WRITE = 2;
  static constexpr int32_t READ_WRITE = 3;

  // ---- The native (platform/connector_natives.cpp) ----
  // "http..." URLs give an HTTP connection, "socket..." URLs a socket connection, each as the
  // connection object (callers take its interfaces); any other name, or a URL that does not
  // parse, gives null with a trace line. A socket that cannot connect raises
  // java_io_IOException and gives null.
  static Object* open(String* name, int32_t mode, bool timeouts);

  // ---- The class's own (javame/connector.cpp) ----
  static Object* open(String* name);                // open(name, READ_WRITE)
  static Object* open(String* name, int32_t mode);  // the native without time-outs
  // open(name, READ), then the connection's openInputStream (null after the null check's trace
  // when nothing opened).
  static java_io_InputStream* openInputStream(String* name);
  // open(name, WRITE), then the connection's openOutputStream.
  static java_io_OutputStream* openOutputStream(String* name);
  // A new data stream over openInputStream(name) or openOutputStream(name); null when that
  // gave none.
  static java_io_DataInputStream* openDataInputStream(String* name);
  static java_io_DataOutputStream* openDataOutputStream(String* name);
};
