// Decoding speed of cGame::lzmaDecode against liblzma's single-call raw decoder on the same
// payloads (written by the data builder's LZMA writer), decoder set-up counted for both and
// every output checked byte for byte. Three sets: the data set's own LZMA entries, a 4 MB
// corpus of entries of text, sprite-like pixels and random bytes, and entries of those kinds
// of one size each (1 KB, 16 KB, 100 KB), where the cost of each call's set-up shows. Prints
// MB/s and time per entry; the line before last is "ratio_vs_liblzma_1k: X" (the 1 KB
// entries) and the last "ratio_vs_liblzma: X", our throughput over liblzma's on the corpus.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_main.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/object_manager.h"
#include "tools/databuild/data_set.h"
#include "tools/databuild/lzma_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kCorpusSize = 4 * 1024 * 1024;  // MB/s below counts 10^6 bytes
constexpr size_t kEntrySizes[] = {6 * 1024, 24 * 1024, 64 * 1024, 160 * 1024, 300 * 1024};
constexpr int kRounds = 9;  // timed passes per decoder; the median counts

// Entries of one size: each kind in turn, count entries in all.
struct SizedSet {
  const char* name;
  size_t size;
  size_t count;
};
constexpr SizedSet kSizedSets[] = {{"1 KB entries", 1024, 384},
                                   {"16 KB entries", 16 * 1024, 48},
                                   {"100 KB entries", 100 * 1024, 12}};

enum class Kind { kText, kPixels, kRandom, kDataSet };
constexpr const char* kKindNames[] = {"text", "sprite pixels", "random bytes", "data set entries"};
constexpr int kCorpusKinds = 3;

// xorshift32: the corpus is the same on every run.
struct Random {
  uint32_t state = 0x2545F491u;
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  uint32_t below(uint32_t n) { return next() % n; }
};

// Sentences of common words, as the game's texts and level scripts read.
Bytes MakeText(Random& random, size_t size) {
  static const char* const kWords[] = {
      "the",   "bubble", "shoot", "level", "world", "score", "bonus",  "colour", "match",
      "three", "drop",   "bunch", "swing", "aim",   "fire",  "launch", "pop",    "of",
      "and",   "to",     "a",     "in",    "is",    "your",  "with",   "time",   "points",
      "extra", "life",   "stage", "clear", "press", "touch", "screen", "next",   "boss"};
  Bytes text;
  while (text.size() < size) {
    const uint32_t length = 4 + random.below(12);
    for (uint32_t w = 0; w < length; w++) {
      std::string word = kWords[random.below(std::size(kWords))];
      if (w == 0) word[0] = static_cast<char>(word[0] - 'a' + 'A');
      text.insert(text.end(), word.begin(), word.end());
      text.push_back(w + 1 == length ? '.' : ' ');
    }
    text.push_back(random.below(4) == 0 ? '\n' : ' ');
  }
  text.resize(size);
  return text;
}

// 16-bit pixels of sprite frames: a transparent key around filled shapes with shaded rows,
// outlines and a little noise.
Bytes MakePixels(Random& random, size_t size) {
  constexpr int kWidth = 96;
  constexpr uint16_t kTransparent = 0xF81F;
  Bytes pixels;
  while (pixels.size() < size) {
    const int height = 32 + static_cast<int>(random.below(64));
    const int cx = kWidth / 2, cy = height / 2;
    const int radius = 10 + static_cast<int>(random.below(30));
    const uint16_t base = static_cast<uint16_t>(random.next());
    for (int y = 0; y < height; y++) {
      for (int x = 0; x < kWidth; x++) {
        const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        uint16_t pixel = kTransparent;
        if (d2 <= radius * radius) {
          pixel = static_cast<uint16_t>(base + (y << 6) +
                                        (d2 > (radius - 2) * (radius - 2) ? 0x0841 : 0));
          if (random.below(16) == 0) pixel ^= 0x0021;
        }
        pixels.push_back(static_cast<uint8_t>(pixel));
        pixels.push_back(static_cast<uint8_t>(pixel >> 8));
      }
    }
  }
  pixels.resize(size);
  return pixels;
}

Bytes MakeRandom(Random& random, size_t size) {
  Bytes bytes(size);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random.next() >> 24);
  return bytes;
}

struct Entry {
  Kind kind;
  Bytes original;
  Bytes payload;
  int sizedSet = -1;  // index in kSizedSets, or -1 for the corpus and the data set
};

Bytes MakeKind(Kind kind, Random& random, size_t size) {
  return kind == Kind::kText     ? MakeText(random, size)
         : kind == Kind::kPixels ? MakePixels(random, size)
                                 : MakeRandom(random, size);
}

std::vector<Entry> MakeCorpus() {
  Random random;
  std::vector<Entry> corpus;
  size_t total = 0;
  for (size_t i = 0; total < kCorpusSize; i++) {
    const Kind kind = static_cast<Kind>(i % 3);
    const size_t size = std::min(kEntrySizes[i % std::size(kEntrySizes)], kCorpusSize - total);
    Bytes original = MakeKind(kind, random, size);
    Bytes payload = databuild::WriteLzmaPayload(original);
    corpus.push_back({kind, std::move(original), std::move(payload)});
    total += size;
  }
  return corpus;
}

std::vector<Entry> MakeSizedSets() {
  Random random;
  std::vector<Entry> entries;
  for (int set = 0; set < static_cast<int>(std::size(kSizedSets)); set++) {
    for (size_t i = 0; i < kSizedSets[set].count; i++) {
      const Kind kind = static_cast<Kind>(i % kCorpusKinds);
      Bytes original = MakeKind(kind, random, kSizedSets[set].size);
      Bytes payload = databuild::WriteLzmaPayload(original);
      entries.push_back({kind, std::move(original), std::move(payload), set});
    }
  }
  return entries;
}

// The LZMA entries of the data set's packs (type byte 127 and above), with the data they hold
// as liblzma gives it back.
std::vector<Entry> DataSetEntries();

uint32_t ReadU32(const uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

bool LiblzmaDecode(const Bytes& payload, uint8_t* out) {
  return databuild::ReferenceDecodeLzmaPayload(payload, {out, ReadU32(&payload[5])});
}

// The payloads as the game holds them: byte arrays, kept alive by root slots.
std::vector<Object*> payloadArrays;
std::vector<Object**> payloadSlots;

void MakePayloadArrays(Application& application, const std::vector<Entry>& corpus) {
  payloadArrays.resize(corpus.size());
  payloadSlots.resize(corpus.size());
  for (size_t i = 0; i < corpus.size(); i++) {
    payloadSlots[i] = &payloadArrays[i];
    const Bytes& payload = corpus[i].payload;
    ByteArray* array = NewByteArray(static_cast<int32_t>(payload.size()));
    std::memcpy(array->elements(), payload.data(), payload.size());
    payloadArrays[i] = array;
  }
  application.objectManager->registerRootSlots(payloadSlots.data(),
                                               static_cast<int32_t>(payloadSlots.size()));
}

ByteArray* PayloadArray(size_t i) {
  return static_cast<ByteArray*>(payloadArrays[i]);
}

std::vector<Entry> DataSetEntries() {
  std::vector<Entry> entries;
  for (const databuild::Pack& pack : databuild::DataSetPacks()) {
    for (const databuild::PackEntry& entry : pack.entries) {
      if (entry.bytes.empty() || entry.bytes[0] < 127) continue;
      Bytes payload(entry.bytes.begin() + 1, entry.bytes.end());
      Bytes original(ReadU32(&payload[5]));
      if (!LiblzmaDecode(payload, original.data())) {
        std::fprintf(stderr, "lzma_bench: a data set entry of pack %s does not decode\n",
                     pack.name.c_str());
        std::exit(1);
      }
      entries.push_back({Kind::kDataSet, std::move(original), std::move(payload)});
    }
  }
  return entries;
}

// Our decoding of entry i, its output taken as the pack reader takes it.
ByteArray* DecodeOurs(size_t i) {
  cGame::lzmaDecode(PayloadArray(i));
  ByteArray* output = Statics<GameStatics>()->cGame_lzmaOutput;
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  return output;
}

bool OursMatches(size_t i, const Bytes& original) {
  ByteArray* output = DecodeOurs(i);
  return output && output->length == static_cast<int32_t>(original.size()) &&
         (original.empty() ||
          std::memcmp(output->elements(), original.data(), original.size()) == 0);
}

double Seconds(std::chrono::steady_clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

// Median seconds of one pass over the entries, for each decoder. The passes alternate, so a
// load on the machine weighs on both alike.
struct Timing {
  double ours;
  double liblzma;
};

Timing TimeBoth(const std::vector<Entry>& corpus, const std::vector<size_t>& entries, Bytes& out) {
  std::vector<double> ours, liblzma;
  for (int round = 0; round < kRounds; round++) {
    auto start = std::chrono::steady_clock::now();
    for (const size_t i : entries) DecodeOurs(i);
    ours.push_back(Seconds(std::chrono::steady_clock::now() - start));
    start = std::chrono::steady_clock::now();
    for (const size_t i : entries) LiblzmaDecode(corpus[i].payload, out.data());
    liblzma.push_back(Seconds(std::chrono::steady_clock::now() - start));
  }
  std::sort(ours.begin(), ours.end());
  std::sort(liblzma.begin(), liblzma.end());
  return {ours[kRounds / 2], liblzma[kRounds / 2]};
}

void PrintTiming(const char* title, const Timing& timing, double bytes, size_t entries) {
  std::printf("%s:\n", title);
  const auto line = [&](const char* who, double seconds) {
    std::printf("  %-8s %8.1f MB/s  %9.1f us per entry\n", who, bytes / seconds / 1e6,
                seconds / static_cast<double>(entries) * 1e6);
  };
  line("plimora", timing.ours);
  line("liblzma", timing.liblzma);
}

}  // namespace

int main() {
  DropRuntimeTrace();
  // The corpus first, then the data set's entries: every entry is checked, the ratio counts
  // the corpus alone.
  std::vector<Entry> entries = MakeCorpus();
  size_t unpacked = 0, packed = 0, largest = 0;
  for (const Entry& entry : entries) {
    unpacked += entry.original.size();
    packed += entry.payload.size();
  }
  const size_t corpusCount = entries.size();
  for (Entry& entry : DataSetEntries()) entries.push_back(std::move(entry));
  for (Entry& entry : MakeSizedSets()) entries.push_back(std::move(entry));
  double kindBytes[4] = {};
  size_t kindCount[4] = {};
  for (const Entry& entry : entries) {
    largest = std::max(largest, entry.original.size());
    if (entry.sizedSet >= 0) continue;
    kindBytes[static_cast<int>(entry.kind)] += static_cast<double>(entry.original.size());
    kindCount[static_cast<int>(entry.kind)]++;
  }
  std::printf("corpus: %zu bytes in %zu entries (%s %.0f, %s %.0f, %s %.0f), %zu packed\n",
              unpacked, corpusCount, kKindNames[0], kindBytes[0], kKindNames[1], kindBytes[1],
              kKindNames[2], kindBytes[2], packed);
  std::printf("data set: %.0f bytes in %zu LZMA entries\n", kindBytes[3], kindCount[3]);

  ApplicationImpl context;
  context.init();
  Application& application = *context.application;
  MakePayloadArrays(application, entries);

  Bytes out(largest);
  for (size_t i = 0; i < entries.size(); i++) {
    const Bytes& original = entries[i].original;
    if (!OursMatches(i, original)) {
      std::fprintf(stderr, "lzma_bench: our output of entry %zu differs\n", i);
      return 1;
    }
    if (!LiblzmaDecode(entries[i].payload, out.data()) ||
        std::memcmp(out.data(), original.data(), original.size()) != 0) {
      std::fprintf(stderr, "lzma_bench: liblzma's output of entry %zu differs\n", i);
      return 1;
    }
  }

  std::vector<size_t> corpus(corpusCount);
  for (size_t i = 0; i < corpusCount; i++) corpus[i] = i;
  const Timing mixed = TimeBoth(entries, corpus, out);
  PrintTiming("mixed corpus", mixed, static_cast<double>(unpacked), corpus.size());
  for (int kind = 0; kind <= kCorpusKinds; kind++) {
    std::vector<size_t> picked;
    for (size_t i = 0; i < entries.size(); i++) {
      if (entries[i].sizedSet < 0 && static_cast<int>(entries[i].kind) == kind) picked.push_back(i);
    }
    if (picked.empty()) continue;
    PrintTiming(kKindNames[kind], TimeBoth(entries, picked, out), kindBytes[kind], picked.size());
  }
  double ratio1k = 0;
  for (int set = 0; set < static_cast<int>(std::size(kSizedSets)); set++) {
    std::vector<size_t> picked;
    for (size_t i = 0; i < entries.size(); i++) {
      if (entries[i].sizedSet == set) picked.push_back(i);
    }
    const Timing timing = TimeBoth(entries, picked, out);
    PrintTiming(kSizedSets[set].name, timing,
                static_cast<double>(kSizedSets[set].size * picked.size()), picked.size());
    if (set == 0) ratio1k = timing.liblzma / timing.ours;
  }

  context.close();
  std::printf("ratio_vs_liblzma_1k: %.2f\n", ratio1k);
  std::printf("ratio_vs_liblzma: %.2f\n", mixed.liblzma / mixed.ours);
  return 0;
}
