// The single-instance channel: one claim per save root, the knock of a later start, and what a
// run that ended abruptly leaves behind.
#include "host/instance_channel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/file_roots_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Claim = host::InstanceChannel::Claim;
using InstanceChannelTest = FileRootsTest;

TEST_F(InstanceChannelTest, ALaterClaimOnTheSameRootKnocksAndTheFirstHearsIt) {
  std::unique_ptr<host::InstanceChannel> first, second;
  ASSERT_EQ(host::InstanceChannel::claim(save_.string(), &first), Claim::kFirst);
  EXPECT_FALSE(first->takeRequest());
  EXPECT_EQ(host::InstanceChannel::claim(save_.string(), &second), Claim::kAlreadyRuns);
  EXPECT_EQ(second, nullptr);
  EXPECT_TRUE(first->takeRequest());
  EXPECT_FALSE(first->takeRequest()) << "each knock is taken once";
}

TEST_F(InstanceChannelTest, ClaimsOnDifferentRootsNeverMeet) {
  std::unique_ptr<host::InstanceChannel> one, other;
  ASSERT_EQ(host::InstanceChannel::claim(save_.string(), &one), Claim::kFirst);
  ASSERT_EQ(host::InstanceChannel::claim(data_.string(), &other), Claim::kFirst);
  EXPECT_FALSE(one->takeRequest());
  EXPECT_FALSE(other->takeRequest());
}

TEST_F(InstanceChannelTest, AMissingSaveRootIsMade) {
  std::unique_ptr<host::InstanceChannel> channel;
  const std::filesystem::path root = save_ / "not" / "yet";
  EXPECT_EQ(host::InstanceChannel::claim(root.string(), &channel), Claim::kFirst);
  EXPECT_TRUE(std::filesystem::is_directory(root));
}

// The lock goes with its holder; a socket file left by an abrupt end is no obstacle.
TEST_F(InstanceChannelTest, TheRootIsFreeAgainOnceItsHolderIsGone) {
  std::unique_ptr<host::InstanceChannel> channel;
  ASSERT_EQ(host::InstanceChannel::claim(save_.string(), &channel), Claim::kFirst);
  channel.reset();
  EXPECT_FALSE(std::filesystem::exists(save_ / ".instance.sock"));
  std::ofstream(save_ / ".instance.sock") << "left behind";
  EXPECT_EQ(host::InstanceChannel::claim(save_.string(), &channel), Claim::kFirst);
}

TEST_F(InstanceChannelTest, WithoutAUsableRootTheGameRunsUnguarded) {
  std::unique_ptr<host::InstanceChannel> channel;
  TraceCapture trace;
  EXPECT_EQ(host::InstanceChannel::claim((save_ / std::string(120, 'x')).string(), &channel),
            Claim::kUnavailable);
  EXPECT_EQ(host::InstanceChannel::claim("", &channel), Claim::kUnavailable);
  std::ofstream(save_ / "file") << "not a folder";
  EXPECT_EQ(host::InstanceChannel::claim((save_ / "file").string(), &channel), Claim::kUnavailable);
  EXPECT_EQ(channel, nullptr);
  EXPECT_EQ(trace.lines().size(), 3u);
}

}  // namespace
