// HTTP connections through the Connector against loopback servers: responses with and without
// a length, a 404, the request the server sees, refused schemes and properties, failed
// requests, the wait indicator on the screen, and a collection while Java threads wait in a
// receive and in a request.
#include "platform/http_connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/headless_window.h"
#include "javame/byte_array_input_stream.h"
#include "javame/exception_classes.h"
#include "platform/display_backends.h"
#include "platform/socket_connection.h"
#include "runtime/array.h"
#include "runtime/object_manager.h"
#include "tests/platform/indicator_frames.h"
#include "tests/platform/network_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/http_response_writer.h"

namespace {

using databuild::WriteHttpResponse;
using HttpConnectionTest = NetworkTest;

String* S(const char* text) {
  return NewJavaString(text);
}

// Everything openInputStream gives, read to its end.
std::string ReadAll(java_io_InputStream* in) {
  std::string text;
  for (int32_t byte; in && (byte = in->read()) >= 0;) text.push_back(static_cast<char>(byte));
  return text;
}

TEST_F(HttpConnectionTest, AResponseWithOrWithoutALengthGivesItsCodeHeadersAndBytes) {
  for (const bool withLength : {true, false}) {
    const std::string answer = WriteHttpResponse(
        {200, "OK", {{"Content-Type", "text/plain"}, {"X-Count", "42"}}, "the body", withLength});
    LoopbackServer server({Answer(answer)});
    auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/file?x=1"));
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->getResponseCode(), 200);
    EXPECT_EQ(TextOf(connection->getResponseMessage()), "OK");
    EXPECT_EQ(TextOf(connection->getHeaderField(S("CONTENT-type"))), "text/plain");
    EXPECT_EQ(TextOf(connection->getType()), "text/plain");
    EXPECT_EQ(connection->getHeaderFieldInt(S("x-count"), -1), 42);
    EXPECT_EQ(connection->getHeaderFieldInt(S("content-type"), -1), -1);
    EXPECT_EQ(connection->getHeaderFieldDate(S("x-none"), 77), 77);
    EXPECT_EQ(connection->getLength(), 8);
    EXPECT_EQ(TextOf(connection->getHeaderFieldKey(0)),
              withLength ? "Content-Length" : "Content-Type");
    EXPECT_EQ(connection->getHeaderField(3 + (withLength ? 0 : -1)), nullptr);
    EXPECT_EQ(connection->getEncoding(), nullptr);
    EXPECT_EQ(ReadAll(connection->openInputStream()), "the body");
    EXPECT_EQ(GetPendingException(), nullptr);
    EXPECT_EQ(server.requests().size(), 1u);  // every operation used the one response
    EXPECT_EQ(TextOf(connection->getFile()), "/file");
    EXPECT_EQ(TextOf(connection->getQuery()), "?x=1");
    EXPECT_EQ(TextOf(connection->getProtocol()), "http");
    EXPECT_EQ(connection->getPort(), server.port());
    EXPECT_EQ(connection->getRef(), nullptr);
    EXPECT_EQ(connection->getDate(), 0);
  }
}

TEST_F(HttpConnectionTest, ANotFoundRaisesFromOpenInputStreamWithItsReason) {
  LoopbackServer server({Answer(WriteHttpResponse({404, "Not Found", {}, "no"}))});
  auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/missing"));
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(connection->openInputStream(), nullptr);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_io_IOException);
  EXPECT_EQ(raised.message, "Not Found");
  EXPECT_EQ(connection->getResponseCode(), 404);
  EXPECT_EQ(TextOf(connection->getResponseMessage()), "Not Found");
  EXPECT_EQ(connection->getHeaderField(S("x-absent")), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
}

TEST_F(HttpConnectionTest, PropertiesGoAsSeparateLinesAndThePathIsPercentEncoded) {
  LoopbackServer server({Answer(WriteHttpResponse({200, "OK", {}, ""})),
                         Answer(WriteHttpResponse({200, "OK", {}, ""}))});
  auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/a b/\xE9?q= 1"));
  ASSERT_NE(connection, nullptr);
  connection->setRequestProperty(S("Accept"), S("text/plain"));
  connection->setRequestProperty(S("X-Id"), S("7"));
  TraceCapture trace;
  connection->setRequestProperty(S("X-Evil"), S("a\r\nInjected: 1"));
  EXPECT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(TextOf(connection->getRequestProperty(S("accept"))), "text/plain");
  EXPECT_EQ(connection->getRequestProperty(S("X-Evil")), nullptr);
  EXPECT_EQ(connection->getResponseCode(), 200);
  connection->setRequestProperty(S("X-Id"), S("8"));  // a change sends again
  EXPECT_EQ(connection->getResponseCode(), 200);
  const std::vector<std::string> requests = server.requests();
  ASSERT_EQ(requests.size(), 2u);
  const std::string host = "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n";
  EXPECT_EQ(requests[0], "GET /a%20b/%C3%A9?q=%201 HTTP/1.0\r\n" + host +
                             "User-Agent: CeHttp\r\nPragma: no-cache\r\nAccept: text/plain\r\n"
                             "X-Id: 7\r\n\r\n");
  EXPECT_NE(requests[1].find("X-Id: 8\r\n"), std::string::npos);
}

TEST_F(HttpConnectionTest, SecureAndUnknownSchemesOpenNothing) {
  const struct {
    const char* url;
    const char* line;
  } kCases[] = {
      {"https://h/", "Connector.open: the scheme \"https\" is not served (no secure connections)"},
      {"httpx://h/", "Connector.open: the scheme \"httpx\" is not served (no secure connections)"},
      {"ftp://h", "Connector.open: the scheme \"ftp\" is not served"},
  };
  for (const auto& c : kCases) {
    TraceCapture trace;
    EXPECT_EQ(Open<Object>(c.url), nullptr) << c.url;
    EXPECT_TRUE(trace.contains(c.line)) << c.url;
    EXPECT_EQ(GetPendingException(), nullptr);
  }
}

TEST_F(HttpConnectionTest, FailedRequestsRaiseFromOpenInputStreamAndLeaveCodeMinusOne) {
  host::SetNetworkTimeoutsForTests(0, 200);
  const struct {
    const char* what;
    LoopbackServer::Exchange exchange;
  } kCases[] = {
      {"silence", Silence()},
      {"a short body", Answer("HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nonly this")},
      {"an oversize body", Answer("HTTP/1.0 200 OK\r\nContent-Length: " +
                                  std::to_string(host::kMaxContent + 1) + "\r\n\r\n")},
      {"a garbage status line", Answer("HTTP/1.0 two hundred\r\n\r\nbody")},
      {"a chunked body", Answer("HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n")},
  };
  for (const auto& c : kCases) {
    LoopbackServer server({c.exchange});
    auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/"));
    ASSERT_NE(connection, nullptr);
    TraceCapture trace;
    EXPECT_EQ(connection->openInputStream(), nullptr) << c.what;
    EXPECT_EQ(TakePending().classId, cid::java_io_IOException) << c.what;
    ASSERT_EQ(trace.lines().size(), 1u) << c.what;
    EXPECT_EQ(trace.lines()[0].rfind("WinInetHttpClient::SendByGet: ", 0), 0u) << c.what;
    EXPECT_EQ(connection->getResponseCode(), -1) << c.what;
    EXPECT_EQ(connection->getLength(), -1) << c.what;
    connection->getResponseMessage();
    EXPECT_EQ(TakePending().classId, cid::java_io_IOException) << c.what;
  }
}

TEST_F(HttpConnectionTest, OnlyGetIsSentAndNothingIsWritten) {
  LoopbackServer server({Answer(WriteHttpResponse({200, "OK", {}, "x"}))});
  auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/"));
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(TextOf(connection->getRequestMethod()), "GET");
  connection->setRequestMethod(S("POST"));
  EXPECT_EQ(connection->getResponseCode(), -1);
  EXPECT_EQ(TakePending().message, "only GET requests are sent");
  EXPECT_EQ(connection->openOutputStream(), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  connection->setRequestMethod(S("GET"));
  EXPECT_EQ(connection->getResponseCode(), 200);
  connection->close();
  connection->close();
  EXPECT_EQ(connection->getResponseCode(), -1);
  EXPECT_EQ(TakePending().message, "the connection is closed");
}

TEST_F(HttpConnectionTest, AnswersItsInterfacesAndNoOthers) {
  LoopbackServer server({});
  auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/"));
  ASSERT_NE(connection, nullptr);
  auto* first = static_cast<javax_microedition_io_HttpConnection*>(connection);
  const struct {
    int32_t id;
    void* expected;
  } kCases[] = {
      {cid::javax_microedition_io_Connection, first},
      {cid::javax_microedition_io_InputConnection, first},
      {cid::javax_microedition_io_ContentConnection, first},
      {cid::javax_microedition_io_HttpConnection, first},
      {cid::javax_microedition_io_OutputConnection,
       static_cast<javax_microedition_io_OutputConnection*>(connection)},
      {cid::javax_microedition_io_StreamConnection, nullptr},
      {cid::javax_microedition_io_SocketConnection, nullptr},
  };
  for (const auto& c : kCases) EXPECT_EQ(connection->getInterface(c.id), c.expected) << c.id;
}

// ---- The wait indicator ----

TEST_F(HttpConnectionTest, TheIndicatorShowsWhileTheServerDelaysItsAnswerAndNotAfter) {
  using indicator_frames::Dots;
  constexpr uint16_t kBackground = 0x1234;
  auto window = host::HeadlessWindow::create({"MarquentClass", nullptr}, "t");
  context_.display = new GdiDisplay(host::DisplaySurface::kWidth, host::DisplaySurface::kHeight,
                                    host::DisplaySurface::kWidth, host::DisplaySurface::kHeight);
  ASSERT_EQ(context_.display->open(window.get()), 1);
  host::DisplaySurface* surface = context_.display->surface();
  std::fill_n(surface->backBuffer(), host::DisplaySurface::kPixels, kBackground);
  surface->present();

  LoopbackServer server({Answer(WriteHttpResponse({200, "OK", {}, "late"}), 700)});
  auto* connection = Open<HttpConnectionImpl>(server.httpUrl("/"));
  ASSERT_NE(connection, nullptr);
  java_lang_Thread* requester = StartJavaThread(
      [](RunnableBody* self) {
        self->seen = static_cast<HttpConnectionImpl*>(self->held)->getResponseCode();
      },
      connection);
  std::vector<uint16_t> frame(host::DisplaySurface::kPixels);
  bool white = false, red = false, stray = false;
  while (requester->isAlive()) {
    surface->copyFrontBuffer(frame.data());
    const Dots dots = indicator_frames::DotsIn(frame, kBackground);
    white |= dots == Dots::White;
    red |= dots == Dots::Red;
    stray |= dots == Dots::Stray;
    java_lang_Thread::sleep(20);
  }
  requester->join();
  EXPECT_EQ(BodyOf(requester)->seen.load(), 200);
  EXPECT_TRUE(white);  // the first phase, then at least one more in 700 ms
  EXPECT_TRUE(red);
  EXPECT_FALSE(stray);
  surface->copyFrontBuffer(frame.data());
  EXPECT_EQ(indicator_frames::DotsIn(frame, kBackground), Dots::None);
  context_.closeDisplay();
}

// ---- A collection while Java threads wait on the network ----

constexpr int32_t kBodySize = 6000;

// The body both servers send, so either landing shows intact.
std::vector<uint8_t> Body() {
  std::vector<uint8_t> bytes(kBodySize);
  for (int32_t i = 0; i < kBodySize; i++) bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
  return bytes;
}

// Waits (for the collection below) until the test lets it answer, then sends the body.
LoopbackServer::Exchange AnswerWhenLet(bool http) {
  return [http](LoopbackServer& server, host::WinSocketClient& peer) {
    if (http) server.readRequest(peer);
    server.mark();
    server.pause(1500);
    const std::vector<uint8_t> body = Body();
    const std::string bytes(body.begin(), body.end());
    LoopbackServer::sendAll(peer, http ? WriteHttpResponse({200, "OK", {}, bytes}) : bytes);
  };
}

TEST_F(HttpConnectionTest, ACollectionDoesNotWaitForThreadsInAReceiveOrARequest) {
  LoopbackServer socketServer({AnswerWhenLet(false)});
  LoopbackServer httpServer({AnswerWhenLet(true)});
  auto* socket = Open<SocketConnectionImpl>(socketServer.socketUrl());
  auto* http = Open<HttpConnectionImpl>(httpServer.httpUrl("/slow"));
  ASSERT_NE(socket, nullptr);
  ASSERT_NE(http, nullptr);
  // Garbage before the reader's array, so compaction has room to move it down.
  for (int i = 0; i < 50; i++) NewByteArray(1000);
  auto* target = NewObjectArray(cid::Object, 2);
  target->elements()[0] = socket;
  target->elements()[1] = NewByteArray(kBodySize);
  java_lang_Thread* reader = StartJavaThread(
      [](RunnableBody* self) {
        Object** work = static_cast<ObjectArray*>(self->held)->elements();
        auto* bytes = static_cast<ByteArray*>(work[1]);
        auto* in = static_cast<SocketConnectionImpl*>(work[0])->openInputStream();
        for (int32_t at = 0, n; at < kBodySize; at += n) {
          n = in->read(bytes, at, kBodySize - at);
          if (n <= 0) return;
        }
        self->seen = 1;
      },
      target);
  java_lang_Thread* requester = StartJavaThread(
      [](RunnableBody* self) {
        auto* connection = static_cast<HttpConnectionImpl*>(self->held);
        self->seen = connection->getResponseCode();
      },
      http);
  ASSERT_TRUE(socketServer.awaitMarks(1));
  ASSERT_TRUE(httpServer.awaitMarks(1));
  java_lang_Thread::sleep(100);  // both threads are now inside their blocking calls
  const void* bodyBefore = static_cast<ByteArray*>(target->elements()[1])->body;
  CollectNow();
  ForceDataHeapCompaction();
  EXPECT_NE(static_cast<ByteArray*>(target->elements()[1])->body, bodyBefore);
  EXPECT_EQ(reader->isAlive(), true);  // the collection did not wait for them
  EXPECT_EQ(requester->isAlive(), true);
  socketServer.stop();  // both answer now
  httpServer.stop();
  reader->join();
  requester->join();
  EXPECT_EQ(BodyOf(reader)->seen.load(), 1);
  EXPECT_EQ(BytesOf(static_cast<ByteArray*>(target->elements()[1])), Body());
  EXPECT_EQ(BodyOf(requester)->seen.load(), 200);
  java_io_InputStream* in = http->openInputStream();
  ByteArray* body = NewByteArray(kBodySize);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->read(body), kBodySize);
  EXPECT_EQ(BytesOf(body), Body());
}

}  // namespace
