// Fuzz target: cGame's byte-array reader and the maths tables over any bytes. The input is an
// operation count k, k operation bytes, then the data. The operations walk the data with every
// typed read and counted array (and moves of the cursor, before the start included); then the
// data becomes both entries of the maths pack and of the data pack, their loaders run and the
// routines read whatever tables were kept. Nothing reads outside an array; a kept table always
// has its class and length; a clean parse keeps the cursor inside the data.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tools/databuild/pack_writer.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;

int traceLines = 0;

// One operation: the low 3 bits pick it, a cursor move takes the rest as the new position.
void RunOperation(uint8_t op, ByteArray* data) {
  GameStatics* s = Statics<GameStatics>();
  Array* array = nullptr;
  int32_t width = 0;
  switch (op & 7) {
    case 0:
      cGame::readByte(data);
      break;
    case 1:
      cGame::readShort(data);
      break;
    case 2:
      cGame::readInt(data);
      break;
    case 3:
      array = cGame::readIntArray(data);
      width = 4;
      break;
    case 4:
      array = cGame::readShortArray(data);
      width = 2;
      break;
    case 5:
      array = cGame::readByteArray(data);
      width = 1;
      break;
    case 6:
      cGame::setDataCursor((op >> 3) - 4);
      return;
    default:
      cGame::setDataCursor(s->cGame_dataCursor + (op >> 3));
      return;
  }
  if (width > 0) {
    // A counted array either fits the bytes it came from or is null with the cursor at the end.
    FuzzCheck(array ? int64_t{array->length} * width <= data->length
                    : s->cGame_dataCursor == data->length && s->cGame_dataReadFailed);
  }
  if (!s->cGame_dataReadFailed) {
    FuzzCheck(s->cGame_dataCursor >= 0 && s->cGame_dataCursor <= data->length);
  }
}

template <class A>
void CheckKept(A* table, int32_t length) {
  FuzzCheck(!table || (table->classId == A::kClassId && table->length >= length));
}

// Every routine over a sweep of arguments, whatever tables are loaded.
void ReadEveryTable() {
  for (int32_t a = -1030; a <= 1030; a += 7) {
    cGame::sin1024(a);
    cGame::fixCos(a);
    cGame::fixSqrt(a * 1000003);
    cGame::atan2To1024(a * 4099, 1030 - a);
    cGame::fixAtan2(a * 65537, a - 515);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, &traceLines);
  const size_t operations = size > 0 ? std::min<size_t>(data[0], size - 1) : 0;
  const std::vector<uint8_t> ops(data + (size > 0), data + (size > 0) + operations);
  const std::vector<uint8_t> rest(data + (size > 0) + operations, data + size);

  ByteArray* bytes = FuzzBytes(rest.data(), rest.size());
  cGame::setDataCursor(0);
  for (const uint8_t op : ops) RunOperation(op, bytes);

  using databuild::PackEntry;
  std::vector<databuild::ArchiveEntry> files;
  for (const char* name : {"tables", "data"}) {
    for (databuild::ArchiveEntry& file : databuild::WritePack(
             {name, {PackEntry::Plain(0, rest), PackEntry::Plain(0, rest)}, {0}})) {
      files.push_back(std::move(file));
    }
  }
  root.plantArchive(std::move(files));
  GameStatics* s = Statics<GameStatics>();
  s->cGame_packName = nullptr;
  s->cGame_fixAtanTable = nullptr;
  cGame::loadMathTables();
  cGame::loadFixedPointTables();
  CheckKept<IntArray>(s->cGame_sinTable1024, 256);
  CheckKept<ByteArray>(s->cGame_atanTable1024, 256);
  CheckKept<IntArray>(s->cGame_fixCosTable, 65);
  CheckKept<IntArray>(s->cGame_fixSqrtTable, 256);
  FuzzCheck(s->cGame_specialKinds && s->cGame_specialKinds->length == 22);
  ReadEveryTable();
  return 0;
}
