// The single-instance channel over flock and a Unix-domain socket. The lock, a file in the
// save root, decides who runs: it is dropped by the system when its holder ends however it
// ends. The socket only carries a later start's knock; it lives in the abstract namespace
// under a name hashed from the resolved save root, so it fits whatever the path's length and
// leaves no file behind.
#include "host/instance_channel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "host/file_folders.h"
#include "host/trace_line.h"

namespace host {
namespace {

constexpr const char* kLockName = ".instance.lock";
// A first start holds the lock a moment before it listens and after it stops: a later start
// tries for up to kKnockAttempts x kKnockPause before it gives up.
constexpr int kKnockAttempts = 50;
constexpr auto kKnockPause = std::chrono::milliseconds(20);

// 64-bit FNV-1a: the same folder always gives the same socket name.
uint64_t PathHash(const std::string& path) {
  uint64_t hash = 0xCBF29CE484222325u;
  for (const unsigned char c : path) hash = (hash ^ c) * 0x100000001B3u;
  return hash;
}

// The abstract address (a leading NUL, then the name) for the resolved save root; its length
// in *size.
sockaddr_un SocketAddress(const std::string& resolvedRoot, socklen_t* size) {
  sockaddr_un address;
  memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const int length = snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "plimora-%016llx",
                              static_cast<unsigned long long>(PathHash(resolvedRoot)));
  *size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
  return address;
}

bool Knock(const sockaddr_un& address, socklen_t size) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool answered = connect(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0;
  close(fd);
  return answered;
}

// The save root with every link and "." or ".." resolved; empty when it does not resolve.
std::string ResolvedFolder(const std::string& folder) {
  char* resolved = realpath(folder.c_str(), nullptr);
  if (!resolved) return {};
  std::string path = resolved;
  free(resolved);
  return path;
}

InstanceChannel::Claim Unavailable(std::string* why, const std::string& text) {
  *why = text;
  return InstanceChannel::Claim::kUnavailable;
}

// Listens on the address; -1 (traced) when it cannot: the game then runs guarded by the lock
// alone, and a later start finds no one to knock on.
int Listen(const sockaddr_un& address, socklen_t size, const std::string& saveRoot) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), size) == 0 &&
      listen(fd, 4) == 0) {
    return fd;
  }
  DebugLog("InstanceChannel: cannot listen for later starts on \"%s\" (%s)", saveRoot.c_str(),
           strerror(errno));
  if (fd >= 0) close(fd);
  return -1;
}

}  // namespace

InstanceChannel::Claim InstanceChannel::claim(const std::string& saveRoot,
                                              std::unique_ptr<InstanceChannel>* out,
                                              std::string* why) {
  if (saveRoot.empty()) return Unavailable(why, "no save folder is known (set HOME or --save)");
  const std::string lockPath = saveRoot + "/" + kLockName;
  const FileStatus made = MakeParentFolders(lockPath);
  if (!made.ok()) {
    const std::string reason = made.systemError ? strerror(made.systemError) : made.text();
    return Unavailable(why, "cannot make the folder \"" + saveRoot + "\": " + reason);
  }
  const int lockFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd < 0) {
    return Unavailable(why, "cannot open \"" + lockPath + "\": " + strerror(errno));
  }
  socklen_t size = 0;
  const sockaddr_un address = SocketAddress(ResolvedFolder(saveRoot), &size);

  // Each attempt either takes the lock or knocks: a running game that is just starting (not
  // listening yet) or just ending (no longer listening) is met on a later attempt.
  for (int attempt = 0;; attempt++) {
    if (flock(lockFd, LOCK_EX | LOCK_NB) == 0) break;
    if (errno != EWOULDBLOCK) {
      const std::string error = strerror(errno);
      close(lockFd);
      return Unavailable(why, "cannot lock \"" + lockPath + "\": " + error);
    }
    if (Knock(address, size)) {
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
  out->reset(new InstanceChannel(lockFd, Listen(address, size, saveRoot)));
  return Claim::kFirst;
}

// The listener goes before the lock: a start that takes the lock next never finds a live
// socket of ours.
InstanceChannel::~InstanceChannel() {
  if (listenFd_ >= 0) close(listenFd_);
  close(lockFd_);
}

bool InstanceChannel::takeRequest() {
  bool knocked = false;
  while (listenFd_ >= 0) {
    const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) break;
    close(fd);
    knocked = true;
  }
  return knocked;
}

}  // namespace host
