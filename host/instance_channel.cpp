// The single-instance channel over flock and a Unix-domain socket in the save root. The lock,
// not the socket, decides who runs: it is dropped by the system when its holder ends however
// it ends, so a socket file left behind by a crash never keeps the game from starting.
#include "host/instance_channel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "host/file_folders.h"
#include "host/trace_line.h"

namespace host {
namespace {

constexpr const char* kLockName = ".instance.lock";
constexpr const char* kSocketName = ".instance.sock";
// A first start holds the lock a moment before it listens and after it stops: a later start
// tries for up to kKnockAttempts x kKnockPause before it gives up.
constexpr int kKnockAttempts = 50;
constexpr auto kKnockPause = std::chrono::milliseconds(20);

bool SocketAddress(const std::string& path, sockaddr_un* address) {
  memset(address, 0, sizeof *address);
  address->sun_family = AF_UNIX;
  if (path.size() >= sizeof address->sun_path) return false;
  memcpy(address->sun_path, path.c_str(), path.size() + 1);
  return true;
}

bool Knock(const sockaddr_un& address) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool answered =
      connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return answered;
}

InstanceChannel::Claim Unavailable(const std::string& folder, const char* what) {
  DebugLog("InstanceChannel: %s in \"%s\" (%s); running without the single-instance check", what,
           folder.c_str(), strerror(errno));
  return InstanceChannel::Claim::kUnavailable;
}

}  // namespace

InstanceChannel::Claim InstanceChannel::claim(const std::string& saveRoot,
                                              std::unique_ptr<InstanceChannel>* out) {
  const std::string lockPath = saveRoot + "/" + kLockName;
  const std::string socketPath = saveRoot + "/" + kSocketName;
  sockaddr_un address;
  if (saveRoot.empty() || !SocketAddress(socketPath, &address)) {
    errno = ENAMETOOLONG;
    return Unavailable(saveRoot, "no socket path fits");
  }
  if (!MakeParentFolders(lockPath).ok()) return Unavailable(saveRoot, "cannot make the folder");
  const int lockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd < 0) return Unavailable(saveRoot, "cannot open the lock file");

  // Each attempt either takes the lock or knocks: a running game that is just starting (not
  // listening yet) or just ending (no longer listening) is met on a later attempt.
  for (int attempt = 0;; attempt++) {
    if (flock(lockFd, LOCK_EX | LOCK_NB) == 0) break;
    if (errno != EWOULDBLOCK) {
      const int error = errno;
      close(lockFd);
      errno = error;
      return Unavailable(saveRoot, "cannot lock the lock file");
    }
    if (Knock(address)) {
      close(lockFd);
      return Claim::kAlreadyRuns;
    }
    if (attempt + 1 == kKnockAttempts) {
      close(lockFd);
      DebugLog("InstanceChannel: the game running on \"%s\" did not answer", saveRoot.c_str());
      return Claim::kAlreadyRuns;
    }
    std::this_thread::sleep_for(kKnockPause);
  }

  // Holding the lock, any socket file here is a leftover of a run that ended abruptly.
  unlink(socketPath.c_str());
  const int listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listenFd < 0 || bind(listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listenFd, 4) != 0) {
    const int error = errno;
    if (listenFd >= 0) close(listenFd);
    close(lockFd);
    errno = error;
    return Unavailable(saveRoot, "cannot listen on the socket");
  }
  out->reset(new InstanceChannel(lockFd, listenFd, socketPath));
  return Claim::kFirst;
}

// The socket file goes before the lock: a start that takes the lock next never finds a live
// socket of ours to remove.
InstanceChannel::~InstanceChannel() {
  close(listenFd_);
  unlink(socketPath_.c_str());
  close(lockFd_);
}

bool InstanceChannel::takeRequest() {
  bool knocked = false;
  for (;;) {
    const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) break;
    close(fd);
    knocked = true;
  }
  return knocked;
}

}  // namespace host
