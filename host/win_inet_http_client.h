// WinInetHttpClient: one HTTP/1.0 GET at a time over the socket client, without TLS. Connect
// takes the host and port from the URL (80 when it names none); SendByGet sends the request and
// reads the whole response, keeping the raw header block, the status, the reason phrase, the
// headers (names compared without ASCII case) and the body. Failures are results of 0 with one
// trace line; the device's messages that only inform are written with show errors on (off from
// construction).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/http_client.h"
#include "host/http_request.h"
#include "host/http_response.h"

namespace host {

class WinInetHttpClient : public HttpClient {
 public:
  static constexpr int32_t kConnected = 16;  // the connection manager's "connected" status

  WinInetHttpClient() = default;
  // Clears the request properties and forgets the host.
  ~WinInetHttpClient() override;

  // Brings up the data connection: nothing to bring up here, so it is held at once (status
  // kConnected); 1.
  int32_t OpenConnMgr();

  // ---- Operations in slot order, after the base's ----
  // Disconnects, then takes the host and port from url and opens the connection manager; 1, or
  // 0 with a trace line for a URL that does not split or whose scheme is not "http".
  virtual int32_t Connect(std::u16string_view url);
  // Forgets the host and releases the connection manager.
  virtual void Disconnect();
  virtual void ClearRequestProperties() { properties_.clear(); }
  // GET path + query (encoded as EncodeRequestTarget does) with the request properties; 1 when
  // a whole response was read, else 0 with a trace line and status -1. Blocks for up to the
  // connect time-out plus the read time-out per read: callers of a Java thread run it parked.
  virtual int32_t SendByGet(std::u16string_view path, std::u16string_view query);
  virtual void ClearResponse() { response_ = HttpResponse(); }
  // Adds or replaces a property; 0 with a trace line when CheckHeaderProperty refuses it.
  virtual int32_t SetRequestProperty(std::u16string_view name, std::u16string_view value);
  // The getters copy the text (one unit per byte) and its terminator into buffer; 0 when the
  // buffer is missing, of length 0 or too short, or when there is no such value.
  virtual int32_t GetResponseHeader(std::u16string_view name, char16_t* buffer, int32_t length);
  virtual int32_t GetStatus() { return response_.status; }
  virtual int32_t GetStatusText(char16_t* buffer, int32_t length);
  virtual int32_t GetRawHeaders(char16_t* buffer, int32_t length);
  // The name and the value of the index-th header in map order.
  virtual int32_t GetHeaderByIndex(int32_t index, char16_t* name, int32_t nameLength,
                                   char16_t* value, int32_t valueLength);
  virtual int64_t GetContentLength() { return static_cast<int64_t>(response_.content.size()); }
  // Copies the whole body; 0 when buffer is missing or shorter than the body.
  virtual int32_t GetContent(uint8_t* buffer, int64_t length);

  // ---- Ours ----
  // The most body bytes a response may bring (kMaxContent at most).
  void setContentLimit(int64_t bytes) { contentLimit_ = bytes; }
  void setShowErrors(bool show) { showErrors_ = show ? 1 : 0; }
  const HttpResponse& response() const { return response_; }
  const HeaderMap& requestProperties() const { return properties_; }
  // The connection manager's status: kConnected while a connection is held, else 0.
  int32_t connectionStatus() const { return connectionHeld_ ? kConnected : 0; }
  int32_t lastError() const { return lastError_; }

 private:
  // A failure: "caption: text" always, as the fault it is.
  void fail(const char* caption, const char* text);
  // What the device showed only with show errors on.
  void note(const char* caption, const char* text);

  bool connectionHeld_ = false;  // the connection manager's connection
  std::string host_;             // UTF-8, empty until Connect
  int32_t port_ = 80;
  HeaderMap properties_;
  HttpResponse response_;
  int64_t contentLimit_ = kMaxContent;
  uint8_t showErrors_ = 0;
  int32_t lastError_ = 0;
};

}  // namespace host
