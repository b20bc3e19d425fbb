// The loader's packs, entries LZMA-compressed (tables plain: they are a few bytes).
#include "tools/databuild/loader_packs.h"

#include "tools/databuild/loader_content.h"
#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/loader_tables_writer.h"
#include "tools/databuild/menu_sprites.h"
#include "tools/databuild/scenery_sprites.h"
#include "tools/databuild/scenery_writer.h"
#include "tools/databuild/string_constants.h"

namespace databuild {

namespace {

PackEntry SpriteEntry(const ArtSprite& art) {
  return PackEntry::Lzma(0, WriteSprite(DrawArtSprite(art)));
}

Pack SpritePack(int name, const std::vector<ArtSprite>& art) {
  Pack pack{ConstantText(name), {}, {0}};
  for (const ArtSprite& sprite : art) pack.entries.push_back(SpriteEntry(sprite));
  return pack;
}

Pack TablePack(int name, const std::vector<std::vector<uint8_t>>& entries) {
  Pack pack{ConstantText(name), {}, {0}};
  for (const std::vector<uint8_t>& entry : entries)
    pack.entries.push_back(PackEntry::Plain(0, entry));
  return pack;
}

}  // namespace

std::vector<Pack> LoaderPacks() {
  Pack map{ConstantText(68),
           {SpriteEntry(MapArt()), PackEntry::Plain(0, WriteLevelLists(WorldLevelLists()))},
           {0}};
  // The scenery sprite pack: the sun and the moon of the level scenery, then the menus'
  // background.
  Pack scenery{ConstantText(85),
               {PackEntry::Lzma(0, WriteSprite(ScenerySunSprite())),
                PackEntry::Lzma(0, WriteSprite(SceneryMoonSprite())),
                PackEntry::Lzma(0, WriteSprite(MenuBackgroundSprite()))},
               {0}};
  // The scenery of each world (264) and its sprite sets A and B (265, 266).
  Pack scenes = TablePack(264, {});
  for (int e = 0; e < kSceneryEntries; e++) {
    scenes.entries.push_back(PackEntry::Plain(0, WriteSceneryEntry(SceneryOf(e))));
  }
  Pack setA{ConstantText(265), {PackEntry::Lzma(0, WriteSprite(ScenerySetASprite()))}, {0}};
  Pack setB{ConstantText(266), {PackEntry::Lzma(0, WriteSprite(ScenerySetBSprite()))}, {0}};
  // Entry 3 of the common pack is the menus' value arrows.
  Pack common = SpritePack(65, CommonArt());
  common.entries[3] = PackEntry::Lzma(0, WriteSprite(ValueArrowSprite()));
  return {SpritePack(63, BossArt()),
          std::move(common),
          SpritePack(67, CharacterArt()),
          std::move(map),
          std::move(scenery),
          SpritePack(88, HudArt()),
          SpritePack(96, FeatureArt()),
          SpritePack(101, {BackdropArt()}),
          TablePack(130, {WriteByteTriples(HintRecords())}),
          TablePack(136, {WriteIndexedTriples(WorldInfoRecords())}),
          TablePack(207, {WriteByteTriples(BossRecords())}),
          TablePack(234, {WriteLookups(LightingRecords(), LookupQuads()),
                          WriteLineSections(LightingLines())}),
          std::move(scenes),
          std::move(setA),
          std::move(setB)};
}

}  // namespace databuild
