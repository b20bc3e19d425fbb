// Fuzz target: the string-constant pool loader over any bytes as "/constants.bin". Whatever
// the bytes, the load completes, the pool is an array holding only never-collected strings,
// and it never holds more strings than the bytes after the count could encode.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/support/fuzz_data_root.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "tools/databuild/archive_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot root;
  // The loader's fault lines are expected, so none is counted.
  static Application* application = StartFuzzRuntime(kDataHeapSize, nullptr);
  const databuild::ArchiveEntry entry{"constants.bin", std::vector<uint8_t>(data, data + size)};
  root.plantArchiveBytes(databuild::WriteArchive({&entry, 1}));
  StaticClass* block = application->getStaticClass();
  FuzzCheck(LoadConstantPool(block));
  ObjectArray* pool = block->constantPool;
  FuzzCheck(pool != nullptr);
  FuzzCheck(pool->length >= 0 &&
            static_cast<size_t>(pool->length) * 2 <= (size < 4 ? 0 : size - 4));
  for (int32_t n = 0; n < pool->length; n++) {
    Object* text = pool->elements()[n];
    FuzzCheck(text && text->classId == cid::String && text->collectable == 0);
    text->collectable = 1;  // so this run's strings go with the next collection
  }
  block->constantPool = nullptr;
  application->getObjectManager()->gc(kGcForced);
  return 0;
}
