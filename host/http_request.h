// The request side of the HTTP client: URLs split into their parts, the request target encoded
// as UTF-8 with every byte outside 0x21..0x7E percent-encoded, header properties checked, and
// the HTTP/1.0 GET request text. Header maps compare names without regard to ASCII case.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace host {

// "a" < "B" < "c": ASCII letters compared without case, every other byte as it is.
struct AsciiCaseLess {
  bool operator()(const std::string& a, const std::string& b) const;
};
using HeaderMap = std::map<std::string, std::string, AsciiCaseLess>;

// scheme "://" host [":" port] [path] ["?" query]
struct UrlParts {
  std::u16string scheme;
  std::u16string host;
  int32_t port = 0;      // 0 when the URL names none
  std::u16string path;   // from the first '/' up to the '?', empty without one
  std::u16string query;  // from the '?' on, '?' included
  bool hasQuery = false;
};

// Splits url. The host ends at the first '/' or '?' after "://"; only a ':' before it
// separates the port, which must be 1 to 65535 in decimal digits. Null on success; otherwise
// the reason (no "://", an empty host, a bad port) and parts untouched.
const char* SplitUrl(std::u16string_view url, UrlParts* parts);

// path + query as the request line carries them: UTF-8 (a lone surrogate as U+FFFD), each byte
// outside 0x21..0x7E as %XX; an empty path is sent as "/".
std::string EncodeRequestTarget(std::u16string_view path, std::u16string_view query);

// Null when a header property may be sent, else the reason: an empty name, a name holding ':'
// or a blank, or a control character in either (CR and LF included).
const char* CheckHeaderProperty(std::u16string_view name, std::u16string_view value);
// UTF-8 bytes of UTF-16 text; a lone surrogate becomes U+FFFD.
std::string Utf8Of(std::u16string_view text);

// The whole request: "GET target HTTP/1.0", Host (with the port unless it is 80), User-Agent
// "CeHttp", Pragma "no-cache", one "Name: value" line per property in map order, a blank line.
std::string BuildGetRequest(const std::string& target, const std::string& host, int32_t port,
                            const HeaderMap& properties);

}  // namespace host
