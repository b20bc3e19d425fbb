// The connection interfaces of javax.microedition.io. Each is a data-less abstract base whose
// sub-object a connection's getInterface gives for the interface's class id. An HTTP connection
// answers Connection, InputConnection, ContentConnection and HttpConnection with its first
// sub-object and OutputConnection with its second; a socket connection answers Connection,
// InputConnection, StreamConnection and SocketConnection with its first and OutputConnection
// with its second. The connections are in platform/*_connection.h.
#pragma once

#include <cstdint>

#include "runtime/class_ids.h"

class String;
class java_io_DataInputStream;
class java_io_DataOutputStream;
class java_io_InputStream;
class java_io_OutputStream;

class javax_microedition_io_Connection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_Connection;
  virtual void close() = 0;

 protected:
  ~javax_microedition_io_Connection() = default;
};

class javax_microedition_io_InputConnection : public javax_microedition_io_Connection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_InputConnection;
  virtual java_io_InputStream* openInputStream() = 0;
  virtual java_io_DataInputStream* openDataInputStream() = 0;

 protected:
  ~javax_microedition_io_InputConnection() = default;
};

class javax_microedition_io_OutputConnection : public javax_microedition_io_Connection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_OutputConnection;
  virtual java_io_OutputStream* openOutputStream() = 0;
  virtual java_io_DataOutputStream* openDataOutputStream() = 0;

 protected:
  ~javax_microedition_io_OutputConnection() = default;
};

class javax_microedition_io_StreamConnection : public javax_microedition_io_InputConnection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_StreamConnection;

 protected:
  ~javax_microedition_io_StreamConnection() = default;
};

class javax_microedition_io_ContentConnection : public javax_microedition_io_InputConnection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_ContentConnection;
  virtual String* getType() = 0;
  virtual String* getEncoding() = 0;
  virtual int64_t getLength() = 0;

 protected:
  ~javax_microedition_io_ContentConnection() = default;
};

// Dates are milliseconds since 1970-01-01 UTC.
class javax_microedition_io_HttpConnection : public javax_microedition_io_ContentConnection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_HttpConnection;
  static constexpr int32_t HTTP_OK = 200;
  static constexpr int32_t HTTP_NOT_FOUND = 404;

  virtual String* getURL() = 0;
  virtual String* getProtocol() = 0;
  virtual String* getHost() = 0;
  virtual String* getFile() = 0;
  virtual String* getRef() = 0;
  virtual String* getQuery() = 0;
  virtual int32_t getPort() = 0;
  virtual String* getRequestMethod() = 0;
  virtual void setRequestMethod(String* method) = 0;
  virtual String* getRequestProperty(String* key) = 0;
  virtual void setRequestProperty(String* key, String* value) = 0;
  virtual int32_t getResponseCode() = 0;
  virtual String* getResponseMessage() = 0;
  virtual int64_t getExpiration() = 0;
  virtual int64_t getDate() = 0;
  virtual int64_t getLastModified() = 0;
  virtual String* getHeaderField(String* name) = 0;
  virtual int32_t getHeaderFieldInt(String* name, int32_t fallback) = 0;
  virtual int64_t getHeaderFieldDate(String* name, int64_t fallback) = 0;
  virtual String* getHeaderField(int32_t index) = 0;
  virtual String* getHeaderFieldKey(int32_t index) = 0;

 protected:
  ~javax_microedition_io_HttpConnection() = default;
};

class javax_microedition_io_SocketConnection : public javax_microedition_io_StreamConnection {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_SocketConnection;
  // The options of setSocketOption and getSocketOption.
  static constexpr int8_t DELAY = 0;
  static constexpr int8_t LINGER = 1;
  static constexpr int8_t KEEPALIVE = 2;
  static constexpr int8_t RCVBUF = 3;
  static constexpr int8_t SNDBUF = 4;

  virtual void setSocketOption(int8_t option, int32_t value) = 0;
  virtual int32_t getSocketOption(int8_t option) = 0;
  virtual String* getLocalAddress() = 0;
  virtual int32_t getLocalPort() = 0;
  virtual String* getAddress() = 0;
  virtual int32_t getPort() = 0;

 protected:
  ~javax_microedition_io_SocketConnection() = default;
};
