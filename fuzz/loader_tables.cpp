// Fuzz target: any bytes as one of the loader's tables. Byte 0 picks the table (0 hints of pack
// 130, 1 world info of 136, 2 boss records of 207, 3 entry 0 of 234, 4 the character lines of
// 234's entry 1, 5 the map's level lists of 68's entry 1), byte 1 is the section number or the
// shown world, the rest is the entry. Invariants: parallel tables are as long as each other
// and hold no more records than the entry could, a lookup answers -1 or a stored value, the
// character lines hold one pair table entry per record, and a level list stays within its
// tables.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tools/databuild/pack_writer.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr size_t kLargestInput = 4096;

void PlantTable(FuzzDataRoot& root, int pack, std::vector<uint8_t> entry, bool second) {
  databuild::Pack p{databuild::ConstantText(pack), {}, {0}};
  if (second) p.entries.push_back(databuild::PackEntry::Plain(0, {}));
  p.entries.push_back(databuild::PackEntry::Plain(0, entry));
  root.plantArchive(databuild::WritePack(p));
}

int32_t Length(ByteArray* a) {
  return a ? a->length : 0;
}

void CheckTriples(ByteArray* a, ByteArray* b, ByteArray* values, size_t entry) {
  FuzzCheck(Length(a) == Length(b) && Length(b) == Length(values));
  FuzzCheck(static_cast<size_t>(Length(values)) * 3 <= entry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
  if (size < 2 || size > kLargestInput) return 0;
  GameStatics* s = Statics<GameStatics>();
  const std::vector<uint8_t> entry(data + 2, data + size);
  const int32_t n = static_cast<int8_t>(data[1]);
  switch (data[0] % 6) {
    case 0:
      PlantTable(root, 130, entry, false);
      cGame::loadByteTriples130();
      CheckTriples(s->cGame_hintWorlds, s->cGame_hintLevels, s->cGame_hintValues, entry.size());
      FuzzCheck(cGame::maxValueUpToCurrentLevel() >= -128);
      break;
    case 1:
      PlantTable(root, 136, entry, false);
      cGame::loadIndexedByteTriples136();
      FuzzCheck(Length(s->cGame_worldValues) == Length(s->cGame_worldMusicIds) &&
                Length(s->cGame_worldMusicIds) == Length(s->cGame_worldFinalMusicIds));
      FuzzCheck(static_cast<size_t>(Length(s->cGame_worldMusicIds)) * 4 <= entry.size());
      break;
    case 2: {
      PlantTable(root, 207, entry, false);
      cGame::loadByteTriples207();
      CheckTriples(s->cGame_pairWorlds, s->cGame_pairLevels, s->cGame_pairValues, entry.size());
      const int32_t boss = cGame::lookupPairValue(n, n + 1);
      FuzzCheck(boss >= -128 && boss <= 127 && s->cGame_bossKind == -1);
      break;
    }
    case 3:
      PlantTable(root, 234, entry, false);
      cGame::loadPack234();
      CheckTriples(s->cGame_tripleWorlds, s->cGame_tripleLevels, s->cGame_tripleValues,
                   entry.size());
      FuzzCheck(!s->cGame_quadRecords ||
                static_cast<size_t>(s->cGame_quadRecords->length) * 6 <= entry.size());
      s->cGame_quadFound = false;
      cGame::lookupQuadRecord(n, n);
      FuzzCheck(cGame::lookupTripleValue(n, 0) >= -128);
      break;
    case 4:
      PlantTable(root, 234, entry, true);
      s->cGame_characterLineTexts = nullptr;
      s->cGame_characterLineValues = nullptr;
      cGame::loadPack235(n);
      FuzzCheck(!s->cGame_quadFound);
      if (IntArray* texts = s->cGame_characterLineTexts) {
        FuzzCheck(texts->length == s->cGame_characterLineValues->length);
        FuzzCheck(s->cGame_characterLinePairs == texts->length >> 1);
        FuzzCheck(static_cast<size_t>(texts->length) * 4 <= entry.size());
      }
      break;
    default:
      PlantTable(root, 68, entry, true);
      s->cGame_selectedWorld = n;
      cGame::openPack(GetConstantString(68));
      cGame::loadWorldLevelList();
      cGame::closeResourceStream();
      FuzzCheck(s->cGame_worldLevelCount >= 0 && s->cGame_worldLevelCount <= 13);
      break;
  }
  return 0;
}
