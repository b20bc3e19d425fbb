// The single-instance channel: one claim per save root whatever its path's length, the knock
// of a later start, what a run that ended abruptly leaves behind, and the roots no game may
// run on.
#include "host/instance_channel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/file_roots_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Claim = host::InstanceChannel::Claim;
using InstanceChannelTest = FileRootsTest;

Claim ClaimRoot(const std::filesystem::path& root, std::unique_ptr<host::InstanceChannel>* out,
                std::string* why = nullptr) {
  std::string ignored;
  return host::InstanceChannel::claim(root.string(), out, why ? why : &ignored);
}

TEST_F(InstanceChannelTest, ALaterClaimOnTheSameRootKnocksAndTheFirstHearsIt) {
  std::unique_ptr<host::InstanceChannel> first, second;
  ASSERT_EQ(ClaimRoot(save_, &first), Claim::kFirst);
  EXPECT_FALSE(first->takeRequest());
  EXPECT_EQ(ClaimRoot(save_, &second), Claim::kAlreadyRuns);
  EXPECT_EQ(second, nullptr);
  EXPECT_TRUE(first->takeRequest());
  EXPECT_FALSE(first->takeRequest()) << "each knock is taken once";
}

TEST_F(InstanceChannelTest, ClaimsOnDifferentRootsNeverMeet) {
  std::unique_ptr<host::InstanceChannel> one, other;
  ASSERT_EQ(ClaimRoot(save_, &one), Claim::kFirst);
  ASSERT_EQ(ClaimRoot(data_, &other), Claim::kFirst);
  EXPECT_FALSE(one->takeRequest());
  EXPECT_FALSE(other->takeRequest());
}

TEST_F(InstanceChannelTest, AMissingSaveRootIsMade) {
  std::unique_ptr<host::InstanceChannel> channel;
  const std::filesystem::path root = save_ / "not" / "yet";
  EXPECT_EQ(ClaimRoot(root, &channel), Claim::kFirst);
  EXPECT_TRUE(std::filesystem::is_directory(root));
}

// The lock goes with its holder; a socket file left by an abrupt end is no obstacle.
TEST_F(InstanceChannelTest, TheRootIsFreeAgainOnceItsHolderIsGone) {
  std::unique_ptr<host::InstanceChannel> channel;
  ASSERT_EQ(ClaimRoot(save_, &channel), Claim::kFirst);
  channel.reset();
  std::ofstream(save_ / ".instance.sock") << "left behind";
  EXPECT_EQ(ClaimRoot(save_, &channel), Claim::kFirst);
}

// A Unix socket's path holds at most 107 bytes: a save root longer than that is guarded all
// the same, and the same folder spelt another way is the same root.
TEST_F(InstanceChannelTest, ALongSaveRootIsGuardedLikeAnyOther) {
  const std::filesystem::path root = save_ / std::string(60, 'a') / std::string(60, 'b');
  std::unique_ptr<host::InstanceChannel> first, second, third;
  ASSERT_EQ(ClaimRoot(root, &first), Claim::kFirst);
  EXPECT_TRUE(std::filesystem::is_directory(root));
  EXPECT_EQ(ClaimRoot(root, &second), Claim::kAlreadyRuns);
  EXPECT_EQ(ClaimRoot(root / ".." / root.filename() / ".", &third), Claim::kAlreadyRuns);
  EXPECT_TRUE(first->takeRequest());
}

TEST_F(InstanceChannelTest, ARootThatCannotBeMadeOrLockedIsRefusedWithTheReason) {
  std::ofstream(save_ / "file") << "not a folder";
  const struct {
    std::filesystem::path root;
    std::string why;
  } kCases[] = {
      {"", "no save folder is known (set HOME or --save)"},
      {save_ / "file",
       "cannot make the folder \"" + (save_ / "file").string() + "\": Not a directory"},
      {save_ / "file" / "below",
       "cannot make the folder \"" + (save_ / "file" / "below").string() + "\": Not a directory"},
  };
  for (const auto& c : kCases) {
    std::unique_ptr<host::InstanceChannel> channel;
    std::string why;
    EXPECT_EQ(ClaimRoot(c.root, &channel, &why), Claim::kUnavailable) << c.root;
    EXPECT_EQ(why, c.why);
    EXPECT_EQ(channel, nullptr);
  }
}

}  // namespace
