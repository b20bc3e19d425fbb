#include "tools/databuild/constants_writer.h"

#include <gtest/gtest.h>

#include "tools/databuild/build_error.h"
#include "tools/databuild/modified_utf8.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

// Reads the file as the pool loader does: int32 count, then count readUTF strings. nullopt
// when anything is short, malformed or left over.
std::optional<std::vector<std::u16string>> ParseConstantsFile(const Bytes& file) {
  size_t at = 0;
  auto read = [&](size_t n) -> std::optional<uint32_t> {
    if (file.size() - at < n) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < n; i++) value = value << 8 | file[at++];
    return value;
  };
  const std::optional<uint32_t> count = read(4);
  if (!count) return std::nullopt;
  std::vector<std::u16string> strings;
  for (uint32_t n = 0; n < *count; n++) {
    const std::optional<uint32_t> length = read(2);
    if (!length || file.size() - at < *length) return std::nullopt;
    std::optional<std::u16string> text = DecodeModifiedUtf8(std::span(file).subspan(at, *length));
    if (!text) return std::nullopt;
    strings.push_back(std::move(*text));
    at += *length;
  }
  if (at != file.size()) return std::nullopt;
  return strings;
}

TEST(ConstantsWriterTest, WritesTheCountThenEachStringInTheWriteUtfForm) {
  const StringConstant table[] = {
      {0, u"ab", "two ASCII letters"},
      {1, std::u16string_view(u"\0\u20AC", 2), "U+0000 and U+20AC"},
      {2, u"", "empty"},
  };
  EXPECT_EQ(WriteConstantsFile(table), (Bytes{0, 0, 0, 3,                          // count
                                              0, 2, 'a', 'b',                      // constant 0
                                              0, 5, 0xC0, 0x80, 0xE2, 0x82, 0xAC,  // constant 1
                                              0, 0}));                             // constant 2
}

TEST(ConstantsWriterTest, AnEmptyTableIsACountOfZero) {
  EXPECT_EQ(WriteConstantsFile({}), (Bytes{0, 0, 0, 0}));
}

TEST(ConstantsWriterTest, AStringTooLongForItsCountNamesTheConstant) {
  const std::u16string huge(30000, u'\u0800');  // 90000 bytes
  const StringConstant table[] = {{0, u"fine", "short"}, {1, huge, "too long"}};
  try {
    WriteConstantsFile(table);
    FAIL() << "no error";
  } catch (const BuildError& error) {
    EXPECT_NE(std::string(error.what()).find("string constant 1"), std::string::npos);
  }
}

TEST(ConstantsWriterTest, TheGameTableParsesBackEntryForEntry) {
  const std::span<const StringConstant> table = StringConstantTable();
  const std::optional<std::vector<std::u16string>> strings =
      ParseConstantsFile(WriteConstantsFile(table));
  ASSERT_TRUE(strings.has_value());
  ASSERT_EQ(strings->size(), table.size());
  for (size_t n = 0; n < table.size(); n++) EXPECT_EQ((*strings)[n], table[n].text) << n;
}

}  // namespace
}  // namespace databuild
