#include "tools/databuild/string_constants.h"

#include <gtest/gtest.h>

#include <set>

namespace databuild {
namespace {

std::u16string_view Constant(int n) {
  return StringConstantTable()[n].text;
}

// Characters that the record store replaces or that the file layer takes as separators, and
// the space; none may appear in a text that becomes part of a file name.
bool FreeOfPathCharacters(std::u16string_view text) {
  return text.find_first_of(u"/\\:*?<>| ", 0, 9) == std::u16string_view::npos &&
         text.find(u'\0') == std::u16string_view::npos;
}

// A whole file name: also never empty and never one of the folder names "." and "..".
bool SafeFileName(std::u16string_view text) {
  return FreeOfPathCharacters(text) && !text.empty() && text != u"." && text != u"..";
}

std::u16string LowerAscii(std::u16string_view text) {
  std::u16string lower(text);
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lower;
}

TEST(StringConstantsTest, EveryNumberUpToTheHighestUsedHasAnEntryWithARole) {
  const std::span<const StringConstant> table = StringConstantTable();
  ASSERT_GE(table.size(), 373u);  // constant 372 is the highest any code path uses
  for (size_t n = 0; n < table.size(); n++) {
    EXPECT_EQ(table[n].number, static_cast<int>(n));
    EXPECT_FALSE(table[n].role.empty()) << n;
  }
}

TEST(StringConstantsTest, TextsThatCodeDependsOnHoldExactly) {
  const struct {
    int number;
    std::u16string_view text;
  } kFixed[] = {
      {46, u""},     // default message and text: must be empty
      {50, u"\\"},   // record-store path separator of the device
      {239, u":"},   // minutes:seconds
      {238, u"0"},   // padding of a digit group below 100, leading zero of a time
      {308, u"00"},  // padding of a digit group below 10
      {47, u"\n"},   // the line break that wrapped text is split at
  };
  for (const auto& fixed : kFixed) EXPECT_EQ(Constant(fixed.number), fixed.text) << fixed.number;
}

TEST(StringConstantsTest, GroupSeparatorsAreDistinctAndThePartInfixIsSafeInFileNames) {
  EXPECT_EQ(Constant(306).size(), 1u);
  EXPECT_EQ(Constant(307).size(), 1u);
  EXPECT_EQ(Constant(151).size(), 1u);
  EXPECT_EQ((std::set<std::u16string_view>{Constant(306), Constant(307), Constant(151)}).size(),
            3u);
  EXPECT_TRUE(FreeOfPathCharacters(Constant(306)));
}

TEST(StringConstantsTest, TheTwoStoresNeverShareAFile) {
  // Store paths are lower-cased, so names that differ only in case would be one store.
  EXPECT_NE(LowerAscii(Constant(162)), LowerAscii(Constant(165)));
  for (const int n : {162, 165}) EXPECT_TRUE(SafeFileName(Constant(n))) << n;
  for (const int n : {51, 52, 54}) EXPECT_TRUE(FreeOfPathCharacters(Constant(n))) << n;
}

TEST(StringConstantsTest, PackNamesAreDistinctLowerCaseFileNamesThatNoPartFileCanShadow) {
  std::set<std::u16string> names;
  for (const StringConstant& constant : StringConstantTable()) {
    if (!constant.role.starts_with("pack:")) continue;
    EXPECT_TRUE(SafeFileName(constant.text)) << constant.number;
    EXPECT_EQ(LowerAscii(constant.text), constant.text) << constant.number;
    EXPECT_TRUE(names.insert(std::u16string(constant.text)).second) << constant.number;
  }
  // Every pack the loaders and the loading state open by number.
  for (const int n : {0,   11,  63,  65,  66,  67,  68,  71,  76,  80,  85,  88,  92,  96,
                      101, 113, 130, 136, 207, 234, 264, 265, 266, 269, 271, 272, 273, 274}) {
    EXPECT_TRUE(StringConstantTable()[n].role.starts_with("pack:")) << n;
  }
  // "<pack>" + constant 306 + part number must not be the name of another pack.
  for (const std::u16string& name : names) {
    for (const std::u16string& other : names) {
      const std::u16string prefix = name + std::u16string(Constant(306));
      EXPECT_FALSE(other.starts_with(prefix)) << "part files of a pack would shadow another";
    }
  }
}

TEST(StringConstantsTest, TheTextEncodingNameSelectsTheUtf8Decoder) {
  // The byte-array String constructor takes "UTF-8" or "UTF8", letter case ignored.
  const std::u16string name = LowerAscii(Constant(270));
  EXPECT_TRUE(name == u"utf-8" || name == u"utf8");
}

}  // namespace
}  // namespace databuild
