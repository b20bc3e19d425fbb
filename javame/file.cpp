// javax.microedition.io.File's constructor: the path is lower-cased once, so two names that
// differ only in the case of 'A'..'Z' name one file.
#include "javame/file.h"

#include "runtime/exceptions.h"
#include "runtime/string.h"

javax_microedition_io_File::javax_microedition_io_File(String* name)
    : javax_microedition_io_File() {
  if (NullCheck(name)) path = name->toLowerCase();
}
