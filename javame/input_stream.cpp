// java.io.InputStream's own array read.
#include "javame/input_stream.h"

#include "runtime/array.h"
#include "runtime/exceptions.h"

int32_t java_io_InputStream::read(ByteArray* b) {
  if (!NullCheck(b)) return 0;
  return read(b, 0, b->length);
}
