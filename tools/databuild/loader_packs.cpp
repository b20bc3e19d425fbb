// The loader's packs, entries LZMA-compressed (tables plain: they are a few bytes).
#include "tools/databuild/loader_packs.h"

#include "tools/databuild/bubble_sprites.h"
#include "tools/databuild/bunch_decorations.h"
#include "tools/databuild/character_sprites.h"
#include "tools/databuild/critter_sprites.h"
#include "tools/databuild/hud_sprites.h"
#include "tools/databuild/item_sprites.h"
#include "tools/databuild/loader_content.h"
#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/loader_tables_writer.h"
#include "tools/databuild/menu_sprites.h"
#include "tools/databuild/play_sprites.h"
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
  // The board's and the HUD's own drawings over the plain tiles (tools/databuild/bubble_sprites.h,
  // tools/databuild/hud_sprites.h).
  Pack hud = SpritePack(88, HudArt());
  hud.entries[0] = PackEntry::Lzma(0, WriteSprite(TrackSprite()));
  hud.entries[1] = PackEntry::Lzma(0, WriteSprite(BadgeSprite()));
  hud.entries[2] = PackEntry::Lzma(0, WriteSprite(FloorSprite()));
  hud.entries[3] = PackEntry::Lzma(0, WriteSprite(HudSprite()));
  hud.entries[4] = PackEntry::Lzma(0, WriteSprite(DangerLineSprite()));
  // Entry 0 of the features pack is the chains, entries 1 to 6 the bunches' decorations.
  Pack features = SpritePack(96, FeatureArt());
  features.entries[0] = PackEntry::Lzma(0, WriteSprite(ChainSprite()));
  const SpriteData decorations[] = {HubSprite(),  SpokeSprite(), PlatformSprite(),
                                    LockSprite(), ChuteSprite(), CarrierSprite()};
  for (int e = 1; e <= 6; e++) {
    features.entries[e] = PackEntry::Lzma(0, WriteSprite(decorations[e - 1]));
  }
  // Entries 0 to 5 of the characters pack are the player's characters.
  Pack characters = SpritePack(67, CharacterArt());
  const std::vector<SpriteData> figures = CharacterSprites();
  for (size_t e = 0; e < figures.size(); e++) {
    characters.entries[e] = PackEntry::Lzma(0, WriteSprite(figures[e]));
  }
  // Entry 0 of the boss pack is the critters and the title's ornament.
  Pack boss = SpritePack(63, BossArt());
  boss.entries[0] = PackEntry::Lzma(0, WriteSprite(CritterSprite()));
  return {std::move(boss),
          std::move(common),
          std::move(characters),
          std::move(map),
          std::move(scenery),
          std::move(hud),
          std::move(features),
          Pack{ConstantText(101), {PackEntry::Lzma(0, WriteSprite(ItemSprite()))}, {0}},
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
