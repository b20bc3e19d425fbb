// The menu framework over layouts written by the data builder's layout writer: opening (and
// refusing) menus, the list keys, records painted by type and layer on a memory image with the
// data set's pop sprite and body font, screen-group variants, text items and the moving item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/layout_writer.h"

namespace {

using databuild::LayoutRecord;

constexpr uint16_t kGround = 0x0841;
constexpr int32_t kListId = 4;

ByteArray* Entry(const std::vector<LayoutRecord>& records) {
  return ManagedBytes(databuild::WriteLayoutRecords(records));
}

// A layout record of type `type` with its group, list flag and rows.
LayoutRecord Layout(int type, int layer, int group, int flag, int rows) {
  return {type, 0, 0, {layer, 0, 0, 0, group, 0, flag, 0, 0, rows}};
}

// An animated record of the pop sprite (slot 35) at (x, y).
LayoutRecord Pop(int type, int x, int y, int layer, int palette, int shownFor = 0) {
  return {type, x, y, {layer, 35 - 9, 0, palette, type == 23 ? shownFor : 1}};
}

class MenuFrameworkTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    cGame::initMenuTables();
    cGame::parseLayout(Entry({}));
    s->cGame_menuItems = NewIntArray(50);
    s->cGame_menuSavedSelection = NewIntArray(21);
    s->cGame_menuLists = NewObjectArray(cid::Object, 21);
    s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
    s->cGame_currentMenu = 0;
    canvas_ = new Canvas(480, 800);
    canvas_->fill(kGround);
    s->cGame_drawGraphics = canvas_->graphics;
  }
  void TearDown() override {
    delete canvas_;
    ActorTest::TearDown();
  }
  // List kListId: its title and entries.
  void List(const std::vector<int32_t>& entries) {
    IntArray* list = NewIntArray(static_cast<int32_t>(entries.size()) + 2);
    list->elements()[0] = 7;
    list->elements()[1] = -1;
    for (size_t i = 0; i < entries.size(); i++) list->elements()[2 + i] = entries[i];
    s->cGame_menuLists->elements()[kListId] = list;
  }
  // Layout t parsed, its slots numbered and each animated record given a player of its sprite,
  // shown.
  void Menu(int32_t t, const std::vector<LayoutRecord>& records) {
    cGame::parseLayoutTable(t, Entry(records));
    cGame::assignAnimationSlots();
    for (int32_t i = 1; i <= cGame::menuRecordCount(t); i++) {
      ShortArray* record = cGame::menuRecord(t, i);
      if (!cGame::hasPlayerSlot(record)) continue;
      auto* player = NewObject<MQLibPlayer>(Slot(cGame::layoutValue(record, 1, 0) + 9), 0, 0);
      player->setAnim(cGame::layoutValue(record, 2, 0), -1);
      cGame::setRecordPlayer(record, player);
      if (cGame::recordType(record) != 23) cGame::setLayoutValue(record, 6, 1);
    }
  }
  int32_t PaintedCount() const { return 480 * 800 - canvas_->count(kGround); }
  // The box {minX, minY, maxX, maxY} of what is not ground; all -1 when nothing.
  std::vector<int32_t> Painted() const {
    std::vector<int32_t> box = {-1, -1, -1, -1};
    for (int32_t y = 0; y < 800; y++) {
      for (int32_t x = 0; x < 480; x++) {
        if (canvas_->at(x, y) == kGround) continue;
        if (box[0] < 0) box = {x, y, x, y};
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), y};
      }
    }
    return box;
  }
  void Press(int32_t key) {
    for (int32_t k = 0; k < cGame::kGameKeyCount; k++) s->cGame_keysLatched->elements()[k] = 0;
    s->cGame_keysLatched->elements()[key] = 1;
  }

  Canvas* canvas_ = nullptr;
};

TEST_F(MenuFrameworkTest, OpeningAMenuTakesItsRowsAndFlagAndRefusesLayoutsNotLoaded) {
  List({60, 62, 64});
  Menu(3, {Layout(25, 0, 0, 1, 5)});
  Menu(5, {Layout(25, 0, 0, 0, -1)});
  Menu(6, {{6, 0, 0, {}}});             // no layout record
  Menu(7, {{25, 0, 0, {0, 0, 0, 0}}});  // no rows value
  struct Case {
    int32_t layout, rows, flag;
  };
  for (const Case c : {Case{3, 5, 1}, Case{5, 8, 0}, Case{6, 8, 0}, Case{7, 8, 0}}) {
    SCOPED_TRACE(c.layout);
    s->cGame_menuVisibleRows = 0;
    s->cGame_menuFlag = -1;
    cGame::openMenu(kListId, c.layout);
    EXPECT_EQ(s->cGame_currentMenu, c.layout);
    EXPECT_EQ(s->cGame_menuVisibleRows, c.rows);
    EXPECT_EQ(s->cGame_menuFlag, c.flag);
    EXPECT_EQ(s->cGame_menuItemCount, 3);
  }
  for (int32_t layout : {0, 20, -1, 9}) {
    SCOPED_TRACE(layout);
    TraceCapture trace;
    cGame::openMenu(kListId, layout);
    EXPECT_EQ(s->cGame_currentMenu, 7);
    EXPECT_EQ(trace.lines().size(), 1u);
  }
}

// Down and up over entries 10, disabled 20, 30: a disabled entry is stepped over; without the
// wrap flag the ends hold, with it they wrap; with nothing selectable nothing moves.
TEST_F(MenuFrameworkTest, ListKeysStepOverDisabledEntriesAndWrapWithTheListFlag) {
  constexpr int32_t kOff = static_cast<int32_t>(0x80000000u);
  struct Case {
    std::vector<int32_t> entries;
    int32_t flag, from, key, to;
  };
  const Case kCases[] = {
      {{10, 20 | kOff, 30}, 0, 0, 2, 2},    {{10, 20 | kOff, 30}, 0, 2, 1, 0},
      {{10, 20 | kOff, 30}, 0, 2, 2, 2},    {{10, 20 | kOff, 30}, 1, 2, 2, 0},
      {{10, 20 | kOff, 30}, 1, 0, 1, 2},    {{10 | kOff, 20, 30 | kOff}, 1, 1, 2, 1},
      {{10 | kOff, 20 | kOff}, 1, 0, 2, 0}, {{10 | kOff, 20 | kOff}, 0, 1, 1, 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(c.key));
    List(c.entries);
    Menu(3, {Layout(3, 0, 0, c.flag, 2)});
    cGame::openMenu(kListId, 3);
    s->cGame_menuSelection = c.from;
    Press(c.key);
    cGame::updateCurrentMenu();
    EXPECT_EQ(s->cGame_menuSelection, c.to);
    EXPECT_LE(s->cGame_menuFirstVisible, s->cGame_menuSelection);
  }
}

// paintCurrentMenu(0) leaves out records of a negative layer, (-1) paints them; an empty
// slot and a hidden record paint nothing, silently.
TEST_F(MenuFrameworkTest, RecordsPaintByLayerAndEmptySlotsPaintNothing) {
  LoadEffectSprites();
  Menu(2, {Layout(25, 0, 0, 0, -1), Pop(5, 100, 100, -1, 0)});
  cGame::openMenu(kListId, 2);
  List({1});
  cGame::openMenu(kListId, 2);
  cGame::paintCurrentMenu(0);
  EXPECT_EQ(PaintedCount(), 0);
  cGame::paintCurrentMenu(-1);
  EXPECT_GT(PaintedCount(), 0);
  canvas_->fill(kGround);
  ShortArray* pop = cGame::menuRecord(2, 2);
  cGame::setLayoutValue(pop, 6, 0);
  cGame::paintCurrentMenu(-1);
  EXPECT_EQ(PaintedCount(), 0) << "hidden";
  cGame::setLayoutValue(pop, 6, 1);
  cGame::resetMenuAnimations(2);
  TraceCapture trace;
  cGame::paintCurrentMenu(-1);
  cGame::updateCurrentMenu();
  EXPECT_EQ(PaintedCount(), 0) << "no player in the slot";
  EXPECT_TRUE(trace.lines().empty());
}

// A type-5 record's negative palette paints with palette 0; a type-23 record's -1 keeps the
// sprite's, and it shows only for its menu value.
TEST_F(MenuFrameworkTest, PalettesAndValueSprites) {
  LoadFontsAndTexts();
  ASprite* font = Slot(kFontSlot);
  ASSERT_GE(font->paletteCount, 2);
  List({1});
  Menu(2, {Layout(25, 0, 0, 0, -1),
           {5, 0, 0, {0, 3 - 9, 0, -3, 1}},
           {23, 0, 0, {0, 3 - 9, 0, -1, 2}},
           {23, 0, 0, {0, 3 - 9, 0, 1, 3}}});
  cGame::openMenu(kListId, 2);
  for (int32_t i = 3; i <= 4; i++) cGame::setLayoutValue(cGame::menuRecord(2, i), 6, 1);
  struct Case {
    int32_t item, menuValue, before, after;
  };
  for (const Case c : {Case{2, 0, 1, 0}, Case{3, 1, 1, 1}, Case{4, 2, 0, 1}, Case{4, 0, 0, 0}}) {
    SCOPED_TRACE(c.item);
    font->setCurrentPalette(c.before);
    s->cGame_menuValue = c.menuValue;
    cGame::paintMenuItem(cGame::menuRecord(2, c.item), 0, 0, nullptr, -1, false, false);
    EXPECT_EQ(font->getCurrentPalette(), c.after);
  }
}

// A one-line text is placed by its box's two alignments: start, centre or end of each side.
TEST_F(MenuFrameworkTest, TextBoxesPlaceTheirTextByNineAnchors) {
  LoadFontsAndTexts();
  String* text = cGame::getString(60);
  ASSERT_NE(text, nullptr);
  Slot(kFontSlot)->getStringSize(text, nullptr);
  const int32_t tw = s->ASprite_textWidth, th = s->ASprite_textHeight;
  constexpr int32_t kX = 100, kY = 200, kW = 300, kH = 120;
  std::vector<int32_t> lefts, tops;
  for (int32_t vertical = 0; vertical < 3; vertical++) {
    for (int32_t horizontal = 0; horizontal < 3; horizontal++) {
      SCOPED_TRACE(std::to_string(vertical) + "/" + std::to_string(horizontal));
      canvas_->fill(kGround);
      cGame::parseLayoutTable(2, Entry({{6, kX, kY, {0, kW, kH, 0, 0, 0, vertical, horizontal}}}));
      cGame::paintMenuItem(cGame::menuRecord(2, 1), 0, 0, text, 0, false, false);
      const std::vector<int32_t> box = Painted();
      ASSERT_GE(box[0], 0);
      // The ink lies inside the text's box, which sits by the alignment in the record's box.
      const int32_t left = kX + (kW - tw) * horizontal / 2, top = kY + (kH - th) * vertical / 2;
      EXPECT_GE(box[0], left - 1);
      EXPECT_LE(box[2], left + tw + 2) << "a glyph may ink past its advance";
      EXPECT_GE(box[1], top - 1);
      EXPECT_LE(box[3], top + th + 1);
    }
  }
}

// A highlighted one-line text gets the framed box of style 1 round it, 20 px wider on each side
// and 16 px taller above and below, its top-left corner at the text's by the same alignments
// (a bottom-aligned text's top at y + h - th).
TEST_F(MenuFrameworkTest, TheHighlightFramesTheTextWhereverItsBoxAlignsIt) {
  LoadFontsAndTexts();
  PlantPacks({"ui"});
  cGame::openPack(GetConstantString(66));
  s->cGame_spriteTable->elements()[12] = cGame::loadSprite(4, 1, 0, 0, true, false, 0, nullptr);
  cGame::closeResourceStream();
  ASSERT_NE(Slot(12), nullptr);
  String* text = cGame::getString(60);
  Slot(kFontSlot)->getStringSize(text, nullptr);
  const int32_t tw = s->ASprite_textWidth, th = s->ASprite_textHeight;
  constexpr int32_t kX = 100, kY = 200, kW = 300, kH = 120;
  for (int32_t vertical = 0; vertical < 3; vertical++) {
    for (int32_t horizontal = 0; horizontal < 3; horizontal++) {
      SCOPED_TRACE(std::to_string(vertical) + "/" + std::to_string(horizontal));
      cGame::parseLayoutTable(2, Entry({{6, kX, kY, {0, kW, kH, 0, 0, 0, vertical, horizontal}}}));
      canvas_->fill(kGround);
      cGame::paintMenuItem(cGame::menuRecord(2, 1), 0, 0, text, 0, false, true);
      const int32_t kLeftAt[] = {0, kW / 2 - tw / 2, kW - tw}, kTopAt[] = {0, kH / 2 - th / 2, kH - th};
      const int32_t left = kX + kLeftAt[horizontal], top = kY + kTopAt[vertical];
      EXPECT_EQ(Painted(), (std::vector<int32_t>{left - 20, top - 16, left + tw + 19, top + th + 15}));
    }
  }
  // Without the highlight only the text paints.
  canvas_->fill(kGround);
  cGame::paintMenuItem(cGame::menuRecord(2, 1), 0, 0, text, 0, false, false);
  EXPECT_LT(Painted()[2] - Painted()[0], tw + 4);
}

TEST_F(MenuFrameworkTest, ScreenGroupsPaintTheirKeyedVariantOrFallBack) {
  cGame::parseLayout(Entry({{1, 0, 0, {}},
                            {2, 0, 0, {1}},
                            {6, 0, 0, {}},
                            {2, 0, 0, {3}},
                            {6, 0, 0, {}},
                            {2, 0, 0, {1}},
                            {1, 0, 0, {}},
                            {6, 0, 0, {}}}));
  struct Case {
    int32_t group, key, record;
  };
  for (const Case c :
       {Case{0, 3, 3}, Case{0, 1, 1}, Case{0, 4, 5}, Case{1, 3, -1}, Case{9, 1, -1}}) {
    SCOPED_TRACE(std::to_string(c.group) + " key " + std::to_string(c.key));
    EXPECT_EQ(cGame::findLayoutRecord(c.group, c.key), c.record);
  }
}

// A layout record painted from a screen group, or a second one in the menu, paints no body:
// here a type-20 record whose body would paint the list.
TEST_F(MenuFrameworkTest, OnlyTheMenusOwnLayoutRecordPaintsABody) {
  LoadFontsAndTexts();
  List({60, 62});
  Menu(2, {Layout(20, -5, 0, 0, -1),
           {6, 40, 40, {0, 400, 60, 0, 0, 0, 1, 1}},
           Layout(20, 0, 0, 0, -1)});
  cGame::parseLayout(Entry({{1, 0, 0, {}}, Layout(20, 0, 0, 0, -1), Layout(3, 0, 0, 0, -1)}));
  cGame::openMenu(kListId, 2);
  EXPECT_EQ(cGame::menuHeader(2, 0), 3) << "the last layout record is the menu's";
  cGame::paintMenuItem(cGame::menuRecord(2, 1), 0, 0, nullptr, 0, false, false);
  cGame::paintScreenGroup(2, 0, 0, 1, nullptr, false, -1, 0);
  EXPECT_EQ(PaintedCount(), 0);
  cGame::paintCurrentMenu(0);
  EXPECT_GT(PaintedCount(), 0) << "type 20 paints whatever its layer";
}

TEST_F(MenuFrameworkTest, TextItemsAndTheMovingItem) {
  Menu(2, {Layout(25, 0, 0, 0, -1),
           {6, 1, 2, {0, 3, 4}},
           {4, 0, 0, {}},
           {6, 5, 6, {0, 7, 8}},
           {5, 0, 0, {}}});
  List({1});
  cGame::openMenu(kListId, 2);
  IntArray* rect = NewIntArray(4);
  EXPECT_EQ(cGame::nextTextItemRect(-1, rect), 2);
  EXPECT_EQ(std::vector<int32_t>(rect->elements(), rect->elements() + 4),
            (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(cGame::nextTextItemRect(2, rect), 4);
  EXPECT_EQ(cGame::nextTextItemRect(4, rect), -1);
  // No moving item: both leave the menu as it is.
  cGame::setMenuItemPosition(2, 50, 60);
  cGame::setLayoutItemAnim(2, 3);
  EXPECT_EQ(cGame::recordX(cGame::menuRecord(2, 1)), 0);
  LoadEffectSprites();
  Menu(3, {Layout(25, 0, 0, 0, -1), Pop(11, 0, 0, 0, 0)});
  cGame::setMenuItemPosition(3, 50, 60);
  cGame::setLayoutItemAnim(3, 2);
  ShortArray* moving = cGame::menuRecord(3, 2);
  EXPECT_EQ(cGame::recordX(moving), 50);
  EXPECT_EQ(cGame::recordY(moving), 60);
  EXPECT_EQ(cGame::recordPlayer(moving)->anim, 2);
}

}  // namespace
