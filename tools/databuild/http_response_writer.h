// Writer of HTTP/1.0 responses, the bytes a server sends back for a GET: the status line, one
// "Name: value" line per header, a blank line, the body; every line ends with CR LF. The HTTP
// client's tests serve them and its fuzz target starts from them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace databuild {

struct HttpResponseSpec {
  int status = 200;
  std::string reason = "OK";
  std::vector<std::pair<std::string, std::string>> headers;  // in order, repeats kept
  std::string body;
  bool contentLength = true;  // a Content-Length line, after the headers, giving the body's size
};

std::string WriteHttpResponse(const HttpResponseSpec& response);

}  // namespace databuild
