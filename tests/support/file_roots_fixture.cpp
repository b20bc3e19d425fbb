// Temporary data and save roots for file tests.
#include "tests/support/file_roots_fixture.h"

#include <fstream>
#include <random>
#include <sstream>

#include "host/file_faults.h"
#include "host/file_roots.h"

namespace fs = std::filesystem;

void FileRootsTest::SetUp() {
  std::random_device random;
  do {
    base_ = fs::temp_directory_path() / ("plimora-files-" + std::to_string(random()));
  } while (!fs::create_directory(base_));
  data_ = base_ / "data";
  save_ = base_ / "save";
  fs::create_directory(data_);
  fs::create_directory(save_);
  host::SetDataRoot(data_.string());
  host::SetSaveRoot(save_.string());
}

void FileRootsTest::TearDown() {
  host::DisarmFileFaults();
  host::SetDataRoot(host::DefaultDataRoot());
  host::SetSaveRoot(host::DefaultSaveRoot());
  std::error_code ignored;
  fs::remove_all(base_, ignored);
}

void FileRootsTest::Plant(const fs::path& root, const std::string& relative,
                          const std::string& contents) {
  fs::path path = root / relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

std::optional<std::string> FileRootsTest::Contents(const fs::path& root,
                                                   const std::string& relative) {
  std::ifstream in(root / relative, std::ios::binary);
  if (!in || !fs::is_regular_file(root / relative)) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}
