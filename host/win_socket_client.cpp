// The socket client over POSIX sockets: every wait is a poll with a time-out, so no call can
// hang for ever unless its caller asked for no time-out; sends never raise SIGPIPE.
#include "host/win_socket_client.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/trace_line.h"

namespace host {
namespace {

static_assert(kShutdownReceive == SHUT_RD && kShutdownSend == SHUT_WR &&
              kShutdownBoth == SHUT_RDWR);

std::atomic<int32_t> liveClients{0};
std::atomic<int32_t> connectTimeoutOverride{0};
std::atomic<int32_t> readTimeoutOverride{0};

// poll() for one event, retried when a signal interrupts it. 1 ready, 0 time-out, -1 error;
// a negative time-out waits for ever.
int PollFor(int fd, short events, int32_t timeoutMs) {
  pollfd entry{fd, events, 0};
  for (;;) {
    const int ready = poll(&entry, 1, timeoutMs);
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

bool SetBlocking(int fd, bool blocking) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0) return false;
  return fcntl(fd, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK) == 0;
}

// The first IPv4 address of host; false when it does not resolve.
bool Resolve(const char* host, in_addr* address) {
  addrinfo hints;
  memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return false;
  *address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  freeaddrinfo(found);
  return true;
}

}  // namespace

int32_t ConnectTimeoutMs() {
  const int32_t ms = connectTimeoutOverride.load(std::memory_order_relaxed);
  return ms > 0 ? ms : kConnectTimeoutMs;
}

int32_t ReadTimeoutMs() {
  const int32_t ms = readTimeoutOverride.load(std::memory_order_relaxed);
  return ms > 0 ? ms : kReadTimeoutMs;
}

void SetNetworkTimeoutsForTests(int32_t connectMs, int32_t readMs) {
  connectTimeoutOverride.store(connectMs, std::memory_order_relaxed);
  readTimeoutOverride.store(readMs, std::memory_order_relaxed);
}

// ---- Life ----

WinSocketClient::WinSocketClient() {
  liveClients.fetch_add(1, std::memory_order_relaxed);
}

WinSocketClient::~WinSocketClient() {
  if (socket_ >= 0) ::close(socket_);
  liveClients.fetch_sub(1, std::memory_order_relaxed);
}

int32_t WinSocketClient::LiveClients() {
  return liveClients.load(std::memory_order_relaxed);
}

void WinSocketClient::fail(const char* caption, const char* text) {
  lastError_.store(errno, std::memory_order_relaxed);
  if (!showErrors_) return;
  if (text[0]) {
    DebugLog("%s: %s", caption, text);
  } else {
    DebugLog("%s", caption);
  }
}

// ---- Setting up ----

int32_t WinSocketClient::Create(int32_t) {
  if (socket_ >= 0) Close();
  socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
  if (socket_ >= 0) return 1;
  fail("WinSocketClient::Create Failed", "");
  return 0;
}

int32_t WinSocketClient::Connect(const char* host, int32_t port) {
  sockaddr_in address;
  memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (!host || !Resolve(host, &address.sin_addr)) {
    errno = EADDRNOTAVAIL;
    fail("WinSocketClient::Connect-> Invalid address", host ? host : "");
    return 0;
  }
  // Non-blocking while connecting, so the wait is a poll bounded by the connect time-out.
  bool connected = socket_ >= 0 && SetBlocking(socket_, false);
  if (connected && connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address)) {
    connected = errno == EINPROGRESS;
    if (connected) {
      const int ready = PollFor(socket_, POLLOUT, ConnectTimeoutMs());
      int error = 0;
      socklen_t size = sizeof error;
      if (ready == 0) {
        error = ETIMEDOUT;
      } else if (ready < 0 || getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
        error = errno;
      }
      errno = error;
      connected = error == 0;
    }
  }
  if (connected) connected = SetBlocking(socket_, true);
  if (connected) return 1;
  const int error = errno;
  char text[64];
  snprintf(text, sizeof text, "Unable to connect: %X / %d", error, error);
  fail("WinSocketClient::Connect", text);
  return 0;
}

int32_t WinSocketClient::Bind(int32_t port) {
  sockaddr_in address;
  memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const int reuse = 1;
  if (socket_ >= 0) setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  if (socket_ >= 0 &&
      bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
    return 1;
  }
  fail("WinSocketClient::Bind", strerror(errno));
  return 0;
}

int32_t WinSocketClient::Listen(int32_t backlog) {
  if (socket_ >= 0 && listen(socket_, backlog) == 0) return 1;
  fail("WinSocketClient::Listen", strerror(errno));
  return 0;
}

int32_t WinSocketClient::Accept(WinSocketClient* other) {
  if (!other || !waitReadable()) return 0;
  const int accepted = accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
  if (accepted < 0) {
    fail("WinSocketClient::Accept", strerror(errno));
    return 0;
  }
  if (other->socket_ >= 0) other->Close();
  other->socket_ = accepted;
  return 1;
}

bool WinSocketClient::CreatePair(WinSocketClient* first, WinSocketClient* second) {
  if (first->socket_ >= 0 || second->socket_ >= 0) return false;
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return false;
  first->socket_ = ends[0];
  second->socket_ = ends[1];
  return true;
}

int32_t WinSocketClient::localPort() const {
  sockaddr_in address;
  socklen_t size = sizeof address;
  if (socket_ < 0 || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return -1;
  }
  return ntohs(address.sin_port);
}

// ---- Options ----

namespace {

constexpr int32_t kDelayOption = 0;
constexpr int32_t kLingerOption = 1;
constexpr int32_t kKeepAliveOption = 2;
constexpr int32_t kReceiveBufferOption = 3;
constexpr int32_t kSendBufferOption = 4;

// The level and name of an option that is one int; false for linger and unknown options.
bool IntOption(int32_t option, int* level, int* name) {
  switch (option) {
    case kDelayOption:
      *level = IPPROTO_TCP, *name = TCP_NODELAY;
      return true;
    case kKeepAliveOption:
      *level = SOL_SOCKET, *name = SO_KEEPALIVE;
      return true;
    case kReceiveBufferOption:
      *level = SOL_SOCKET, *name = SO_RCVBUF;
      return true;
    case kSendBufferOption:
      *level = SOL_SOCKET, *name = SO_SNDBUF;
      return true;
    default:
      return false;
  }
}

}  // namespace

int32_t WinSocketClient::setOption(int32_t option, int32_t value) {
  int result = -1;
  int level, name;
  if (option == kLingerOption) {
    const linger setting{value > 0 ? 1 : 0, value > 0 ? value : 0};
    result = setsockopt(socket_, SOL_SOCKET, SO_LINGER, &setting, sizeof setting);
  } else if (IntOption(option, &level, &name)) {
    // No delay is the TCP option's "on".
    const int setting = option == kDelayOption ? (value == 0 ? 1 : 0) : value;
    result = setsockopt(socket_, level, name, &setting, sizeof setting);
  }
  if (result == 0) return 1;
  lastError_.store(errno, std::memory_order_relaxed);
  return 0;
}

int32_t WinSocketClient::getOption(int32_t option) const {
  int level, name;
  if (option == kLingerOption) {
    linger setting;
    socklen_t size = sizeof setting;
    if (getsockopt(socket_, SOL_SOCKET, SO_LINGER, &setting, &size) != 0) return -1;
    return setting.l_onoff ? setting.l_linger : 0;
  }
  int value = 0;
  socklen_t size = sizeof value;
  if (!IntOption(option, &level, &name) || getsockopt(socket_, level, name, &value, &size) != 0) {
    return -1;
  }
  return option == kDelayOption ? (value ? 0 : 1) : value;
}

std::string WinSocketClient::localAddress() const {
  sockaddr_in address;
  socklen_t size = sizeof address;
  char text[INET_ADDRSTRLEN] = "";
  if (socket_ < 0 || getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
      address.sin_family != AF_INET || !inet_ntop(AF_INET, &address.sin_addr, text, sizeof text)) {
    return std::string();
  }
  return text;
}

// ---- Data ----

bool WinSocketClient::waitReadable() {
  if (socket_ < 0) {
    errno = EBADF;
    return false;
  }
  const int ready = PollFor(socket_, POLLIN, readTimeoutMs_ > 0 ? readTimeoutMs_ : -1);
  if (ready > 0) return true;
  if (ready == 0) errno = ETIMEDOUT;
  lastError_.store(errno, std::memory_order_relaxed);
  return false;
}

int32_t WinSocketClient::Send(const void* buffer, int32_t length, int32_t flags) {
  const auto* bytes = static_cast<const char*>(buffer);
  int32_t sent = 0;
  while (sent < length) {
    const ssize_t n =
        send(socket_, bytes + sent, static_cast<size_t>(length - sent), flags | MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fail("WinSocketClient::Send", strerror(errno));
      return -1;
    }
    sent += static_cast<int32_t>(n);
  }
  return sent;
}

int32_t WinSocketClient::Send(const char* text) {
  return Send(text, static_cast<int32_t>(strlen(text)), 0);
}

int32_t WinSocketClient::Recv(void* buffer, int32_t length, int32_t flags) {
  if (length <= 0) return 0;
  if (!waitReadable()) return -1;
  for (;;) {
    const ssize_t n = recv(socket_, buffer, static_cast<size_t>(length), flags);
    if (n >= 0) return static_cast<int32_t>(n);
    if (errno == EINTR) continue;
    lastError_.store(errno, std::memory_order_relaxed);
    return -1;
  }
}

int32_t WinSocketClient::RecvLine(char* buffer, int32_t maximum, bool echo) {
  if (!buffer || maximum < 1) return 0;
  int32_t stored = 0;
  int32_t last = 1;
  while (stored < maximum - 1) {
    char byte;
    last = Recv(&byte, 1, 0);
    if (last <= 0) break;
    if (echo) Send(&byte, 1, 0);
    if (byte == '\n') break;
    if (byte != '\r') buffer[stored++] = byte;
  }
  buffer[stored] = 0;
  return stored > 0 || last > 0 ? stored : last;
}

// ---- Ending ----

int32_t WinSocketClient::Shutdown(int32_t how) {
  if (socket_ >= 0 && shutdown(socket_, how) == 0) return 1;
  lastError_.store(errno, std::memory_order_relaxed);
  return 0;
}

int32_t WinSocketClient::Close() {
  if (socket_ < 0) return 0;
  const int result = ::close(socket_);
  socket_ = -1;
  return result == 0 ? 1 : 0;
}

}  // namespace host
