// Constant data of the class table: names and superclass ids in class-id order.
#pragma once

#include "runtime/class_ids.h"

extern const char* const kClassNames[kClassCount];
extern const int32_t kSuperclassIds[kClassCount];
