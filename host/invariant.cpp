// The end of a broken invariant: straight to the standard error, since the trace may be a
// capture or a file that nobody reads before the process is gone.
#include "host/invariant.h"

#include <cstdio>
#include <cstdlib>

namespace host {

void AssertionFailed(const char* condition, const char* file, int line) {
  fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
  fflush(stderr);
  abort();
}

}  // namespace host
