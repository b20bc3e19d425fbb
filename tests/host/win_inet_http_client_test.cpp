// The HTTP client against loopback servers of the test's own: the request it sends, the
// getters over the response, refused URLs and properties, and failures.
#include "host/win_inet_http_client.h"

#include <gtest/gtest.h>

#include <string>

#include "host/win_socket_client.h"
#include "tests/support/loopback_server.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/http_response_writer.h"

namespace {

using databuild::WriteHttpResponse;
using host::WinInetHttpClient;

std::u16string Wide(const std::string& text) {
  return std::u16string(text.begin(), text.end());
}

std::u16string Units(const char16_t* buffer) {
  return std::u16string(buffer);
}

class HttpClientTest : public ::testing::Test {
 protected:
  void TearDown() override { host::SetNetworkTimeoutsForTests(0, 0); }
};

TEST_F(HttpClientTest, SendsOneGetWithItsPropertiesAndReadsTheResponse) {
  const std::string answer =
      WriteHttpResponse({200, "OK", {{"Content-Type", "text/plain"}, {"X-Id", "7"}}, "body!"});
  LoopbackServer server({Answer(answer)});
  WinInetHttpClient client;
  ASSERT_EQ(client.Connect(Wide(server.httpUrl("/ignored"))), 1);
  EXPECT_EQ(client.connectionStatus(), host::WinInetHttpClient::kConnected);
  EXPECT_EQ(client.SetRequestProperty(u"Accept", u"text/plain"), 1);
  EXPECT_EQ(client.SetRequestProperty(u"X-Two", u"a b"), 1);
  ASSERT_EQ(client.SendByGet(u"/d\u00e9j\u00e0 vu", u"?k=v w"), 1);
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0],
            "GET /d%C3%A9j%C3%A0%20vu?k=v%20w HTTP/1.0\r\nHost: 127.0.0.1:" +
                std::to_string(server.port()) +
                "\r\nUser-Agent: CeHttp\r\nPragma: no-cache\r\nAccept: text/plain\r\n"
                "X-Two: a b\r\n\r\n");

  EXPECT_EQ(client.GetStatus(), 200);
  char16_t text[64];
  EXPECT_EQ(client.GetStatusText(text, 3), 1);  // "OK" and its terminator just fit
  EXPECT_EQ(Units(text), u"OK");
  EXPECT_EQ(client.GetStatusText(text, 2), 0);
  EXPECT_EQ(client.GetStatusText(nullptr, 64), 0);
  EXPECT_EQ(client.GetResponseHeader(u"content-TYPE", text, 64), 1);
  EXPECT_EQ(Units(text), u"text/plain");
  EXPECT_EQ(client.GetResponseHeader(u"X-None", text, 64), 0);
  char16_t name[64];
  EXPECT_EQ(client.GetHeaderByIndex(2, name, 64, text, 64), 1);  // name order: C, C, X
  EXPECT_EQ(Units(name), u"X-Id");
  EXPECT_EQ(Units(text), u"7");
  EXPECT_EQ(client.GetHeaderByIndex(3, name, 64, text, 64), 0);
  char16_t raw[256];
  EXPECT_EQ(client.GetRawHeaders(raw, 256), 1);
  EXPECT_EQ(Units(raw), Wide(answer.substr(0, answer.size() - 5)));
  EXPECT_EQ(client.GetContentLength(), 5);
  uint8_t body[5];
  EXPECT_EQ(client.GetContent(body, 4), 0);
  EXPECT_EQ(client.GetContent(body, 5), 1);
  EXPECT_EQ(std::string(body, body + 5), "body!");

  client.ClearResponse();
  EXPECT_EQ(client.GetStatus(), -1);
  EXPECT_EQ(client.GetStatusText(text, 64), 0);
  client.Disconnect();
  EXPECT_EQ(client.connectionStatus(), 0);
}

TEST_F(HttpClientTest, APropertyWithALineBreakIsRefusedAndNeverSent) {
  LoopbackServer server({Answer(WriteHttpResponse({200, "OK", {}, ""}))});
  WinInetHttpClient client;
  ASSERT_EQ(client.Connect(Wide(server.httpUrl(""))), 1);
  TraceCapture trace;
  EXPECT_EQ(client.SetRequestProperty(u"X-Split", u"a\r\nInjected: yes"), 0);
  EXPECT_TRUE(trace.contains(
      "WinInetHttpClient::SetRequestProperty: refused, a control character in the value: X-Split"));
  ASSERT_EQ(client.SendByGet(u"", u""), 1);
  EXPECT_EQ(server.requests()[0].find("Injected"), std::string::npos);
  EXPECT_EQ(server.requests()[0].rfind("GET / HTTP/1.0\r\n", 0), 0u);
}

TEST_F(HttpClientTest, ConnectRefusesUrlsItCannotSendInClear) {
  const char16_t* kRefused[] = {u"https://h/", u"ftp://h/", u"http://", u"h/x", u"http://h:0/"};
  for (const char16_t* url : kRefused) {
    WinInetHttpClient client;
    TraceCapture trace;
    EXPECT_EQ(client.Connect(url), 0);
    EXPECT_EQ(trace.lines().size(), 1u);
    EXPECT_EQ(client.SendByGet(u"/", u""), 0);  // not connected
  }
}

TEST_F(HttpClientTest, FailedRequestsLeaveNoStatusAndSayWhy) {
  host::SetNetworkTimeoutsForTests(0, 100);
  const struct {
    LoopbackServer::Exchange exchange;
    const char* reason;
  } kCases[] = {
      {Silence(), "a read error inside the header block (timed out)"},
      {Answer("HTTP/1.0 200 OK\r\nContent-Length: 9\r\n\r\nshort"),
       "a body shorter than its Content-Length"},
      {Answer("nonsense\r\n\r\n"), "a malformed status line"},
  };
  for (const auto& c : kCases) {
    LoopbackServer server({c.exchange});
    WinInetHttpClient client;
    ASSERT_EQ(client.Connect(Wide(server.httpUrl("/"))), 1);
    TraceCapture trace;
    EXPECT_EQ(client.SendByGet(u"/", u""), 0);
    EXPECT_EQ(client.GetStatus(), -1);
    const std::string where = "127.0.0.1:" + std::to_string(server.port());
    EXPECT_TRUE(
        trace.contains("WinInetHttpClient::SendByGet: " + where + " answered with " + c.reason))
        << c.reason;
  }
}

TEST_F(HttpClientTest, TheContentLimitBoundsTheBody) {
  LoopbackServer server({Answer(WriteHttpResponse({200, "OK", {}, std::string(100, 'x')}))});
  WinInetHttpClient client;
  client.setContentLimit(99);
  ASSERT_EQ(client.Connect(Wide(server.httpUrl("/"))), 1);
  EXPECT_EQ(client.SendByGet(u"/", u""), 0);
}

TEST_F(HttpClientTest, TheStateWordIsSetAndCleared) {
  WinInetHttpClient client;
  EXPECT_EQ(client.OpenConnMgr(), 1);
  client.setStateWord(0x1234);
  EXPECT_EQ(client.stateWord(), 0x1234);
  client.clearStateWord();
  EXPECT_EQ(client.stateWord(), 0);
}

}  // namespace
