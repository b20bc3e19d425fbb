#include "tests/engine/font_fixture.h"

#include <map>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "tools/databuild/data_set.h"

void FontTest::SetUp() {
  SpriteTest::SetUp();
  for (const databuild::Pack& pack : databuild::DataSetPacks()) {
    if (pack.name != "fonts") continue;
    for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
      PlantArchiveEntry(file.name, file.bytes);
    }
  }
  ObjectArray* slots = NewObjectArray(cid::Object, 6);
  Statics<GameStatics>()->cGame_spriteTable = slots;
  cGame::openPack(NewJavaString("fonts"));
  constexpr int32_t kSlotOfEntry[] = {0, 4, 5, 3};
  for (int32_t entry = 1; entry <= 3; entry++) {
    slots->elements()[kSlotOfEntry[entry]] =
        cGame::loadSprite(entry, 3, 0, 0, true, false, 0, nullptr);
  }
  Object* table = cGame::readPackEntryObject(0);
  for (int32_t slot = 3; slot <= 5; slot++) cGame::buildFontCharMap(font(slot), table);
  cGame::closeResourceStream();
}

ASprite* FontTest::font(int32_t slot) {
  return static_cast<ASprite*>(Statics<GameStatics>()->cGame_spriteTable->elements()[slot]);
}

databuild::FontKind FontTest::KindOfSlot(int32_t slot) {
  return slot == 4   ? databuild::FontKind::kTitle
         : slot == 5 ? databuild::FontKind::kHeading
                     : databuild::FontKind::kBody;
}

String* FontTest::Text(const std::u16string& text) {
  String* s = NewObject<String>();
  s->initFromUnits(text.data(), 0, static_cast<int32_t>(text.size()));
  return s;
}

int32_t FontTest::BuilderAdvance(int32_t slot, char16_t c) {
  static std::map<int32_t, databuild::SpriteData> sprites;
  auto found = sprites.find(slot);
  if (found == sprites.end())
    found = sprites.emplace(slot, databuild::FontSprite(KindOfSlot(slot))).first;
  const databuild::SpriteData& s = found->second;
  for (const databuild::CharFrame& cf : databuild::FontCharFrames()) {
    if (cf.character == c) return s.fmodules[s.frames[cf.frame].firstFModule].x;
  }
  return s.fmodules[s.frames[1].firstFModule].x;
}
