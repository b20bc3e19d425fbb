// Saved-progress tests: the game's progress tables over a started runtime and the real record
// store, read and set field by field as one named map, and two complete states that differ
// in every field.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/javame/record_store_fixture.h"
#include "tests/support/runtime_fixture.h"

// Every saved progress value by name ("levelResults[3][5]"), plus "setting" for the
// intro-text setting.
using Progress = std::map<std::string, int32_t>;

class ProgressTest : public RecordStoreTest {
 protected:
  static constexpr const char* kProgressStore = "progress";
  static constexpr const char* kSettingsStore = "settings";

  void SetUp() override {
    RecordStoreTest::SetUp();
    cGame::initProgressTables();
  }

  // One saved value: its name, its slot, and the range a load keeps it in.
  using Visit = std::function<void(const std::string& name, int32_t& slot, int32_t lo, int32_t hi)>;

  static void ForEachField(const Visit& visit) {
    GameStatics* s = Statics<GameStatics>();
    visit("selectedWorld", s->cGame_selectedWorld, -1, 11);
    Table("mapCursorByWorld", s->cGame_mapCursorByWorld, -2, 13, visit);
    visit("worldsUnlocked", s->cGame_worldsUnlocked, 0, 7);
    visit("progressAux", s->cGame_progressAux, -128, 127);
    visit("firstPlayHints", s->cGame_firstPlayHints, -128, 127);
    Table("awardFlags", s->cGame_awardFlags, 0, 1, visit);
    for (int32_t w = 0; w < 12; w++) {
      auto* row = static_cast<IntArray*>(s->cGame_levelResults->elements()[w]);
      const std::string name = "levelResults[" + std::to_string(w) + "]";
      for (int32_t c = 0; c < 14; c++) {
        visit(name + "[" + std::to_string(c) + "]", row->elements()[c], c == 0 ? -128 : -2,
              c == 0 ? 127 : 2);
      }
    }
    visit("totalScore", s->cGame_totalScore, INT32_MIN, INT32_MAX);
    Table("unlockFlags", s->cGame_unlockFlags, 0, 1, visit);
    for (int32_t* field :
         {&s->cGame_statBubblesPopped, &s->cGame_statPlayTime, &s->cGame_statBubblesDropped,
          &s->cGame_statAttachmentsFreed, &s->cGame_statChains, &s->cGame_statBestBossTime,
          &s->cGame_statBestTime, &s->cGame_statBestSurvivalTime}) {
      visit("stat" + std::to_string(field - &s->cGame_statBubblesPopped), *field, INT32_MIN,
            INT32_MAX);
    }
    visit("statBestStage", s->cGame_statBestStage, -128, 127);
    visit("spriteSetOption", s->cGame_spriteSetOption, 0, 1);
    visit("hudOrderOption", s->cGame_hudOrderOption, 0, 1);
    visit("world0Level12Seen", s->cGame_world0Level12Seen, -128, 127);
  }

  static Progress Current() {
    Progress values;
    ForEachField(
        [&](const std::string& name, int32_t& slot, int32_t, int32_t) { values[name] = slot; });
    values["setting"] = Statics<GameStatics>()->cGame_levelIntroTextsEnabled ? 1 : 0;
    return values;
  }

  static void Apply(const Progress& values) {
    ForEachField(
        [&](const std::string& name, int32_t& slot, int32_t, int32_t) { slot = values.at(name); });
    Statics<GameStatics>()->cGame_levelIntroTextsEnabled = values.at("setting") != 0;
  }

  // State 0 or 1: each field takes a value inside its range, the two states a different one
  // in every field; the setting is off in state 0 and on in state 1.
  static Progress Pattern(int which) {
    Progress values;
    int32_t k = 0;
    ForEachField([&](const std::string& name, int32_t&, int32_t lo, int32_t hi) {
      const int64_t span = static_cast<int64_t>(hi) - lo + 1;
      const int64_t step = span > 256 ? 7919 * (k + 1) : k;
      values[name] = static_cast<int32_t>(lo + (step + which) % span);
      k++;
    });
    values["setting"] = which;
    return values;
  }

 private:
  static void Table(const std::string& name, IntArray* table, int32_t lo, int32_t hi,
                    const Visit& visit) {
    for (int32_t i = 0; i < table->length; i++) {
      visit(name + "[" + std::to_string(i) + "]", table->elements()[i], lo, hi);
    }
  }
};
