// A runtime over temporary roots, and pool files written with the builder's writer.
#include "tests/support/runtime_data_fixture.h"

#include "runtime/exceptions.h"
#include "tools/databuild/constants_writer.h"

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

void RuntimeWithDataTest::PlantPoolBytes(const std::vector<uint8_t>& bytes) {
  Plant(data_, "constants.bin", std::string(bytes.begin(), bytes.end()));
}
