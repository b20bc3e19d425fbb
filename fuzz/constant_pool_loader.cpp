// Fuzz target: the string-constant pool loader over any bytes as "/constants.bin". Whatever
// the bytes, the load completes, the pool is an array holding only never-collected strings,
// and it never holds more strings than the bytes after the count could encode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "fuzz/support/fuzz_runtime.h"
#include "host/file_roots.h"
#include "javame/file.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/object_manager.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"
#include "tools/databuild/archive_writer.h"

namespace {

// A runtime over a data root of its own, made once for the whole run.
class PoolRuntime {
 public:
  PoolRuntime() {
    std::random_device random;
    do {
      root_ = std::filesystem::temp_directory_path() /
              ("plimora-pool-fuzz-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(root_));
    host::SetDataRoot(root_.string());
    host::SetSaveRoot("");
    SetTraceSink([](const char*, void*) {}, nullptr);  // the loader's fault lines are expected
    context_.init();
  }
  ~PoolRuntime() {
    context_.close();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // The bytes as the archive's "constants.bin"; the index is read again at the next lookup.
  void plant(const uint8_t* data, size_t size) {
    const databuild::ArchiveEntry entry{"constants.bin", std::vector<uint8_t>(data, data + size)};
    const std::vector<uint8_t> archive = databuild::WriteArchive({&entry, 1});
    const std::filesystem::path path = root_ / databuild::kArchivePath;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(archive.data()),
               static_cast<std::streamsize>(archive.size()));
    block()->cGame_archiveFile = nullptr;
  }
  StaticClass* block() { return application_.getStaticClass(); }
  ObjectManager* manager() { return application_.getObjectManager(); }

 private:
  std::filesystem::path root_;
  ApplicationImpl context_;
  Application& application_ = *context_.application;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static PoolRuntime runtime;
  runtime.plant(data, size);
  StaticClass* block = runtime.block();
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
  runtime.manager()->gc(kGcForced);
  return 0;
}
