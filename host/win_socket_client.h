// WinSocketClient: a thin IPv4 TCP client over POSIX sockets, behind the socket connections of
// the Connector. Operations answer 1 / 0 or the socket call's own result and never throw; with
// show errors on (from construction) each failure writes one trace line "caption: text".
// Blocking calls are bounded: a connect waits kConnectTimeoutMs at most, and a receive or an
// accept waits at most the client's read time-out when one is set.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace host {

// Named time-outs of the network layer, in milliseconds.
constexpr int32_t kConnectTimeoutMs = 10000;
constexpr int32_t kReadTimeoutMs = 30000;

// The time-outs in force: the constants above, unless a test lowered them. 0 restores a
// constant.
int32_t ConnectTimeoutMs();
int32_t ReadTimeoutMs();
void SetNetworkTimeoutsForTests(int32_t connectMs, int32_t readMs);

// The ways of Shutdown.
constexpr int32_t kShutdownReceive = 0;
constexpr int32_t kShutdownSend = 1;
constexpr int32_t kShutdownBoth = 2;

class WinSocketClient {
 public:
  WinSocketClient();
  // Closes the socket when one is open.
  virtual ~WinSocketClient();
  WinSocketClient(const WinSocketClient&) = delete;
  WinSocketClient& operator=(const WinSocketClient&) = delete;

  // ---- Operations in slot order ----
  // A new TCP socket (the argument is not used); 1, or 0 with "WinSocketClient::Create Failed".
  virtual int32_t Create(int32_t unused);
  // Resolves host (a name or a dotted IPv4 address, through getaddrinfo) and connects to
  // port within ConnectTimeoutMs; 1, or 0 with a trace line.
  virtual int32_t Connect(const char* host, int32_t port);
  // Binds the loopback interface at port (0: any free port); 1 / 0. Nothing in the system
  // serves other machines.
  virtual int32_t Bind(int32_t port);
  // Waits for a connection (within the read time-out, when set) and gives its socket to
  // other; 1 / 0.
  virtual int32_t Accept(WinSocketClient* other);
  virtual int32_t Listen(int32_t backlog);
  // Sends every byte, looping over partial sends, never raising SIGPIPE; length on success,
  // -1 on failure.
  virtual int32_t Send(const void* buffer, int32_t length, int32_t flags);
  // The Send of the text's strlen bytes.
  virtual int32_t Send(const char* text);
  // Up to length bytes: the count received, 0 at the end of the stream, -1 on an error or when
  // the read time-out passes first.
  virtual int32_t Recv(void* buffer, int32_t length, int32_t flags);
  // One line, one byte at a time, until a line feed or maximum - 1 stored bytes; carriage
  // returns and line feeds are not stored, and the bytes are NUL-terminated. With echo every
  // byte read is sent back. The count stored; when none was, Recv's last result (0 at the end,
  // -1 on an error). 0 for a maximum below 1 or no buffer, reading nothing.
  virtual int32_t RecvLine(char* buffer, int32_t maximum, bool echo);
  // shutdown(how); 1 / 0. Any thread: it wakes a receive blocked on another thread.
  virtual int32_t Shutdown(int32_t how);
  // Closes the socket; 1 / 0. Only when no other thread is inside an operation.
  virtual int32_t Close();

  // ---- Ours ----
  // The time-out of Recv and Accept in milliseconds; 0 or less waits for ever.
  void setReadTimeout(int32_t ms) { readTimeoutMs_ = ms; }
  void setShowErrors(bool show) { showErrors_ = show ? 1 : 0; }
  // The errno of the last failure (ETIMEDOUT for a time-out).
  int32_t lastError() const { return lastError_.load(std::memory_order_relaxed); }
  // The local port the socket is bound to, or -1; its dotted IPv4 address, or empty.
  int32_t localPort() const;
  std::string localAddress() const;
  // Socket options by the numbers of javax.microedition.io.SocketConnection: 0 the write delay
  // (0 sends small writes at once), 1 linger seconds (0 off), 2 keep-alive (0 off), 3 and 4
  // the receive and send buffer sizes in bytes. Setting gives 1 / 0; getting the value, or -1
  // for an unknown option or a failure.
  int32_t setOption(int32_t option, int32_t value);
  int32_t getOption(int32_t option) const;
  bool isOpen() const { return socket_ >= 0; }
  // Two connected local stream sockets (socketpair), for tests and fuzzing; false when the
  // system refuses or either client already holds a socket.
  static bool CreatePair(WinSocketClient* first, WinSocketClient* second);
  // Clients alive in the process. Nothing is started or cleaned up with the count: the
  // system's sockets need no start-up.
  static int32_t LiveClients();

 private:
  // Waits until the socket is readable or the read time-out passes; false on a time-out or an
  // error (lastError set).
  bool waitReadable();
  // Records errno as the last error and, with show errors on, writes "caption: text".
  void fail(const char* caption, const char* text);

  int socket_ = -1;
  uint8_t showErrors_ = 1;
  int32_t readTimeoutMs_ = 0;
  std::atomic<int32_t> lastError_{0};
};

}  // namespace host
