// ObjectManager::dumpMemory: the heap diagnostic "memdump.dat", written through a File and a
// DataOutputStream. The object list and the free lists are copied first, under the list
// lock, so nothing this dump allocates can change what it describes. Byte layout:
//   header     u8 1, three bytes 0
//   classes    int32 kClassCount (big-endian); per class uint16 name length (big-endian), the name
//   objects    int32 count (big-endian); per object int32 words, little-endian: class id,
//              address, block size with header, 0, has-body flag (0 or 1); with a body three
//              more: body address, body block size with header (-1 off the data heap), body
//              length in bytes (characters 2 each, array elements at their size); a string
//              whose characters live inside it has no body
//   free lists int32 count (big-endian), then per free block two little-endian int32 words,
//              address and size with header: the object heap's, then the data heap's
// Addresses are stable 32-bit values, never pointers: the object heap's as hashCode prints
// them, the data heap's kDataAddressBase plus the offset in its arena.
#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>
#include <vector>

#include "javame/data_output_stream.h"
#include "javame/file.h"
#include "platform/file_output_stream.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr const char* kDumpFileName = "memdump.dat";
constexpr uint32_t kDataAddressBase = 0x10000000;  // clear of the object heap's addresses
constexpr int32_t kChunkSize = 4096;               // bytes per raw write

using Bytes = std::vector<uint8_t>;

void PutWord(Bytes* out, int64_t value) {
  const auto word = static_cast<uint32_t>(std::clamp<int64_t>(value, INT32_MIN, UINT32_MAX));
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<uint8_t>(word >> shift));
}

uint32_t DataAddress32(const MemoryManager* dataHeap, const void* address) {
  if (dataHeap->Contains(address)) {
    return kDataAddressBase + static_cast<uint32_t>(dataHeap->offsetOf(address));
  }
  return ObjectAddress32(address);  // a native block: the folded pointer
}

// What the dump writes, copied while the list lock is held.
struct Snapshot {
  int32_t objectCount = 0;
  Bytes objects;  // the raw object records
  int32_t objectFreeCount = 0;
  Bytes objectFree;
  int32_t dataFreeCount = 0;
  Bytes dataFree;
};

// The free blocks as records of two words; address maps a block's data start to its value.
template <class Address>
void PutFreeList(const std::vector<MemoryManager::FreeBlock>& blocks, Address address,
                 int32_t* count, Bytes* out) {
  *count = static_cast<int32_t>(blocks.size());
  for (const MemoryManager::FreeBlock& block : blocks) {
    PutWord(out, address(block.data));
    PutWord(out, block.size);
  }
}

// Writes bytes through out in pieces of chunk, an array of kChunkSize bytes; false when an
// exception is pending.
bool WriteRaw(java_io_DataOutputStream* out, ByteArray* chunk, const Bytes& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const auto n = static_cast<int32_t>(std::min<size_t>(kChunkSize, bytes.size() - done));
    memcpy(chunk->elements(), bytes.data() + done, static_cast<size_t>(n));
    out->write(chunk, 0, n);
    if (GetPendingException()) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool WriteClassNames(java_io_DataOutputStream* out, ByteArray* chunk, const Class* classes) {
  out->writeInt(kClassCount);
  for (int32_t id = 0; id < kClassCount && !GetPendingException(); id++) {
    const char* name = classes && classes[id].name ? classes[id].name : "";
    const Bytes bytes(name, name + strlen(name));
    out->writeShort(static_cast<int32_t>(bytes.size()));
    if (!GetPendingException() && !WriteRaw(out, chunk, bytes)) return false;
  }
  return !GetPendingException();
}

bool WriteCounted(java_io_DataOutputStream* out, ByteArray* chunk, int32_t count,
                  const Bytes& records) {
  out->writeInt(count);
  return !GetPendingException() && WriteRaw(out, chunk, records);
}

}  // namespace

void ObjectManager::dumpMemory() {
  Snapshot snapshot;
  {
    std::lock_guard<host::RecursiveLock> guard(listLock_);
    snapshot.objectCount = count_;
    for (int32_t i = 0; i < count_; i++) {
      Object* object = objects_[i];
      const ObjectBody body = BodyOf(object);
      PutWord(&snapshot.objects, object->classId);
      PutWord(&snapshot.objects, ObjectAddress32(object));
      PutWord(&snapshot.objects, objectHeap_->GetBlockSize(object) + objectHeap_->headerSize());
      PutWord(&snapshot.objects, 0);
      PutWord(&snapshot.objects, body.address ? 1 : 0);
      if (!body.address) continue;
      PutWord(&snapshot.objects, DataAddress32(dataHeap_, body.address));
      PutWord(&snapshot.objects,
              dataHeap_->Contains(body.address)
                  ? dataHeap_->GetBlockSize(body.address) + dataHeap_->headerSize()
                  : -1);
      PutWord(&snapshot.objects, body.bytes);
    }
    PutFreeList(
        objectHeap_->freeBlocks(), [](const void* data) { return ObjectAddress32(data); },
        &snapshot.objectFreeCount, &snapshot.objectFree);
    PutFreeList(
        dataHeap_->freeBlocks(),
        [this](const void* data) { return DataAddress32(dataHeap_, data); },
        &snapshot.dataFreeCount, &snapshot.dataFree);
  }

  // Everything that could fail for want of memory is made before the file is opened, so the
  // only failure left is the file's own, which leaves any old dump in place.
  ByteArray* chunk = NewByteArray(kChunkSize);
  auto* file = NewObject<javax_microedition_io_File>(NewJavaString(kDumpFileName));
  auto* out = NewObject<java_io_DataOutputStream>();
  if (chunk && chunk->length == kChunkSize && file && out) out->out = file->openOutputStream();
  if (!out || !out->out) {
    DebugLog("ObjectManager::dumpMemory(): %s cannot be written", kDumpFileName);
    return;
  }
  const bool written = WriteRaw(out, chunk, {1, 0, 0, 0}) &&
                       WriteClassNames(out, chunk, classTable()) &&
                       WriteCounted(out, chunk, snapshot.objectCount, snapshot.objects) &&
                       WriteCounted(out, chunk, snapshot.objectFreeCount, snapshot.objectFree) &&
                       WriteCounted(out, chunk, snapshot.dataFreeCount, snapshot.dataFree);
  if (written) out->close();
  if (GetPendingException()) {
    // The stream has traced the failure and will not make the replace; a diagnostic has no
    // caller to tell.
    ClearPendingException();
    out->close();
    ClearPendingException();
    DebugLog("ObjectManager::dumpMemory(): %s was not written; any old one is kept", kDumpFileName);
  }
}
