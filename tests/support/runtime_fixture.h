// Test fixtures: a runtime brought up for one test, and a capture of the trace.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/application_impl.h"

// Collects every trace line written while it lives.
class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  const std::vector<std::string>& lines() const { return lines_; }
  bool contains(const std::string& line) const;
  void clear() { lines_.clear(); }

 private:
  static void Receive(const char* line, void* user);
  std::vector<std::string> lines_;
};

// Brings up a runtime context (and its Application) before each test and closes it after.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  ApplicationImpl context_;
  Application& application_ = *context_.application;
};
