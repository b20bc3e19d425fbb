// Fuzz target: RecvLine over a socket pair. The first byte is the buffer's maximum (0 to 255);
// the rest is written to one end, which then stops sending, and lines are read from the other
// until RecvLine gives 0 or less. Each line stores at most maximum - 1 bytes, none of them CR or
// LF, behind no more than the buffer holds; every other byte is stored, in order; and reading
// always ends.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "host/win_socket_client.h"

namespace {

constexpr size_t kMaxInput = 32 * 1024;  // below a socket pair's buffer, so the write never waits

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > kMaxInput) return 0;
  const int32_t maximum = data[0];
  host::WinSocketClient writer, reader;
  FuzzCheck(host::WinSocketClient::CreatePair(&writer, &reader));
  const auto length = static_cast<int32_t>(size - 1);
  FuzzCheck(writer.Send(data + 1, length, 0) == length);
  writer.Shutdown(host::kShutdownSend);

  std::string expected;
  for (size_t i = 1; i < size; i++) {
    if (data[i] != '\r' && data[i] != '\n') expected.push_back(static_cast<char>(data[i]));
  }
  std::string stored;
  // One byte of guard after the buffer: it must never be written.
  std::vector<char> buffer(static_cast<size_t>(maximum) + 1, '\x55');
  for (size_t lines = 0; lines <= size; lines++) {
    const int32_t n = reader.RecvLine(buffer.data(), maximum, false);
    FuzzCheck(buffer[static_cast<size_t>(maximum)] == '\x55');
    if (maximum <= 1) {  // no room for a byte besides the terminator
      FuzzCheck(n == 0);
      return 0;
    }
    FuzzCheck(n <= maximum - 1 && buffer[static_cast<size_t>(std::max(n, 0))] == 0);
    if (n > 0) {
      FuzzCheck(memchr(buffer.data(), '\r', n) == nullptr &&
                memchr(buffer.data(), '\n', n) == nullptr);
      stored.append(buffer.data(), static_cast<size_t>(n));
    }
    if (n <= 0 && stored.size() == expected.size()) break;
  }
  FuzzCheck(stored == expected);
  return 0;
}
