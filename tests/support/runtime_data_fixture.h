// A runtime brought up (core start-up only) over fresh data and save roots, with helpers that
// write resources into the data root's archive with the data builder's own writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/application_impl.h"
#include "tests/support/file_roots_fixture.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/pack_writer.h"

class RuntimeWithDataTest : public FileRootsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts an entry into the data root's "data.bar" (replacing one of that name) and rewrites
  // it; the runtime reads the new index at its next lookup.
  void PlantArchiveEntry(const std::string& name, const std::vector<uint8_t>& bytes);
  void PlantArchiveEntry(const std::string& name, const std::string& text);
  // Puts the entries into the archive (replacing those of the same names), rewriting it once.
  void PlantArchiveEntries(const std::vector<databuild::ArchiveEntry>& files);
  // Puts the files of the pack (base and parts) into the archive, rewriting it once.
  void PlantPack(const databuild::Pack& pack);
  // Every pack of the data set the build writes (databuild::DataSetPacks), as PlantPack does.
  void PlantDataSetPacks();
  // constants.bin in the data root's archive as the builder writes it: string n is texts[n].
  void PlantPool(const std::vector<std::u16string>& texts);
  // constants.bin in the data root's archive holding exactly these bytes.
  void PlantPoolBytes(const std::vector<uint8_t>& bytes);
  // The bytes the builder writes for texts.
  static std::vector<uint8_t> PoolBytes(const std::vector<std::u16string>& texts);

  std::vector<databuild::ArchiveEntry> archive_;  // the entries of the planted archive
  ApplicationImpl context_;
  Application& application_ = *context_.application;
};
