// The system calls through which the file layer changes files (write, fsync, rename) or reads
// them, and the fault injection that lets tests make the k-th of them fail.
#pragma once

#include <cstddef>
#include <cstdint>

namespace host {

// Kinds of operation a fault can be armed for; combine with '|'.
enum FileFaultOp : unsigned {
  kFaultWrite = 1u,
  kFaultSync = 2u,
  kFaultRename = 4u,
  kFaultAny = kFaultWrite | kFaultSync | kFaultRename,  // every call that changes a file
  kFaultRead = 8u,
};

// Starts counting the operations of the kinds in `ops` from zero and arms the k-th of them
// (1-based) to fail once with EIO; k = 0 only counts. A failing write first writes half of
// its bytes, as a disk that fills up half-way does; a failing read reads nothing.
void ArmFileFault(unsigned ops, int k);
// The operations of the armed kinds made since ArmFileFault.
int CountedFileOps();
// Stops counting and failing.
void DisarmFileFaults();

// The file layer's own calls; each retries on EINTR and is a point where a fault may strike.
// They return what the system call returns and leave errno set on failure.
long FaultableWrite(int fd, const void* data, size_t count);
long FaultableRead(int fd, void* data, size_t count);
int FaultableSync(int fd);
int FaultableRename(const char* from, const char* to);

}  // namespace host
