// The HTTP connection: the request sent once per method and property set, parked under the
// wait indicator, and the response operations over the client's response.
#include "platform/http_connection.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

#include "javame/byte_array_input_stream.h"
#include "javame/data_input_stream.h"
#include "javame/data_output_stream.h"
#include "platform/display_backends.h"
#include "platform/wait_indicator.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/memory_manager.h"
#include "runtime/safe_region.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kStatusTextUnits = 1024;  // the longest reason phrase given back

// The screen the wait indicator shows on, or null without a display.
host::DisplaySurface* IndicatorSurface() {
  ApplicationImpl* context = GetApplicationImpl();
  return context && context->display ? context->display->surface() : nullptr;
}

// The most body bytes a response may bring: openInputStream copies the body into one array of
// the data heap, so a body larger than that heap could never be given.
int64_t BodyLimit() {
  Application* application = GetApplication();
  const int64_t heap = application && application->dataHeap ? application->dataHeap->heapSize() : 0;
  return std::min(host::kMaxContent, heap);
}

String* StringOfBytes(const std::string& bytes) {
  return String::newFilled(static_cast<int32_t>(bytes.size()), [&](char16_t* out) {
    for (const char byte : bytes) *out++ = static_cast<unsigned char>(byte);
  });
}

}  // namespace

bool HttpConnectionImpl::connect(String* text, int32_t accessMode, bool withTimeouts) {
  if (!takeUrl(text, accessMode, withTimeouts)) return false;
  method = NewJavaString("GET");
  client = new host::WinInetHttpClient();
  if (client->Connect(UnitsCopyOf(text))) return true;
  close();
  ThrowIOException("the HTTP client refused the URL");
  return false;
}

void* HttpConnectionImpl::getInterface(int32_t interfaceId) {
  switch (interfaceId) {
    case cid::javax_microedition_io_Connection:
    case cid::javax_microedition_io_InputConnection:
    case cid::javax_microedition_io_ContentConnection:
    case cid::javax_microedition_io_HttpConnection:
      return static_cast<javax_microedition_io_HttpConnection*>(this);
    case cid::javax_microedition_io_OutputConnection:
      return static_cast<javax_microedition_io_OutputConnection*>(this);
    default:
      return nullptr;
  }
}

void HttpConnectionImpl::close() {
  closeClient(nullptr);
}

// ---- Sending ----

// The indicator's thread is stopped and joined before the region ends, so nothing of the
// request outlives it.
host::WinInetHttpClient* HttpConnectionImpl::respond(const Lease& lease) {
  host::WinInetHttpClient* http = lease.get();
  if (!http) {
    ThrowIOException("the connection is closed");
    return nullptr;
  }
  if (!method || !method->equalsText("GET")) {
    ThrowIOException("only GET requests are sent");
    return nullptr;
  }
  if (sent) return http;
  const std::u16string file = UnitsCopyOf(path);
  const std::u16string search = UnitsCopyOf(query);
  host::DisplaySurface* surface = IndicatorSurface();
  http->setContentLimit(BodyLimit());
  {
    SafeRegion parked;
    WaitIndicator indicator(surface);
    http->SendByGet(file, search);
  }
  sent = 1;
  return http;
}

String* HttpConnectionImpl::headerValue(String* name) {
  if (!NullCheck(name)) return nullptr;
  const std::u16string key = UnitsCopyOf(name);
  Lease lease(this);
  host::WinInetHttpClient* http = respond(lease);
  if (!http) return nullptr;
  const auto found = http->response().headers.find(host::Utf8Of(key));
  return found == http->response().headers.end() ? nullptr : StringOfBytes(found->second);
}

// ---- Streams ----

java_io_InputStream* HttpConnectionImpl::openInputStream() {
  ByteArray* body = nullptr;
  std::string reason;
  {
    Lease lease(this);
    host::WinInetHttpClient* http = respond(lease);
    if (!http) return nullptr;
    const host::HttpResponse& response = http->response();
    if (response.status == HTTP_OK) {
      const auto length = static_cast<int32_t>(response.content.size());
      body = NewByteArray(length);
      if (body && body->length == length) {
        http->GetContent(reinterpret_cast<uint8_t*>(body->elements()), length);
      } else {
        body = nullptr;
        reason = "no memory for the body";
      }
    } else {
      reason = response.status < 0 ? "the request failed" : response.statusText;
    }
  }
  if (!body) {
    ThrowIOException(reason.c_str());
    return nullptr;
  }
  inputStream = NewObject<java_io_ByteArrayInputStream>(body);
  return static_cast<java_io_InputStream*>(inputStream);
}

java_io_DataInputStream* HttpConnectionImpl::openDataInputStream() {
  java_io_InputStream* stream = openInputStream();
  return stream ? NewObject<java_io_DataInputStream>(stream) : nullptr;
}

java_io_OutputStream* HttpConnectionImpl::openOutputStream() {
  ThrowIOException("an HTTP connection sends no body");
  return nullptr;
}

java_io_DataOutputStream* HttpConnectionImpl::openDataOutputStream() {
  openOutputStream();
  return nullptr;
}

// ---- Request ----

void HttpConnectionImpl::setRequestMethod(String* name) {
  method = name;
  sent = 0;
}

String* HttpConnectionImpl::getRequestProperty(String* key) {
  if (!NullCheck(key)) return nullptr;
  const std::string name = host::Utf8Of(UnitsCopyOf(key));
  std::string value;
  {
    Lease lease(this);
    if (!lease.get()) return nullptr;
    const auto found = lease.get()->requestProperties().find(name);
    if (found == lease.get()->requestProperties().end()) return nullptr;
    value = found->second;
  }
  return StringOfBytes(value);
}

void HttpConnectionImpl::setRequestProperty(String* key, String* value) {
  if (!NullCheck(key) || !NullCheck(value)) return;
  Lease lease(this);
  if (!lease.get()) {
    ThrowIOException("the connection is closed");
    return;
  }
  lease.get()->SetRequestProperty(UnitsCopyOf(key), UnitsCopyOf(value));
  sent = 0;
}

// ---- Response ----

int32_t HttpConnectionImpl::getResponseCode() {
  Lease lease(this);
  host::WinInetHttpClient* http = respond(lease);
  return http ? http->GetStatus() : -1;
}

String* HttpConnectionImpl::getResponseMessage() {
  char16_t text[kStatusTextUnits + 1];
  bool held;
  {
    Lease lease(this);
    host::WinInetHttpClient* http = respond(lease);
    if (!http) return nullptr;
    held = http->GetStatusText(text, kStatusTextUnits + 1) != 0;
  }
  if (held) return NewStringOfUnits(text);
  ThrowIOException("no response message");
  return nullptr;
}

int64_t HttpConnectionImpl::getLength() {
  Lease lease(this);
  host::WinInetHttpClient* http = respond(lease);
  if (!http || http->GetStatus() < 0) return -1;
  return http->GetContentLength();
}

String* HttpConnectionImpl::getType() {
  return getHeaderField(NewJavaString("content-type"));
}

String* HttpConnectionImpl::getEncoding() {
  return headerValue(NewJavaString("content-encoding"));
}

String* HttpConnectionImpl::getHeaderField(String* name) {
  String* value = headerValue(name);
  if (!value && !GetPendingException()) ThrowIOException("no such header field");
  return value;
}

int32_t HttpConnectionImpl::getHeaderFieldInt(String* name, int32_t fallback) {
  String* value = headerValue(name);
  if (!value) return fallback;
  const std::string digits = StringToCString(value);
  char* end = nullptr;
  const long long number = strtoll(digits.c_str(), &end, 10);
  const bool whole = !digits.empty() && *end == 0 && number >= INT32_MIN && number <= INT32_MAX;
  return whole ? static_cast<int32_t>(number) : fallback;
}

int64_t HttpConnectionImpl::getHeaderFieldDate(String* name, int64_t fallback) {
  String* value = headerValue(name);
  int64_t ms;
  return value && host::ParseHttpDate(StringToCString(value), &ms) ? ms : fallback;
}

String* HttpConnectionImpl::headerAt(int32_t index, bool wantName) {
  std::string text;
  {
    Lease lease(this);
    host::WinInetHttpClient* http = respond(lease);
    if (!http) return nullptr;
    const host::HeaderMap& headers = http->response().headers;
    if (index < 0 || static_cast<size_t>(index) >= headers.size()) return nullptr;
    const auto entry = std::next(headers.begin(), index);
    text = wantName ? entry->first : entry->second;
  }
  return StringOfBytes(text);
}
