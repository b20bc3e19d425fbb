// HttpClient: the small base of the HTTP client, its operation table's first slots: the
// destructor and the two operations over its one word of state.
#pragma once

#include <cstdint>

namespace host {

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // The word of state: set to a value, and cleared to 0.
  virtual void setStateWord(int32_t word) { stateWord_ = word; }
  virtual void clearStateWord() { stateWord_ = 0; }
  int32_t stateWord() const { return stateWord_; }

 private:
  int32_t stateWord_ = 0;
};

}  // namespace host
