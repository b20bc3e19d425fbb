// A runtime brought up (core start-up only) over fresh data and save roots, with helpers that
// write the string-constant pool's resource there with the data builder's own writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/application_impl.h"
#include "tests/support/file_roots_fixture.h"

class RuntimeWithDataTest : public FileRootsTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // constants.bin in the data root as the builder writes it: string n is texts[n].
  void PlantPool(const std::vector<std::u16string>& texts);
  // constants.bin in the data root holding exactly these bytes.
  void PlantPoolBytes(const std::vector<uint8_t>& bytes);
  // The bytes the builder writes for texts.
  static std::vector<uint8_t> PoolBytes(const std::vector<std::u16string>& texts);

  ApplicationImpl context_;
  Application& application_ = *context_.application;
};
