// The builder's pack writer: the part lists it refuses, each one a pack the reader would not
// take.
#include "tools/databuild/pack_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

TEST(PackWriterTest, RefusesPartListsTheReaderWouldNotTake) {
  struct Case {
    const char* what;
    int entries;
    std::vector<int> firsts;
  };
  const Case kCases[] = {
      {"no parts", 2, {}},
      {"part 0 not at entry 0", 2, {1}},
      {"a part before the one before it", 4, {0, 3, 2}},
      {"a part past the entries", 2, {0, 3}},
      {"a part past entry 32767 (the header's first entries are signed 16-bit)", 32769, {0, 32768}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const Pack pack{"p", std::vector<PackEntry>(c.entries, PackEntry::Empty()), c.firsts};
    EXPECT_THROW(WritePack(pack), BuildError);
  }
  const Pack last{"p", std::vector<PackEntry>(32769, PackEntry::Empty()), {0, 32767}};
  EXPECT_EQ(WritePack(last).size(), 2u);
}

}  // namespace
}  // namespace databuild
