#include "host/registers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

#if defined(__x86_64__)

constexpr uint64_t kMarks[] = {0x5AFE0000000000B1, 0x5AFE0000000000B2, 0x5AFE0000000000C2,
                               0x5AFE0000000000C3, 0x5AFE0000000000C4, 0x5AFE0000000000C5};

// Loads rbx, rbp and r12 to r15 with kMarks, stores its stack pointer at the call in
// *stackPointer and calls host::SpillRegisters(record); restores everything after.
extern "C" void SpillWithMarkedRegisters(host::RegisterRecord* record, const void** stackPointer);
asm(R"(
  .text
  .globl SpillWithMarkedRegisters
  .type SpillWithMarkedRegisters, @function
SpillWithMarkedRegisters:
  push %rbx
  push %rbp
  push %r12
  push %r13
  push %r14
  push %r15
  sub $8, %rsp
  movabs $0x5AFE0000000000B1, %rbx
  movabs $0x5AFE0000000000B2, %rbp
  movabs $0x5AFE0000000000C2, %r12
  movabs $0x5AFE0000000000C3, %r13
  movabs $0x5AFE0000000000C4, %r14
  movabs $0x5AFE0000000000C5, %r15
  mov %rsp, (%rsi)
  call _ZN4host14SpillRegistersEPNS_14RegisterRecordE@PLT
  add $8, %rsp
  pop %r15
  pop %r14
  pop %r13
  pop %r12
  pop %rbp
  pop %rbx
  ret
  .size SpillWithMarkedRegisters, .-SpillWithMarkedRegisters
)");

bool RecordHolds(const host::RegisterRecord& record, uint64_t value) {
  for (size_t at = 0; at + sizeof value <= sizeof record.bytes; at += sizeof value) {
    uint64_t word;
    memcpy(&word, record.bytes + at, sizeof word);
    if (word == value) return true;
  }
  return false;
}

// The callee-saved registers hold what the caller put there, not values of some frame in
// between, and the stack pointer is the caller's at the call.
TEST(RegistersTest, ASpillHoldsTheCallersRegistersAndStackPointerAtTheCall) {
  host::RegisterRecord record;
  memset(&record, 0, sizeof record);
  const void* stackPointer = nullptr;
  SpillWithMarkedRegisters(&record, &stackPointer);
  for (uint64_t mark : kMarks) EXPECT_TRUE(RecordHolds(record, mark)) << std::hex << mark;
  EXPECT_EQ(host::SavedStackPointer(&record), stackPointer);
}

#endif

}  // namespace
