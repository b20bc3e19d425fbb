// What both connection classes hold: the native client, the URL and its parts, the mode, the
// time-outs flag and the streams opened on it. The client is leased for each operation that
// uses it: a close while an operation runs on another thread only marks it closing (a socket
// client is shut down as well, which wakes a blocked receive), and the last lease frees it, so
// no client is freed, and no descriptor reused, under a thread that still uses it. Each client
// is freed exactly once; after a close every lease is refused.
#pragma once

#include <cstdint>
#include <mutex>

#include "platform/connection_url.h"
#include "runtime/class.h"

class String;

// Guards the lease fields of every connection; held only for a few instructions, never across
// a wait.
std::mutex& ConnectionLeaseLock();

// Raises java_io_IOException with the text as its message.
void ThrowIOException(const char* text);

template <class Client>
class ConnectionImpl : public Object {
 public:
  ConnectionImpl() {
    RegisterReferenceFields(this, &url, &inputStream, &outputStream, &scheme, &host, &path, &query,
                            &extra);
  }

  // Keeps the URL, the mode and the flag and splits the URL into the parts; false (traced by
  // ParseConnectionURL) when it does not split.
  bool takeUrl(String* text, int32_t accessMode, bool withTimeouts) {
    url = text;
    mode = accessMode;
    timeouts = withTimeouts ? 1 : 0;
    ConnectionUrlParts parts;
    if (!ParseConnectionURL(text, &parts)) return false;
    scheme = parts.scheme;
    host = parts.host;
    port = parts.port;
    path = parts.path;
    query = parts.query;
    extra = parts.extra;
    return true;
  }

  // The client for one operation, or null once closed (or never made). Each non-null result
  // needs its releaseClient.
  Client* leaseClient() {
    std::lock_guard<std::mutex> guard(ConnectionLeaseLock());
    if (!client || closing) return nullptr;
    clientUsers++;
    return client;
  }
  void releaseClient() {
    Client* freed = nullptr;
    {
      std::lock_guard<std::mutex> guard(ConnectionLeaseLock());
      if (--clientUsers == 0 && closing) std::swap(freed, client);
    }
    delete freed;
  }
  // Refuses every later lease; wake(client) runs when an operation holds a lease; the client
  // is freed now or by the last lease. Later calls do nothing.
  void closeClient(void (*wake)(Client*)) {
    Client* freed = nullptr;
    {
      std::lock_guard<std::mutex> guard(ConnectionLeaseLock());
      if (!client || closing) return;
      closing = 1;
      if (clientUsers > 0 && wake) wake(client);
      if (clientUsers == 0) std::swap(freed, client);
    }
    delete freed;
  }
  bool isClosed() {
    std::lock_guard<std::mutex> guard(ConnectionLeaseLock());
    return !client || closing;
  }

  Client* client;  // made by the subclass's connect; freed once, by close or the last lease
  String* url;
  int32_t mode;
  uint8_t timeouts;
  Object* inputStream;
  Object* outputStream;
  String* scheme;
  String* host;
  int32_t port;
  String* path;
  String* query;
  String* extra;
  int32_t clientUsers;  // leases held now
  uint8_t closing;      // close has run; no new lease
};

// A lease for one scope: the client, or null once the connection is closed.
template <class Client>
class ClientLease {
 public:
  explicit ClientLease(ConnectionImpl<Client>* connection)
      : connection_(connection), client_(connection->leaseClient()) {}
  ~ClientLease() {
    if (client_) connection_->releaseClient();
  }
  ClientLease(const ClientLease&) = delete;
  ClientLease& operator=(const ClientLease&) = delete;
  Client* get() const { return client_; }

 private:
  ConnectionImpl<Client>* connection_;
  Client* client_;
};
