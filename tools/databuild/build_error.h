// The builder's one error type: content that its format cannot hold, or an output that
// cannot be written. main reports the message and exits non-zero, so no bad data set lands.
#pragma once

#include <stdexcept>

namespace databuild {

class BuildError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace databuild
