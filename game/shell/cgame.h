// cGame: the game's canvas, its run loop and its state. Its members are defined in the file
// of their concern, named beside each group.
#pragma once

#include <cstdint>

#include "javame/displayable.h"
#include "runtime/interfaces.h"

class ByteArray;
class ShortArray;

class cGame : public javax_microedition_lcdui_Canvas, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::cGame;

  // The constant interfaces IDefines, ILoading and IMenus have no operations; each answers
  // with its own non-null address inside the object, never dereferenced.
  void* getInterface(int32_t interfaceId) override {
    char* self = reinterpret_cast<char*>(this);
    switch (interfaceId) {
      case cid::java_lang_Runnable: return static_cast<java_lang_Runnable*>(this);
      case cid::IDefines: return self + 1;
      case cid::ILoading: return self + 2;
      case cid::IMenus: return self + 3;
      default: return nullptr;
    }
  }
  void run() override {}

  // ---- LZMA decoder (engine/lzma.cpp) ----
  // Decodes one whole LZMA payload (the 13-byte header, then the range-coded data) into
  // lzmaOutput, exactly the header's unpacked size long. Bad input (short, bad properties,
  // a size or probability array too large, a match before the start of the output) gives
  // lzmaOutput null after a trace line. The caller takes lzmaOutput and clears it.
  static void lzmaDecode(ByteArray* payload);
  // Decodes unpackedSize bytes of data into lzmaOutput with lzmaProbs; nothing when probBytes
  // is less than twice the probability count. False (traced) when the data is corrupt.
  static bool lzmaDecodeData(int32_t probBytes, int32_t lc, int32_t lp, int32_t pb, ByteArray* data,
                             int32_t unpackedSize);

  // The range decoder. Its registers (range, code, input position) live in one local
  // LzmaRangeDecoder per decode rather than in statics, so the decoding loop keeps them in
  // machine registers.
  struct LzmaRangeDecoder;
  static int32_t lzmaReadByte(LzmaRangeDecoder& rc);
  static void lzmaInitRange(LzmaRangeDecoder& rc, ByteArray* data, int32_t length);
  static int32_t lzmaDecodeBit(LzmaRangeDecoder& rc, int32_t index);
  static int32_t lzmaDecodeLiteral(LzmaRangeDecoder& rc, int32_t base);
  static int32_t lzmaDecodeLiteralMatched(LzmaRangeDecoder& rc, int32_t base, int32_t matchByte);
  static int32_t lzmaDecodeBitTree(LzmaRangeDecoder& rc, int32_t base, int32_t bitCount);
  static int32_t lzmaDecodeReverseBitTree(LzmaRangeDecoder& rc, int32_t base, int32_t bitCount);
  static int32_t lzmaDecodeLength(LzmaRangeDecoder& rc, int32_t base, int32_t posState);
  static uint32_t lzmaDecodeDirectBits(LzmaRangeDecoder& rc, int32_t bitCount);

  // ---- Static initialisation: game/shell/static_init.cpp ----
  // The shell's start-up values: the canvas size that later initialisers derive sizes from.
  static void clinitTables();
};
