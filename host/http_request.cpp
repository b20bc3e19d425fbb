// URL splitting, request-target encoding and the GET request text.
#include "host/http_request.h"

namespace host {
namespace {

constexpr int32_t kMaxPort = 65535;

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool IsControl(char16_t unit) {
  return unit < 0x20 || unit == 0x7F;
}

void AppendUtf8(std::string* out, uint32_t code) {
  if (code < 0x80) {
    out->push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out->push_back(static_cast<char>(0xC0 | code >> 6));
    out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | code >> 12));
    out->push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | code >> 18));
    out->push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// The port's decimal digits as a number; -1 unless they are 1 to 5 digits giving 1..65535.
int32_t ParsePort(std::u16string_view digits) {
  if (digits.empty() || digits.size() > 5) return -1;
  int32_t port = 0;
  for (const char16_t unit : digits) {
    if (unit < u'0' || unit > u'9') return -1;
    port = port * 10 + (unit - u'0');
  }
  return port >= 1 && port <= kMaxPort ? port : -1;
}

}  // namespace

bool AsciiCaseLess::operator()(const std::string& a, const std::string& b) const {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; i++) {
    const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
    const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

const char* SplitUrl(std::u16string_view url, UrlParts* parts) {
  const size_t separator = url.find(u"://");
  if (separator == std::u16string_view::npos) return "no \"://\"";
  const size_t hostStart = separator + 3;
  size_t authorityEnd = url.find_first_of(u"/?", hostStart);
  if (authorityEnd == std::u16string_view::npos) authorityEnd = url.size();
  const std::u16string_view authority = url.substr(hostStart, authorityEnd - hostStart);
  const size_t colon = authority.find(u':');
  const std::u16string_view host = authority.substr(0, colon);
  if (host.empty()) return "an empty host";
  int32_t port = 0;
  if (colon != std::u16string_view::npos) {
    port = ParsePort(authority.substr(colon + 1));
    if (port < 0) return "a port that is not 1 to 65535";
  }
  const size_t question = url.find(u'?', authorityEnd);
  parts->scheme.assign(url.substr(0, separator));
  parts->host.assign(host);
  parts->port = port;
  parts->path.assign(url.substr(authorityEnd, question == std::u16string_view::npos
                                                  ? std::u16string_view::npos
                                                  : question - authorityEnd));
  parts->hasQuery = question != std::u16string_view::npos;
  parts->query.assign(parts->hasQuery ? url.substr(question) : std::u16string_view());
  return nullptr;
}

std::string Utf8Of(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); i++) {
    uint32_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = 0xFFFD;
    }
    AppendUtf8(&out, code);
  }
  return out;
}

std::string EncodeRequestTarget(std::u16string_view path, std::u16string_view query) {
  const std::string bytes = Utf8Of(path.empty() ? std::u16string(u"/") + std::u16string(query)
                                                : std::u16string(path) + std::u16string(query));
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string target;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte <= 0x7E) {
      target.push_back(c);
    } else {
      target += {'%', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return target;
}

const char* CheckHeaderProperty(std::u16string_view name, std::u16string_view value) {
  if (name.empty()) return "an empty name";
  for (const char16_t unit : name) {
    if (IsControl(unit)) return "a control character in the name";
    if (unit == u':' || unit == u' ') return "a name holding ':' or a blank";
  }
  for (const char16_t unit : value) {
    if (IsControl(unit)) return "a control character in the value";
  }
  return nullptr;
}

std::string BuildGetRequest(const std::string& target, const std::string& host, int32_t port,
                            const HeaderMap& properties) {
  std::string request = "GET " + target + " HTTP/1.0\r\nHost: " + host;
  if (port != 80) request += ":" + std::to_string(port);
  request += "\r\nUser-Agent: CeHttp\r\nPragma: no-cache\r\n";
  for (const auto& [name, value] : properties) request += name + ": " + value + "\r\n";
  request += "\r\n";
  return request;
}

}  // namespace host
