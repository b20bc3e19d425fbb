// The loader's table writers: the bytes of each layout, values that do not fit their field
// refused; and the content: hints numbered from 1 with every hint record naming one of them.
#include "tools/databuild/loader_tables_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/loader_content.h"

namespace {

using namespace databuild;
using Bytes = std::vector<uint8_t>;

TEST(LoaderTablesWriterTest, EachLayoutsBytes) {
  EXPECT_EQ(WriteByteTriples({{1, -2, 3}}), (Bytes{1, 0, 0, 0, 1, 0xFE, 3}));
  EXPECT_EQ(WriteIndexedTriples({{0, 13, 2, 200}}), (Bytes{1, 0, 0, 0, 0, 13, 2, 200}));
  EXPECT_EQ(WriteLookups({}, {{1, 2, 300, -4}}),
            (Bytes{0, 0, 0, 0, 1, 0, 0, 0, 1, 2, 0x2C, 1, 0xFC, 0xFF}));
  EXPECT_EQ(WriteLineSections({{{9, -1}}}),
            (Bytes{1, 0, 0, 0, 1, 0, 0, 0, 10, 0, 0xFF, 0xFF}));
  EXPECT_EQ(WriteLevelLists({{{1, 2}}, {}}), (Bytes{1, 0, 0, 0, 1, 0, 2, 0, 0, 0, 0, 0}));
}

TEST(LoaderTablesWriterTest, ValuesOutsideTheirFieldsAreRefused) {
  EXPECT_THROW(WriteByteTriples({{128, 0, 0}}), BuildError);
  EXPECT_THROW(WriteIndexedTriples({{0, 0, 0, 256}}), BuildError);
  EXPECT_THROW(WriteLookups({}, {{0, 0, 40000, 0}}), BuildError);
  EXPECT_THROW(WriteLineSections({{{32767, 0}}}), BuildError);  // written plus one
}

TEST(LoaderContentTest, HintsAreNumberedFromOneAndEveryHintRecordNamesOne) {
  const std::vector<std::string> texts = GameTexts();
  EXPECT_EQ(texts[kHintTextBase], "Text 86");
  EXPECT_EQ(texts[kHintTextBase + 1], "Text 87");
  for (int n = 1; n <= kGameHintCount; n++) {
    EXPECT_NE(texts[kHintTextBase + 2 * n].rfind("Text ", 0), 0u) << n;
    EXPECT_NE(texts[kHintTextBase + 2 * n + 1].rfind("Text ", 0), 0u) << n;
  }
  const std::vector<ByteTriple> hints = HintRecords();
  for (size_t i = 0; i < hints.size(); i++) {
    EXPECT_GE(hints[i].value, 1);
    EXPECT_LE(hints[i].value, kGameHintCount);
    if (i > 0) {
      EXPECT_LT(hints[i - 1].a * 100 + hints[i - 1].b, hints[i].a * 100 + hints[i].b);
    }
  }
}

}  // namespace
