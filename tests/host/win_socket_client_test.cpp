// The socket client against loopback servers of the test's own: lines, the live-client
// count, sends to a closed peer, refused connections, read time-outs, a shutdown from another
// thread, and the socket options.
#include "host/win_socket_client.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <thread>

#include "tests/support/loopback_server.h"
#include "tests/support/runtime_fixture.h"

namespace {

using host::WinSocketClient;

// A client connected to the server's port.
std::unique_ptr<WinSocketClient> ConnectedTo(const LoopbackServer& server) {
  auto client = std::make_unique<WinSocketClient>();
  EXPECT_EQ(client->Create(0), 1);
  EXPECT_EQ(client->Connect("127.0.0.1", server.port()), 1);
  return client;
}

TEST(SocketClientTest, RecvLineStoresUpToMaximumLessOneWithoutLineEnds) {
  const struct {
    std::string sent;
    int32_t maximum;
    int32_t result;
    std::string stored;
  } kCases[] = {
      {"ab\r\n", 16, 2, "ab"}, {"abcdef\n", 4, 3, "abc"},  // the rest stays unread
      {"a\rb\n", 16, 2, "ab"},                             // a carriage return anywhere is dropped
      {"x", 16, 1, "x"},                                   // the peer closes after it
      {"", 16, 0, ""},                                     // the peer closes at once
      {"\nrest", 16, 0, ""},                               // an empty line
      {"ab\n", 1, 0, ""},                                  // room for the terminator alone
  };
  for (const auto& c : kCases) {
    LoopbackServer server({SendAndClose(c.sent)});
    auto client = ConnectedTo(server);
    char buffer[16];
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(client->RecvLine(buffer, c.maximum, false), c.result) << c.sent;
    EXPECT_EQ(std::string(buffer), c.stored) << c.sent;
  }
}

TEST(SocketClientTest, RecvLineWithEchoSendsBackEveryByteItReads) {
  std::string echoed;
  LoopbackServer server({[&](LoopbackServer& self, WinSocketClient& peer) {
    LoopbackServer::sendAll(peer, "hi\r\nafter");
    self.mark();
    char byte;
    while (echoed.size() < 4 && peer.Recv(&byte, 1, 0) == 1) echoed.push_back(byte);
  }});
  auto client = ConnectedTo(server);
  char buffer[16];
  EXPECT_EQ(client->RecvLine(buffer, sizeof buffer, true), 2);
  client->Shutdown(host::kShutdownSend);
  server.stop();
  EXPECT_EQ(echoed, "hi\r\n");
}

TEST(SocketClientTest, TheLiveCountFollowsConstructionAndDestruction) {
  const int32_t before = WinSocketClient::LiveClients();
  {
    WinSocketClient first, second;
    EXPECT_EQ(WinSocketClient::LiveClients(), before + 2);
    EXPECT_EQ(first.Create(0), 1);
  }
  EXPECT_EQ(WinSocketClient::LiveClients(), before);
}

TEST(SocketClientTest, SendingToAClosedPeerFailsWithoutEndingTheProcess) {
  LoopbackServer server({SendAndClose("")});
  auto client = ConnectedTo(server);
  server.finish();
  const std::string chunk(64 * 1024, 'x');
  int32_t result = 0;
  for (int i = 0; i < 64 && result >= 0; i++) {
    result = client->Send(chunk.data(), static_cast<int32_t>(chunk.size()), 0);
  }
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(client->lastError() == EPIPE || client->lastError() == ECONNRESET);
}

TEST(SocketClientTest, AConnectionNobodyAcceptsIsRefusedWithATraceLine) {
  int32_t port;
  {
    WinSocketClient probe;  // a port that was free a moment ago, now closed again
    ASSERT_EQ(probe.Create(0), 1);
    ASSERT_EQ(probe.Bind(0), 1);
    port = probe.localPort();
  }
  TraceCapture trace;
  WinSocketClient client;
  ASSERT_EQ(client.Create(0), 1);
  EXPECT_EQ(client.Connect("127.0.0.1", port), 0);
  EXPECT_EQ(client.lastError(), ECONNREFUSED);
  EXPECT_TRUE(trace.contains("WinSocketClient::Connect: Unable to connect: 6F / 111"));
  EXPECT_EQ(client.Connect(nullptr, port), 0);
  EXPECT_TRUE(trace.contains("WinSocketClient::Connect-> Invalid address"));
}

TEST(SocketClientTest, AReceiveWaitsNoLongerThanTheReadTimeOut) {
  LoopbackServer server({Silence(false)});
  auto client = ConnectedTo(server);
  client->setReadTimeout(50);
  char byte;
  EXPECT_EQ(client->Recv(&byte, 1, 0), -1);
  EXPECT_EQ(client->lastError(), ETIMEDOUT);
}

TEST(SocketClientTest, AShutdownFromAnotherThreadWakesABlockedReceive) {
  LoopbackServer server({Silence(false)});
  auto client = ConnectedTo(server);
  ASSERT_TRUE(server.awaitMarks(1));
  std::thread closer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    client->Shutdown(host::kShutdownBoth);
  });
  char byte;
  EXPECT_EQ(client->Recv(&byte, 1, 0), 0);
  closer.join();
}

TEST(SocketClientTest, OptionsAndAddressesFollowTheSocket) {
  LoopbackServer server({Silence(false)});
  auto client = ConnectedTo(server);
  EXPECT_EQ(client->localAddress(), "127.0.0.1");
  EXPECT_GT(client->localPort(), 0);
  const struct {
    int32_t option;
    int32_t value;
  } kSettings[] = {{0, 0}, {0, 1}, {1, 5}, {1, 0}, {2, 1}, {2, 0}};
  for (const auto& s : kSettings) {
    EXPECT_EQ(client->setOption(s.option, s.value), 1);
    EXPECT_EQ(client->getOption(s.option), s.value) << s.option;
  }
  EXPECT_EQ(client->setOption(3, 64 * 1024), 1);
  EXPECT_GE(client->getOption(3), 64 * 1024);  // the system may give more
  EXPECT_EQ(client->setOption(9, 1), 0);
  EXPECT_EQ(client->getOption(9), -1);
}

TEST(SocketClientTest, APairCarriesBytesBothWays) {
  WinSocketClient first, second;
  ASSERT_TRUE(WinSocketClient::CreatePair(&first, &second));
  EXPECT_FALSE(WinSocketClient::CreatePair(&first, &second));
  EXPECT_EQ(first.Send("ping"), 4);
  char buffer[8] = {};
  EXPECT_EQ(second.Recv(buffer, sizeof buffer, 0), 4);
  EXPECT_STREQ(buffer, "ping");
  EXPECT_EQ(second.Close(), 1);
  EXPECT_EQ(first.Recv(buffer, sizeof buffer, 0), 0);
}

}  // namespace
