// The HTTP client over the socket client: the URL's host and port, one request per SendByGet,
// the response read whole within the limits of the response reader.
#include "host/win_inet_http_client.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <string>

#include "host/trace_line.h"
#include "host/win_socket_client.h"

namespace host {
namespace {

// Response bytes from a connected socket; each read waits the read time-out at most.
class SocketSource final : public ByteSource {
 public:
  explicit SocketSource(WinSocketClient& socket) : socket_(socket) {}
  int32_t read(void* buffer, int32_t length) override { return socket_.Recv(buffer, length, 0); }

 private:
  WinSocketClient& socket_;
};

// Copies bytes, one unit each, and a terminator into buffer when it has room for all.
int32_t CopyUnits(const std::string& bytes, char16_t* buffer, int32_t length) {
  if (!buffer || length <= 0 || bytes.size() >= static_cast<size_t>(length)) return 0;
  for (size_t i = 0; i < bytes.size(); i++) buffer[i] = static_cast<unsigned char>(bytes[i]);
  buffer[bytes.size()] = 0;
  return 1;
}

}  // namespace

WinInetHttpClient::~WinInetHttpClient() {
  ClearRequestProperties();
  Disconnect();
}

void WinInetHttpClient::fail(const char* caption, const char* text) {
  DebugLog("%s: %s", caption, text);
}

void WinInetHttpClient::note(const char* caption, const char* text) {
  if (showErrors_) DebugLog("%s: %s", caption, text);
}

int32_t WinInetHttpClient::OpenConnMgr() {
  connectionHeld_ = true;
  return 1;
}

// ---- Connection ----

int32_t WinInetHttpClient::Connect(std::u16string_view url) {
  Disconnect();
  UrlParts parts;
  if (const char* fault = SplitUrl(url, &parts)) {
    fail("WinInetHttpClient::Connect", (std::string("InternetCrackUrl fail: ") + fault).c_str());
    return 0;
  }
  if (parts.scheme != u"http") {
    fail("WinInetHttpClient::Connect", "InternetCrackUrl fail: only http is served");
    return 0;
  }
  if (!OpenConnMgr()) return 0;
  host_ = Utf8Of(parts.host);
  port_ = parts.port > 0 ? parts.port : 80;
  return 1;
}

void WinInetHttpClient::Disconnect() {
  host_.clear();
  port_ = 80;
  connectionHeld_ = false;
}

int32_t WinInetHttpClient::SetRequestProperty(std::u16string_view name, std::u16string_view value) {
  if (const char* fault = CheckHeaderProperty(name, value)) {
    fail("WinInetHttpClient::SetRequestProperty",
         (std::string("refused, ") + fault + ": " + Utf8Of(name)).c_str());
    return 0;
  }
  properties_[Utf8Of(name)] = Utf8Of(value);
  return 1;
}

// ---- The request ----

int32_t WinInetHttpClient::SendByGet(std::u16string_view path, std::u16string_view query) {
  constexpr const char* kCaption = "WinInetHttpClient::SendByGet";
  ClearResponse();
  if (host_.empty()) {
    fail(kCaption, "not connected");
    return 0;
  }
  const std::string target = EncodeRequestTarget(path, query);
  note(kCaption, ("finalUrl: " + target).c_str());
  const std::string request = BuildGetRequest(target, host_, port_, properties_);
  WinSocketClient socket;
  socket.setReadTimeout(ReadTimeoutMs());
  const std::string where = host_ + ":" + std::to_string(port_);
  if (!socket.Create(0) || !socket.Connect(host_.c_str(), port_)) {
    lastError_ = socket.lastError();
    fail(kCaption, ("no connection to " + where).c_str());
    return 0;
  }
  if (socket.Send(request.data(), static_cast<int32_t>(request.size()), 0) < 0) {
    lastError_ = socket.lastError();
    fail(kCaption, ("the request could not be sent to " + where).c_str());
    return 0;
  }
  SocketSource source(socket);
  if (const char* fault = ReadHttpResponse(source, contentLimit_, &response_)) {
    lastError_ = socket.lastError();
    const bool timedOut = lastError_ == ETIMEDOUT;
    fail(kCaption, (where + " answered with " + fault + (timedOut ? " (timed out)" : "")).c_str());
    return 0;
  }
  const auto length = response_.headers.find("Content-Length");
  note("WinInetHttpClient::ReadResponseContent",
       length == response_.headers.end() ? "Could not find Content-Length property."
                                         : ("Content-Length: " + length->second).c_str());
  return 1;
}

// ---- Getters ----

int32_t WinInetHttpClient::GetResponseHeader(std::u16string_view name, char16_t* buffer,
                                             int32_t length) {
  const auto found = response_.headers.find(Utf8Of(name));
  return found == response_.headers.end() ? 0 : CopyUnits(found->second, buffer, length);
}

int32_t WinInetHttpClient::GetStatusText(char16_t* buffer, int32_t length) {
  return response_.status < 0 ? 0 : CopyUnits(response_.statusText, buffer, length);
}

int32_t WinInetHttpClient::GetRawHeaders(char16_t* buffer, int32_t length) {
  return response_.status < 0 ? 0 : CopyUnits(response_.rawHeaders, buffer, length);
}

int32_t WinInetHttpClient::GetHeaderByIndex(int32_t index, char16_t* name, int32_t nameLength,
                                            char16_t* value, int32_t valueLength) {
  if (index < 0 || static_cast<size_t>(index) >= response_.headers.size()) return 0;
  auto entry = response_.headers.begin();
  std::advance(entry, index);
  return CopyUnits(entry->first, name, nameLength) && CopyUnits(entry->second, value, valueLength);
}

int32_t WinInetHttpClient::GetContent(uint8_t* buffer, int64_t length) {
  if (!buffer || length < GetContentLength()) return 0;
  std::copy(response_.content.begin(), response_.content.end(), buffer);
  return 1;
}

}  // namespace host
