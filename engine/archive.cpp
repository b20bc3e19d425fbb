// cGame's index of the resource archive "data.bar": read once, then every lookup opens the
// archive again and hands out a stream bounded to one entry. Entries that lie outside the
// archive file are never handed out.
#include <algorithm>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/data_input_stream.h"
#include "javame/file.h"
#include "javame/resource_input_stream.h"
#include "platform/device_path.h"
#include "platform/file_input_stream.h"
#include "platform/install_paths.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// Index, big-endian, at the start of the file:
//   offset 0  s16  entry count N (a negative count reads as 0)
//   then N records:
//     u16 + L  name: byte length L, then L bytes of modified UTF-8
//     s32      offset of the entry's bytes from the start of the file
//     s32      size of the entry in bytes
struct IndexRecord {
  String* name;
  int32_t offset;
  int32_t size;
};

int32_t ReadCount(java_io_DataInputStream* in) {
  const int32_t count = in->readShort();
  if (DiscardPendingException()) {
    DebugLog("data.bar: the index ends before its entry count; no entries");
    return 0;
  }
  if (count < 0) {
    DebugLog("data.bar: the entry count %d is negative; no entries", count);
    return 0;
  }
  return count;
}

// Reads records into the index arrays until count are read or the index ends.
void ReadRecords(java_io_DataInputStream* in, int32_t count) {
  GameStatics* s = Statics<GameStatics>();
  for (int32_t i = 0; i < count; i++) {
    IndexRecord record;
    record.name = in->readUTF();
    record.offset = DiscardPendingException() ? 0 : in->readInt();
    record.size = DiscardPendingException() ? 0 : in->readInt();
    if (DiscardPendingException() || !record.name) {
      DebugLog("data.bar: the index ends inside entry %d of %d; the %d before it are kept", i,
               count, i);
      return;
    }
    s->cGame_archiveNames->elements()[i] = record.name;
    s->cGame_archiveOffsets->elements()[i] = record.offset;
    s->cGame_archiveSizes->elements()[i] = record.size;
  }
}

// Whether entry i is the one called name less skip leading units: the whole names, letters
// compared without regard to ASCII case.
bool EntryMatches(String* entryName, String* name, int32_t skip) {
  if (!entryName) return false;  // left unread by a cut index
  const int32_t length = std::max(name->length() - skip, entryName->length());
  return entryName->regionMatches(true, 0, name, skip, length);
}

// The first entry called name, or -1.
int32_t FindEntry(String* name) {
  ObjectArray* names = Statics<GameStatics>()->cGame_archiveNames;
  if (!names) return -1;
  const int32_t skip = name->length() > 0 && name->characters[0] == u'/' ? 1 : 0;
  for (int32_t i = 0; i < names->length; i++) {
    if (EntryMatches(static_cast<String*>(names->elements()[i]), name, skip)) return i;
  }
  return -1;
}

// The archive opened and moved to entry i, or null (traced) when the entry's bytes do not lie
// inside the file.
FileInputStream* OpenAtEntry(int32_t i) {
  GameStatics* s = Statics<GameStatics>();
  FileInputStream* file = s->cGame_archiveFile->openInputStream();
  if (!file) {
    DebugLog("data.bar: the archive no longer opens");
    return nullptr;
  }
  const int64_t offset = s->cGame_archiveOffsets->elements()[i];
  const int64_t size = s->cGame_archiveSizes->elements()[i];
  if (offset < 0 || size < 0 || offset + size > file->size) {
    DebugLog(
        "data.bar: entry \"%s\" (offset %lld, size %lld) lies outside the archive's %lld "
        "bytes",
        PrintablePath(static_cast<String*>(s->cGame_archiveNames->elements()[i])).c_str(),
        static_cast<long long>(offset), static_cast<long long>(size),
        static_cast<long long>(file->size));
    file->close();
    return nullptr;
  }
  if (file->skip(offset) != offset) {
    DebugLog("data.bar: the archive cannot be positioned at offset %lld",
             static_cast<long long>(offset));
    file->close();
    return nullptr;
  }
  return file;
}

}  // namespace

void cGame::loadArchiveIndex() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_archiveNames = nullptr;
  s->cGame_archiveOffsets = nullptr;
  s->cGame_archiveSizes = nullptr;
  s->cGame_archiveFile = NewObject<javax_microedition_io_File>(GetDataBarPath()->toLowerCase());
  FileInputStream* file = s->cGame_archiveFile ? s->cGame_archiveFile->openInputStream() : nullptr;
  if (!file) {
    DebugLog("data.bar: the archive does not open; no entries");
    return;
  }
  auto* in = NewObject<java_io_DataInputStream>(file);
  if (!in) {
    file->close();
    return;
  }
  const int32_t count = ReadCount(in);
  ObjectArray* names = s->cGame_archiveNames = NewObjectArray(cid::String, count);
  IntArray* offsets = s->cGame_archiveOffsets = NewIntArray(count);
  IntArray* sizes = s->cGame_archiveSizes = NewIntArray(count);
  // An array whose body could not be had comes back empty, not null.
  if (names && names->length == count && offsets && offsets->length == count && sizes &&
      sizes->length == count) {
    ReadRecords(in, count);
  } else {
    DebugLog("data.bar: no memory for an index of %d entries; no entries", count);
    s->cGame_archiveNames = nullptr;
    s->cGame_archiveOffsets = nullptr;
    s->cGame_archiveSizes = nullptr;
  }
  in->close();
}

java_io_InputStream* cGame::findArchiveEntry(String* name) {
  if (!NullCheck(name)) return nullptr;
  if (!Statics<GameStatics>()->cGame_archiveFile) loadArchiveIndex();
  const int32_t i = FindEntry(name);
  if (i < 0) return nullptr;
  FileInputStream* file = OpenAtEntry(i);
  if (!file) return nullptr;
  return NewObject<javax_microedition_io_ResourceInputStream>(
      file, Statics<GameStatics>()->cGame_archiveSizes->elements()[i]);
}
