// cGame's maths tables: the maths pack (113) with the board's tables and the 1024-step sine
// and arc tangent, and the data pack (269) with the 8.8 cosine and square roots. Every table
// is checked for its array class and length before it is kept; a refused one stays null, and
// the routines that read it trace once and give 0.
#include "engine/math_tables.h"

#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "platform/device_path.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kMathsPack = 113;       // string constant naming the maths pack
constexpr int32_t kFixedPointPack = 269;  // string constant naming the data pack
constexpr int32_t kSpecialKindCount = 22;
constexpr int32_t kFirstSpecialKind = 7;

// One bit of mathTablesTraced per table: its absence has been traced.
enum TableBit : int32_t { kSineBit = 1, kArcTangentBit = 2, kCosineBit = 4, kSquareRootBit = 8 };

bool Usable(Array* table, int32_t length, TableBit bit, const char* routine, const char* what) {
  GameStatics* s = Statics<GameStatics>();
  if (table && table->length >= length) return true;
  if (!(s->cGame_mathTablesTraced & bit)) {
    s->cGame_mathTablesTraced |= bit;
    DebugLog("%s: the %s is not loaded; the result is 0", routine, what);
  }
  return false;
}

// What a value-tree node is, for the trace: "a byte[] of 3 entries", "nothing".
std::string Describe(Object* node) {
  static const char* const kArrayNames[] = {"Object[]", "boolean[]", "byte[]",
                                            "char[]",   "short[]",   "int[]",
                                            "long[]",   "float[]",   "double[]"};
  if (!node) return "nothing";
  Array* array = Array::ofObject(node);
  if (!array) return "an object of class " + std::to_string(node->classId);
  const char* name = kArrayNames[array->classId - cid::ObjectArray];
  const char* article = name[0] == 'O' || name[0] == 'i' ? "an " : "a ";
  return article + std::string(name) + " of " + std::to_string(array->length) + " entries";
}

// Where a table came from, for the trace: pack "data" entry 0.
std::string Origin(int32_t entry) {
  return "pack \"" + PrintablePath(Statics<GameStatics>()->cGame_packName) + "\" entry " +
         std::to_string(entry);
}

void Refuse(int32_t entry, const char* what, const char* wanted, int32_t length, Object* got) {
  DebugLog("%s: the %s must be %s of at least %d entries, not %s; refused", Origin(entry).c_str(),
           what, wanted, length, Describe(got).c_str());
}

// node as an int[] of at least length entries; null (traced) when it is anything else.
IntArray* IntTable(Object* node, int32_t length, int32_t entry, const char* what) {
  if (node && node->classId == cid::IntArray && static_cast<IntArray*>(node)->length >= length) {
    return static_cast<IntArray*>(node);
  }
  Refuse(entry, what, "an int[]", length, node);
  return nullptr;
}

ByteArray* ByteTable(Object* node, int32_t length, int32_t entry, const char* what) {
  if (node && node->classId == cid::ByteArray && static_cast<ByteArray*>(node)->length >= length) {
    return static_cast<ByteArray*>(node);
  }
  Refuse(entry, what, "a byte[]", length, node);
  return nullptr;
}

// The special slots' bubble kinds 7, 8, ... 28, which replace the first table of entry 0.
ShortArray* SpecialKinds() {
  ShortArray* kinds = NewShortArray(kSpecialKindCount);
  if (!kinds) return nullptr;
  for (int32_t i = 0; i < kinds->length; i++) {
    kinds->elements()[i] = static_cast<int16_t>(kFirstSpecialKind + i);
  }
  return kinds;
}

// Entry 0: three short arrays, four byte arrays (the neighbour steps dx and dy, the opposite
// directions, one more) and one short array, in that order.
void ReadBoardTables(ByteArray* bytes) {
  GameStatics* s = Statics<GameStatics>();
  cGame::setDataCursor(0);
  s->cGame_specialKinds = cGame::readShortArray(bytes);
  s->cGame_boardShorts1 = cGame::readShortArray(bytes);
  s->cGame_boardShorts2 = cGame::readShortArray(bytes);
  ByteArray* dx = cGame::readByteArray(bytes);
  ByteArray* dy = cGame::readByteArray(bytes);
  ByteArray* opposite = cGame::readByteArray(bytes);
  cGame::adoptDirectionTables(dx, dy, opposite, Origin(0).c_str());
  s->cGame_boardBytes3 = cGame::readByteArray(bytes);
  s->cGame_boardShorts3 = cGame::readShortArray(bytes);
  s->cGame_specialKinds = SpecialKinds();
}

// Entry 1: the sine quarter table (a counted int array), then the arc tangents (a counted
// byte array).
void ReadAngleTables(ByteArray* bytes) {
  GameStatics* s = Statics<GameStatics>();
  cGame::setDataCursor(0);
  IntArray* sine = cGame::readIntArray(bytes);
  ByteArray* arcTangent = cGame::readByteArray(bytes);
  s->cGame_sinTable1024 = IntTable(sine, math_tables::kSineLength, 1, "sine table");
  s->cGame_atanTable1024 =
      ByteTable(arcTangent, math_tables::kArcTangentLength, 1, "arc-tangent table");
  s->cGame_mathTablesTraced &= ~(kSineBit | kArcTangentBit);
}

}  // namespace

// ---- Loaders ------------------------------------------------------------------------------

void cGame::loadMathTables() {
  openPack(GetConstantString(kMathsPack));
  ByteArray* board = readPackEntry(0);
  ByteArray* angles = readPackEntry(1);
  closeResourceStream();
  ReadBoardTables(board);
  ReadAngleTables(angles);
}

void cGame::loadFixedPointTables() {
  GameStatics* s = Statics<GameStatics>();
  openPack(GetConstantString(kFixedPointPack));
  s->cGame_fixCosTable =
      IntTable(readPackEntryObject(0), math_tables::kCosineLength, 0, "8.8 cosine table");
  s->cGame_fixSqrtTable =
      IntTable(readPackEntryObject(1), math_tables::kSquareRootLength, 1, "square-root table");
  s->cGame_mathTablesTraced &= ~(kCosineBit | kSquareRootBit);
  closeResourceStream();
}

// ---- The routines' view -------------------------------------------------------------------

namespace math_tables {

const int32_t* SineTable(const char* routine) {
  IntArray* table = Statics<GameStatics>()->cGame_sinTable1024;
  return Usable(table, kSineLength, kSineBit, routine, "sine table") ? table->elements() : nullptr;
}

const int8_t* ArcTangentTable(const char* routine) {
  ByteArray* table = Statics<GameStatics>()->cGame_atanTable1024;
  return Usable(table, kArcTangentLength, kArcTangentBit, routine, "arc-tangent table")
             ? table->elements()
             : nullptr;
}

const int32_t* CosineTable(const char* routine) {
  IntArray* table = Statics<GameStatics>()->cGame_fixCosTable;
  return Usable(table, kCosineLength, kCosineBit, routine, "8.8 cosine table") ? table->elements()
                                                                               : nullptr;
}

const int32_t* SquareRootTable(const char* routine) {
  IntArray* table = Statics<GameStatics>()->cGame_fixSqrtTable;
  return Usable(table, kSquareRootLength, kSquareRootBit, routine, "square-root table")
             ? table->elements()
             : nullptr;
}

}  // namespace math_tables
