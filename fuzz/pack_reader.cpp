// Fuzz target: the pack reader over any base file and two part files, cut from the input by
// two 16-bit big-endian lengths (base, part 1; part 2 is the rest). Entries are read forwards,
// backwards and as value trees: each gives bytes or null, never a read outside its part file.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;
constexpr int32_t kMostEntries = 24;  // read in each direction per input

int traceLines = 0;

// The next piece of the input: a 16-bit length, then that many bytes (or what is left).
std::vector<uint8_t> Take(const uint8_t*& data, size_t& size, bool last) {
  size_t length = size;
  if (!last) {
    length = size >= 2 ? std::min<size_t>(size - 2, data[0] << 8 | data[1]) : 0;
    const size_t header = std::min<size_t>(size, 2);
    data += header;
    size -= header;
  }
  std::vector<uint8_t> piece(data, data + length);
  data += length;
  size -= length;
  return piece;
}

void ReadEntry(int32_t e, bool asTree) {
  traceLines = 0;
  Object* result = asTree ? cGame::readPackEntryObject(e) : cGame::readPackEntry(e);
  FuzzCheck(result || traceLines > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, &traceLines);
  std::vector<uint8_t> base = Take(data, size, false);
  std::vector<uint8_t> part1 = Take(data, size, false);
  std::vector<uint8_t> part2 = Take(data, size, true);
  root.plantArchive({{"p", std::move(base)}, {"p.1", std::move(part1)}, {"p.2", std::move(part2)}});
  Statics<GameStatics>()->cGame_packName = nullptr;
  cGame::openPack(NewJavaString("p"));
  const int32_t count = std::min(Statics<GameStatics>()->cGame_packEntryCount, kMostEntries);
  for (int32_t e = 0; e < count; e++) ReadEntry(e, false);
  for (int32_t e = count - 1; e >= 0; e--) ReadEntry(e, true);
  cGame::closeResourceStream();
  return 0;
}
