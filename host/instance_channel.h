// The single-instance channel: one running game per save root, whatever its path. The first
// start holds a lock file in the save root and listens on a local socket named from the
// resolved save root; a later start with the same save root finds the lock taken, knocks on
// the socket and leaves.
#pragma once

#include <memory>
#include <string>

namespace host {

class InstanceChannel {
 public:
  enum class Claim {
    kFirst,        // this process runs the game; *out listens for later starts
    kAlreadyRuns,  // another process holds the save root; it was asked to come to the front
    kUnavailable,  // the save root cannot be made or locked: no game may run on it
  };

  // Claims the save root folder (created when missing) for this process. For kUnavailable,
  // *why says what failed, in words for the player.
  static Claim claim(const std::string& saveRoot, std::unique_ptr<InstanceChannel>* out,
                     std::string* why);
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  // Never blocks: true when a later start has knocked since the last call (every knock
  // waiting is taken).
  bool takeRequest();

 private:
  InstanceChannel(int lockFd, int listenFd) : lockFd_(lockFd), listenFd_(listenFd) {}

  int lockFd_;
  int listenFd_;  // -1 when the socket could not be made: the lock still holds the root
};

}  // namespace host
