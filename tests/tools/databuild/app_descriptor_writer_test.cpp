#include "tools/databuild/app_descriptor_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/databuild/app_properties.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/string_constants.h"

namespace databuild {
namespace {

std::string Written(std::span<const AppProperty> properties) {
  const std::vector<uint8_t> bytes = WriteAppDescriptor(properties);
  return std::string(bytes.begin(), bytes.end());
}

TEST(AppDescriptorWriterTest, WritesOneKeyColonValueLinePerPropertyInOrder) {
  const AppProperty properties[] = {{"B-Key", "two words"}, {"A", "10:30"}, {"Empty", ""}};
  EXPECT_EQ(Written(properties), "B-Key: two words\r\nA: 10:30\r\nEmpty: \r\n");
  EXPECT_EQ(Written({}), "");
}

TEST(AppDescriptorWriterTest, RefusesWhatTheReaderWouldNotGiveBack) {
  const AppProperty refused[][2] = {
      {{"", "no key"}, {"x", "x"}},       {{"Time:Zone", "colon in the key"}, {"x", "x"}},
      {{"Line", "a\nbreak"}, {"x", "x"}}, {{"Return", "a\rreturn"}, {"x", "x"}},
      {{" Lead", "blank"}, {"x", "x"}},   {{"Trail", "blank "}, {"x", "x"}},
      {{"Tab", "\tvalue"}, {"x", "x"}},   {{"High", "caf\xC3\xA9"}, {"x", "x"}},
      {{"Twice", "1"}, {"Twice", "2"}},
  };
  for (const auto& properties : refused) {
    EXPECT_THROW(WriteAppDescriptor(properties), BuildError) << properties[0].key;
  }
}

TEST(AppDescriptorWriterTest, TheDataSetDescribesTheVersionTheGameReads) {
  const std::u16string_view versionKey = StringConstantTable()[275].text;
  bool found = false;
  for (const AppProperty& property : AppPropertyTable()) {
    found |= std::u16string(property.key.begin(), property.key.end()) == versionKey;
  }
  EXPECT_TRUE(found);
  EXPECT_NO_THROW(WriteAppDescriptor(AppPropertyTable()));
}

}  // namespace
}  // namespace databuild
