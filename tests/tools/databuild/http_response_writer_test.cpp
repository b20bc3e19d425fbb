// The HTTP response writer: the exact bytes of a response with and without a length.
#include "tools/databuild/http_response_writer.h"

#include <gtest/gtest.h>

namespace databuild {
namespace {

TEST(HttpResponseWriterTest, WritesTheStatusLineHeadersInOrderTheLengthAndTheBody) {
  const struct {
    HttpResponseSpec response;
    std::string bytes;
  } kCases[] = {
      {{200, "OK", {{"X-A", "1"}, {"x-a", "2"}}, "hi", true},
       "HTTP/1.0 200 OK\r\nX-A: 1\r\nx-a: 2\r\nContent-Length: 2\r\n\r\nhi"},
      {{404, "Not Found", {}, "", false}, "HTTP/1.0 404 Not Found\r\n\r\n"},
      {{204, "", {}, "", true}, "HTTP/1.0 204\r\nContent-Length: 0\r\n\r\n"},
  };
  for (const auto& c : kCases) EXPECT_EQ(WriteHttpResponse(c.response), c.bytes);
}

}  // namespace
}  // namespace databuild
