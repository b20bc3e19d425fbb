// cGame's LZMA decoder: one compressed pack entry decoded whole in memory. The output array
// is the dictionary that matches copy from, and decoding stops after exactly the header's
// unpacked size, where the stream must end too. Every input is checked before it sizes an
// allocation or indexes the output.
#include <cstring>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/memory_manager.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

// Payload header, little-endian:
//   offset 0   u8   properties byte d = (pb x 5 + lp) x 9 + lc
//   offset 1   u32  dictionary size (not needed: the output is the dictionary)
//   offset 5   u32  unpacked size U
//   offset 9   u32  high half of the 64-bit unpacked size (not used)
//   offset 13  ...  range-coded data
constexpr int32_t kHeaderSize = 13;
constexpr int32_t kPropertiesLimit = 9 * 5 * 5;         // 225 would need pb 5
constexpr uint32_t kUnpackedLimit = 64u * 1024 * 1024;  // far above any entry of the game
// Input and probability bytes from which an entry counts as large: a collection follows it.
constexpr int64_t kLargeEntryBytes = 256 * 1024;
// A probability array of at most this many bytes (lc + lp up to 4) is kept for the next entry.
constexpr int64_t kKeptProbabilityBytes = 32 * 1024;

// Layout of lzmaProbs (indices).
constexpr int32_t kIsMatch = 0;  // state x 16 + posState
constexpr int32_t kIsRep = 192;
constexpr int32_t kIsRepG0 = 204;
constexpr int32_t kIsRepG1 = 216;
constexpr int32_t kIsRepG2 = 228;
constexpr int32_t kIsRep0Long = 240;  // state x 16 + posState
constexpr int32_t kPosSlot = 432;     // 6-bit trees, 64 per length-to-position state
constexpr int32_t kSpecPos = 688;     // reverse trees of slots 4..13 at base - slot - 1
constexpr int32_t kAlign = 802;       // reverse 4-bit tree
constexpr int32_t kMatchLength = 818;
constexpr int32_t kRepLength = 1332;
constexpr int32_t kLiteral = 1846;  // one literal coder per context
constexpr int32_t kLiteralCoderSize = 768;

// Offsets inside a length coder.
constexpr int32_t kLenChoice = 0;
constexpr int32_t kLenChoice2 = 1;
constexpr int32_t kLenLow = 2;     // 3-bit trees, 8 per posState: lengths 0..7
constexpr int32_t kLenMid = 130;   // 3-bit trees, 8 per posState: lengths 8..15
constexpr int32_t kLenHigh = 258;  // 8-bit tree: lengths 16..271

// Probabilities are 11-bit fractions of one; each decision moves its probability 1/32 of
// the way towards the bit it saw. The range stays at least 2^24 between decisions.
constexpr int32_t kProbabilityBits = 11;
constexpr uint32_t kProbabilityOne = 1u << kProbabilityBits;
constexpr int16_t kProbabilityStart = kProbabilityOne / 2;
constexpr int32_t kMoveBits = 5;
constexpr uint32_t kTopValue = 1u << 24;

int32_t ProbabilityCount(int32_t lc, int32_t lp) {
  return kLiteral + (kLiteralCoderSize << (lc + lp));
}

// Sets count probabilities to one half. Each copy doubles the stretch already set, so the
// work is a few wide moves rather than one store per probability.
void ResetProbabilities(uint16_t* probs, int32_t count) {
  if (count <= 0) return;
  probs[0] = kProbabilityStart;
  for (int32_t done = 1; done < count;) {
    const int32_t n = done < count - done ? done : count - done;
    std::memcpy(probs + done, probs, static_cast<size_t>(n) * sizeof *probs);
    done += n;
  }
}

}  // namespace

// ---- Range decoder ------------------------------------------------------------------------

struct cGame::LzmaRangeDecoder {
  const uint8_t* input;  // the body of lzmaInput
  int32_t inputLength;
  int32_t inputPos;  // the next byte to read
  uint32_t range;
  uint32_t code;
  uint16_t* probs;  // the body of lzmaProbs

  void normalize() {
    if (range < kTopValue) {
      range <<= 8;
      code = code << 8 | static_cast<uint32_t>(lzmaReadByte(*this));
    }
  }

  // One decision without a branch, as a mask: 0 for a 0 bit, all ones for a 1. Tree and
  // literal bits are hard to predict, and a missed branch costs more than this arithmetic.
  uint32_t decisionMask(uint16_t* p) {
    const uint32_t prob = *p;
    const uint32_t bound = (range >> kProbabilityBits) * prob;
    const uint32_t mask = 0u - static_cast<uint32_t>(code >= bound);
    range = bound + ((range - 2 * bound) & mask);
    code -= bound & mask;
    const uint32_t up = prob + ((kProbabilityOne - prob) >> kMoveBits);
    const uint32_t down = prob - (prob >> kMoveBits);
    *p = static_cast<uint16_t>(up + ((down - up) & mask));
    normalize();
    return mask;
  }
};

// Input past the end reads as 0xFF.
inline int32_t cGame::lzmaReadByte(LzmaRangeDecoder& rc) {
  return rc.inputPos < rc.inputLength ? rc.input[rc.inputPos++] : 0xFF;
}

// The first byte of the data is shifted out of the 32-bit code (the encoder writes 0 there).
inline void cGame::lzmaInitRange(LzmaRangeDecoder& rc, ByteArray* data, int32_t length) {
  rc.input = reinterpret_cast<const uint8_t*>(data->elements());
  rc.inputLength = length;
  rc.inputPos = 0;
  rc.range = 0xFFFFFFFFu;
  rc.code = 0;
  for (int i = 0; i < 5; i++) rc.code = rc.code << 8 | static_cast<uint32_t>(lzmaReadByte(rc));
}

// With a branch: for the packet-kind decisions, which follow the data's shape and predict well.
inline int32_t cGame::lzmaDecodeBit(LzmaRangeDecoder& rc, int32_t index) {
  uint16_t* p = rc.probs + index;
  const uint32_t prob = *p;
  const uint32_t bound = (rc.range >> kProbabilityBits) * prob;
  int32_t bit;
  if (rc.code < bound) {
    rc.range = bound;
    *p = static_cast<uint16_t>(prob + ((kProbabilityOne - prob) >> kMoveBits));
    bit = 0;
  } else {
    rc.range -= bound;
    rc.code -= bound;
    *p = static_cast<uint16_t>(prob - (prob >> kMoveBits));
    bit = 1;
  }
  rc.normalize();
  return bit;
}

// Both children of the node being decoded are loaded before its bit is known, which takes
// the load off the chain from one bit to the next.
inline int32_t cGame::lzmaDecodeLiteral(LzmaRangeDecoder& rc, int32_t base) {
  uint16_t* coder = rc.probs + base;
  uint32_t symbol = 1;
  uint32_t prob = coder[1];
  for (int i = 0; i < 8; i++) {
    const uint32_t bound = (rc.range >> kProbabilityBits) * prob;
    const uint32_t next0 = coder[2 * symbol];
    const uint32_t next1 = coder[2 * symbol + 1];
    const uint32_t mask = 0u - static_cast<uint32_t>(rc.code >= bound);
    rc.range = bound + ((rc.range - 2 * bound) & mask);
    rc.code -= bound & mask;
    const uint32_t up = prob + ((kProbabilityOne - prob) >> kMoveBits);
    const uint32_t down = prob - (prob >> kMoveBits);
    coder[symbol] = static_cast<uint16_t>(up + ((down - up) & mask));
    symbol = symbol * 2 - mask;
    prob = next0 + ((next1 - next0) & mask);
    rc.normalize();
  }
  return static_cast<int32_t>(symbol & 0xFF);
}

// Bits take the match byte's bit as context (offs + matchBit is 0x100 or 0x200) until the
// first bit that differs from it; offs drops to 0 there and the rest is a plain literal.
inline int32_t cGame::lzmaDecodeLiteralMatched(LzmaRangeDecoder& rc, int32_t base,
                                               int32_t matchByte) {
  uint16_t* coder = rc.probs + base;
  uint32_t match = static_cast<uint32_t>(matchByte);
  uint32_t symbol = 1;
  uint32_t offs = 0x100;
  do {
    match <<= 1;
    const uint32_t matchBit = offs;
    offs &= match;
    const uint32_t mask = rc.decisionMask(coder + offs + matchBit + symbol);
    symbol = symbol * 2 - mask;
    offs ^= matchBit & ~mask;
  } while (symbol < 0x100);
  return static_cast<int32_t>(symbol & 0xFF);
}

inline int32_t cGame::lzmaDecodeBitTree(LzmaRangeDecoder& rc, int32_t base, int32_t bitCount) {
  uint16_t* tree = rc.probs + base;
  uint32_t m = 1;
  for (int32_t i = 0; i < bitCount; i++) m = m * 2 - rc.decisionMask(tree + m);
  return static_cast<int32_t>(m - (1u << bitCount));
}

inline int32_t cGame::lzmaDecodeReverseBitTree(LzmaRangeDecoder& rc, int32_t base,
                                               int32_t bitCount) {
  uint16_t* tree = rc.probs + base;
  uint32_t m = 1;
  uint32_t result = 0;
  for (int32_t i = 0; i < bitCount; i++) {
    const uint32_t mask = rc.decisionMask(tree + m);
    m = m * 2 - mask;
    result |= (mask & 1) << i;
  }
  return static_cast<int32_t>(result);
}

// A match length less 2: 0..271.
inline int32_t cGame::lzmaDecodeLength(LzmaRangeDecoder& rc, int32_t base, int32_t posState) {
  if (lzmaDecodeBit(rc, base + kLenChoice) == 0) {
    return lzmaDecodeBitTree(rc, base + kLenLow + posState * 8, 3);
  }
  if (lzmaDecodeBit(rc, base + kLenChoice2) == 0) {
    return 8 + lzmaDecodeBitTree(rc, base + kLenMid + posState * 8, 3);
  }
  return 16 + lzmaDecodeBitTree(rc, base + kLenHigh, 8);
}

// Bits of even probability, most significant first.
inline uint32_t cGame::lzmaDecodeDirectBits(LzmaRangeDecoder& rc, int32_t bitCount) {
  uint32_t result = 0;
  for (int32_t i = 0; i < bitCount; i++) {
    rc.range >>= 1;
    const uint32_t bit = rc.code >= rc.range;
    rc.code -= rc.range & (0u - bit);
    result = result << 1 | bit;
    rc.normalize();
  }
  return result;
}

// ---- Decoding loop ------------------------------------------------------------------------

namespace {

// The distance of a match less 1, from the position slot that its length selects. The end
// marker's 0xFFFFFFFF comes out as it is.
uint32_t DecodeDistance(cGame::LzmaRangeDecoder& rc, int32_t length) {
  const int32_t lengthState = length < 3 ? length : 3;
  const int32_t slot = cGame::lzmaDecodeBitTree(rc, kPosSlot + lengthState * 64, 6);
  if (slot < 4) return static_cast<uint32_t>(slot);
  const int32_t k = (slot >> 1) - 1;
  const uint32_t base = (2u | (slot & 1)) << k;
  if (slot < 14) {
    return base + static_cast<uint32_t>(cGame::lzmaDecodeReverseBitTree(
                      rc, kSpecPos - 1 + static_cast<int32_t>(base) - slot, k));
  }
  return base + (cGame::lzmaDecodeDirectBits(rc, k - 4) << 4) +
         static_cast<uint32_t>(cGame::lzmaDecodeReverseBitTree(rc, kAlign, 4));
}

// Copies count bytes to `to` from `from`, which lies before it. Where they overlap, the
// stretch repeats the bytes between them, so each pass may copy twice as much as the last.
void CopyMatch(uint8_t* to, const uint8_t* from, uint32_t count) {
  while (count > 0) {
    const uint32_t gap = static_cast<uint32_t>(to - from);
    const uint32_t n = gap < count ? gap : count;
    std::memcpy(to, from, n);
    to += n;
    count -= n;
  }
}

void TraceCorruptMatch(uint32_t rep0, uint32_t pos, uint32_t end) {
  if (rep0 == 0) {
    DebugLog("cGame::lzmaDecode(): end marker at output position %u of %u", pos, end);
  } else {
    DebugLog(
        "cGame::lzmaDecode(): match distance %u at output position %u reaches before the "
        "start of the output",
        rep0, pos);
  }
}

}  // namespace

// The packets: a literal; a match (new distance); a short repeat (one byte at rep0); a long
// repeat at rep0..rep3. Every distance is checked against the output written so far.
bool cGame::lzmaDecodeData(int32_t probBytes, int32_t lc, int32_t lp, int32_t pb, ByteArray* data,
                           int32_t unpackedSize) {
  const int32_t probCount = ProbabilityCount(lc, lp);
  if (probBytes < 2 * probCount) return true;
  LzmaRangeDecoder rc;
  rc.probs = reinterpret_cast<uint16_t*>(Statics<GameStatics>()->cGame_lzmaProbs->elements());
  ResetProbabilities(rc.probs, probCount);
  lzmaInitRange(rc, data, data->length);

  uint8_t* out = reinterpret_cast<uint8_t*>(Statics<GameStatics>()->cGame_lzmaOutput->elements());
  const uint32_t end = static_cast<uint32_t>(unpackedSize);
  const uint32_t pbMask = (1u << pb) - 1;
  const uint32_t lpMask = (1u << lp) - 1;
  uint32_t pos = 0;
  uint32_t previous = 0;  // the last byte out
  int32_t state = 0;      // 7 and above: the last packet was a match or repeat
  uint32_t rep0 = 1, rep1 = 1, rep2 = 1, rep3 = 1;
  while (pos < end) {
    const int32_t posState = static_cast<int32_t>(pos & pbMask);
    if (lzmaDecodeBit(rc, kIsMatch + (state << 4) + posState) == 0) {
      const int32_t coder =
          kLiteral +
          kLiteralCoderSize * static_cast<int32_t>((previous >> (8 - lc)) + ((pos & lpMask) << lc));
      previous =
          static_cast<uint32_t>(state >= 7 ? lzmaDecodeLiteralMatched(rc, coder, out[pos - rep0])
                                           : lzmaDecodeLiteral(rc, coder));
      out[pos++] = static_cast<uint8_t>(previous);
      state = state < 4 ? 0 : state < 10 ? state - 3 : state - 6;
      continue;
    }
    int32_t length;
    if (lzmaDecodeBit(rc, kIsRep + state) == 0) {
      rep3 = rep2;
      rep2 = rep1;
      rep1 = rep0;
      state = state < 7 ? 7 : 10;
      length = lzmaDecodeLength(rc, kMatchLength, posState);
      rep0 = DecodeDistance(rc, length) + 1;  // the end marker wraps to 0
    } else {
      if (lzmaDecodeBit(rc, kIsRepG0 + state) == 0) {
        if (lzmaDecodeBit(rc, kIsRep0Long + (state << 4) + posState) == 0) {
          if (rep0 > pos) break;
          state = state < 7 ? 9 : 11;
          previous = out[pos - rep0];
          out[pos++] = static_cast<uint8_t>(previous);
          continue;
        }
      } else {
        uint32_t distance;
        if (lzmaDecodeBit(rc, kIsRepG1 + state) == 0) {
          distance = rep1;
        } else {
          if (lzmaDecodeBit(rc, kIsRepG2 + state) == 0) {
            distance = rep2;
          } else {
            distance = rep3;
            rep3 = rep2;
          }
          rep2 = rep1;
        }
        rep1 = rep0;
        rep0 = distance;
      }
      state = state < 7 ? 8 : 11;
      length = lzmaDecodeLength(rc, kRepLength, posState);
    }
    if (rep0 == 0 || rep0 > pos) break;
    const uint32_t count = static_cast<uint32_t>(length) + 2;
    // The encoder never runs a match past the end: the header's size or the stream is wrong.
    if (count > end - pos) {
      DebugLog(
          "cGame::lzmaDecode(): a match of %u bytes at output position %u runs past the "
          "unpacked size of %u bytes",
          count, pos, end);
      return false;
    }
    uint8_t* to = out + pos;
    const uint8_t* from = to - rep0;
    if (count <= 16 && rep0 >= 16 && end - pos >= 16) {
      std::memcpy(to, from, 16);  // one fixed-size move; the bytes past count come again
    } else {
      CopyMatch(to, from, count);
    }
    pos += count;
    previous = out[pos - 1];
  }
  if (pos < end) {
    TraceCorruptMatch(rep0, pos, end);
    return false;
  }
  // The encoder's flush leaves the code at 0 once the last byte has been shifted in; any
  // other value means the stream was damaged even though it gave the full size.
  if (rc.code != 0) {
    DebugLog(
        "cGame::lzmaDecode(): the stream does not end with its %u bytes (range coder code "
        "0x%08X, not 0)",
        end, rc.code);
    return false;
  }
  return true;
}

// ---- Entry point --------------------------------------------------------------------------

namespace {

// The fields of the header that decoding uses.
struct LzmaHeader {
  int32_t lc;
  int32_t lp;
  int32_t pb;
  int32_t unpackedSize;
};

uint32_t DataHeapSize() {
  Application* application = GetApplication();
  return application ? static_cast<uint32_t>(application->dataHeap->heapSize()) : 0;
}

// The header's fields, or false (traced) when they are out of range: a properties byte that
// no lc, lp and pb give, or an output or probability array larger than the data heap (the
// output also at most kUnpackedLimit).
bool ParseHeader(ByteArray* payload, LzmaHeader* fields) {
  const int32_t d = static_cast<uint8_t>(payload->elements()[0]);
  if (d >= kPropertiesLimit) {
    DebugLog("cGame::lzmaDecode(): properties byte %d is not below %d", d, kPropertiesLimit);
    return false;
  }
  fields->pb = d / 45;
  fields->lp = d % 45 / 9;
  fields->lc = d % 9;
  const uint32_t unpackedSize = static_cast<uint32_t>(cGame::readIntLE(payload, 5));
  const uint32_t heapSize = DataHeapSize();
  const uint32_t limit = heapSize < kUnpackedLimit ? heapSize : kUnpackedLimit;
  if (unpackedSize > limit) {
    DebugLog("cGame::lzmaDecode(): unpacked size %u is beyond the limit of %u bytes", unpackedSize,
             limit);
    return false;
  }
  fields->unpackedSize = static_cast<int32_t>(unpackedSize);
  const int32_t probCount = ProbabilityCount(fields->lc, fields->lp);
  if (2 * static_cast<uint32_t>(probCount) > heapSize) {
    DebugLog("cGame::lzmaDecode(): %d probabilities (lc %d, lp %d) do not fit the data heap",
             probCount, fields->lc, fields->lp);
    return false;
  }
  return true;
}

// True when the array holds length elements; an allocation that failed is traced.
bool Allocated(const Array* array, int32_t length, const char* what) {
  if (array && array->length == length) return true;
  DebugLog("cGame::lzmaDecode(): no memory for the %s (%d elements)", what, length);
  return false;
}

// The probability array for count probabilities: the one kept from the last entry when it
// has that size, else a new one (a kept one of another size is let go first).
ShortArray* ProbabilityArray(int32_t count) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_lzmaProbs && s->cGame_lzmaProbs->length == count) return s->cGame_lzmaProbs;
  s->cGame_lzmaProbs = nullptr;
  return NewShortArray(count);
}

// Departure: a small probability array stays in lzmaProbs for the next entry, and only a large
// entry asks for a collection; the device dropped both arrays and collected after every entry.
// Making, clearing and collecting a table of some 16 KB cost more than decoding a 1 KB entry;
// what a large entry leaves behind is still collected at once.
void ReleaseDecoderArrays() {
  GameStatics* s = Statics<GameStatics>();
  const int64_t probBytes = 2 * int64_t{s->cGame_lzmaProbs ? s->cGame_lzmaProbs->length : 0};
  int64_t dropped = s->cGame_lzmaInput ? s->cGame_lzmaInput->length : 0;
  s->cGame_lzmaInput = nullptr;
  if (probBytes > kKeptProbabilityBytes) {
    s->cGame_lzmaProbs = nullptr;
    dropped += probBytes;
  }
  if (dropped >= kLargeEntryBytes) java_lang_System::gc();
}

}  // namespace

// Departure: the whole entry's bytes come in one array, read in full by the pack reader, which
// refuses a short read; the device read from the stream here and decoded the missing bytes as 0.
void cGame::lzmaDecode(ByteArray* payload) {
  Statics<GameStatics>()->cGame_lzmaOutput = nullptr;
  if (!NullCheck(payload)) return;
  if (payload->length < kHeaderSize) {
    DebugLog("cGame::lzmaDecode(): payload of %d bytes is shorter than its %d-byte header",
             payload->length, kHeaderSize);
    return;
  }
  LzmaHeader fields;
  if (!ParseHeader(payload, &fields)) return;

  // Each allocation may collect and compact: the arrays are held in locals, which the
  // collector finds on the stack, and each body is read from its array after them.
  const int32_t dataLength = payload->length - kHeaderSize;
  const int32_t probCount = ProbabilityCount(fields.lc, fields.lp);
  ByteArray* input = NewByteArray(dataLength);
  if (!Allocated(input, dataLength, "input")) return;
  if (dataLength > 0) {
    std::memcpy(input->elements(), payload->elements() + kHeaderSize, dataLength);
  }
  ByteArray* output = NewByteArray(fields.unpackedSize);
  if (!Allocated(output, fields.unpackedSize, "output")) return;
  ShortArray* probs = ProbabilityArray(probCount);
  if (!Allocated(probs, probCount, "probabilities")) return;

  GameStatics* s = Statics<GameStatics>();
  s->cGame_lzmaInput = input;
  s->cGame_lzmaProbs = probs;
  s->cGame_lzmaOutput = output;
  if (!lzmaDecodeData(2 * probCount, fields.lc, fields.lp, fields.pb, input, fields.unpackedSize)) {
    s->cGame_lzmaOutput = nullptr;
  }
  ReleaseDecoderArrays();
}
