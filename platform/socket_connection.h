// SocketConnectionImpl: a "socket://host:port" connection over the socket client, with the
// socket streams of platform/socket_streams.h. Every blocking call (connect, send, receive)
// runs with the calling Java thread parked, on native buffers only, so a collection never
// waits for it. With the time-outs flag set a receive waits host::ReadTimeoutMs() at most.
#pragma once

#include <cstdint>

#include "host/win_socket_client.h"
#include "javame/connection.h"
#include "platform/connection_impl.h"

class SocketConnectionImpl : public ConnectionImpl<host::WinSocketClient>,
                             public javax_microedition_io_SocketConnection,
                             public javax_microedition_io_OutputConnection {
 public:
  static constexpr int16_t kClassId = cid::SocketConnectionImpl;

  // Splits the URL, creates the client and connects it to the URL's host and port. False when
  // the URL does not split (traced), or with java_io_IOException raised when the socket cannot
  // be made or connected (the connection is closed then).
  bool connect(String* text, int32_t accessMode, bool withTimeouts);

  // ---- Object ----
  void finalize() override { close(); }  // the streams hold the connection, so none is live
  void* getInterface(int32_t interfaceId) override;

  // ---- Connection ----
  // Frees the client once; a receive blocked on another thread is woken and ends the stream's
  // read with java_io_IOException. Closing twice does nothing.
  void close() override;
  // The one input and one output stream of the connection, made on first use; on a closed
  // connection java_io_IOException.
  java_io_InputStream* openInputStream() override;
  java_io_DataInputStream* openDataInputStream() override;
  java_io_OutputStream* openOutputStream() override;
  java_io_DataOutputStream* openDataOutputStream() override;

  // ---- SocketConnection: on a closed connection each raises java_io_IOException ----
  void setSocketOption(int8_t option, int32_t value) override;
  int32_t getSocketOption(int8_t option) override;  // -1 when the option is not known
  String* getLocalAddress() override;               // dotted IPv4
  int32_t getLocalPort() override;
  String* getAddress() override;  // the host as the URL names it
  int32_t getPort() override;     // the URL's port

  // ---- For the streams ----
  // Receives up to length bytes into a native buffer: the count, 0 at the end of the stream,
  // or -1 with java_io_IOException raised (an error, a time-out, a closed connection).
  int32_t receive(void* buffer, int32_t length);
  // Sends every byte of a native buffer; false with java_io_IOException raised.
  bool send(const void* bytes, int32_t length);
};
