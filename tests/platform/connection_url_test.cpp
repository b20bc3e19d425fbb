// ParseConnectionURL: the parts of the URLs a connection opens, and the URLs it refuses.
#include "platform/connection_url.h"

#include <gtest/gtest.h>

#include "runtime/string.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using ConnectionUrlTest = RuntimeTest;

TEST_F(ConnectionUrlTest, SplitsSchemeHostPortPathAndQuery) {
  const struct {
    const char* url;
    const char* scheme;
    const char* host;
    int32_t port;
    const char* path;
    const char* query;  // null: none
  } kCases[] = {
      {"http://h/p?q=1", "http", "h", 0, "/p", "?q=1"},
      {"socket://127.0.0.1:5000", "socket", "127.0.0.1", 5000, "", nullptr},
      {"http://h:8080", "http", "h", 8080, "", nullptr},
      {"http://h/a:b", "http", "h", 0, "/a:b", nullptr},  // a ':' after the '/' is the path's
      {"http://h", "http", "h", 0, "", nullptr},
      {"http://h:65535/x/y?a?b", "http", "h", 65535, "/x/y", "?a?b"},
      {"http://h?q", "http", "h", 0, "", "?q"},
  };
  for (const auto& c : kCases) {
    ConnectionUrlParts parts{};
    ASSERT_TRUE(ParseConnectionURL(NewJavaString(c.url), &parts)) << c.url;
    EXPECT_EQ(TextOf(parts.scheme), c.scheme) << c.url;
    EXPECT_EQ(TextOf(parts.host), c.host) << c.url;
    EXPECT_EQ(parts.port, c.port) << c.url;
    ASSERT_NE(parts.path, nullptr) << c.url;
    EXPECT_EQ(TextOf(parts.path), c.path) << c.url;
    if (c.query) {
      EXPECT_EQ(TextOf(parts.query), c.query) << c.url;
    } else {
      EXPECT_EQ(parts.query, nullptr) << c.url;
    }
    EXPECT_EQ(parts.extra, nullptr);
  }
}

TEST_F(ConnectionUrlTest, RefusesWithItsTraceAndLeavesThePartsAlone) {
  const struct {
    const char* url;  // null: no URL
    const char* line;
  } kCases[] = {
      {"h/x", "ParseConnectionURL: no \"://\""},
      {"http://:80/", "ParseConnectionURL: an empty host"},
      {"http://h:/x", "ParseConnectionURL: a port that is not 1 to 65535"},
      {"http://h:99999/", "ParseConnectionURL: a port that is not 1 to 65535"},
      {"http://h:8x/", "ParseConnectionURL: a port that is not 1 to 65535"},
      {"http://h:0/", "ParseConnectionURL: a port that is not 1 to 65535"},
      {"http://h:+80/", "ParseConnectionURL: a port that is not 1 to 65535"},
      {nullptr, "ParseConnectionURL: no URL"},
  };
  for (const auto& c : kCases) {
    TraceCapture trace;
    ConnectionUrlParts parts{};
    parts.port = -7;
    EXPECT_FALSE(ParseConnectionURL(c.url ? NewJavaString(c.url) : nullptr, &parts));
    ASSERT_GE(trace.lines().size(), 2u);
    EXPECT_EQ(trace.lines()[0], c.line);
    EXPECT_EQ(trace.lines()[1].rfind("stacktrace:", 0), 0u);  // the method trace follows
    EXPECT_EQ(parts.port, -7);
    EXPECT_EQ(parts.host, nullptr);
  }
}

}  // namespace
