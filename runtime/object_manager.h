// Allocation entry points for managed objects and their bodies.
#pragma once

#include <cstddef>
#include <cstdint>

// A zero-filled block. toDataHeap == 0: an object-heap block registered with the object
// manager (null when the heap cannot give it). Otherwise a data block that is not registered.
void* AllocObjectMemory(size_t size, int toDataHeap);

// A zero-filled body block (array elements, characters): data heap, else native heap.
void* AllocDataMemory(size_t size);

// Gives a block back to whichever heap holds it.
void FreeDataMemory(void* address);

// Records ownerField (the address of the one pointer that holds body) as the owner of a
// data-heap block, so a compaction that moves the block can update that pointer. Blocks
// outside the data heap are left alone.
void RegisterDataOwner(void* body, void* ownerField);

// Compacts the data heap now, moving every movable body (tests use it to prove that every
// holder of a body goes through its registered owner).
void ForceDataHeapCompaction();

// The stable 32-bit value of an object's address that hashCode and toString print: its
// offset in the object heap plus a fixed base, the same on every run with the same history.
uint32_t ObjectAddress32(const void* object);

// The native heap could not satisfy an allocation: writes "ERROR: Operator new failed: out
// of store." and ends the process.
[[noreturn]] void OperatorNewFailed();
