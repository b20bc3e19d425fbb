// The string-constant pool: every text of the system, read at start-up from the resource
// "/constants.bin" and fetched by number. Its strings are never collected.
#pragma once

#include <cstdint>

class StaticClass;
class String;

// javame/constant_pool_loader.cpp, over the class library's DataInputStream.
// Reads "/constants.bin" (big-endian):
//   offset 0  int32  count N
//   offset 4  N strings as writeUTF writes them: uint16 byte length, modified UTF-8 bytes
// into the block's pool, string n as element n. False, with one trace line, when the
// resource is missing (start-up must stop). A short or corrupt file keeps the strings read before
// the fault (one trace line says what was wrong): the pool's length is the number of strings read.
bool LoadConstantPool(StaticClass* block);

// String constant n. Never null: a missing pool or a number outside it gives an empty string
// and one trace line.
String* GetConstantString(int32_t n);

// String constant n when the pool holds it, else null, without a trace line: for code that
// may run before or while the pool is read (the loader's own read errors raise exceptions).
String* LoadedConstantString(int32_t n);
