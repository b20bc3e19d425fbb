// The Connector's connection native: the scheme chooses the connection class.
#include <string>

#include "javame/connector.h"
#include "platform/connection_url.h"
#include "platform/http_connection.h"
#include "platform/socket_connection.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// The text before "://" (or the whole URL without one), narrowed for the checks and the trace.
std::string SchemeOf(String* url) {
  std::string text = StringToCString(url);
  const size_t end = text.find("://");
  return end == std::string::npos ? text : text.substr(0, end);
}

// A new connection of class T connected to url; null when connecting failed (its trace or its
// exception has been given).
template <class T>
Object* Connected(String* url, int32_t mode, bool timeouts) {
  T* connection = NewObject<T>();
  if (!connection) return nullptr;
  return connection->connect(url, mode, timeouts) ? connection : nullptr;
}

}  // namespace

// Departure: a scheme that starts "http" but is not "http" ("https" among them) is refused,
// since without TLS a secure request would go out in clear.
Object* javax_microedition_io_Connector::open(String* name, int32_t mode, bool timeouts) {
  if (!NullCheck(name)) return nullptr;
  const std::string scheme = SchemeOf(name);
  if (scheme.rfind("http", 0) == 0) {
    if (scheme == "http") return Connected<HttpConnectionImpl>(name, mode, timeouts);
    DebugLog("Connector.open: the scheme \"%s\" is not served (no secure connections)",
             scheme.c_str());
    return nullptr;
  }
  if (scheme.rfind("socket", 0) == 0) return Connected<SocketConnectionImpl>(name, mode, timeouts);
  DebugLog("Connector.open: the scheme \"%s\" is not served", scheme.c_str());
  return nullptr;
}
