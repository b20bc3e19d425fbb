// HttpConnectionImpl: an "http://" connection over the HTTP client. The request goes out on the
// first response operation after construction or after the method or a property changed, and
// only for the method "GET"; it runs with the calling Java thread parked while the wait
// indicator shows, and the response is copied into managed objects only after it returned.
#pragma once

#include <cstdint>

#include "host/win_inet_http_client.h"
#include "javame/connection.h"
#include "platform/connection_impl.h"

class HttpConnectionImpl : public ConnectionImpl<host::WinInetHttpClient>,
                           public javax_microedition_io_HttpConnection,
                           public javax_microedition_io_OutputConnection {
 public:
  static constexpr int16_t kClassId = cid::HttpConnectionImpl;

  HttpConnectionImpl() { RegisterReferenceFields(this, &method); }

  // Splits the URL, sets the method "GET" and connects a new client to the URL's host and port.
  // False when the URL does not split (traced), or with java_io_IOException raised when the
  // client refuses it.
  bool connect(String* text, int32_t accessMode, bool withTimeouts);

  // ---- Object ----
  void finalize() override { close(); }
  void* getInterface(int32_t interfaceId) override;

  // ---- Connection, InputConnection, OutputConnection ----
  void close() override;  // frees the client once; later response operations raise
  // Status 200: a java_io_ByteArrayInputStream over a copy of the body; any other status
  // raises java_io_IOException with the reason phrase as its message.
  java_io_InputStream* openInputStream() override;
  java_io_DataInputStream* openDataInputStream() override;
  // Only GET is sent, so there is nothing to write: java_io_IOException.
  java_io_OutputStream* openOutputStream() override;
  java_io_DataOutputStream* openDataOutputStream() override;

  // ---- ContentConnection ----
  String* getType() override;      // getHeaderField("content-type")
  String* getEncoding() override;  // the "content-encoding" header, or null
  int64_t getLength() override;    // the body's length; -1 without a response

  // ---- HttpConnection ----
  // Every response operation sends first when needed; on a connection whose method is not
  // "GET", or that is closed, it raises java_io_IOException.
  String* getURL() override { return url; }
  String* getProtocol() override { return scheme; }
  String* getHost() override { return host; }
  String* getFile() override { return path; }
  String* getRef() override { return extra; }
  String* getQuery() override { return query; }
  int32_t getPort() override { return port > 0 ? port : 80; }
  String* getRequestMethod() override { return method; }
  void setRequestMethod(String* name) override;      // clears the sent flag
  String* getRequestProperty(String* key) override;  // null when not set
  // Adds or replaces the property and clears the sent flag; one with a control character is
  // refused (a trace line) and never sent.
  void setRequestProperty(String* key, String* value) override;
  // The status; -1 after a failed request, whose reason the client traced.
  int32_t getResponseCode() override;
  // The reason phrase; java_io_IOException without a response.
  String* getResponseMessage() override;
  int64_t getExpiration() override { return 0; }
  int64_t getDate() override { return 0; }
  int64_t getLastModified() override { return 0; }
  // The header's value (names compared without ASCII case); java_io_IOException when absent.
  String* getHeaderField(String* name) override;
  // The header as a decimal int, or fallback when it is absent or not one.
  int32_t getHeaderFieldInt(String* name, int32_t fallback) override;
  // The header as an HTTP date in ms since 1970 UTC, or fallback when it is absent or not one.
  int64_t getHeaderFieldDate(String* name, int64_t fallback) override;
  // The value and the name of the index-th header in name order; null outside the headers.
  String* getHeaderField(int32_t index) override { return headerAt(index, false); }
  String* getHeaderFieldKey(int32_t index) override { return headerAt(index, true); }

  String* method;  // "GET" from construction
  uint8_t sent;    // the response held belongs to the current method and properties

 private:
  using Lease = ClientLease<host::WinInetHttpClient>;
  // The leased client once it holds the response to the current request (a failed one has
  // status -1), sending first when needed; null with java_io_IOException raised for a closed
  // connection or a method other than "GET".
  host::WinInetHttpClient* respond(const Lease& lease);
  // The header's value as a String, or null when absent or when respond raised.
  String* headerValue(String* name);
  // The name or the value of the index-th header, or null.
  String* headerAt(int32_t index, bool wantName);
};
