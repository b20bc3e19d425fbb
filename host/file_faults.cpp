// Fault injection for the file layer's write, read, fsync and rename calls. One atomic counter
// across threads; a disarmed layer pays one relaxed load per call.
#include "host/file_faults.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace host {
namespace {

std::atomic<unsigned> armedOps{0};
std::atomic<int> failAt{0};
std::atomic<int> counted{0};

// True when this call of kind `op` is the one armed to fail.
bool StrikesNow(FileFaultOp op) {
  if ((armedOps.load(std::memory_order_relaxed) & op) == 0) return false;
  int n = counted.fetch_add(1, std::memory_order_relaxed) + 1;
  return n == failAt.load(std::memory_order_relaxed);
}

}  // namespace

void ArmFileFault(unsigned ops, int k) {
  armedOps.store(0, std::memory_order_relaxed);
  counted.store(0, std::memory_order_relaxed);
  failAt.store(k, std::memory_order_relaxed);
  armedOps.store(ops & (kFaultAny | kFaultRead), std::memory_order_relaxed);
}

int CountedFileOps() {
  return counted.load(std::memory_order_relaxed);
}

void DisarmFileFaults() {
  ArmFileFault(0, 0);
}

long FaultableWrite(int fd, const void* data, size_t count) {
  if (StrikesNow(kFaultWrite)) {
    if (count > 1) (void)!write(fd, data, count / 2);
    errno = EIO;
    return -1;
  }
  long written;
  do {
    written = write(fd, data, count);
  } while (written < 0 && errno == EINTR);
  return written;
}

long FaultableRead(int fd, void* data, size_t count) {
  if (StrikesNow(kFaultRead)) {
    errno = EIO;
    return -1;
  }
  long got;
  do {
    got = read(fd, data, count);
  } while (got < 0 && errno == EINTR);
  return got;
}

int FaultableSync(int fd) {
  if (StrikesNow(kFaultSync)) {
    errno = EIO;
    return -1;
  }
  int result;
  do {
    result = fsync(fd);
  } while (result != 0 && errno == EINTR);
  return result;
}

int FaultableRename(const char* from, const char* to) {
  if (StrikesNow(kFaultRename)) {
    errno = EIO;
    return -1;
  }
  return std::rename(from, to);
}

}  // namespace host
