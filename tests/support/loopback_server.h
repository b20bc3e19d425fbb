// A server on 127.0.0.1 that a network test starts for itself: one thread (never a Java
// thread) accepts one connection per exchange, in order, and runs the exchange on it. It
// listens on a free port, stops after its last exchange, at the test's end (its destructor)
// or after kLifetimeMs, whichever is first; nothing it does leaves the loopback interface.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/win_socket_client.h"

class LoopbackServer {
 public:
  static constexpr int32_t kLifetimeMs = 10000;

  // What the server does with one accepted connection; the connection closes afterwards.
  using Exchange = std::function<void(LoopbackServer& server, host::WinSocketClient& peer)>;

  explicit LoopbackServer(std::vector<Exchange> exchanges);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  int32_t port() const { return port_; }
  // "socket://127.0.0.1:<port>" or "http://127.0.0.1:<port><path>".
  std::string socketUrl() const;
  std::string httpUrl(const std::string& path) const;

  // ---- For exchanges ----
  // Reads a request's header block (up to its blank line) and records it.
  std::string readRequest(host::WinSocketClient& peer);
  // Sends all of text; false when the peer is gone.
  static bool sendAll(host::WinSocketClient& peer, const std::string& text);
  // Waits ms, or less when the server is stopping or its lifetime ends; true when it is
  // stopping (or has outlived its lifetime).
  bool pause(int32_t ms);
  // Signals that an exchange reached a point the test waits for (awaitMark).
  void mark();

  // ---- For the test ----
  // Blocks until count marks were made or the server stopped; true when they were.
  bool awaitMarks(int32_t count);
  // The requests readRequest recorded so far, in order.
  std::vector<std::string> requests();
  // Exchanges that ran to their end.
  int32_t finished() const { return finished_.load(); }
  // Stops now: a running exchange sees it through pause and ends.
  void stop();
  // Waits until every exchange has run (or the lifetime has passed).
  void finish();

 private:
  void run();

  std::vector<Exchange> exchanges_;
  std::chrono::steady_clock::time_point deadline_;  // kLifetimeMs after construction
  host::WinSocketClient listener_;
  int32_t port_ = -1;
  std::thread thread_;
  std::mutex lock_;
  std::condition_variable changed_;
  bool stopping_ = false;
  int32_t marks_ = 0;
  std::vector<std::string> requests_;
  std::atomic<int32_t> finished_{0};
};

// Canned exchanges.
// Reads the request and answers with response, after delayMs.
LoopbackServer::Exchange Answer(std::string response, int32_t delayMs = 0);
// Reads the request (unless told not to), marks, and sends nothing until the server stops.
LoopbackServer::Exchange Silence(bool readRequest = true);
// Sends bytes, then closes.
LoopbackServer::Exchange SendAndClose(std::string bytes);
// Sends back every byte it receives until the peer closes.
LoopbackServer::Exchange Echo();
