// The socket connection: connecting, the client's lease around each blocking call, and the
// interfaces it answers.
#include "platform/socket_connection.h"

#include <string>

#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "javame/exception_classes.h"
#include "platform/socket_streams.h"
#include "runtime/exceptions.h"
#include "runtime/safe_region.h"
#include "runtime/string.h"

namespace {

using Lease = ClientLease<host::WinSocketClient>;

// Wakes a receive that another thread has blocked in.
void ShutDown(host::WinSocketClient* client) {
  client->Shutdown(host::kShutdownBoth);
}

}  // namespace

bool SocketConnectionImpl::connect(String* text, int32_t accessMode, bool withTimeouts) {
  if (!takeUrl(text, accessMode, withTimeouts)) return false;
  const std::string name = StringToCString(host);
  client = new host::WinSocketClient();
  client->setReadTimeout(withTimeouts ? host::ReadTimeoutMs() : 0);
  bool connected;
  {
    Lease lease(this);
    SafeRegion parked;
    connected = lease.get()->Create(0) && lease.get()->Connect(name.c_str(), port);
  }
  if (connected) return true;
  close();
  ThrowIOException(("no connection to " + name + ":" + std::to_string(port)).c_str());
  return false;
}

void* SocketConnectionImpl::getInterface(int32_t interfaceId) {
  switch (interfaceId) {
    case cid::javax_microedition_io_Connection:
    case cid::javax_microedition_io_InputConnection:
    case cid::javax_microedition_io_StreamConnection:
    case cid::javax_microedition_io_SocketConnection:
      return static_cast<javax_microedition_io_SocketConnection*>(this);
    case cid::javax_microedition_io_OutputConnection:
      return static_cast<javax_microedition_io_OutputConnection*>(this);
    default:
      return nullptr;
  }
}

void SocketConnectionImpl::close() {
  closeClient(&ShutDown);
}

// ---- Streams ----

java_io_InputStream* SocketConnectionImpl::openInputStream() {
  if (isClosed()) {
    ThrowIOException("the connection is closed");
    return nullptr;
  }
  if (!inputStream) inputStream = NewObject<SocketInputStream>(this);
  return static_cast<java_io_InputStream*>(inputStream);
}

java_io_DataInputStream* SocketConnectionImpl::openDataInputStream() {
  java_io_InputStream* stream = openInputStream();
  return stream ? NewObject<java_io_DataInputStream>(stream) : nullptr;
}

java_io_OutputStream* SocketConnectionImpl::openOutputStream() {
  if (isClosed()) {
    ThrowIOException("the connection is closed");
    return nullptr;
  }
  if (!outputStream) outputStream = NewObject<SocketOutputStream>(this);
  return static_cast<java_io_OutputStream*>(outputStream);
}

java_io_DataOutputStream* SocketConnectionImpl::openDataOutputStream() {
  java_io_OutputStream* stream = openOutputStream();
  return stream ? NewObject<java_io_DataOutputStream>(stream) : nullptr;
}

int32_t SocketConnectionImpl::receive(void* buffer, int32_t length) {
  Lease lease(this);
  if (!lease.get()) {
    ThrowIOException("the connection is closed");
    return -1;
  }
  int32_t received;
  {
    SafeRegion parked;
    received = lease.get()->Recv(buffer, length, 0);
  }
  if (received >= 0 && !isClosed()) return received;
  ThrowIOException(received < 0 ? "the receive failed" : "the connection is closed");
  return -1;
}

bool SocketConnectionImpl::send(const void* bytes, int32_t length) {
  Lease lease(this);
  if (!lease.get()) {
    ThrowIOException("the connection is closed");
    return false;
  }
  int32_t sent;
  {
    SafeRegion parked;
    sent = lease.get()->Send(bytes, length, 0);
  }
  if (sent == length) return true;
  ThrowIOException("the send failed");
  return false;
}

// ---- SocketConnection ----

void SocketConnectionImpl::setSocketOption(int8_t option, int32_t value) {
  Lease lease(this);
  if (!lease.get()) {
    ThrowIOException("the connection is closed");
  } else if (!lease.get()->setOption(option, value)) {
    ThrowException(NewObject<java_lang_IllegalArgumentException>());
  }
}

int32_t SocketConnectionImpl::getSocketOption(int8_t option) {
  Lease lease(this);
  if (lease.get()) return lease.get()->getOption(option);
  ThrowIOException("the connection is closed");
  return -1;
}

String* SocketConnectionImpl::getLocalAddress() {
  std::string address;
  {
    Lease lease(this);
    if (lease.get()) address = lease.get()->localAddress();
  }
  if (address.empty()) {
    ThrowIOException("the connection is closed");
    return nullptr;
  }
  return NewJavaString(address.c_str());
}

int32_t SocketConnectionImpl::getLocalPort() {
  Lease lease(this);
  if (lease.get()) return lease.get()->localPort();
  ThrowIOException("the connection is closed");
  return -1;
}

String* SocketConnectionImpl::getAddress() {
  if (!isClosed()) return host;
  ThrowIOException("the connection is closed");
  return nullptr;
}

int32_t SocketConnectionImpl::getPort() {
  if (!isClosed()) return port;
  ThrowIOException("the connection is closed");
  return -1;
}
