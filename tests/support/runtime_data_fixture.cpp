// A runtime over temporary roots, and pool files written with the builder's writer.
#include "tests/support/runtime_data_fixture.h"

#include <algorithm>

#include "game/game_statics.h"
#include "javame/file.h"
#include "runtime/exceptions.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/data_set.h"

void RuntimeWithDataTest::SetUp() {
  FileRootsTest::SetUp();
  context_.init();
}

void RuntimeWithDataTest::TearDown() {
  ClearPendingException();
  context_.close();
  FileRootsTest::TearDown();
}

std::vector<uint8_t> RuntimeWithDataTest::PoolBytes(const std::vector<std::u16string>& texts) {
  std::vector<databuild::StringConstant> table;
  for (size_t n = 0; n < texts.size(); n++) {
    table.push_back({static_cast<int>(n), texts[n], "test text"});
  }
  return databuild::WriteConstantsFile(table);
}

void RuntimeWithDataTest::PlantPool(const std::vector<std::u16string>& texts) {
  PlantPoolBytes(PoolBytes(texts));
}

void RuntimeWithDataTest::PlantArchiveEntry(const std::string& name,
                                            const std::vector<uint8_t>& bytes) {
  PlantArchiveEntries({{name, bytes}});
}

void RuntimeWithDataTest::PlantArchiveEntries(const std::vector<databuild::ArchiveEntry>& files) {
  for (const databuild::ArchiveEntry& file : files) {
    auto same = [&](const databuild::ArchiveEntry& entry) { return entry.name == file.name; };
    archive_.erase(std::remove_if(archive_.begin(), archive_.end(), same), archive_.end());
    archive_.push_back(file);
  }
  const std::vector<uint8_t> archive = databuild::WriteArchive(archive_);
  Plant(data_, databuild::kArchivePath, std::string(archive.begin(), archive.end()));
  Statics<GameStatics>()->cGame_archiveFile = nullptr;
}

void RuntimeWithDataTest::PlantPack(const databuild::Pack& pack) {
  PlantArchiveEntries(databuild::WritePack(pack));
}

void RuntimeWithDataTest::PlantDataSetPacks() {
  std::vector<databuild::ArchiveEntry> files;
  for (const databuild::Pack& pack : databuild::DataSetPacks()) {
    for (databuild::ArchiveEntry& file : databuild::WritePack(pack))
      files.push_back(std::move(file));
  }
  PlantArchiveEntries(files);
}

void RuntimeWithDataTest::PlantArchiveEntry(const std::string& name, const std::string& text) {
  PlantArchiveEntry(name, std::vector<uint8_t>(text.begin(), text.end()));
}

void RuntimeWithDataTest::PlantPoolBytes(const std::vector<uint8_t>& bytes) {
  PlantArchiveEntry("constants.bin", bytes);
}
