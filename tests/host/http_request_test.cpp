// The request side of the HTTP client: the request target's encoding, header properties and
// the request text. URL splitting is tested through ParseConnectionURL.
#include "host/http_request.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpRequestTest, TheTargetIsUtf8WithEveryByteOutside21To7EPercentEncoded) {
  const struct {
    std::u16string path, query;
    std::string target;
  } kCases[] = {
      {u"/p", u"?q=1", "/p?q=1"},
      {u"", u"", "/"},
      {u"", u"?a", "/?a"},
      {u"/a b\t", u"", "/a%20b%09"},
      {u"/\u00e9\u20ac", u"", "/%C3%A9%E2%82%AC"},
      {u"/\U0001F600", u"", "/%F0%9F%98%80"},
      {u"/\xD800x", u"", "/%EF%BF%BDx"},  // a lone surrogate
      {u"/%41\x7F", u"?\r\n", "/%41%7F?%0D%0A"},
  };
  for (const auto& c : kCases) EXPECT_EQ(host::EncodeRequestTarget(c.path, c.query), c.target);
}

TEST(HttpRequestTest, PropertiesWithControlCharactersOrBadNamesAreRefused) {
  const struct {
    std::u16string name, value;
    bool accepted;
  } kCases[] = {
      {u"Accept", u"text/plain", true},
      {u"X-Empty", u"", true},
      {u"X-Utf8", u"\u00e9", true},
      {u"X-Split", u"a\r\nInjected: yes", false},
      {u"X-Tab", u"a\tb", false},
      {u"X-Del", u"\x7F", false},
      {u"", u"v", false},
      {u"Two Words", u"v", false},
      {u"Colon:", u"v", false},
      {u"Line\n", u"v", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(host::CheckHeaderProperty(c.name, c.value) == nullptr, c.accepted)
        << host::Utf8Of(c.name);
  }
}

TEST(HttpRequestTest, TheRequestIsHttp10WithOneLinePerPropertyInNameOrder) {
  host::HeaderMap properties;
  properties["X-b"] = "2";
  properties["x-A"] = "1";
  properties["X-B"] = "3";  // the same name as X-b: replaces its value
  EXPECT_EQ(host::BuildGetRequest("/p?q", "h", 8080, properties),
            "GET /p?q HTTP/1.0\r\nHost: h:8080\r\nUser-Agent: CeHttp\r\nPragma: no-cache\r\n"
            "x-A: 1\r\nX-b: 3\r\n\r\n");
  EXPECT_EQ(host::BuildGetRequest("/", "h", 80, {}),
            "GET / HTTP/1.0\r\nHost: h\r\nUser-Agent: CeHttp\r\nPragma: no-cache\r\n\r\n");
}

}  // namespace
