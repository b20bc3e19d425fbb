// A data root of the fuzz run's own: a temporary folder holding an archive that the targets
// rewrite, beside the builder's string-constant pool, which the runtime loads once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "game/game_statics.h"
#include "host/file_roots.h"
#include "javame/file.h"
#include "runtime/constant_pool.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/string_constants.h"

class FuzzDataRoot {
 public:
  FuzzDataRoot() {
    std::random_device random;
    do {
      root_ = std::filesystem::temp_directory_path() / ("plimora-fuzz-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(root_));
    host::SetDataRoot(root_.string());
    host::SetSaveRoot("");
  }
  ~FuzzDataRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Writes the archive file itself, whatever its bytes, and makes the runtime read its index
  // again at the next lookup.
  void plantArchiveBytes(const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories((root_ / databuild::kArchivePath).parent_path());
    FILE* file = std::fopen((root_ / databuild::kArchivePath).c_str(), "wb");
    if (!file) std::abort();
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    Statics<GameStatics>()->cGame_archiveFile = nullptr;
  }
  // An archive of these entries beside the builder's constants.bin.
  void plantArchive(std::vector<databuild::ArchiveEntry> entries) {
    entries.insert(
        entries.begin(),
        {"constants.bin", databuild::WriteConstantsFile(databuild::StringConstantTable())});
    plantArchiveBytes(databuild::WriteArchive(entries));
  }

 private:
  std::filesystem::path root_;
};

// The runtime of StartFuzzRuntime over a FuzzDataRoot, with the builder's pool loaded.
inline FuzzDataRoot& StartFuzzRuntimeWithData(int32_t dataHeapSize, int* traceLines) {
  static FuzzDataRoot root;
  Application* application = StartFuzzRuntime(dataHeapSize, traceLines);
  root.plantArchive({});
  FuzzCheck(LoadConstantPool(application->getStaticClass()));
  return root;
}
