// The builder's pool planted, then StaticClass::initialize.
#include "tests/support/started_runtime_fixture.h"

#include "runtime/static_class.h"
#include "tools/databuild/constants_writer.h"

void StartedRuntimeTest::SetUp() {
  RuntimeWithDataTest::SetUp();
  const std::vector<uint8_t> pool = databuild::WriteConstantsFile(databuild::StringConstantTable());
  PlantPoolBytes(pool);
  ASSERT_TRUE(application_.getStaticClass()->initialize());
}
