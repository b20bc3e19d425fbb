// The string-constant pool's loader: "/constants.bin" read over the resource stream into the
// static block at start-up (runtime/constant_pool.h).
#include "runtime/constant_pool.h"

#include <algorithm>

#include "javame/data_input_stream.h"
#include "javame/input_stream.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

// Every string takes at least its 2-byte length, so no count above half the bytes left after
// it can be true; such a count is never used as an allocation size.
constexpr int64_t kMinStringBytes = 2;

constexpr const char* kStringFault =
    "LoadConstantPool: \"/constants.bin\": string %d of %d is %s; the pool keeps the %d before it";

// The string count at the start of the file; 0 (after a trace line) when it is cut off or
// negative.
int32_t ReadCount(java_io_DataInputStream* in) {
  int32_t count = in->readInt();
  if (DiscardPendingException()) {
    DebugLog("LoadConstantPool: \"/constants.bin\": the string count is cut off; no strings");
    return 0;
  }
  if (count < 0) {
    DebugLog("LoadConstantPool: \"/constants.bin\": the string count %d is negative; no strings",
             count);
    return 0;
  }
  return count;
}

// Reads up to capacity strings into pool, each made never collectable. Returns the number
// read; *fault names what stopped the reading early (null when nothing did).
int32_t ReadStrings(java_io_DataInputStream* in, ObjectArray* pool, int32_t capacity,
                    const char** fault) {
  int32_t loaded = 0;
  while (loaded < capacity) {
    String* text = in->readUTF();
    const bool malformed = InstanceOf(GetPendingException(), cid::java_io_UTFDataFormatException);
    if (DiscardPendingException()) {
      *fault = malformed ? "malformed" : "cut off";
      return loaded;
    }
    if (!text) {
      *fault = "left out for want of memory";
      return loaded;
    }
    text->collectable = 0;
    *ObjectArray::slot(pool, loaded, "LoadConstantPool") = text;
    loaded++;
  }
  return loaded;
}

// A pool array of exactly the strings read, when fewer came than there was room for.
ObjectArray* FirstStrings(ObjectArray* pool, int32_t loaded) {
  if (!pool || loaded == pool->length) return pool;
  ObjectArray* whole = NewObjectArray(cid::String, loaded);
  java_lang_System::arraycopy(pool, 0, whole, 0, loaded);
  return whole;
}

}  // namespace

bool LoadConstantPool(StaticClass* block) {
  java_io_InputStream* stream = Class::getResourceAsStream(NewJavaString("/constants.bin"));
  if (!stream) {
    DebugLog("LoadConstantPool: \"/constants.bin\" is missing; start-up stops");
    return false;
  }
  auto* in = NewObject<java_io_DataInputStream>(stream);
  if (!NullCheck(in)) return false;
  const int32_t count = ReadCount(in);
  // Room for no more strings than the bytes after the count can hold.
  const int32_t capacity =
      static_cast<int32_t>(std::clamp<int64_t>(in->available() / kMinStringBytes, 0, count));
  ObjectArray* pool = NewObjectArray(cid::String, capacity);
  block->constantPool = pool;
  const char* fault = pool ? nullptr : "left out for want of memory";
  const int32_t loaded = pool ? ReadStrings(in, pool, capacity, &fault) : 0;
  if (!fault && loaded < count) fault = "cut off";
  if (fault) DebugLog(kStringFault, loaded, count, fault, loaded);
  block->constantPool = FirstStrings(pool, loaded);
  in->close();
  return true;
}
