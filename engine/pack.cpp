// cGame's resource packs: the one open pack, positioned on an entry and read as bytes or as a
// value tree. The header and every offset table are checked when read, so a seek only ever
// moves to a position inside the part file it names.
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "engine/value_tree.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "javame/input_stream.h"
#include "platform/device_path.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

// Base file, little-endian:
//   offset 0       u16         total entry count T
//   offset 2       s16         part count P, at least 1
//   offset 4       s16 x P     first entry of each part: 0 for part 0, non-decreasing, <= T
//   offset 4 + 2P  u32 x (n+1) offset table of part 0, then the entries of part 0
// Part file k (1 .. P-1), named pack name + string constant 306 + k: its offset table, then
// its entries. Part k holds n = first(k+1) - first(k) entries (the last part T - first(P-1));
// offsets are absolute positions in the part's file, non-decreasing, between the end of the
// table and the end of the file. Entry e of part k spans offsets[i] .. offsets[i+1] with
// i = e - first(k): a type byte (0..126 plain; 127..255 LZMA, type = byte - 127), then the
// payload. An entry of size 0 has no type byte.

namespace {

constexpr int32_t kFirstCompressedType = 127;
constexpr int32_t kPartNameInfix = 306;    // string constant between pack name and part number
constexpr int32_t kWholePack = INT32_MIN;  // a fault of the pack, not of one entry

// One trace line naming the open pack (and the entry, unless it is kWholePack) and what was
// wrong.
__attribute__((format(printf, 2, 3))) void TracePack(int32_t entry, const char* format, ...) {
  char what[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(what, sizeof what, format, arguments);
  va_end(arguments);
  const std::string pack = PrintablePath(Statics<GameStatics>()->cGame_packName);
  if (entry == kWholePack) {
    DebugLog("pack \"%s\": %s", pack.c_str(), what);
  } else {
    DebugLog("pack \"%s\" entry %d: %s", pack.c_str(), entry, what);
  }
}

int32_t FirstEntry(int32_t part) {
  return Statics<GameStatics>()->cGame_packPartFirstEntry->elements()[part];
}

// The number of entries in part k.
int32_t PartEntryCount(int32_t part) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t end =
      part + 1 < s->cGame_packPartCount ? FirstEntry(part + 1) : s->cGame_packEntryCount;
  return end - FirstEntry(part);
}

// The highest part whose first entry is at most e.
int32_t PartOfEntry(int32_t e) {
  int32_t part = Statics<GameStatics>()->cGame_packPartCount - 1;
  while (part > 0 && FirstEntry(part) > e) part--;
  return part;
}

// The resource name of part k's file: the pack name itself for part 0.
String* PartFileName(int32_t part) {
  String* name = Statics<GameStatics>()->cGame_packName;
  if (part == 0) return name;
  auto* buffer = NewObject<StringBuffer>(16);
  buffer->append(name);
  buffer->append(GetConstantString(kPartNameInfix));
  buffer->append(part);
  return buffer->toString();
}

// Reads T, P and the first-entry table from packStream; false (traced) when they are bad.
bool ReadPackHeader() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t entryCount = cGame::readCurrentShort();
  const int32_t partCount = static_cast<int16_t>(cGame::readCurrentShort());
  if (!s->cGame_packStream) {
    TracePack(kWholePack, "the header is cut short");
    return false;
  }
  if (partCount < 1) {
    TracePack(kWholePack, "the part count %d is not positive", partCount);
    return false;
  }
  ShortArray* firsts = NewShortArray(partCount);
  if (!firsts || firsts->length != partCount) return false;
  int32_t previous = 0;
  for (int32_t k = 0; k < partCount; k++) {
    const int32_t first = static_cast<int16_t>(cGame::readCurrentShort());
    const bool bad = k == 0 ? first != 0 : first < previous || first > entryCount;
    if (bad) {
      TracePack(kWholePack, "part %d starts at entry %d (after %d, of %d entries)", k, first,
                previous, entryCount);
      return false;
    }
    firsts->elements()[k] = static_cast<int16_t>(first);
    previous = first;
  }
  if (!s->cGame_packStream) {
    TracePack(kWholePack, "the part table is cut short");
    return false;
  }
  s->cGame_packEntryCount = entryCount;
  s->cGame_packPartCount = static_cast<int16_t>(partCount);
  s->cGame_packPartFirstEntry = firsts;
  s->cGame_packPart = 0;
  return true;
}

// Forgets the open pack after a fault: the next openPack reads it afresh.
void ForgetPack() {
  cGame::closeResourceStream();
  GameStatics* s = Statics<GameStatics>();
  s->cGame_packName = nullptr;
  s->cGame_packPartOffsets = nullptr;
}

// After a part's table failed to load: no table is held, and packPart names no part, so the
// next seek into any part opens its file and reads its table again.
void ForgetPartTable() {
  cGame::closeResourceStream();
  GameStatics* s = Statics<GameStatics>();
  s->cGame_packPartOffsets = nullptr;
  s->cGame_packPart = -1;
}

// Opens part k's file into packStream and, when asked, reads its offset table. Part 0 is the
// whole pack opened again, header and all. False (traced) when it fails.
bool OpenPart(int32_t part, bool readTable) {
  GameStatics* s = Statics<GameStatics>();
  if (part == 0) {
    String* name = s->cGame_packName;
    s->cGame_packName = nullptr;  // so that openPack does not take it for the open pack
    cGame::openPack(name);
    return s->cGame_packName != nullptr;
  }
  s->cGame_packStream = cGame::openPackFile(PartFileName(part));
  s->cGame_packPosition = 0;
  if (!s->cGame_packStream) {
    TracePack(kWholePack, "part file %d does not open", part);
    if (readTable) ForgetPartTable();  // the table held belongs to another part
    return false;
  }
  if (readTable && !cGame::readPartOffsets()) {
    ForgetPartTable();
    return false;
  }
  return true;
}

}  // namespace

void cGame::openPack(String* name) {
  if (!NullCheck(name)) return;
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_packName && name->compareTo(s->cGame_packName) == 0) return;
  closeResourceStream();
  s->cGame_packName = name;
  s->cGame_packPartOffsets = nullptr;
  s->cGame_packStream = openPackFile(name);
  if (!s->cGame_packStream) {
    TracePack(kWholePack, "the pack does not open");
    s->cGame_packName = nullptr;
    return;
  }
  if (!ReadPackHeader() || !readPartOffsets()) ForgetPack();
}

bool cGame::readPartOffsets() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t part = s->cGame_packPart;
  const int32_t count = PartEntryCount(part) + 1;
  IntArray* offsets = NewIntArray(count);
  if (!offsets || offsets->length != count) return false;
  for (int32_t i = 0; i < count; i++) offsets->elements()[i] = readCurrentInt();
  java_io_InputStream* in = s->cGame_packStream;
  if (!in) {
    TracePack(kWholePack, "the offset table of part %d is cut short", part);
    return false;
  }
  // A u32 offset of 2^31 or more reads negative and fails the first test.
  const int64_t fileEnd = static_cast<int64_t>(s->cGame_packPosition) + in->available();
  int64_t previous = s->cGame_packPosition;
  for (int32_t i = 0; i < count; i++) {
    const int64_t offset = offsets->elements()[i];
    if (offset < previous || offset > fileEnd) {
      TracePack(kWholePack,
                "offset %d of part %d (%lld) is not between %lld and the file's end %lld", i, part,
                static_cast<long long>(offset), static_cast<long long>(previous),
                static_cast<long long>(fileEnd));
      return false;
    }
    previous = offset;
  }
  s->cGame_packPartOffsets = offsets;
  return true;
}

int32_t cGame::seekPackEntry(int32_t e) {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_packName) {
    DebugLog("cGame::seekPackEntry: entry %d: no pack is open", e);
    return -1;
  }
  if (e < 0 || e >= s->cGame_packEntryCount) {
    TracePack(e, "not one of the pack's %d entries", s->cGame_packEntryCount);
    return -1;
  }
  const int32_t part = PartOfEntry(e);
  if (part != s->cGame_packPart) {
    closeResourceStream();
    s->cGame_packPart = part;
    if (!OpenPart(part, true)) return -1;
  } else if (!s->cGame_packStream) {
    if (!OpenPart(part, part == 0)) return -1;
  }
  const int32_t i = e - FirstEntry(part);
  const int32_t start = s->cGame_packPartOffsets->elements()[i];
  const int32_t size = s->cGame_packPartOffsets->elements()[i + 1] - start;
  packSeek(start);
  s->cGame_packEntryCompressed = false;
  if (!s->cGame_packStream) {
    TracePack(e, "position %d of part %d cannot be reached", start, part);
    return -1;
  }
  if (size < 1) return size;
  const int32_t type = readStreamByte();
  if (!s->cGame_packStream) {
    TracePack(e, "the type byte does not read");
    return -1;
  }
  s->cGame_packEntryCompressed = type >= kFirstCompressedType;
  return size - 1;
}

void cGame::packSeek(int32_t pos) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_packStream && pos == s->cGame_packPosition) return;
  if (!s->cGame_packStream || pos < s->cGame_packPosition) {
    closeResourceStream();
    s->cGame_packStream = openPackFile(PartFileName(s->cGame_packPart));
    if (!s->cGame_packStream) return;
  }
  packSkip(pos - s->cGame_packPosition);
}

// Skips by positioning the file, not by reading through a buffer; the bookkeeping is the same.
void cGame::packSkip(int32_t n) {
  GameStatics* s = Statics<GameStatics>();
  if (n <= 0) return;
  java_io_InputStream* in = s->cGame_packStream;
  int64_t left = n;
  while (in && left > 0) {
    const int64_t skipped = in->skip(left);
    if (GetPendingException()) ClearPendingException();
    if (skipped <= 0) break;
    left -= skipped;
  }
  s->cGame_packPosition = s->cGame_packPosition + n;
  if (left > 0) closeResourceStream();
}

ByteArray* cGame::readPackEntry(int32_t e) {
  const int32_t size = seekPackEntry(e);
  if (size < 0) return nullptr;
  ByteArray* payload = NewByteArray(size);
  if (!payload || payload->length != size) {
    TracePack(e, "no memory for its %d bytes", size);
    return nullptr;
  }
  const int32_t read = readStreamFully(payload, 0, size);
  if (read < size) {
    TracePack(e, "the entry ends after %d of its %d bytes", read, size);
    return nullptr;
  }
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_packEntryCompressed) return payload;
  lzmaDecode(payload);
  ByteArray* output = s->cGame_lzmaOutput;
  s->cGame_lzmaOutput = nullptr;
  if (!output) TracePack(e, "its LZMA data does not decode");
  return output;
}

// The entry is read whole first, so the tree is parsed from its bytes and never past them.
Object* cGame::readPackEntryObject(int32_t e) {
  ByteArray* bytes = readPackEntry(e);
  if (!bytes) return nullptr;
  Statics<GameStatics>()->cGame_streamReadCount = 0;
  auto* in = NewObject<java_io_ByteArrayInputStream>(bytes);
  if (!in) return nullptr;
  const std::string resource = "pack \"" + PrintablePath(Statics<GameStatics>()->cGame_packName) +
                               "\" entry " + std::to_string(e);
  return ReadValueTree(in, resource);
}
