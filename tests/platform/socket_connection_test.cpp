// Socket connections through the Connector against loopback servers: a round trip through the
// socket streams, the interfaces they answer, sends to a closed peer, a close from another
// thread, the time-outs flag, refused connections and the lifetime of the socket.
#include "platform/socket_connection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "javame/exception_classes.h"
#include "platform/socket_streams.h"
#include "runtime/array.h"
#include "tests/platform/network_fixture.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/managed_bytes.h"

namespace {

using SocketConnectionTest = NetworkTest;

constexpr int32_t kMegabyte = 1024 * 1024;

// Bytes that are not a short repeat, so a lost or repeated chunk shows.
std::vector<uint8_t> Pattern(int32_t size) {
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  uint32_t state = 12345;
  for (uint8_t& byte : bytes) {
    state = state * 1664525 + 1013904223;
    byte = static_cast<uint8_t>(state >> 24);
  }
  return bytes;
}

TEST_F(SocketConnectionTest, AMegabyteMakesTheRoundTripIntact) {
  LoopbackServer server({Echo()});
  auto* connection = Open<SocketConnectionImpl>(server.socketUrl());
  ASSERT_NE(connection, nullptr);
  java_io_OutputStream* out = connection->openOutputStream();
  java_io_InputStream* in = connection->openInputStream();
  const std::vector<uint8_t> sent = Pattern(kMegabyte);
  // Written in pieces from a writer thread, so neither side waits for the other's buffer.
  ObjectArray* work = NewObjectArray(cid::Object, 2);
  work->elements()[0] = connection;
  work->elements()[1] = ManagedBytes(sent);
  java_lang_Thread* writer = StartJavaThread(
      [](RunnableBody* self) {
        Object** work = static_cast<ObjectArray*>(self->held)->elements();
        auto* out = static_cast<SocketConnectionImpl*>(work[0])->openOutputStream();
        auto* bytes = static_cast<ByteArray*>(work[1]);
        for (int32_t at = 0; at < bytes->length; at += 10000) {
          out->write(bytes, at, std::min(10000, bytes->length - at));
        }
      },
      work);
  ByteArray* incoming = NewByteArray(kMegabyte);
  int32_t received = 0;
  while (received < kMegabyte) {
    const int32_t n = in->read(incoming, received, kMegabyte - received);
    ASSERT_GT(n, 0) << "after " << received;
    received += n;
  }
  writer->join();
  EXPECT_EQ(BytesOf(incoming), sent);
  EXPECT_EQ(out, connection->openOutputStream());  // one stream each way
  connection->close();
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
}

TEST_F(SocketConnectionTest, AnswersItsInterfacesAndNoOthers) {
  LoopbackServer server({Silence(false)});
  auto* connection = Open<SocketConnectionImpl>(server.socketUrl());
  ASSERT_NE(connection, nullptr);
  const struct {
    int32_t id;
    void* expected;
  } kCases[] = {
      {cid::javax_microedition_io_Connection,
       static_cast<javax_microedition_io_SocketConnection*>(connection)},
      {cid::javax_microedition_io_InputConnection,
       static_cast<javax_microedition_io_SocketConnection*>(connection)},
      {cid::javax_microedition_io_StreamConnection,
       static_cast<javax_microedition_io_SocketConnection*>(connection)},
      {cid::javax_microedition_io_SocketConnection,
       static_cast<javax_microedition_io_SocketConnection*>(connection)},
      {cid::javax_microedition_io_OutputConnection,
       static_cast<javax_microedition_io_OutputConnection*>(connection)},
      {cid::javax_microedition_io_HttpConnection, nullptr},
      {cid::javax_microedition_io_ContentConnection, nullptr},
      {cid::java_lang_Runnable, nullptr},
  };
  for (const auto& c : kCases) EXPECT_EQ(connection->getInterface(c.id), c.expected) << c.id;
  EXPECT_TRUE(InstanceOf(connection, cid::javax_microedition_io_StreamConnection));
  EXPECT_EQ(TextOf(connection->getAddress()), "127.0.0.1");
  EXPECT_EQ(connection->getPort(), server.port());
  EXPECT_EQ(TextOf(connection->getLocalAddress()), "127.0.0.1");
  EXPECT_GT(connection->getLocalPort(), 0);
  connection->setSocketOption(javax_microedition_io_SocketConnection::KEEPALIVE, 1);
  EXPECT_EQ(connection->getSocketOption(javax_microedition_io_SocketConnection::KEEPALIVE), 1);
  connection->setSocketOption(9, 1);
  EXPECT_EQ(TakePending().classId, cid::java_lang_IllegalArgumentException);
}

TEST_F(SocketConnectionTest, WritingToAClosedPeerRaisesAndTheProcessLives) {
  LoopbackServer server({SendAndClose("")});
  auto* connection = Open<SocketConnectionImpl>(server.socketUrl());
  ASSERT_NE(connection, nullptr);
  server.finish();
  java_io_OutputStream* out = connection->openOutputStream();
  ByteArray* chunk = NewByteArray(64 * 1024);
  for (int i = 0; i < 64 && !GetPendingException(); i++) out->write(chunk);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_io_IOException);
  EXPECT_EQ(raised.message, "the send failed");
}

TEST_F(SocketConnectionTest, ACloseFromAnotherThreadWakesABlockedRead) {
  LoopbackServer server({Silence(false)});
  auto* connection = Open<SocketConnectionImpl>(server.socketUrl());
  ASSERT_NE(connection, nullptr);
  ASSERT_TRUE(server.awaitMarks(1));  // the server's own clients are all made
  const int32_t clients = host::WinSocketClient::LiveClients();
  java_lang_Thread* reader = StartJavaThread(
      [](RunnableBody* self) {
        auto* connection = static_cast<SocketConnectionImpl*>(self->held);
        self->runs++;  // about to block
        const int32_t result = connection->openInputStream()->read();
        // The read's result, and 1000 more when it raised.
        self->seen = result + (DiscardPendingException() ? 1000 : 0);
      },
      connection);
  while (BodyOf(reader)->runs < 2) java_lang_Thread::sleep(1);
  java_lang_Thread::sleep(50);  // let the read block
  connection->close();
  reader->join();
  EXPECT_EQ(BodyOf(reader)->seen.load(), 1000 - 1);  // -1, with java_io_IOException
  EXPECT_EQ(host::WinSocketClient::LiveClients(), clients - 1);
  connection->close();  // a second close does nothing
  connection->openInputStream();
  EXPECT_EQ(TakePending().message, "the connection is closed");
}

TEST_F(SocketConnectionTest, WithTheTimeOutsFlagAReadGivesUpAndRaises) {
  host::SetNetworkTimeoutsForTests(0, 100);
  LoopbackServer server({Silence(false)});
  auto* connection = static_cast<SocketConnectionImpl*>(
      javax_microedition_io_Connector::open(NewJavaString(server.socketUrl().c_str()), 1, true));
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(connection->openInputStream()->read(), -1);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_io_IOException);
  EXPECT_EQ(raised.message, "the receive failed");
}

TEST_F(SocketConnectionTest, APortNobodyListensOnRaisesAtOpen) {
  int32_t port;
  {
    host::WinSocketClient probe;
    ASSERT_EQ(probe.Create(0), 1);
    ASSERT_EQ(probe.Bind(0), 1);
    port = probe.localPort();
  }
  const int32_t clients = host::WinSocketClient::LiveClients();
  TraceCapture trace;
  EXPECT_EQ(Open<SocketConnectionImpl>("socket://127.0.0.1:" + std::to_string(port)), nullptr);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_io_IOException);
  EXPECT_EQ(raised.message, "no connection to 127.0.0.1:" + std::to_string(port));
  EXPECT_TRUE(trace.contains("WinSocketClient::Connect: Unable to connect: 6F / 111"));
  EXPECT_EQ(host::WinSocketClient::LiveClients(), clients);
}

// Only the stream is kept: the connection must outlive the collection, and its socket with it.
TEST_F(SocketConnectionTest, AStreamKeepsItsConnectionAndItsSocketAlive) {
  LoopbackServer server({SendAndClose("after the collection")});
  const std::string url = server.socketUrl();
  java_io_DataInputStream* in = nullptr;
  auto open = [&] { in = Open<SocketConnectionImpl>(url)->openDataInputStream(); };
  RunInOwnFrame(open);
  // The server's own client counts too: let its exchange end first, so only ours is left.
  server.finish();
  const int32_t clients = host::WinSocketClient::LiveClients();
  CollectNow();
  EXPECT_EQ(host::WinSocketClient::LiveClients(), clients);
  ByteArray* bytes = NewByteArray(20);
  in->readFully(bytes);
  const std::vector<uint8_t> read = BytesOf(bytes);
  EXPECT_EQ(std::string(read.begin(), read.end()), "after the collection");
}

}  // namespace
