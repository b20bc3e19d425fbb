// The HTTP response writer.
#include "tools/databuild/http_response_writer.h"

namespace databuild {

std::string WriteHttpResponse(const HttpResponseSpec& response) {
  std::string text = "HTTP/1.0 " + std::to_string(response.status);
  if (!response.reason.empty()) text += " " + response.reason;
  text += "\r\n";
  for (const auto& [name, value] : response.headers) text += name + ": " + value + "\r\n";
  if (response.contentLength) {
    text += "Content-Length: " + std::to_string(response.body.size()) + "\r\n";
  }
  return text + "\r\n" + response.body;
}

}  // namespace databuild
