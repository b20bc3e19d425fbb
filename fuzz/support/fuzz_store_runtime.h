// A runtime started as the game starts it (the builder's string-constant pool, every class
// initialiser) over data and save roots of its own, in memory where the machine has a tmpfs
// so the syncs of each save cost little; record-store files are planted in the save root.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "host/file_roots.h"
#include "runtime/static_class.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/string_constants.h"

class FuzzStoreRuntime {
 public:
  explicit FuzzStoreRuntime(int32_t dataHeapSize) {
    namespace fs = std::filesystem;
    const fs::path temporary =
        fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    std::random_device random;
    do {
      root_ = temporary / ("plimora-rms-fuzz-" + std::to_string(random()));
    } while (!fs::create_directory(root_));
    host::SetDataRoot((root_ / "data").string());
    host::SetSaveRoot((root_ / "save").string());
    const databuild::ArchiveEntry pool = {
        "constants.bin", databuild::WriteConstantsFile(databuild::StringConstantTable())};
    const std::vector<uint8_t> archive = databuild::WriteArchive({&pool, 1});
    const fs::path archivePath = root_ / "data" / databuild::kArchivePath;
    fs::create_directories(archivePath.parent_path());
    write(archivePath, std::string(archive.begin(), archive.end()));
    application_ = StartFuzzRuntime(dataHeapSize, nullptr);
    FuzzCheck(application_->getStaticClass()->initialize());
  }
  ~FuzzStoreRuntime() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Empties the store folder and writes the store `name`: its index, then record i + 1 from
  // records[i].
  void plantStore(const std::string& name, const std::string& index,
                  const std::vector<std::string>& records) {
    const std::filesystem::path folder = root_ / "save" / kStoreFolder;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string file = "rs_" + name + ".rms";
    write(folder / file, index);
    for (size_t i = 0; i < records.size(); i++) {
      write(folder / (file + "_rec" + std::to_string(i + 1) + ".rms"), records[i]);
    }
  }
  Application* application() { return application_; }

 private:
  static constexpr const char* kStoreFolder = "program files/marquent/plimora";

  static void write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  std::filesystem::path root_;
  Application* application_ = nullptr;
};
