// ParseConnectionURL: a connection URL split into its parts as Strings, for the Connector's
// connections. The splitting itself is the HTTP client's (host/http_request.h), so a URL that
// opens a connection is one that the client can send.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class String;

struct ConnectionUrlParts {
  String* scheme;  // the text before "://"
  String* host;
  int32_t port;   // 0 when the URL names none
  String* path;   // from the first '/' up to the '?'; empty without one
  String* query;  // from the '?' on; null without one
  String* extra;  // always null
};

// Fills *parts from url; the Strings are new. A null URL, one without "://", an empty host or
// a port that is not 1 to 65535 in decimal digits writes "ParseConnectionURL: <reason>" and the
// method trace, and gives false with *parts untouched.
bool ParseConnectionURL(String* url, ConnectionUrlParts* parts);

// A new String of native units (never units of a managed body); null without room.
String* NewStringOfUnits(std::u16string_view units);
// The string's units as a native copy, safe across allocations; empty for null.
std::u16string UnitsCopyOf(String* string);
