// The loopback server's thread, its bounded waits and the canned exchanges.
#include "tests/support/loopback_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int32_t kAcceptPollMs = 50;

}  // namespace

LoopbackServer::LoopbackServer(std::vector<Exchange> exchanges)
    : exchanges_(std::move(exchanges)),
      deadline_(Clock::now() + std::chrono::milliseconds(kLifetimeMs)) {
  listener_.setReadTimeout(kAcceptPollMs);
  if (!listener_.Create(0) || !listener_.Bind(0) || !listener_.Listen(8)) {
    ADD_FAILURE() << "the loopback server cannot listen";
    return;
  }
  port_ = listener_.localPort();
  thread_ = std::thread(&LoopbackServer::run, this);
}

LoopbackServer::~LoopbackServer() {
  stop();
}

void LoopbackServer::stop() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void LoopbackServer::finish() {
  if (thread_.joinable()) thread_.join();
}

std::string LoopbackServer::socketUrl() const {
  return "socket://127.0.0.1:" + std::to_string(port_);
}

std::string LoopbackServer::httpUrl(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackServer::run() {
  for (const Exchange& exchange : exchanges_) {
    host::WinSocketClient peer;
    bool accepted = false;
    while (!accepted && Clock::now() < deadline_) {
      {
        std::lock_guard<std::mutex> guard(lock_);
        if (stopping_) break;
      }
      accepted = listener_.Accept(&peer) != 0;
    }
    if (!accepted) break;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
    peer.setReadTimeout(static_cast<int32_t>(std::max<int64_t>(1, left.count())));
    exchange(*this, peer);
    finished_++;
  }
  listener_.Close();  // a connection still waiting to be accepted is reset, never left hanging
  std::lock_guard<std::mutex> guard(lock_);
  stopping_ = true;
  changed_.notify_all();
}

std::string LoopbackServer::readRequest(host::WinSocketClient& peer) {
  std::string request;
  char byte;
  while (request.find("\r\n\r\n") == std::string::npos && peer.Recv(&byte, 1, 0) == 1) {
    request.push_back(byte);
  }
  std::lock_guard<std::mutex> guard(lock_);
  requests_.push_back(request);
  return request;
}

bool LoopbackServer::sendAll(host::WinSocketClient& peer, const std::string& text) {
  return peer.Send(text.data(), static_cast<int32_t>(text.size()), 0) ==
         static_cast<int32_t>(text.size());
}

bool LoopbackServer::pause(int32_t ms) {
  std::unique_lock<std::mutex> guard(lock_);
  const auto until = std::min(Clock::now() + std::chrono::milliseconds(ms), deadline_);
  changed_.wait_until(guard, until, [this] { return stopping_; });
  return stopping_ || Clock::now() >= deadline_;
}

void LoopbackServer::mark() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    marks_++;
  }
  changed_.notify_all();
}

bool LoopbackServer::awaitMarks(int32_t count) {
  std::unique_lock<std::mutex> guard(lock_);
  changed_.wait(guard, [&] { return marks_ >= count || stopping_; });
  return marks_ >= count;
}

std::vector<std::string> LoopbackServer::requests() {
  std::lock_guard<std::mutex> guard(lock_);
  return requests_;
}

// ---- Canned exchanges ----

LoopbackServer::Exchange Answer(std::string response, int32_t delayMs) {
  return [response, delayMs](LoopbackServer& server, host::WinSocketClient& peer) {
    server.readRequest(peer);
    server.mark();
    if (delayMs > 0 && server.pause(delayMs)) return;
    LoopbackServer::sendAll(peer, response);
  };
}

LoopbackServer::Exchange Silence(bool readRequest) {
  return [readRequest](LoopbackServer& server, host::WinSocketClient& peer) {
    if (readRequest) server.readRequest(peer);
    server.mark();
    server.pause(LoopbackServer::kLifetimeMs);
  };
}

LoopbackServer::Exchange SendAndClose(std::string bytes) {
  return [bytes](LoopbackServer&, host::WinSocketClient& peer) {
    LoopbackServer::sendAll(peer, bytes);
  };
}

LoopbackServer::Exchange Echo() {
  return [](LoopbackServer&, host::WinSocketClient& peer) {
    char chunk[16 * 1024];
    for (int32_t n; (n = peer.Recv(chunk, sizeof chunk, 0)) > 0;) {
      if (peer.Send(chunk, n, 0) != n) return;
    }
  };
}
