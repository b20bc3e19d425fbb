// The layout records of the screen layout (pack entry 0) and the menu layouts (entries 1..19),
// parsed into short[] records, the shared numbering of their animation players, and the
// players made and dropped. Every record read lies wholly inside its entry; a record that
// would not stops the entry there.
#include "engine/mqlib_player.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/trace.h"

// On-file record, every word a little-endian signed 16-bit value, records back to back:
//   word 0      type
//   word 1      ignored (read past, not stored)
//   word 2, 3   x, y in screen pixels
//   word 4      n, the count of value words that follow
//   word 5..    value 0 .. value n - 1
// In memory a record is short[n + 3] {type, x, y, value 0 ...}; an animated record (type 5,
// in menus also 11 and 23) with exactly five values gets two more: its player slot and its
// state, both 0 until set.

namespace {

constexpr int32_t kRecordHeaderBytes = 10;  // the five words before the values
constexpr int32_t kOpener = 1;
constexpr int32_t kAnimatedValues = 5;
constexpr int32_t kHeaderLength = 4;

struct RecordHead {
  int32_t type, x, y, n;
};

// The record at dataCursor, which then moves past its values; the values stay unread.
RecordHead ReadHead(ByteArray* data) {
  RecordHead head;
  head.type = cGame::readShort(data);
  cGame::readShort(data);
  head.x = cGame::readShort(data);
  head.y = cGame::readShort(data);
  head.n = cGame::readShort(data);
  return head;
}

// The byte offset where the whole records of the entry end: a record whose header or values
// run past the data, or whose count is negative, ends the entry there with one trace line.
int32_t WholeRecordsEnd(ByteArray* data, int32_t entry) {
  const int32_t length = data->length;
  int32_t at = 0;
  while (at < length) {
    cGame::setDataCursor(at);
    const int32_t n = length - at >= kRecordHeaderBytes ? ReadHead(data).n : -1;
    const int64_t end = static_cast<int64_t>(at) + kRecordHeaderBytes + 2 * int64_t{n};
    if (n < 0 || end > length) {
      DebugLog(
          "cGame: layout entry %d: the record at offset %d runs past the entry's %d bytes "
          "(%d values); the records after it are dropped",
          entry, at, length, n);
      return at;
    }
    at = static_cast<int32_t>(end);
  }
  return at;
}

bool IsAnimatedInMenu(int32_t type) {
  return type == 5 || type == 11 || type == 23;
}

// A new short[] of the record at dataCursor, the cursor moved past it; two elements more for
// an animated record that carries its five values.
ShortArray* ReadRecord(ByteArray* data, bool animated, int32_t originX, int32_t originY) {
  const RecordHead head = ReadHead(data);
  const int32_t extra = animated && head.n == kAnimatedValues ? 2 : 0;
  ShortArray* record = NewShortArray(head.n + 3 + extra);
  int16_t* out = record->elements();
  out[0] = static_cast<int16_t>(head.type);
  out[1] = static_cast<int16_t>(head.x - originX);
  out[2] = static_cast<int16_t>(head.y - originY);
  for (int32_t k = 0; k < head.n; k++) out[3 + k] = static_cast<int16_t>(cGame::readShort(data));
  return record;
}

// Stores value into element i of array, read afresh: an allocation may have moved its body.
void Store(ObjectArray* array, int32_t i, Object* value) {
  array->elements()[i] = value;
}

// A record that owns a player slot: its type animated where it stands and its two extra
// elements present.
bool HasPlayerSlot(ShortArray* record, bool inMenu) {
  if (!record || record->length != 3 + kAnimatedValues + 2) return false;
  const int32_t type = record->elements()[0];
  return inMenu ? IsAnimatedInMenu(type) : type == 5;
}

// Clears the player of an animated record; with clearState also its state.
void ResetRecordPlayer(ShortArray* record, bool inMenu, bool clearState) {
  if (!HasPlayerSlot(record, inMenu)) return;
  cGame::setRecordPlayer(record, nullptr);
  if (clearState) cGame::setLayoutValue(record, 6, 0);
}

constexpr int32_t kFirstSpriteSlot = 9;
constexpr int32_t kMenuBackSlot = 21;

// A player over the record's sprite at its place, looping its animation, in its slot; the
// record shown. A sprite slot outside the table gives a player that paints nothing.
void MakePlayer(ShortArray* record) {
  if (!cGame::hasPlayerSlot(record)) return;
  ASprite* sprite =
      actor_support::SpriteInSlot(cGame::layoutValue(record, 1, 0) + kFirstSpriteSlot);
  auto* player = NewObject<MQLibPlayer>(sprite, cGame::recordX(record), cGame::recordY(record));
  player->setAnim(cGame::layoutValue(record, 2, 0), -1);
  cGame::setRecordPlayer(record, player);
  cGame::setLayoutValue(record, 6, 1);
}

}  // namespace

// ---- Parsing -------------------------------------------------------------------------------

void cGame::initMenuTables() {
  Statics<GameStatics>()->cGame_menuLayouts = NewObjectArray(cid::Object, kMenuLayoutCount);
}

// Groups open at each type-1 record; the records before the first opener belong to no group
// and are skipped (traced). Within a group every record but the opener is stored relative to
// the opener's x and y.
void cGame::parseLayout(ByteArray* data) {
  GameStatics* s = Statics<GameStatics>();
  if (!data) {
    DebugLog("cGame::parseLayout: the screen layout entry is missing; no screen groups");
    s->cGame_screenLayout = NewObjectArray(cid::Object, 0);
    return;
  }
  const int32_t end = WholeRecordsEnd(data, 0);
  // Pass 1: the openers, and the records that precede the first of them.
  int32_t groups = 0, orphans = 0;
  for (setDataCursor(0); s->cGame_dataCursor < end;) {
    const RecordHead head = ReadHead(data);
    s->cGame_dataCursor += 2 * head.n;
    if (head.type == kOpener)
      groups++;
    else if (groups == 0)
      orphans++;
  }
  if (orphans > 0) {
    DebugLog("cGame::parseLayout: %d records before the first screen group are skipped", orphans);
  }
  s->cGame_screenLayout = NewObjectArray(cid::Object, groups);
  // Pass 2: each group sized by the records up to the next opener.
  int32_t group = -1, members = 0;
  auto close = [&] {
    if (group >= 0) Store(s->cGame_screenLayout, group, NewObjectArray(cid::Object, 1 + members));
  };
  for (setDataCursor(0); s->cGame_dataCursor < end;) {
    const RecordHead head = ReadHead(data);
    s->cGame_dataCursor += 2 * head.n;
    if (head.type == kOpener) {
      close();
      group++;
      members = 0;
    } else {
      members++;
    }
  }
  close();
  // Pass 3: the records.
  group = -1;
  int32_t item = 0, originX = 0, originY = 0;
  for (setDataCursor(0); s->cGame_dataCursor < end;) {
    const int32_t at = s->cGame_dataCursor;
    const RecordHead head = ReadHead(data);
    setDataCursor(at);
    if (head.type == kOpener) {
      group++;
      item = 0;
      originX = originY = 0;
    } else if (group < 0) {
      s->cGame_dataCursor = at + kRecordHeaderBytes + 2 * head.n;
      continue;
    } else {
      item++;
    }
    ShortArray* record = ReadRecord(data, head.type == 5, originX, originY);
    if (head.type == kOpener) originX = head.x, originY = head.y;
    Store(CheckCast<ObjectArray>(s->cGame_screenLayout->elements()[group]), item, record);
  }
}

// Menu layout t: element 0 its header {layout record, layout type, first type-4 record, last
// type-11 record}, then its records in file order with their own x and y.
void cGame::parseLayoutTable(int32_t t, ByteArray* data) {
  GameStatics* s = Statics<GameStatics>();
  if (t < 1 || t >= kMenuLayoutCount) {
    DebugLog("cGame::parseLayoutTable: menu layout %d is outside 1..%d; not read", t,
             kMenuLayoutCount - 1);
    return;
  }
  if (!data) {
    DebugLog("cGame::parseLayoutTable: the entry of menu layout %d is missing; not read", t);
    return;
  }
  if (!s->cGame_menuLayouts) initMenuTables();
  const int32_t end = WholeRecordsEnd(data, t);
  int32_t count = 0;
  for (setDataCursor(0); s->cGame_dataCursor < end; count++) {
    s->cGame_dataCursor += 2 * ReadHead(data).n;
  }
  ObjectArray* layout = NewObjectArray(cid::Object, count + 1);
  Store(s->cGame_menuLayouts, t, layout);
  Store(layout, 0, NewShortArray(kHeaderLength));
  int32_t layoutIndex = -1, layoutType = 0, firstRow = 0, movingItem = 0;
  setDataCursor(0);
  for (int32_t i = 1; i <= count; i++) {
    const int32_t at = s->cGame_dataCursor;
    const int32_t type = ReadHead(data).type;
    setDataCursor(at);
    if (isLayoutType(type)) {
      layoutIndex = i;
      layoutType = type;
    } else if (type == 11) {
      movingItem = i;
    } else if (type == 4 && firstRow == 0) {
      firstRow = i;
    }
    Store(layout, i, ReadRecord(data, IsAnimatedInMenu(type), 0, 0));
  }
  int16_t* header = CheckCast<ShortArray>(layout->elements()[0])->elements();
  header[0] = static_cast<int16_t>(layoutIndex);
  header[1] = static_cast<int16_t>(layoutType);
  header[2] = static_cast<int16_t>(firstRow);
  header[3] = static_cast<int16_t>(movingItem);
}

bool cGame::isLayoutType(int32_t type) {
  switch (type) {
    case 3:
    case 10:
    case 12:
    case 13:
    case 14:
    case 16:
    case 19:
    case 20:
    case 22:
    case 24:
    case 25:
      return true;
    default:
      return false;
  }
}

// ---- Animation slots -----------------------------------------------------------------------

// One slot per animated record, screen groups first, then menus 0..19, each in order.
void cGame::assignAnimationSlots() {
  GameStatics* s = Statics<GameStatics>();
  int32_t counter = -1;
  auto number = [&counter](ObjectArray* records, int32_t first, bool inMenu) {
    for (int32_t i = first; records && i < records->length; i++) {
      auto* record = CheckCast<ShortArray>(records->elements()[i]);
      if (HasPlayerSlot(record, inMenu))
        record->elements()[3 + 5] = static_cast<int16_t>(++counter);
    }
  };
  ObjectArray* groups = s->cGame_screenLayout;
  for (int32_t g = 0; groups && g < groups->length; g++) {
    number(CheckCast<ObjectArray>(groups->elements()[g]), 0, false);
  }
  ObjectArray* menus = s->cGame_menuLayouts;
  for (int32_t t = 0; menus && t < menus->length; t++) {
    number(CheckCast<ObjectArray>(menus->elements()[t]), 1, true);
  }
  s->cGame_layoutPlayers = NewObjectArray(cid::MQLibPlayer, counter + 1);
}

void cGame::resetLayoutAnimations(int32_t g) {
  ObjectArray* group = screenGroup(g);
  for (int32_t i = 0; group && i < group->length; i++) {
    ResetRecordPlayer(CheckCast<ShortArray>(group->elements()[i]), false, true);
  }
}

// The state of each record stays: a record shown before shows again once its player is made.
void cGame::resetMenuAnimations(int32_t t) {
  ObjectArray* layout = menuLayout(t);
  for (int32_t i = 1; layout && i < layout->length; i++) {
    ResetRecordPlayer(CheckCast<ShortArray>(layout->elements()[i]), true, false);
  }
}

// ---- Players -------------------------------------------------------------------------------

void cGame::createScreenPlayers(int32_t group) {
  for (int32_t i = 0; i < screenGroupSize(group); i++) {
    ShortArray* record = groupRecord(group, i);
    if (recordType(record) == 5) MakePlayer(record);
  }
}

void cGame::createMenuPlayers(int32_t menu) {
  for (int32_t i = 1; i <= menuRecordCount(menu); i++) {
    ShortArray* record = menuRecord(menu, i);
    const int32_t type = recordType(record);
    if (type == 5 || type == 11) MakePlayer(record);
  }
}

void cGame::createMenuHeaderPlayer() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_screenBackPlayer =
      NewObject<MQLibPlayer>(actor_support::SpriteInSlot(kMenuBackSlot), 0, 0);
  s->cGame_screenBackPlayer->setAnim(0, -1);
}
