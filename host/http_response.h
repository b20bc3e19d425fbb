// The response side of the HTTP client: reads a status line, a header block and a body from any
// byte source (the socket, or memory when fuzzing), within fixed limits. A response is either
// read whole or refused with a reason: a short body is never passed as whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/http_request.h"

namespace host {

// Where response bytes come from.
class ByteSource {
 public:
  // Up to length bytes into buffer: the count, 0 at the end, -1 on an error or a time-out.
  virtual int32_t read(void* buffer, int32_t length) = 0;

 protected:
  ~ByteSource() = default;
};

constexpr int64_t kMaxHeaderBlock = 64 * 1024;     // status line and headers, in bytes
constexpr int64_t kMaxContent = 16 * 1024 * 1024;  // the body, in bytes

struct HttpResponse {
  int32_t status = -1;     // 100..599 once a response is read
  std::string statusText;  // the reason phrase
  std::string rawHeaders;  // the header block as received, its blank line included
  HeaderMap headers;       // a repeated name keeps its last value
  std::vector<uint8_t> content;
};

// Reads one response. The status line is "HTTP/1.x NNN reason" with NNN 100..599; lines end at
// LF with one CR before it dropped; header lines without ':' are skipped and a value loses its
// leading and trailing blanks. The body is exactly Content-Length bytes, or everything up to
// the end without one. Null when the response was read whole into *response; otherwise the
// reason (a malformed status line or Content-Length, a chunked body, a body shorter than its
// length, more than the limits, a read error) and *response holds no status (-1).
const char* ReadHttpResponse(ByteSource& source, int64_t contentLimit, HttpResponse* response);

// An HTTP date ("Sun, 06 Nov 1994 08:49:37 GMT") as milliseconds since 1970 UTC; false for any
// other text.
bool ParseHttpDate(const std::string& text, int64_t* ms);

}  // namespace host
