// ParseConnectionURL over the HTTP client's URL splitting.
#include "platform/connection_url.h"

#include "host/http_request.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

String* NewStringOfUnits(std::u16string_view units) {
  String* string = NewObject<String>();
  if (string) string->initFromUnits(units.data(), 0, static_cast<int32_t>(units.size()));
  return string;
}

std::u16string UnitsCopyOf(String* string) {
  return string ? std::u16string(string->characters, string->length()) : std::u16string();
}

bool ParseConnectionURL(String* url, ConnectionUrlParts* parts) {
  host::UrlParts split;
  const char* fault = url ? host::SplitUrl(UnitsCopyOf(url), &split) : "no URL";
  if (fault) {
    DebugLog("ParseConnectionURL: %s", fault);
    PrintStackTrace();
    return false;
  }
  parts->scheme = NewStringOfUnits(split.scheme);
  parts->host = NewStringOfUnits(split.host);
  parts->port = split.port;
  parts->path = NewStringOfUnits(split.path);
  parts->query = split.hasQuery ? NewStringOfUnits(split.query) : nullptr;
  parts->extra = nullptr;
  return true;
}
