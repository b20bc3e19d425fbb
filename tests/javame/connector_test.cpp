// The Connector's static operations: the modes they open with, the streams they wrap, and
// what they give when nothing opens. The connections themselves are tested in tests/platform/.
#include "javame/connector.h"

#include <gtest/gtest.h>

#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "platform/http_connection.h"
#include "platform/socket_connection.h"
#include "platform/socket_streams.h"
#include "tests/platform/network_fixture.h"
#include "tools/databuild/http_response_writer.h"

namespace {

using ConnectorTest = NetworkTest;
using Connector = javax_microedition_io_Connector;

TEST_F(ConnectorTest, OpenPassesReadWriteAndTheModeItIsGiven) {
  LoopbackServer server({Silence(false), Silence(false)});
  String* url = NewJavaString(server.socketUrl().c_str());
  auto* both = static_cast<SocketConnectionImpl*>(Connector::open(url));
  auto* read = static_cast<SocketConnectionImpl*>(Connector::open(url, Connector::READ));
  ASSERT_NE(both, nullptr);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(both->mode, Connector::READ_WRITE);
  EXPECT_EQ(both->timeouts, 0);
  EXPECT_EQ(read->mode, Connector::READ);
  EXPECT_TRUE(TextOf(both->url) == server.socketUrl());
}

TEST_F(ConnectorTest, TheStreamOperationsWrapWhatTheConnectionOpens) {
  LoopbackServer server({Echo(), Echo(), Echo()});  // one for each stream opened
  String* url = NewJavaString(server.socketUrl().c_str());
  java_io_OutputStream* out = Connector::openOutputStream(url);
  java_io_InputStream* in = Connector::openInputStream(url);
  EXPECT_EQ(out->classId, cid::SocketOutputStream);
  EXPECT_EQ(in->classId, cid::SocketInputStream);
  static_cast<SocketOutputStream*>(out)->connection->close();  // the server serves in turn
  static_cast<SocketInputStream*>(in)->connection->close();
  java_io_DataOutputStream* dataOut = Connector::openDataOutputStream(url);
  java_io_DataInputStream* dataIn = NewObject<java_io_DataInputStream>(
      static_cast<SocketOutputStream*>(dataOut->out)->connection->openInputStream());
  dataOut->writeInt(0x12345678);
  dataOut->writeUTF(NewJavaString("round trip"));
  EXPECT_EQ(dataIn->readInt(), 0x12345678);
  EXPECT_EQ(TextOf(dataIn->readUTF()), "round trip");
  EXPECT_EQ(GetPendingException(), nullptr);
}

TEST_F(ConnectorTest, ExceptionsOfTheConnectionPassUnchanged) {
  LoopbackServer server(
      {Answer(databuild::WriteHttpResponse({404, "Not Found", {}, ""})), Answer("junk\r\n\r\n")});
  EXPECT_EQ(Connector::openInputStream(NewJavaString(server.httpUrl("/a").c_str())), nullptr);
  const Raised notFound = TakePending();
  EXPECT_EQ(notFound.classId, cid::java_io_IOException);
  EXPECT_EQ(notFound.message, "Not Found");
  EXPECT_EQ(Connector::openDataInputStream(NewJavaString(server.httpUrl("/b").c_str())), nullptr);
  EXPECT_EQ(TakePending().message, "the request failed");
  EXPECT_EQ(Connector::openOutputStream(NewJavaString(server.httpUrl("/c").c_str())), nullptr);
  EXPECT_EQ(TakePending().message, "an HTTP connection sends no body");
}

TEST_F(ConnectorTest, NothingOpenedGivesNullAfterTheNullCheck) {
  TraceCapture trace;
  EXPECT_EQ(Connector::open(NewJavaString("ftp://h")), nullptr);
  EXPECT_EQ(Connector::openInputStream(NewJavaString("ftp://h")), nullptr);
  EXPECT_EQ(Connector::openDataOutputStream(NewJavaString("file://x")), nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
  EXPECT_EQ(Connector::open(nullptr), nullptr);
  EXPECT_EQ(GetPendingException(), nullptr);
}

}  // namespace
