// The string-constant pool: the look-up by number. Its loader reads the pool over the class
// library's streams (javame/constant_pool_loader.cpp).
#include "runtime/constant_pool.h"

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/static_class.h"
#include "runtime/string.h"

String* GetConstantString(int32_t n) {
  ObjectArray* pool = Statics()->constantPool;
  if (!NullCheck(pool) || !IndexInRange("GetConstantString", n, pool->length)) {
    return NewObject<String>();
  }
  return static_cast<String*>(pool->elements()[n]);
}

String* LoadedConstantString(int32_t n) {
  ObjectArray* pool = Statics()->constantPool;
  if (!pool || n < 0 || n >= pool->length) return nullptr;
  return static_cast<String*>(pool->elements()[n]);
}
