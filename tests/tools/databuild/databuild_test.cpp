// The builder program as the build runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "tests/tools/databuild/scratch_dir.h"
#include "tools/databuild/archive_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Tree = std::map<std::string, Bytes>;  // relative path -> bytes

int RunDatabuild(const std::string& arguments) {
  const std::string command = std::string("'") + PLIMORA_DATABUILD_PATH + "' " + arguments;
  return std::system(command.c_str());
}

Tree ReadTree(const std::filesystem::path& root) {
  Tree tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    tree[std::filesystem::relative(entry.path(), root).generic_string()] =
        Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return tree;
}

TEST(DatabuildTest, TwoRunsWriteTheSameBytes) {
  ScratchDir first, second;
  ASSERT_EQ(RunDatabuild("'" + first.path().string() + "'"), 0);
  ASSERT_EQ(RunDatabuild("'" + second.path().string() + "'"), 0);
  const Tree tree = ReadTree(first.path());
  EXPECT_EQ(tree, ReadTree(second.path()));
  // Everything lies in the archive.
  EXPECT_EQ(tree.size(), 1u);
  EXPECT_TRUE(tree.contains(databuild::kArchivePath));
}

TEST(DatabuildTest, WritesASeedFolderForEachFuzzTarget) {
  ScratchDir dir;
  ASSERT_EQ(RunDatabuild("--seeds '" + dir.path().string() + "'"), 0);
  EXPECT_FALSE(std::filesystem::is_empty(dir.path() / "modified_utf8_round_trip"));
  EXPECT_FALSE(std::filesystem::is_empty(dir.path() / "lzma_decode"));
  EXPECT_FALSE(std::filesystem::is_empty(dir.path() / "constant_pool_loader"));
  EXPECT_FALSE(std::filesystem::is_empty(dir.path() / "app_descriptor"));
  EXPECT_FALSE(std::filesystem::is_empty(dir.path() / "wav_header"));
  EXPECT_FALSE(std::filesystem::is_empty(dir.path() / "ogg_player"));
}

// The Ogg fixtures come from the program's own encoder, the same bytes on every run; each
// starts with an Ogg page.
TEST(DatabuildTest, WritesTheSoundFixturesTheSameEveryRun) {
  ScratchDir first, second;
  ASSERT_EQ(RunDatabuild("--fixtures '" + first.path().string() + "'"), 0);
  ASSERT_EQ(RunDatabuild("--fixtures '" + second.path().string() + "'"), 0);
  const Tree tree = ReadTree(first.path());
  EXPECT_EQ(tree, ReadTree(second.path()));
  for (const char* name : {"tone_mono.ogg", "tone_stereo.ogg", "no_audio.ogg"}) {
    ASSERT_TRUE(tree.contains(name)) << name;
    EXPECT_EQ(std::string(tree.at(name).begin(), tree.at(name).begin() + 4), "OggS") << name;
  }
}

TEST(DatabuildTest, RefusesUnknownArguments) {
  EXPECT_NE(RunDatabuild(""), 0);
  EXPECT_NE(RunDatabuild("--nonsense a b"), 0);
}

}  // namespace
