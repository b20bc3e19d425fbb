// The ending scene's own sprites as the builder draws them: the birds face the way their
// flight goes, and every unlockable item is a picture of its own with the box the story box
// sizes its portrait by. Where the scene's pictures meet each other is checked over the built
// data in tests/game/world/ending_scene_test.cpp.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tools/databuild/bird_sprites.h"
#include "tools/databuild/item_sprites.h"

namespace {

using namespace databuild;

// The module of the animation's first frame (each frame of these sprites shows one picture).
const SpriteModule& FirstModule(const SpriteData& s, int anim) {
  const SpriteAFrame& aframe = s.aframes[s.anims[anim].firstAFrame];
  return s.modules[s.fmodules[s.frames[aframe.frame].firstFModule].module];
}

// The mean x of the module's orange pixels (the beak), against the module's centre: negative
// on the left.
double BeakSide(const SpriteData& s, const SpriteModule& m) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < m.height; y++) {
    for (int x = 0; x < m.width; x++) {
      const uint32_t c = s.palettes[0][m.pixels[y * m.width + x]];
      const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
      if (r > 200 && g > 110 && g < 190 && b < 90) {
        sum += x - m.width / 2.0;
        count++;
      }
    }
  }
  EXPECT_GT(count, 0) << "no beak drawn";
  return count ? sum / count : 0;
}

TEST(SceneArtTest, EachBirdFacesTheWayItsFlightGoes) {
  const SpriteData birds = BirdSprite();
  ASSERT_EQ(birds.anims.size(), 2u);
  for (int anim : {kBirdFlightLeft, kBirdFlightRight}) {
    SCOPED_TRACE(anim);
    const SpriteAnim& flight = birds.anims[anim];
    EXPECT_EQ(flight.aframeCount, kBirdWingBeats);
    for (int j = 0; j < flight.aframeCount; j++) {
      const SpriteAFrame& aframe = birds.aframes[flight.firstAFrame + j];
      const SpriteModule& m =
          birds.modules[birds.fmodules[birds.frames[aframe.frame].firstFModule].module];
      if (anim == kBirdFlightLeft) {
        EXPECT_LT(BeakSide(birds, m), -8) << "pose " << j;
      } else {
        EXPECT_GT(BeakSide(birds, m), 8) << "pose " << j;
      }
    }
  }
}

TEST(SceneArtTest, EveryItemIsAPictureOfItsOwnWithItsPortraitBox) {
  const SpriteData items = ItemSprite();
  ASSERT_EQ(items.anims.size(), static_cast<size_t>(kItemAnimations));
  ASSERT_EQ(items.palettes.size(), 2u);
  EXPECT_EQ(items.palettes[0].size(), items.palettes[1].size());
  std::set<std::vector<uint8_t>> looks;
  for (int k = 0; k < kUnlockItems; k++) {
    SCOPED_TRACE(k);
    const SpriteModule& m = FirstModule(items, k);
    EXPECT_EQ(m.width, kItemSize);
    EXPECT_EQ(m.height, kItemSize);
    looks.insert(m.pixels);
    // Rectangle 3 of the frame (the frames' rectangles follow each other in frame order).
    const int frame = items.aframes[items.anims[k].firstAFrame].frame;
    int first = 0;
    for (int f = 0; f < frame; f++) first += items.frames[f].rectCount;
    ASSERT_GE(items.frames[frame].rectCount, 4);
    const SpriteRect& box = items.rects[first + 3];
    EXPECT_EQ(box.w, kItemSize);
    EXPECT_EQ(box.h, kItemSize);
    EXPECT_EQ(box.x, -kItemSize / 2);
    EXPECT_EQ(box.y, -kItemSize / 2);
  }
  EXPECT_EQ(looks.size(), static_cast<size_t>(kUnlockItems)) << "two items look the same";
}

}  // namespace
