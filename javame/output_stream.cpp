// java.io.OutputStream's own whole-array write.
#include "javame/output_stream.h"

#include "runtime/array.h"
#include "runtime/exceptions.h"

void java_io_OutputStream::write(ByteArray* b) {
  if (!NullCheck(b)) return;
  write(b, 0, b->length);
}
