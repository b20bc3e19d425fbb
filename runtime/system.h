// java.lang.System: the natives of the system class. Its members are defined in the file
// of their concern, named beside each group.
#pragma once

#include <cstdint>

class Object;

class java_lang_System {
 public:
  // runtime/array.cpp
  // Copies count elements from source[sourcePosition..] to destination[destinationPosition..]
  // as memmove does (a copy within one array may overlap). Both must be arrays of one class
  // and both ranges must lie inside their arrays; otherwise nothing is copied (one trace line).
  static void arraycopy(Object* source, int32_t sourcePosition, Object* destination,
                        int32_t destinationPosition, int32_t count);
};
