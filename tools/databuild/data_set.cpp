// The products of the data set, in the order they are written: everything the game reads lies
// in the archive "data.bar" at the install folder's place under the data root.
#include "tools/databuild/data_set.h"

#include <string>

#include "tools/databuild/app_descriptor_writer.h"
#include "tools/databuild/app_properties.h"
#include "tools/databuild/archive_writer.h"
#include "tools/databuild/bird_sprites.h"
#include "tools/databuild/bitmap_fonts.h"
#include "tools/databuild/boot_sprites.h"
#include "tools/databuild/bubble_sprites.h"
#include "tools/databuild/bunch_decorations.h"
#include "tools/databuild/constants_writer.h"
#include "tools/databuild/effect_sprites.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/layout_writer.h"
#include "tools/databuild/level_plan.h"
#include "tools/databuild/level_writer.h"
#include "tools/databuild/loader_packs.h"
#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/maths_tables.h"
#include "tools/databuild/menu_sprites.h"
#include "tools/databuild/pack_writer.h"
#include "tools/databuild/play_sprites.h"
#include "tools/databuild/particle_content.h"
#include "tools/databuild/particle_definitions_writer.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/sound_content.h"
#include "tools/databuild/string_constants.h"
#include "tools/databuild/text_table_writer.h"
#include "tools/databuild/ui_sprites.h"
#include "tools/databuild/value_tree_writer.h"
#include "tools/databuild/wav_writer.h"

namespace databuild {

namespace {

constexpr int kSoundPack = 92;  // string constants naming the packs
constexpr int kTextPack = 273;
constexpr int kLogoPack = 271;
constexpr int kMathsPack = 113;
constexpr int kFixedPointPack = 269;
constexpr int kFontPack = 274;
constexpr int kUiPack = 66;
constexpr int kTitlePack = 272;
constexpr int kParticlePack = 76;
constexpr int kEffectsPack = 80;
constexpr int kMenusPack = 71;
constexpr int kWallSparkEntry = 2;  // of the effects pack
constexpr size_t kPartBudget = 256 * 1024;  // bytes of entries per part file, at most

// Entry n: sound id n as a WAV file, stored plain (type 0).
Pack SoundPack() {
  Pack pack{ConstantText(kSoundPack), {}, {}};
  for (int id = 0; id < kGameSoundCount; id++) {
    pack.entries.push_back(PackEntry::Plain(0, WriteWav(GameSound(id))));
  }
  pack.partFirstEntries = PartsWithin(pack.entries, kPartBudget);
  return pack;
}

// Entry 0: the English text table.
Pack TextPack() {
  Pack pack{ConstantText(kTextPack), {}, {0}};
  pack.entries.push_back(PackEntry::Lzma(0, WriteTextTable(GameTexts())));
  return pack;
}

// Entries 0 to 2: the logo, the control bar and the loading screen, as sprites.
Pack LogoPack() {
  Pack pack{ConstantText(kLogoPack), {}, {0}};
  for (const SpriteData& sprite : {LogoSprite(), ControlBarSprite(), LoadingSprite()}) {
    pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(sprite)));
  }
  return pack;
}

// Entries 0 and 1: the 8.8 library's cosine and square-root tables, as int value trees.
Pack FixedPointPack() {
  return {ConstantText(kFixedPointPack),
          {PackEntry::Plain(0, WriteValueTree(ValueNode::Ints(FixedCosineTable()))),
           PackEntry::Plain(0, WriteValueTree(ValueNode::Ints(FixedSquareRootTable())))},
          {0}};
}

// Entry 0: the fonts' character table (a short[] value tree); entries 1 to 3: the fonts of
// sprite slots 4, 5 and 3.
Pack FontPack() {
  Pack pack{ConstantText(kFontPack), {}, {0}};
  pack.entries.push_back(PackEntry::Lzma(0, WriteValueTree(ValueNode::Shorts(FontCharMap()))));
  for (const FontKind kind : {FontKind::kTitle, FontKind::kHeading, FontKind::kBody}) {
    pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(FontSprite(kind))));
  }
  return pack;
}

// Entry 0: the particle definitions; entries 1 to 3: the particle sprites of sprite slots 6, 7
// and 8.
Pack ParticlePack() {
  Pack pack{ConstantText(kParticlePack), {}, {0}};
  pack.entries.push_back(PackEntry::Plain(0, WriteParticleDefinitions(GameParticleDefinitions())));
  for (const SpriteData& sprite : {SparkSprite(), ShardSprite(), SmokeSprite()}) {
    pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(sprite)));
  }
  return pack;
}

// The interface sprites (tools/databuild/ui_sprites.h); entries 1 to 3, 7 and 8 are empty
// until their screens bring their sprites.
Pack UiPack() {
  Pack pack{ConstantText(kUiPack), {}, {0}};
  const ArtSprite plain{0x5A7FA8};
  const std::vector<uint8_t> sprites[] = {
      WriteSprite(SparkleSprite()),
      // The menu screens' map panel, markers and pages.
      WriteSprite(MapPanelSprite()), WriteSprite(MapMarkerSprite()), WriteSprite(MapPageSprite()),
      WriteSprite(BoxPiecesSprite()),
      WriteSprite(DrawArtSprite(plain)), WriteSprite(PopupButtonSprite()),
      // The game modes' pictures.
      WriteSprite(GameModePictureSprite()), {},
      WriteSprite(DrawArtSprite(plain)), WriteSprite(OverlaySprite())};
  for (const std::vector<uint8_t>& sprite : sprites) {
    pack.entries.push_back(sprite.empty() ? PackEntry::Empty() : PackEntry::Lzma(0, sprite));
  }
  return pack;
}

// Entry 0: the title background, a PNG stored plain.
Pack TitlePack() {
  return {ConstantText(kTitlePack), {PackEntry::Plain(0, TitlePng())}, {0}};
}

// The effect sprites of the boot load, entry e for sprite slot
//   entry  0   1   2   3   4   5   6   7   8   9
//   slot  36  29  38  39  35  25  24  23  48  37
// Entry 2: the wall spark (slot 38); entry 3: the colour change (slot 39); entry 4: the pop
// (slot 35); entry 5: the bubble sprite (slot 25); entry 6: the flying bird (slot 24); entry 7:
// the bunches' anchor (slot 23); the others the loader's plain effect tiles.
Pack EffectsPack() {
  Pack pack{ConstantText(kEffectsPack), {}, {0}};
  const std::vector<ArtSprite> art = BootEffectArt();
  for (int e = 0; e < 3; e++) {
    const SpriteData sprite = e == kWallSparkEntry ? WallSparkSprite() : DrawArtSprite(art[e]);
    pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(sprite)));
  }
  pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(ChangeSprite())));
  for (const SpriteData& sprite : {PopSprite(), BubbleSprite()}) {
    pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(sprite)));
  }
  for (size_t e = 4; e < art.size(); e++) {
    pack.entries.push_back(PackEntry::Lzma(0, WriteSprite(DrawArtSprite(art[e]))));
  }
  pack.entries[6] = PackEntry::Lzma(0, WriteSprite(BirdSprite()));
  // Entry 7 (slot 23): the bunches' rope anchor and side handle.
  pack.entries[7] = PackEntry::Lzma(0, WriteSprite(BunchAnchorSprite()));
  // The launcher's own: the launcher (entry 0), the aim dot (1) and the meter's pose (9).
  pack.entries[0] = PackEntry::Lzma(0, WriteSprite(LauncherSprite()));
  pack.entries[1] = PackEntry::Lzma(0, WriteSprite(AimDotSprite()));
  pack.entries[9] = PackEntry::Lzma(0, WriteSprite(MeterPoseSprite()));
  return pack;
}

// Entry 0: the screen layout; entries 1 to 19: the menu layouts.
Pack MenusPack() {
  Pack pack{ConstantText(kMenusPack), {}, {0}};
  for (const std::vector<uint8_t>& entry : LayoutEntries()) {
    pack.entries.push_back(PackEntry::Lzma(0, entry));
  }
  return pack;
}

}  // namespace

// Entry 0: the board's tables; entry 1: the 1024-step sine and arc-tangent tables.
Pack MathsPack() {
  return {ConstantText(kMathsPack),
          {PackEntry::Plain(0, WriteBoardTables()), PackEntry::Plain(0, WriteAngleTables())},
          {0}};
}

std::vector<Pack> LevelPacks() {
  std::vector<Pack> packs;
  for (int world = 0; world < kLevelWorldCount; world++) {
    Pack pack{ConstantText(world), {}, {0}};
    for (int level = 0; level < LevelsInWorld(world); level++) {
      pack.entries.push_back(PackEntry::Plain(0, WriteLevel(PlannedLevel(world, level))));
    }
    packs.push_back(std::move(pack));
  }
  return packs;
}

std::vector<Pack> DataSetPacks() {
  std::vector<Pack> packs = {SoundPack(),      TextPack(),    LogoPack(),     MathsPack(),
                             FixedPointPack(), FontPack(),    UiPack(),       TitlePack(),
                             ParticlePack(),   EffectsPack(), MenusPack()};
  for (Pack& pack : LoaderPacks()) packs.push_back(std::move(pack));
  for (Pack& pack : LevelPacks()) packs.push_back(std::move(pack));
  return packs;
}

std::vector<OutputFile> BuildDataSet() {
  std::vector<ArchiveEntry> entries = {
      {"constants.bin", WriteConstantsFile(StringConstantTable())},
      {"app.jad", WriteAppDescriptor(AppPropertyTable())},
  };
  for (const Pack& pack : DataSetPacks()) {
    for (ArchiveEntry& file : WritePack(pack)) entries.push_back(std::move(file));
  }
  return {{kArchivePath, WriteArchive(entries)}};
}

}  // namespace databuild
