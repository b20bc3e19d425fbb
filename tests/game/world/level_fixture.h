// Level build tests: the actor fixture's real pools and sprite table on the 480 x 640 play
// screen, the data set's level packs planted, and a way to plant one written level in place
// of level 0 of world 0 and load it as the loader does. Shot tests over built levels add the
// angle tables, the effect sprites and the launcher's shot speed, and build a level of the
// data set as the loader builds it, then enter play.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "tests/game/board/actor_fixture.h"
#include "tools/databuild/level_writer.h"

// A level of the type with the 13 parameters the header reader expects (levelParams[0] 4),
// three shots and one rule.
databuild::Level PlainLevel(int type);

class LevelBuildTest : public ActorTest {
 protected:
  static constexpr int32_t kPx = 1 << 16;

  void SetUp() override;

  // Plants every pack of the data set whose name is one of names.
  void PlantDataPacks(std::initializer_list<const char*> names);
  // The level as level 0 of world 0's pack (replacing the data set's), loaded by loadLevelData.
  void LoadWritten(const databuild::Level& level);

  static cGame_CBubbleBunch* Bunch(int32_t b) { return cGame::getBunch(b); }
  static std::vector<Bubble*> Members(int32_t b);
  static std::vector<Bubble*> Live();
};

class BuiltLevelShotTest : public LevelBuildTest {
 protected:
  static constexpr int32_t kShotSpeed = 800;  // px/s, the launcher's
  static constexpr int32_t kPlainVariant = 1, kLessonVariant = 2;

  void SetUp() override;

  // Level `index` of `world` read and built as the loader does it (the level before left).
  void BuildPlanned(int world, int index, int32_t variant = kPlainVariant);
  // Play in its scoring phase with the award and objective tables, no boss, and the bands and
  // the danger line out of the way.
  void EnterPlay();
  // One frame of frameMs as the world runs it: the grid rebuilt, every bubble updated (a
  // flying shot last, so a pop it schedules is not yet counted down when the frame ends), the
  // pop-end events consumed, the actors run.
  static void Frame(int32_t frameMs);
};
