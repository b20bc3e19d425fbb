#include "tests/support/runtime_fixture.h"

#include <algorithm>

#include "runtime/exceptions.h"
#include "runtime/trace.h"

TraceCapture::TraceCapture() {
  SetTraceSink(&TraceCapture::Receive, this);
}

TraceCapture::~TraceCapture() {
  SetTraceSink(nullptr, nullptr);
}

void TraceCapture::Receive(const char* line, void* user) {
  static_cast<TraceCapture*>(user)->lines_.emplace_back(line);
}

bool TraceCapture::contains(const std::string& line) const {
  return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

void RuntimeTest::SetUp() {
  context_.init();
}

void RuntimeTest::TearDown() {
  ClearPendingException();
  context_.close();
}
