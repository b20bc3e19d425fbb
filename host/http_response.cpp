// The response reader. Every read is bounded by what is still allowed, so no input makes it
// hold more than the header limit plus one chunk, or the body limit.
#include "host/http_response.h"

#include <time.h>

#include <algorithm>

namespace host {
namespace {

constexpr int32_t kChunk = 16 * 1024;
constexpr size_t kMaxLengthDigits = 18;  // below 2^63

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) begin++;
  while (end > begin && IsBlank(text[end - 1])) end--;
  return text.substr(begin, end - begin);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The index just past the blank line that ends the header block ("\n\n" or "\n\r\n"),
// searching from `from`; npos when it has not arrived yet.
size_t BlockEnd(const std::string& bytes, size_t from) {
  for (size_t i = bytes.find('\n', from); i != std::string::npos; i = bytes.find('\n', i + 1)) {
    if (i + 1 < bytes.size() && bytes[i + 1] == '\n') return i + 2;
    if (i + 2 < bytes.size() && bytes[i + 1] == '\r' && bytes[i + 2] == '\n') return i + 3;
  }
  return std::string::npos;
}

// The header block into *block and whatever followed it into *rest.
const char* ReadHeaderBlock(ByteSource& source, std::string* block, std::string* rest) {
  std::string bytes;
  char chunk[kChunk];
  for (;;) {
    const size_t from = bytes.size() > 2 ? bytes.size() - 2 : 0;
    const int32_t n = source.read(chunk, kChunk);
    if (n < 0) return "a read error inside the header block";
    if (n == 0) return "the response ends inside its header block";
    bytes.append(chunk, static_cast<size_t>(std::min(n, kChunk)));
    const size_t end = BlockEnd(bytes, from);
    if (end != std::string::npos && end <= static_cast<size_t>(kMaxHeaderBlock)) {
      *block = bytes.substr(0, end);
      *rest = bytes.substr(end);
      return nullptr;
    }
    if (bytes.size() > static_cast<size_t>(kMaxHeaderBlock)) return "a header block over 64 KB";
  }
}

// The lines of the block, each without its LF and one CR before it.
std::vector<std::string> LinesOf(const std::string& block) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < block.size();) {
    size_t end = block.find('\n', start);
    if (end == std::string::npos) end = block.size();
    std::string line = block.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// "HTTP/1.x NNN reason" (the reason may be missing) with NNN in 100..599.
bool ParseStatusLine(const std::string& line, int32_t* status, std::string* reason) {
  constexpr size_t kCodeAt = 9;  // after "HTTP/1.x "
  if (line.size() < kCodeAt + 3 || line.compare(0, 7, "HTTP/1.") != 0 || !IsDigit(line[7]) ||
      line[8] != ' ') {
    return false;
  }
  int32_t code = 0;
  for (size_t i = kCodeAt; i < kCodeAt + 3; i++) {
    if (!IsDigit(line[i])) return false;
    code = code * 10 + (line[i] - '0');
  }
  if (code < 100 || code > 599) return false;
  if (line.size() > kCodeAt + 3 && line[kCodeAt + 3] != ' ') return false;
  *status = code;
  *reason = line.size() > kCodeAt + 4 ? line.substr(kCodeAt + 4) : std::string();
  return true;
}

void ParseHeaderLines(const std::vector<std::string>& lines, HeaderMap* headers) {
  for (size_t i = 1; i < lines.size(); i++) {
    const size_t colon = lines[i].find(':');
    if (colon == std::string::npos) continue;
    const std::string name = Trimmed(lines[i].substr(0, colon));
    if (!name.empty()) (*headers)[name] = Trimmed(lines[i].substr(colon + 1));
  }
}

// The body's announced length: -1 without a Content-Length, -2 when it is not a number.
int64_t ContentLengthOf(const HeaderMap& headers) {
  const auto found = headers.find("Content-Length");
  if (found == headers.end()) return -1;
  const std::string& digits = found->second;
  if (digits.empty() || digits.size() > kMaxLengthDigits) return -2;
  int64_t length = 0;
  for (const char c : digits) {
    if (!IsDigit(c)) return -2;
    length = length * 10 + (c - '0');
  }
  return length;
}

bool IsIdentityCoding(const HeaderMap& headers) {
  const auto found = headers.find("Transfer-Encoding");
  if (found == headers.end()) return true;
  const AsciiCaseLess less;
  return !less(found->second, "identity") && !less("identity", found->second);
}

// Appends to *content until it holds `length` bytes, or until the end when length is -1.
const char* ReadBody(ByteSource& source, int64_t length, int64_t limit,
                     std::vector<uint8_t>* content) {
  if (length >= 0 && static_cast<int64_t>(content->size()) > length) content->resize(length);
  if (length >= 0) content->reserve(static_cast<size_t>(length));
  for (;;) {
    const auto held = static_cast<int64_t>(content->size());
    if (length >= 0 && held == length) return nullptr;
    const int64_t room = length >= 0 ? length - held : limit + 1 - held;
    const auto want = static_cast<int32_t>(std::min<int64_t>(room, kChunk));
    content->resize(static_cast<size_t>(held + want));
    const int32_t n = source.read(content->data() + held, want);
    content->resize(static_cast<size_t>(held + std::max(0, std::min(n, want))));
    if (n < 0) return "a read error inside the body";
    if (n == 0) return length >= 0 ? "a body shorter than its Content-Length" : nullptr;
    if (static_cast<int64_t>(content->size()) > limit) return "a body over the limit";
  }
}

const char* ReadInto(ByteSource& source, int64_t contentLimit, HttpResponse* response) {
  std::string rest;
  if (const char* fault = ReadHeaderBlock(source, &response->rawHeaders, &rest)) return fault;
  const std::vector<std::string> lines = LinesOf(response->rawHeaders);
  if (!ParseStatusLine(lines[0], &response->status, &response->statusText)) {
    return "a malformed status line";
  }
  ParseHeaderLines(lines, &response->headers);
  if (!IsIdentityCoding(response->headers)) return "a chunked or otherwise coded body";
  const int64_t length = ContentLengthOf(response->headers);
  if (length == -2) return "a malformed Content-Length";
  if (length > contentLimit) return "a body over the limit";
  response->content.assign(rest.begin(), rest.end());
  if (length < 0 && static_cast<int64_t>(response->content.size()) > contentLimit) {
    return "a body over the limit";
  }
  return ReadBody(source, length, contentLimit, &response->content);
}

}  // namespace

const char* ReadHttpResponse(ByteSource& source, int64_t contentLimit, HttpResponse* response) {
  *response = HttpResponse();
  const char* fault = ReadInto(source, std::min(contentLimit, kMaxContent), response);
  if (fault) *response = HttpResponse();
  return fault;
}

bool ParseHttpDate(const std::string& text, int64_t* ms) {
  tm fields{};
  const char* end = strptime(text.c_str(), "%a, %d %b %Y %H:%M:%S GMT", &fields);
  if (!end || *end) return false;
  *ms = static_cast<int64_t>(timegm(&fields)) * 1000;
  return true;
}

}  // namespace host
