// The layout records' writer and the game's layouts. Positions are screen pixels on the 480 x
// 800 screen (map items: map pixels); sprites are named by their sprite table slot, fonts by
// their kind, and each screen's records stand in the order its painters read them.
#include "tools/databuild/layout_writer.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

void PutWord(std::vector<uint8_t>& out, int value) {
  if (value < -32768 || value > 32767) {
    throw BuildError("layout record word " + std::to_string(value) + " is not 16-bit");
  }
  PutU16(out, static_cast<uint16_t>(value));
}

// ---- Record makers -------------------------------------------------------------------------

enum Font { kBodyFont = 0, kTitleFont = 1, kHeadingFont = 2 };  // sprite slots 3, 4, 5
enum Align { kStart = 0, kCentre = 1, kEnd = 2 };
constexpr int kFirstSpriteSlot = 9;  // an animated record names slot value + 9

LayoutRecord Opener(int x, int y, int w, int h, int vertical, int horizontal) {
  return {1, x, y, {w, h, vertical, horizontal}};
}

LayoutRecord Variant(int key) {
  return {2, 0, 0, {key}};
}

struct TextLook {
  int font = kBodyFont;
  int palette = 0;
  int mode = 0;  // 1 wrapped
  int vertical = kCentre, horizontal = kCentre;
  int layer = 0;
};

LayoutRecord Text(int x, int y, int w, int h, TextLook look = {}) {
  return {6,
          x,
          y,
          {look.layer, w, h, look.mode, look.font, look.palette, look.vertical, look.horizontal}};
}

// An animated sprite; screenFixed 0 moves with the view origin.
LayoutRecord Sprite(int x, int y, int slot, int anim, int layer = 0, int palette = 0,
                    int screenFixed = 1) {
  return {5, x, y, {layer, slot - kFirstSpriteSlot, anim, palette, screenFixed}};
}

LayoutRecord Cursor(int x, int y, int slot, int anim, int screenFixed = 0) {
  return {11, x, y, {0, slot - kFirstSpriteSlot, anim, 0, screenFixed}};
}

LayoutRecord Row(int x, int y, std::vector<int> values) {
  return {4, x, y, std::move(values)};
}

// The layout-type record: value 4 its screen group, 6 the list flag, 7 and 8 the alternate
// group's switch and group, 9 the visible rows (-1: 8); 10 and 11 the map's pages.
struct LayoutLook {
  int group = 0;
  int listFlag = 0;
  int alternateSwitch = 0, alternateGroup = 0;
  int rows = -1;
};

LayoutRecord LayoutOf(int type, LayoutLook look = {}, std::vector<int> more = {}) {
  LayoutRecord record{type,
                      0,
                      0,
                      {0, 0, 0, 0, look.group, 0, look.listFlag, look.alternateSwitch,
                       look.alternateGroup, look.rows}};
  record.values.insert(record.values.end(), more.begin(), more.end());
  return record;
}

LayoutRecord TitleText() {
  return Text(40, 40, 400, 60, {.font = kTitleFont});
}

// ---- Screen groups -------------------------------------------------------------------------

constexpr int kCharacterSlot = 15;  // the characters' sprite
constexpr int kHotAreaSlot = 18;    // the game modes' pictures
constexpr int kMapPanelSlot = 10;   // the level map's panel
constexpr int kMapPageSlot = 62;    // the level map's pages
constexpr int kMapMarkerSlot = 11;  // the level map's markers
constexpr int kWorldSlot = 13;      // the world-select screen's sprite
constexpr int kViewerSlot = 19;     // the award and unlockable pictures
constexpr int kArrowSlot = 31;      // the value arrows
constexpr int kPreviewSlot = 34;    // the extra levels' preview

// The hot areas of the game modes screen, (x, y, w, h).
constexpr int kHotAreas[5][4] = {{360, 230, 100, 220},
                                 {76, 568, 118, 162},
                                 {252, 598, 218, 92},
                                 {0, 396, 116, 150},
                                 {196, 200, 116, 196}};

// Group 0: the list look, a centred text per key (1 normal, 3 disabled, 4 selected). Group 1:
// the list title. Group 2: the level map's panel and world name. Group 3: the character grid's
// four cells. Groups 4..8: the game modes' hot areas, each a picture over its name.
std::vector<LayoutRecord> ScreenLayout() {
  std::vector<LayoutRecord> r = {
      Opener(0, 0, 432, 50, kCentre, kCentre),
      Variant(1),
      Text(0, 0, 432, 50),
      Variant(3),
      Text(0, 0, 432, 50, {.palette = 2}),
      Variant(4),
      Text(0, 0, 432, 50, {.palette = 1}),
      Opener(0, 0, 432, 60, kCentre, kCentre),
      Variant(1),
      Text(0, 0, 432, 60, {.font = kHeadingFont}),
      Opener(0, 680, 480, 120, kStart, kStart),
      Sprite(240, 60, kMapPanelSlot, 0),
      Text(20, 30, 440, 60, {.font = kHeadingFont}),
      Opener(0, 0, 480, 800, kStart, kStart),
  };
  for (int cell = 0; cell < 4; cell++) {
    r.push_back(Sprite(141 + 200 * (cell % 2), 219 + 200 * (cell / 2), kCharacterSlot, cell));
  }
  for (int area = 0; area < 5; area++) {
    const int w = kHotAreas[area][2], h = kHotAreas[area][3];
    r.push_back(Opener(0, 0, w, h, kStart, kStart));
    r.push_back(Sprite(w / 2, h / 2, kHotAreaSlot, area));
    r.push_back(Text(0, h - 30, w, 30));
  }
  return r;
}

// ---- Menu layouts --------------------------------------------------------------------------

// Layout 1: the carousel of the main menu, the options and the pause menus.
std::vector<LayoutRecord> Carousel() {
  return {
      LayoutOf(20,
               {.group = 0, .listFlag = 1, .alternateSwitch = 1, .alternateGroup = 1, .rows = 5}),
      Text(40, 120, 400, 60, {.font = kTitleFont})};
}

// Layouts 2..9: the level map of world w. Even worlds run down two pages, odd ones across two.
// Records: the pages, the layout record, the 14 map items (value 2 the entry edge, 3 the exit
// edge or the walk direction, 4..7 the neighbour up, down, left, right: -1 none, -2 the
// previous world, 14 the next), then the five markers.
std::vector<LayoutRecord> LevelMap(int world) {
  const bool down = world % 2 == 0;
  const int pagesDown = down ? 2 : 1, pagesAcross = down ? 1 : 2;
  std::vector<LayoutRecord> r;
  for (int page = 0; page < pagesDown * pagesAcross; page++) {
    r.push_back(Sprite(down ? 0 : 480 * page, down ? 800 * page : 0, kMapPageSlot, page, -1, 0, 0));
  }
  r.push_back(LayoutOf(10, {.group = 2}, {pagesDown, pagesAcross}));
  const int previous = world > 0 ? -2 : -1, next = world < 7 ? 14 : -1;
  for (int i = 0; i < 14; i++) {
    const int before = i > 0 ? i - 1 : previous, after = i < 13 ? i + 1 : next;
    if (down) {
      r.push_back(Row(120 + 240 * (i % 2), 100 + 110 * i, {0, 0, 0, 1, before, after, -1, -1}));
    } else {
      r.push_back(Row(60 + 65 * i, 260 + 200 * (i % 2), {0, 0, 2, 3, -1, -1, before, after}));
    }
  }
  for (int kind = 0; kind < 5; kind++) r.push_back(Sprite(0, 0, kMapMarkerSlot, kind, 1, 0, 0));
  return r;
}

// Layout 10: the world-select screen: the layout record, the world's name, records 3..6 that
// a world's row marks (value 3, value 2), the eight worlds' rows with their neighbours in
// eight directions (values 4..11: up, down, left, right, up-left, up-right, down-left,
// down-right), and the cursor.
std::vector<LayoutRecord> WorldSelect() {
  std::vector<LayoutRecord> r = {LayoutOf(12, {.group = 2}),
                                 Text(40, 640, 400, 60, {.font = kHeadingFont})};
  for (int mark = 0; mark < 4; mark++) r.push_back(Sprite(240, 600, kWorldSlot, mark));
  auto at = [](int column, int row) {
    return column < 0 || column > 1 || row < 0 || row > 3 ? -1 : row * 2 + column;
  };
  for (int w = 0; w < 8; w++) {
    const int c = w % 2, row = w / 2;
    r.push_back(
        Row(120 + 240 * c, 160 + 120 * row,
            {0, 0, -1, 3 + w % 4, at(c, row - 1), at(c, row + 1), at(c - 1, row), at(c + 1, row),
             at(c - 1, row - 1), at(c + 1, row - 1), at(c - 1, row + 1), at(c + 1, row + 1)}));
  }
  r.push_back(Cursor(120, 160, kWorldSlot, 4, 1));
  return r;
}

// Layout 11: the 2 x 2 character grid: the title, the chosen cell's name, the four cells.
std::vector<LayoutRecord> CharacterGrid() {
  std::vector<LayoutRecord> r = {LayoutOf(13, {.group = 3}), TitleText(),
                                 Text(40, 560, 400, 60, {.font = kHeadingFont})};
  for (int cell = 0; cell < 4; cell++) {
    r.push_back(Row(56 + 200 * (cell % 2), 134 + 200 * (cell / 2), {0, 0}));
  }
  return r;
}

// Layout 12: the game modes' hot areas: each entry names its screen group (value 1, value 0
// even) and its neighbours up, down, left, right at values 5..8.
std::vector<LayoutRecord> HotAreas() {
  constexpr int kNeighbours[5][4] = {
      {-1, 2, 4, -1}, {3, -1, -1, 2}, {0, -1, 1, -1}, {4, 1, -1, 0}, {-1, 3, -1, 0}};
  std::vector<LayoutRecord> r = {LayoutOf(14, {.group = 4}), TitleText(),
                                 Text(40, 740, 400, 50, {.font = kHeadingFont})};
  for (int area = 0; area < 5; area++) {
    const int* n = kNeighbours[area];
    r.push_back(Row(kHotAreas[area][0], kHotAreas[area][1],
                    {0, 4 + area, 0, 0, 0, n[0], n[1], n[2], n[3]}));
  }
  return r;
}

// Layout 13: the award and unlockable viewer: title, name, description, picture, counter,
// page, hint, then the value arrows as records 9 and 10.
std::vector<LayoutRecord> Viewer() {
  return {LayoutOf(16),
          TitleText(),
          Text(40, 500, 400, 50, {.font = kHeadingFont}),
          Text(40, 560, 400, 150, {.mode = 1, .vertical = kStart}),
          Sprite(240, 300, kViewerSlot, 0),
          Text(40, 720, 400, 30),
          Text(40, 110, 400, 30),
          Text(40, 460, 400, 30, {.palette = 2}),
          Sprite(130, 768, kArrowSlot, 0),
          Sprite(350, 768, kArrowSlot, 4)};
}

// Layout 14: the statistics pages and their page number.
std::vector<LayoutRecord> Statistics() {
  return {LayoutOf(19), Text(40, 765, 400, 30)};
}

// Layout 15: the extra-level grid: title, the chosen level's name, the preview, 30 cells (ten
// a world, five a row, in two halves of the screen).
std::vector<LayoutRecord> ExtraGrid() {
  std::vector<LayoutRecord> r = {LayoutOf(22), TitleText(),
                                 Text(40, 640, 400, 50, {.font = kHeadingFont}),
                                 Sprite(240, 560, kPreviewSlot, 0)};
  for (int cell = 0; cell < 30; cell++) {
    r.push_back(Row(40 + 84 * (cell % 5), 150 + 140 * (cell / 10) + 64 * (cell % 10 / 5), {0, 0}));
  }
  return r;
}

// Layouts 16 and 18: paged lists: the title, `lines` text rows, then the arrows.
std::vector<LayoutRecord> PagedList(int lines) {
  std::vector<LayoutRecord> r = {
      LayoutOf(24, {.group = 0, .alternateSwitch = 1, .alternateGroup = 1, .rows = lines}),
      TitleText()};
  for (int line = 0; line < lines; line++) {
    r.push_back(Text(40, 150 + 90 * line, 400, 80, {.mode = 1}));
  }
  r.push_back(Sprite(130, 768, kArrowSlot, 0));
  r.push_back(Sprite(350, 768, kArrowSlot, 4));
  return r;
}

// Layouts 17 and 19: the loading screens. The first text item is the panel, the heading at its
// top; the second the body, wrapped below it; the prompt to go on shows under the panel.
std::vector<LayoutRecord> Loading() {
  return {LayoutOf(25), Text(40, 420, 400, 200, {.font = kHeadingFont, .vertical = kStart}),
          Text(60, 476, 360, 130, {.mode = 1, .vertical = kStart})};
}

}  // namespace

std::vector<uint8_t> WriteLayoutRecords(std::span<const LayoutRecord> records) {
  std::vector<uint8_t> out;
  for (const LayoutRecord& record : records) {
    for (int word : {record.type, record.ignored, record.x, record.y,
                     static_cast<int>(record.values.size())}) {
      PutWord(out, word);
    }
    for (int value : record.values) PutWord(out, value);
  }
  return out;
}

std::vector<LayoutRecord> LayoutEntryRecords(int e) {
  switch (e) {
    case 0:
      return ScreenLayout();
    case 1:
      return Carousel();
    case 10:
      return WorldSelect();
    case 11:
      return CharacterGrid();
    case 12:
      return HotAreas();
    case 13:
      return Viewer();
    case 14:
      return Statistics();
    case 15:
      return ExtraGrid();
    case 16:
      return PagedList(6);
    case 18:
      return PagedList(5);
    case 17:
    case 19:
      return Loading();
    default:
      if (e >= 2 && e <= 9) return LevelMap(e - 2);
      throw BuildError("no layout entry " + std::to_string(e));
  }
}

std::vector<std::vector<uint8_t>> LayoutEntries() {
  std::vector<std::vector<uint8_t>> entries;
  for (int e = 0; e < kLayoutEntryCount; e++)
    entries.push_back(WriteLayoutRecords(LayoutEntryRecords(e)));
  return entries;
}

}  // namespace databuild
