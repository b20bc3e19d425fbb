// Array operations shared by the nine array classes.
#include "runtime/array.h"

void Array::finalize() {
  if (body) FreeDataMemory(body);
  body = nullptr;
}
