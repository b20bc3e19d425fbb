// cGame's text table: every text the game shows, by number. After loadTextPack only the cache
// of Strings remains. Offsets are checked when read: a text that would start before the one
// before it ends, or run past the data, reads as null.
#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "javame/input_stream.h"
#include "platform/device_path.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

// Table, little-endian:
//   offset 0       s32      text count N
//   offset 4       s32 x N  end of each text in the data (text i starts where i - 1 ends)
//   offset 4 + 4N  ...      the texts' UTF-8 bytes one after the other, no terminators

namespace {

constexpr int32_t kUtf8Encoding = 270;  // string constant naming the UTF-8 encoding

// The count, or 0 (traced) when it is cut off, negative, or larger than the bytes left.
int32_t ReadTextCount(java_io_InputStream* in, const std::string& resource) {
  const int32_t count = cGame::readStreamInt(in);
  if (GetPendingException()) {
    ClearPendingException();
    DebugLog("%s: the table ends before its text count; no texts", resource.c_str());
    return 0;
  }
  if (count < 0 || static_cast<int64_t>(count) * 4 > in->available()) {
    DebugLog("%s: the text count %d does not fit the table's %d bytes; no texts", resource.c_str(),
             count, in->available() + 4);
    return 0;
  }
  return count;
}

// Reads the N end offsets into offsets[1..N]. From the first end that does not read, decreases
// or passes the data's end on, every text is made empty, so it reads as null. After a decreasing
// end the rest are still read, so the data starts where it should; after a cut nothing is read.
void ReadEnds(java_io_InputStream* in, IntArray* offsets, int32_t dataBytes,
              const std::string& resource) {
  bool bad = false;
  bool cut = false;  // the stream ended or failed: nothing more is read from it
  for (int32_t i = 1; i < offsets->length; i++) {
    const int32_t end = cut ? 0 : cGame::readStreamInt(in);
    int32_t* ends = offsets->elements();
    if (!cut && GetPendingException()) {
      ClearPendingException();
      if (!bad) {
        DebugLog(
            "%s: the table ends inside the end of text %d; it and the texts after it read "
            "as null",
            resource.c_str(), i - 1);
      }
      cut = bad = true;
    } else if (!bad && (end < ends[i - 1] || end > dataBytes)) {
      DebugLog("%s: text %d ends at %d, outside %d..%d; it and the texts after it read as null",
               resource.c_str(), i - 1, end, ends[i - 1], dataBytes);
      bad = true;
    }
    ends[i] = bad ? ends[i - 1] : end;
  }
}

// The table read from in into the text statics; the bytes consumed.
int32_t ReadTable(java_io_InputStream* in, const std::string& resource) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t count = ReadTextCount(in, resource);
  const int32_t dataBytes = in->available() - 4 * count;
  IntArray* offsets = NewIntArray(count + 1);
  if (!offsets || offsets->length != count + 1) return 4;
  ReadEnds(in, offsets, dataBytes, resource);
  const int32_t length = offsets->elements()[count];
  ByteArray* data = NewByteArray(length);
  if (!data || data->length != length) {
    DebugLog("%s: no memory for %d bytes of text", resource.c_str(), length);
    return 4 * (count + 1);
  }
  cGame::readStreamFullyFrom(in, data, 0, length);
  s->cGame_textOffsets = offsets;
  s->cGame_textData = data;
  s->cGame_textCount = count;
  return 4 * (count + 1) + length;
}

}  // namespace

void cGame::freeTextTable() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_textCount = 0;
  s->cGame_textOffsets = nullptr;
  s->cGame_textData = nullptr;
  s->cGame_textCache = nullptr;
}

// The entry is read whole first (and decoded when it is LZMA), so the table is parsed from its
// bytes and never past them.
void cGame::loadTextPack(String* pack, int32_t entry) {
  freeTextTable();
  openPack(pack);
  ByteArray* bytes = readPackEntry(entry);
  closeResourceStream();
  if (!bytes) return;
  auto* in = NewObject<java_io_ByteArrayInputStream>(bytes);
  if (!in) return;
  ReadTable(in, "text pack \"" + PrintablePath(pack) + "\" entry " + std::to_string(entry));
  buildStringCache();
}

int32_t cGame::readTextTable(java_io_InputStream* in) {
  if (!NullCheck(in)) return 0;
  return ReadTable(in, "cGame::readTextTable");
}

void cGame::buildStringCache() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t count = s->cGame_textCount;
  ObjectArray* cache = NewObjectArray(cid::String, count);
  if (!cache || cache->length != count) return;
  for (int32_t i = 0; i < count; i++) {
    String* text = getString(i);
    cache->elements()[i] = text;
  }
  s->cGame_textCache = cache;
  s->cGame_textOffsets = nullptr;
  s->cGame_textData = nullptr;
  java_lang_System::gc();
}

String* cGame::getString(int32_t i) {
  GameStatics* s = Statics<GameStatics>();
  if (ObjectArray* cache = s->cGame_textCache) {
    if (!IndexInRange("cGame::getString", i, cache->length)) return nullptr;
    return static_cast<String*>(cache->elements()[i]);
  }
  if (!s->cGame_textOffsets || !IndexInRange("cGame::getString", i, s->cGame_textCount)) {
    return nullptr;
  }
  const int32_t start = s->cGame_textOffsets->elements()[i];
  const int32_t end = s->cGame_textOffsets->elements()[i + 1];
  if (start == end) return nullptr;
  String* encoding = s->cGame_textEncoding;
  if (encoding && encoding->equals(GetConstantString(kUtf8Encoding))) {
    return decodeUtf8(s->cGame_textData, start, end - start);
  }
  return NewObject<String>(s->cGame_textData, start, end - start, encoding);
}
