// cGame::lzmaDecode over payloads written by the data builder's LZMA writer: round trips over
// the coder settings and kinds of input, the header rules, and the rejection of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/clock.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/memory_manager.h"
#include "runtime/object_manager.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/lzma_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
using databuild::LzmaSettings;

// ---- Inputs -------------------------------------------------------------------------------

uint32_t NextRandom(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

Bytes RandomBytes(size_t size, uint32_t seed) {
  Bytes bytes(size);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(NextRandom(seed) >> 24);
  return bytes;
}

// Runs of one byte and of short patterns, of every length up to past the longest match, so
// the coder emits long overlapping matches and repeats of all four distances.
Bytes Runs() {
  Bytes bytes;
  uint32_t seed = 7;
  for (int run = 0; run < 400; run++) {
    const uint32_t length = 1 + NextRandom(seed) % 300;
    const uint32_t period = 1 + NextRandom(seed) % 4;
    const Bytes pattern = RandomBytes(period, seed);
    for (uint32_t i = 0; i < length; i++) bytes.push_back(pattern[i % period]);
  }
  return bytes;
}

Bytes Text() {
  static const char* const kWords[] = {"bubble", "launcher", "colour", "bunch",  "swings",
                                       "drops",  "the",      "a",      "of",     "world",
                                       "level",  "score",    "three",  "matched"};
  std::string text;
  uint32_t seed = 11;
  while (text.size() < 60000) {
    text += kWords[NextRandom(seed) % std::size(kWords)];
    text += NextRandom(seed) % 9 == 0 ? ".\n" : " ";
  }
  return Bytes(text.begin(), text.end());
}

enum class Kind { kEmpty, kOneByte, kRuns, kRandom, kText };

Bytes Input(Kind kind) {
  switch (kind) {
    case Kind::kEmpty:
      return {};
    case Kind::kOneByte:
      return {0xA5};
    case Kind::kRuns:
      return Runs();
    case Kind::kRandom:
      return RandomBytes(40000, 3);
    case Kind::kText:
      return Text();
  }
  return {};
}

const char* KindName(Kind kind) {
  constexpr const char* kNames[] = {"empty", "one byte", "runs", "random", "text"};
  return kNames[static_cast<int>(kind)];
}

// ---- Decoding -----------------------------------------------------------------------------

// The decoder's output taken as the pack reader takes it, or nullopt for null.
std::optional<Bytes> Decode(const Bytes& payload) {
  cGame::lzmaDecode(ManagedBytes(payload));
  ByteArray* output = Statics<GameStatics>()->cGame_lzmaOutput;
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  if (!output) return std::nullopt;
  return BytesOf(output);
}

void PutU32(Bytes& payload, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; i++) payload[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A payload of the header's properties byte and unpacked size over the given data bytes.
Bytes Payload(uint8_t properties, uint32_t unpackedSize, const Bytes& data) {
  Bytes payload(13 + data.size(), 0);
  payload[0] = properties;
  PutU32(payload, 1, 1 << 16);
  PutU32(payload, 5, unpackedSize);
  std::copy(data.begin(), data.end(), payload.begin() + 13);
  return payload;
}

using LzmaTest = RuntimeTest;

// ---- Round trips --------------------------------------------------------------------------

struct RoundTrip {
  int lc, lp, pb;
  uint32_t dictionarySize;
  Kind kind;
};

TEST_F(LzmaTest, RoundTripsOverSettingsAndInputs) {
  const RoundTrip kCases[] = {
      {3, 0, 2, 1 << 20, Kind::kEmpty},   {3, 0, 2, 1 << 20, Kind::kOneByte},
      {3, 0, 2, 1 << 20, Kind::kRuns},    {3, 0, 2, 1 << 20, Kind::kRandom},
      {3, 0, 2, 1 << 20, Kind::kText},    {0, 0, 0, 4096, Kind::kText},
      {0, 4, 4, 4096, Kind::kRuns},       {4, 0, 4, 1 << 16, Kind::kRandom},
      {1, 3, 1, 1 << 16, Kind::kText},    {2, 2, 3, 8 << 20, Kind::kRuns},
      {4, 0, 0, 1 << 20, Kind::kOneByte}, {0, 4, 2, 1 << 20, Kind::kEmpty},
      {0, 0, 4, 4096, Kind::kRandom},     {2, 1, 0, 1 << 16, Kind::kText},
  };
  TraceCapture trace;
  for (const RoundTrip& c : kCases) {
    SCOPED_TRACE(testing::Message()
                 << "lc " << c.lc << " lp " << c.lp << " pb " << c.pb << " dictionary "
                 << c.dictionarySize << ", " << KindName(c.kind));
    const Bytes input = Input(c.kind);
    const Bytes payload =
        databuild::WriteLzmaPayload(input, LzmaSettings{c.lc, c.lp, c.pb, c.dictionarySize});
    EXPECT_EQ(Decode(payload), input);
    EXPECT_EQ(Statics<GameStatics>()->cGame_lzmaInput, nullptr);
  }
  EXPECT_TRUE(trace.lines().empty());
}

// Every bit of a small entry flipped in turn: the decoder refuses the entry, or gives the
// original bytes (a flip of the unused header fields or of the first data byte, which the
// code shifts out), or gives what liblzma gives: a few flips in the first code bytes only
// change the first literal, and the result is a whole stream of other text, with nothing in
// the format to tell it from the original.
TEST_F(LzmaTest, EveryFlippedBitIsRefusedOrDecodesAsLiblzmaDecodesIt) {
  const Bytes text = Text();
  const Bytes input(text.begin(), text.begin() + 400);
  const Bytes payload = databuild::WriteLzmaPayload(input);
  int refused = 0, otherStreams = 0;
  Bytes reference(2 * input.size());
  for (size_t bit = 0; bit < payload.size() * 8; bit++) {
    SCOPED_TRACE(testing::Message() << "bit " << bit % 8 << " of byte " << bit / 8);
    Bytes damaged = payload;
    damaged[bit / 8] ^= static_cast<uint8_t>(1 << bit % 8);
    TraceCapture trace;
    const std::optional<Bytes> output = Decode(damaged);
    if (!output) {
      refused++;
      EXPECT_EQ(trace.lines().size(), 1u);
    } else if (*output != input) {
      otherStreams++;
      ASSERT_TRUE(databuild::ReferenceDecodeLzmaPayload(damaged, reference));
      EXPECT_EQ(*output, Bytes(reference.begin(), reference.begin() + output->size()));
    }
  }
  EXPECT_LT(otherStreams * 100, static_cast<int>(payload.size() * 8));
  // The 64 bits of the two unused header fields and the 8 of the first data byte change nothing.
  EXPECT_EQ(refused + otherStreams, static_cast<int>(payload.size() * 8) - 72);
}

// After the last byte the range coder must stand where the encoder's flush leaves it.
TEST_F(LzmaTest, AStreamThatDoesNotEndAtItsSizeIsRefused) {
  const Bytes input = RandomBytes(3000, 9);
  Bytes payload = databuild::WriteLzmaPayload(input);
  payload.back() ^= 0x01;  // the flush's last byte: every output byte still decodes
  TraceCapture trace;
  EXPECT_EQ(Decode(payload), std::nullopt);
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(trace.lines()[0].rfind("cGame::lzmaDecode(): the stream does not end with its 3000 "
                                   "bytes (range coder code 0x",
                                   0),
            0u)
      << trace.lines()[0];
}

// Bytes 1..4 (dictionary size) and 9..12 (high half of the size) are not used.
TEST_F(LzmaTest, TheDictionarySizeAndTheHighHalfOfTheSizeHaveNoEffect) {
  const Bytes input = Text();
  Bytes payload = databuild::WriteLzmaPayload(input);
  PutU32(payload, 1, 0);
  PutU32(payload, 9, 0xFFFFFFFF);
  EXPECT_EQ(Decode(payload), input);
}

Bytes WithUnpackedSize(Bytes payload, uint32_t unpackedSize) {
  PutU32(payload, 5, unpackedSize);
  return payload;
}

// An empty entry is the encoder's flush alone: five zero bytes.
TEST_F(LzmaTest, AnUnpackedSizeOfZeroGivesAnEmptyArray) {
  EXPECT_EQ(Decode(databuild::WriteLzmaPayload({})), Bytes{});
  EXPECT_EQ(Decode(Payload(0x5D, 0, {0, 0, 0, 0, 0})), Bytes{});
  TraceCapture trace;
  EXPECT_EQ(Decode(Payload(0x5D, 0, {})), std::nullopt) << "no flush: the code reads 0xFFFFFFFF";
  EXPECT_EQ(Decode(WithUnpackedSize(databuild::WriteLzmaPayload(Text()), 0)), std::nullopt);
  EXPECT_EQ(trace.lines().size(), 2u);
}

// Decoding stops at the header's size, also inside a match; a stream that goes on past it is
// refused there, its output never written past its end.
TEST_F(LzmaTest, DecodingStopsAtTheUnpackedSize) {
  const Bytes same(1000, 'a');  // one literal, then matches of up to 273 bytes at distance 1
  const Bytes runs = Runs();
  struct Cut {
    const Bytes* input;
    uint32_t size;
  };
  const Cut kCuts[] = {{&same, 1},
                       {&same, 2},
                       {&same, 100},
                       {&same, 999},
                       {&runs, 3},
                       {&runs, 5000},
                       {&runs, static_cast<uint32_t>(runs.size() - 1)}};
  for (const Cut& cut : kCuts) {
    SCOPED_TRACE(cut.size);
    const Bytes payload = WithUnpackedSize(databuild::WriteLzmaPayload(*cut.input), cut.size);
    TraceCapture trace;
    EXPECT_EQ(Decode(payload), std::nullopt);
    ASSERT_EQ(trace.lines().size(), 1u);
    const std::string& line = trace.lines()[0];
    const std::string size = std::to_string(cut.size) + " bytes";
    EXPECT_TRUE(line.find("does not end with its " + size) != std::string::npos ||
                line.find("runs past the unpacked size of " + size) != std::string::npos)
        << line;
    EXPECT_EQ(application_.dataHeap->checkConsistency(), nullptr);
  }
}

// A payload cut short decodes as if 0xFF bytes followed it: same output, same trace.
TEST_F(LzmaTest, InputPastTheEndReadsAs0xFF) {
  const Bytes full = databuild::WriteLzmaPayload(RandomBytes(3000, 5));
  const size_t kCuts[] = {13, 14, 18, full.size() / 2, full.size() - 1};
  for (const size_t cut : kCuts) {
    SCOPED_TRACE(cut);
    const Bytes truncated(full.begin(), full.begin() + cut);
    Bytes padded = truncated;
    padded.resize(cut + 256 * 1024, 0xFF);  // more than the decoder can read for 3000 bytes
    TraceCapture trace;
    const std::optional<Bytes> fromTruncated = Decode(truncated);
    const std::vector<std::string> truncatedTrace = trace.lines();
    trace.clear();
    EXPECT_EQ(fromTruncated, Decode(padded));
    EXPECT_EQ(truncatedTrace, trace.lines());
    if (fromTruncated) {
      EXPECT_EQ(fromTruncated->size(), 3000u);
    }
  }
}

// The first decision of the range coder reads the code from data bytes 1..4: 0x80000000
// makes packet 0 a match, 0xC0000000 a short repeat; both reach before the output's start.
TEST_F(LzmaTest, BadPayloadsGiveNullAndOneTraceLine) {
  struct Bad {
    const char* what;
    Bytes payload;
    std::string line;
  };
  const Bad kCases[] = {
      {"empty", {}, "cGame::lzmaDecode(): payload of 0 bytes is shorter than its 13-byte header"},
      {"12 bytes", Bytes(12, 0),
       "cGame::lzmaDecode(): payload of 12 bytes is shorter than its 13-byte header"},
      {"properties 225", Payload(225, 1, {0, 0, 0, 0, 0}),
       "cGame::lzmaDecode(): properties byte 225 is not below 225"},
      {"properties 255", Payload(255, 1, {0, 0, 0, 0, 0}),
       "cGame::lzmaDecode(): properties byte 255 is not below 225"},
      {"size 2^32 - 1", Payload(0x5D, 0xFFFFFFFF, {}),
       "cGame::lzmaDecode(): unpacked size 4294967295 is beyond the limit of 16777216 bytes"},
      {"size above the data heap", Payload(0x5D, kDataHeapSize + 1, {}),
       "cGame::lzmaDecode(): unpacked size 16777217 is beyond the limit of 16777216 bytes"},
      {"match first", Payload(0x5D, 10, {0, 0x80, 0, 0, 0}),
       "cGame::lzmaDecode(): match distance 1 at output position 0 reaches before the start of "
       "the output"},
      {"short repeat first", Payload(0x5D, 10, {0, 0xC0, 0, 0, 0}),
       "cGame::lzmaDecode(): match distance 1 at output position 0 reaches before the start of "
       "the output"},
  };
  for (const Bad& bad : kCases) {
    SCOPED_TRACE(bad.what);
    TraceCapture trace;
    EXPECT_EQ(Decode(bad.payload), std::nullopt);
    EXPECT_EQ(trace.lines(), std::vector<std::string>{bad.line});
    EXPECT_EQ(Statics<GameStatics>()->cGame_lzmaInput, nullptr);
  }
}

TEST_F(LzmaTest, ANullPayloadIsTheNullCheck) {
  TraceCapture trace;
  cGame::lzmaDecode(nullptr);
  EXPECT_EQ(Statics<GameStatics>()->cGame_lzmaOutput, nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

// Garbage after a valid start: every decode either fills the whole output or is refused,
// and a refused match always names a distance beyond the bytes written so far.
TEST_F(LzmaTest, GarbageStreamsNeverReachBeforeTheOutput) {
  constexpr uint32_t kSize = 4096;
  int refusedAfterStart = 0;
  for (uint32_t seed = 1; seed <= 300; seed++) {
    SCOPED_TRACE(seed);
    Bytes data = RandomBytes(200, seed);
    data[0] = 0;
    TraceCapture trace;
    const std::optional<Bytes> output =
        Decode(Payload(static_cast<uint8_t>(seed % 225), kSize, data));
    if (output) {
      EXPECT_EQ(output->size(), kSize);
      EXPECT_TRUE(trace.lines().empty());
      continue;
    }
    ASSERT_EQ(trace.lines().size(), 1u);
    unsigned distance = 0, position = 0;
    if (std::sscanf(trace.lines()[0].c_str(),
                    "cGame::lzmaDecode(): match distance %u at output position %u", &distance,
                    &position) == 2) {
      EXPECT_GT(distance, position);
      if (position > 0) refusedAfterStart++;
    } else {
      const std::string& line = trace.lines()[0];
      EXPECT_TRUE(line.rfind("cGame::lzmaDecode(): end marker at output position", 0) == 0 ||
                  line.rfind("cGame::lzmaDecode(): the stream does not end with its", 0) == 0 ||
                  line.find("runs past the unpacked size") != std::string::npos)
          << line;
    }
  }
  EXPECT_GT(refusedAfterStart, 0);
}

// The decoder's peak use of the data heap is its probability array plus the 5 data bytes:
// 0x5D is lc 3, lp 0, pb 2, so 1846 + 768 x 8 = 7990 probabilities of 2 bytes.
TEST_F(LzmaTest, Properties0x5DAllocates7990Probabilities) {
  const Bytes payload = Payload(0x5D, 0, {0, 0, 0, 0, 0});
  ByteArray* managed = ManagedBytes(payload);
  MemoryManager* heap = application_.dataHeap;
  const int32_t usedBefore = heap->usedBytes();
  ASSERT_LT(heap->peakUsed(), usedBefore + 2 * 7990);
  cGame::lzmaDecode(managed);
  ASSERT_NE(Statics<GameStatics>()->cGame_lzmaOutput, nullptr);
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  const int32_t grown = heap->peakUsed() - usedBefore;
  constexpr int32_t kBlockOverheads = 128;  // two block headers and their rounding
  EXPECT_GE(grown, 2 * 7990 + 5);
  EXPECT_LE(grown, 2 * 7990 + 5 + kBlockOverheads);
}

// A small probability table stays for the next entry of the same settings; a large one (lc
// plus lp above 4, which liblzma's encoder never writes) goes with its entry.
TEST_F(LzmaTest, ASmallProbabilityTableIsKeptForTheNextEntryAndALargeOneIsNot) {
  const Bytes input = RandomBytes(2000, 8);
  EXPECT_EQ(Decode(databuild::WriteLzmaPayload(input)), input);
  ShortArray* kept = Statics<GameStatics>()->cGame_lzmaProbs;
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->length, 7990);  // lc 3, lp 0
  EXPECT_EQ(Decode(databuild::WriteLzmaPayload(input)), input);
  EXPECT_EQ(Statics<GameStatics>()->cGame_lzmaProbs, kept);
  // lc 4, lp 1: 1846 + 768 x 32 = 26422 probabilities, 52844 bytes; an empty entry.
  EXPECT_EQ(Decode(Payload((2 * 5 + 1) * 9 + 4, 0, {0, 0, 0, 0, 0})), Bytes{});
  EXPECT_EQ(Statics<GameStatics>()->cGame_lzmaProbs, nullptr);
  EXPECT_EQ(Decode(databuild::WriteLzmaPayload(input, LzmaSettings{0, 4, 2, 1 << 16})), input);
  ASSERT_NE(Statics<GameStatics>()->cGame_lzmaProbs, nullptr);
  EXPECT_EQ(Statics<GameStatics>()->cGame_lzmaProbs->length, 14134) << "lc + lp of 4 is kept";
}

void MakeGarbage(int count) {
  for (int i = 0; i < count; i++) NewByteArray(512);
}

// Garbage made before a small entry outlives its decoding; a large entry (its input alone
// 300 KB) asks for a collection, which takes the garbage.
TEST_F(LzmaTest, OnlyALargeEntryAsksForACollection) {
  host::ManualClock clock(host::RealTickCount() + 10 * kGcInterval);
  host::UseClock(&clock);
  const Bytes smallInput = Text();
  const Bytes largeInput = RandomBytes(300 * 1024, 4);
  ByteArray* small = ManagedBytes(databuild::WriteLzmaPayload(smallInput));
  ByteArray* large = ManagedBytes(databuild::WriteLzmaPayload(largeInput));
  constexpr int kGarbage = 400;
  ObjectManager* objects = application_.objectManager;

  MakeGarbage(kGarbage);
  const int32_t withGarbage = objects->objectCount();
  cGame::lzmaDecode(small);
  ASSERT_NE(Statics<GameStatics>()->cGame_lzmaOutput, nullptr);
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  EXPECT_GE(objects->objectCount(), withGarbage) << "no collection after a small entry";

  clock.advance(10 * kGcInterval);
  cGame::lzmaDecode(large);
  ASSERT_NE(Statics<GameStatics>()->cGame_lzmaOutput, nullptr);
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  EXPECT_LT(objects->objectCount(), withGarbage - kGarbage / 2) << "a collection after a large one";
  host::UseClock(nullptr);
}

// ---- Limits of the data heap --------------------------------------------------------------

// A runtime whose data heap has the given size.
template <int32_t DataHeapSize>
class HeapSizedTest : public ::testing::Test {
 protected:
  void SetUp() override { context_.init(kObjectHeapSize, DataHeapSize); }
  void TearDown() override { context_.close(); }
  ApplicationImpl context_;
  Application& application_ = *context_.application;
};

using LzmaSmallHeapTest = HeapSizedTest<64 * 1024>;

TEST_F(LzmaSmallHeapTest, ArraysLargerThanTheDataHeapAreRefused) {
  TraceCapture trace;
  EXPECT_EQ(Decode(Payload(0x5D, 64 * 1024 + 1, {})), std::nullopt);
  EXPECT_EQ(Decode(Payload((0 * 5 + 4) * 9 + 4, 1, {0, 0, 0, 0, 0})), std::nullopt);  // lc 4, lp 4
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{
                "cGame::lzmaDecode(): unpacked size 65537 is beyond the limit of 65536 bytes",
                "cGame::lzmaDecode(): 198454 probabilities (lc 4, lp 4) do not fit the data "
                "heap"}));
  const Bytes input(2000, 'x');
  EXPECT_EQ(Decode(databuild::WriteLzmaPayload(input)), input);
}

using LzmaTightHeapTest = HeapSizedTest<128 * 1024>;

// With the data heap full of garbage, the decoder's allocations collect: its arrays, held
// only by the decoder while it allocates, survive, and the result is whole.
TEST_F(LzmaTightHeapTest, DecodesWhileItsAllocationsCollect) {
  const Bytes input = Text();
  ByteArray* payload = ManagedBytes(databuild::WriteLzmaPayload(input));
  MemoryManager* heap = application_.dataHeap;
  const int32_t before = application_.objectManager->objectCount();
  while (heap->usedBytes() < heap->heapSize() - 4 * 1024) NewByteArray(2 * 1024);
  const int32_t filled = application_.objectManager->objectCount();
  cGame::lzmaDecode(payload);
  EXPECT_LT(application_.objectManager->objectCount(), filled - (filled - before) / 2);
  ByteArray* output = Statics<GameStatics>()->cGame_lzmaOutput;
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  ASSERT_NE(output, nullptr);
  EXPECT_EQ(BytesOf(output), input);
}

using LzmaLargeHeapTest = HeapSizedTest<80 * 1024 * 1024>;

TEST_F(LzmaLargeHeapTest, UnpackedSizesAbove64MBAreRefused) {
  TraceCapture trace;
  EXPECT_EQ(Decode(Payload(0x5D, 64 * 1024 * 1024 + 1, {})), std::nullopt);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{"cGame::lzmaDecode(): unpacked size 67108865 "
                                                    "is beyond the limit of 67108864 bytes"});
}

}  // namespace
