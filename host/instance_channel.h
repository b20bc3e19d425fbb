// The single-instance channel: one running game per save root. The first start holds a lock
// file in the save root and listens on a local socket beside it; a later start with the same
// save root finds the lock taken, knocks on the socket and leaves.
#pragma once

#include <memory>
#include <string>

namespace host {

class InstanceChannel {
 public:
  enum class Claim {
    kFirst,        // this process runs the game; *out listens for later starts
    kAlreadyRuns,  // another process holds the save root; it was asked to come to the front
    kUnavailable,  // no channel could be made here (traced); the game runs unguarded
  };

  // Claims the save root folder (created when missing) for this process.
  static Claim claim(const std::string& saveRoot, std::unique_ptr<InstanceChannel>* out);
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  // Never blocks: true when a later start has knocked since the last call (every knock
  // waiting is taken).
  bool takeRequest();

 private:
  InstanceChannel(int lockFd, int listenFd, std::string socketPath)
      : lockFd_(lockFd), listenFd_(listenFd), socketPath_(std::move(socketPath)) {}

  int lockFd_;
  int listenFd_;
  std::string socketPath_;
};

}  // namespace host
