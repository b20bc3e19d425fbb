// The response reader over memory: what it keeps of a whole response, what it refuses, and
// that the way the bytes arrive changes nothing.
#include "host/http_response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tools/databuild/http_response_writer.h"

namespace {

using databuild::HttpResponseSpec;
using databuild::WriteHttpResponse;

// The bytes of text in reads of at most `step` bytes, then the end (or an error).
class MemorySource final : public host::ByteSource {
 public:
  MemorySource(std::string text, size_t step, bool failAtEnd = false)
      : text_(std::move(text)), step_(step), failAtEnd_(failAtEnd) {}
  int32_t read(void* buffer, int32_t length) override {
    const size_t n = std::min({static_cast<size_t>(length), step_, text_.size() - at_});
    if (n == 0) return failAtEnd_ ? -1 : 0;
    memcpy(buffer, text_.data() + at_, n);
    at_ += n;
    return static_cast<int32_t>(n);
  }

 private:
  std::string text_;
  size_t step_;
  bool failAtEnd_;
  size_t at_ = 0;
};

const char* Read(const std::string& text, host::HttpResponse* response, size_t step = 4096,
                 int64_t limit = host::kMaxContent) {
  MemorySource source(text, step);
  return host::ReadHttpResponse(source, limit, response);
}

TEST(HttpResponseTest, AWholeResponseKeepsStatusReasonHeadersRawBlockAndBody) {
  const std::string text = WriteHttpResponse(
      {200, "OK", {{"Content-Type", "text/plain"}, {"X-Twice", "1"}, {"x-twice", " 2 "}}, "hello"});
  for (const size_t step : {size_t{1}, size_t{3}, size_t{4096}}) {
    host::HttpResponse response;
    ASSERT_EQ(Read(text, &response, step), nullptr) << step;
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.statusText, "OK");
    EXPECT_EQ(response.headers.at("content-type"), "text/plain");
    EXPECT_EQ(response.headers.at("X-TWICE"), "2");  // the last value, without blanks
    EXPECT_EQ(response.rawHeaders, text.substr(0, text.size() - 5));
    EXPECT_EQ(std::string(response.content.begin(), response.content.end()), "hello");
  }
}

TEST(HttpResponseTest, LinesAndBodiesThatAreReadAsTheyCome) {
  const struct {
    std::string text;
    int32_t status;
    std::string reason;
    std::string body;
  } kCases[] = {
      {WriteHttpResponse({200, "OK", {}, "to the end", false}), 200, "OK", "to the end"},
      {WriteHttpResponse({404, "Not Found", {}, "gone"}), 404, "Not Found", "gone"},
      {"HTTP/1.1 204\n\n", 204, "", ""},  // LF alone ends lines
      {"HTTP/1.0 200 OK\r\nno colon here\r\nA: b\r\n\r\nx", 200, "OK", "x"},
      {"HTTP/1.0 200 Fine Thanks\r\nContent-Length: 2\r\n\r\nabEXTRA", 200, "Fine Thanks", "ab"},
      {"HTTP/1.0 599 Top\r\nTransfer-Encoding: Identity\r\n\r\n", 599, "Top", ""},
  };
  for (const auto& c : kCases) {
    host::HttpResponse response;
    ASSERT_EQ(Read(c.text, &response), nullptr) << c.text;
    EXPECT_EQ(response.status, c.status) << c.text;
    EXPECT_EQ(response.statusText, c.reason) << c.text;
    EXPECT_EQ(std::string(response.content.begin(), response.content.end()), c.body) << c.text;
  }
}

TEST(HttpResponseTest, MalformedShortChunkedAndOversizeResponsesAreRefused) {
  const std::string bigHeader = "HTTP/1.0 200 OK\r\nX: " + std::string(70 * 1024, 'a') + "\r\n\r\n";
  const struct {
    std::string text;
    int64_t limit;
    const char* reason;
  } kCases[] = {
      {"garbage\r\n\r\n", host::kMaxContent, "a malformed status line"},
      {"HTTP/1.0 600 No\r\n\r\n", host::kMaxContent, "a malformed status line"},
      {"HTTP/1.0 99 No\r\n\r\n", host::kMaxContent, "a malformed status line"},
      {"HTTP/1.0 2000\r\n\r\n", host::kMaxContent, "a malformed status line"},
      {"HTTP/2.0 200 OK\r\n\r\n", host::kMaxContent, "a malformed status line"},
      {"HTTP/1.0 200 OK\r\nContent-Length: 12a\r\n\r\n", host::kMaxContent,
       "a malformed Content-Length"},
      {"HTTP/1.0 200 OK\r\nContent-Length: -1\r\n\r\n", host::kMaxContent,
       "a malformed Content-Length"},
      {"HTTP/1.0 200 OK\r\nContent-Length:\r\n\r\n", host::kMaxContent,
       "a malformed Content-Length"},
      {"HTTP/1.0 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n", host::kMaxContent,
       "a malformed Content-Length"},
      {"HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nshort", host::kMaxContent,
       "a body shorter than its Content-Length"},
      {"HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
       host::kMaxContent, "a chunked or otherwise coded body"},
      {WriteHttpResponse({200, "OK", {}, "0123456789"}), 9, "a body over the limit"},
      {WriteHttpResponse({200, "OK", {}, "0123456789", false}), 9, "a body over the limit"},
      {"HTTP/1.0 200 OK\r\nA: b\r\n", host::kMaxContent,
       "the response ends inside its header block"},
      {"", host::kMaxContent, "the response ends inside its header block"},
      {bigHeader, host::kMaxContent, "a header block over 64 KB"},
  };
  for (const auto& c : kCases) {
    host::HttpResponse response;
    const char* reason = Read(c.text, &response, 4096, c.limit);
    ASSERT_NE(reason, nullptr) << c.text.substr(0, 80);
    EXPECT_STREQ(reason, c.reason) << c.text.substr(0, 80);
    EXPECT_EQ(response.status, -1);
    EXPECT_TRUE(response.content.empty());
  }
}

TEST(HttpResponseTest, AReadErrorFailsTheResponseWhereverItComes) {
  const std::string text = WriteHttpResponse({200, "OK", {}, "body"});
  const struct {
    std::string bytes;
    const char* reason;
  } kCases[] = {
      {text.substr(0, 10), "a read error inside the header block"},
      {text.substr(0, text.size() - 2), "a read error inside the body"},
  };
  for (const auto& c : kCases) {
    MemorySource source(c.bytes, 4096, true);
    host::HttpResponse response;
    EXPECT_STREQ(host::ReadHttpResponse(source, host::kMaxContent, &response), c.reason);
  }
}

TEST(HttpResponseTest, HttpDatesBecomeMillisecondsSince1970) {
  int64_t ms = 0;
  EXPECT_TRUE(host::ParseHttpDate("Sun, 06 Nov 1994 08:49:37 GMT", &ms));
  EXPECT_EQ(ms, 784111777000);
  EXPECT_FALSE(host::ParseHttpDate("Sun, 06 Nov 1994 08:49:37 GMT+1", &ms));
  EXPECT_FALSE(host::ParseHttpDate("yesterday", &ms));
}

}  // namespace
