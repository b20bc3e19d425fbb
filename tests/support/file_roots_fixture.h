// A test fixture with fresh, empty data and save roots in a temporary folder, set as the file
// layer's roots for the test and removed after it, with helpers to plant and inspect files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

class FileRootsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a host file at root / relative (folders created), bypassing the file layer.
  static void Plant(const std::filesystem::path& root, const std::string& relative,
                    const std::string& contents);
  // The contents of the host file at root / relative, or nothing when it is not there.
  static std::optional<std::string> Contents(const std::filesystem::path& root,
                                             const std::string& relative);

  std::filesystem::path base_;  // holds both roots
  std::filesystem::path data_;
  std::filesystem::path save_;
};
