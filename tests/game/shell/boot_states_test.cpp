// The boot states frame by frame on the test clock, in process: the logo's 4000 ms after a quick
// boot load and no wait after a slow one, the sound question answered by key and by a tap,
// the title's music, and the boot over a data set with a pack missing or cut short.
#include <gtest/gtest.h>

#include <string>

#include "engine/mqlib_player.h"
#include "host/audio.h"
#include "host/file_roots.h"
#include "javame/file.h"
#include "javame/media.h"
#include "javame/random.h"
#include "runtime/string.h"
#include "tests/game/shell/frame_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/data_set.h"

namespace {

constexpr int32_t kFrameMs = 40;
constexpr int32_t kFrameLimit = 600;
constexpr int32_t kFireCode = -5;  // the device's code of the fire key

class BootStatesTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    ASSERT_TRUE(host::OpenAudioDevice(host::AudioBackend::kNull));
    for (int32_t state : {1, 2, 3, 4, 5}) UseRealHandler(state);
    s_->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
    cGame::resetStateMachine();
  }
  void TearDown() override {
    cGame::stopSound();
    host::CloseAudioDevice();
    FrameTest::TearDown();
  }
  void UseRealHandler(int32_t state) {
    constexpr StateHandler kReal[] = {nullptr, &cGame::stateBoot, &cGame::stateBootLoading,
                                      &cGame::stateSoundQuestion, &cGame::stateLoading,
                                      &cGame::stateTitle};
    ReplaceStateHandler(state, kReal[state]);
  }
  void UseDataSet() {
    host::SetDataRoot(PLIMORA_DATA_PATH);
    s_->cGame_archiveFile = nullptr;
  }
  // One frame kFrameMs after the last.
  void Step() {
    clock_.advance(kFrameMs);
    Frame();
  }
  // Frames until the current state is s (and entered); false after kFrameLimit.
  bool RunUntil(int32_t state) {
    for (int32_t n = 0; n < kFrameLimit; n++) {
      if (s_->cGame_currentState == state && !s_->cGame_stateChangePending &&
          !s_->cGame_stateEntering) {
        return true;
      }
      Step();
    }
    return false;
  }
  // Frames of the sound question until its popup is fully open.
  void OpenQuestion() {
    ASSERT_TRUE(RunUntil(3));
    for (int32_t n = 0; n < 10; n++) Step();
    ASSERT_TRUE(s_->cGame_popupOpen);
  }
  void PressFire() {
    canvas()->keyPressed(kFireCode);
    Step();
    canvas()->keyReleased(kFireCode);
    Step();
  }
  void Tap(int32_t x, int32_t y) {
    canvas()->pointerPressed(x, y);
    Step();
    canvas()->pointerReleased(x, y);
    Step();
    Step();  // the tap shows in the frame after its release
  }
};

// State 2 lasts while its clock is at most 4000 ms even though the boot load is done at its
// third update; when the load itself took the 4000 ms, state 3 follows at the next update.
TEST_F(BootStatesTest, TheLogoStaysFourSecondsAfterAQuickLoadAndNoLongerAfterASlowOne) {
  UseDataSet();
  ASSERT_TRUE(RunUntil(2));
  int32_t lastTime = 0;
  while (s_->cGame_currentState == 2 && !s_->cGame_stateChangePending) {
    lastTime = s_->cGame_stateTime;
    Step();
    ASSERT_LT(s_->cGame_stateFrames, kFrameLimit);
  }
  EXPECT_GT(lastTime + kFrameMs, 4000) << "the request came with the update past 4000 ms";
  EXPECT_LE(lastTime, 4000 + kFrameMs);
  EXPECT_EQ(s_->cGame_nextState, 3);

  // A second boot whose load ran until the state's clock was past 4000 ms.
  cGame::resetStateMachine();
  ASSERT_TRUE(RunUntil(2));
  while (s_->cGame_bootStep <= 2) Step();
  s_->cGame_stateTime = 4100;
  const int32_t frames = s_->cGame_stateFrames;
  Step();
  EXPECT_EQ(s_->cGame_stateFrames, frames + 1);
  EXPECT_TRUE(s_->cGame_stateChangePending);
  EXPECT_EQ(s_->cGame_nextState, 3);
}

// "No" leaves the music, the effects and the sound option off, and the title plays nothing;
// "yes" starts sound 0 at the title (its Player started, state 400).
TEST_F(BootStatesTest, TheAnswerSetsTheSoundAndTheTitlePlaysOnlyAfterYes) {
  UseDataSet();
  enum How { kFireOnNo, kTapOnSecond, kUpThenFire };
  struct Case {
    const char* how;
    How answer;
    bool on;
  };
  const Case cases[] = {
      {"fire on the default, no", kFireOnNo, false},
      {"a tap on the second button", kTapOnSecond, false},
      {"up, then fire: yes", kUpThenFire, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    cGame::resetStateMachine();
    OpenQuestion();
    if (c.answer == kFireOnNo) {
      PressFire();
    } else if (c.answer == kTapOnSecond) {
      Tap(240, s_->cGame_popupButtonY + 58);
    } else {
      canvas()->keyPressed(-1);
      Step();
      canvas()->keyReleased(-1);
      Step();
      EXPECT_EQ(s_->cGame_popupChoice, 1);
      PressFire();
    }
    ASSERT_TRUE(RunUntil(5));
    Step();
    EXPECT_EQ(s_->cGame_musicEnabled, c.on);
    EXPECT_EQ(s_->cGame_sfxEnabled, c.on);
    EXPECT_EQ(s_->cGame_soundOption, c.on);
    if (c.on) {
      EXPECT_EQ(s_->cGame_currentSoundId, 0);
    }
    auto* player = s_->cGame_currentSound ? static_cast<javax_microedition_media_Player*>(
                                                s_->cGame_currentSound->getInterface(
                                                    cid::javax_microedition_media_Player))
                                          : nullptr;
    if (c.on) {
      ASSERT_NE(player, nullptr);
      EXPECT_EQ(player->getState(), javax_microedition_media_Player::kStarted);
    } else {
      EXPECT_EQ(player, nullptr);
    }
    cGame::stopSound();
  }
}

// Fire or a tap inside the margins leaves the title for the main menu; a tap in a corner's
// margin does not.
TEST_F(BootStatesTest, TheTitleLeavesOnFireOrATapInsideTheMargins) {
  UseDataSet();
  struct Case {
    int32_t x, y;
    bool leaves;
  };
  const Case cases[] = {{240, 400, true}, {40, 400, false}, {240, 760, false}, {-1, -1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    cGame::resetStateMachine();
    OpenQuestion();
    PressFire();
    ASSERT_TRUE(RunUntil(5));
    if (c.x < 0) {
      PressFire();
    } else {
      Tap(c.x, c.y);
    }
    EXPECT_EQ(s_->cGame_stateChangePending && s_->cGame_nextState == 6, c.leaves);
  }
}

// A data set with one boot pack missing or cut short still reaches the title; the trace names
// the pack, and state 1 made its tables in any case.
TEST_F(BootStatesTest, WithABootPackMissingOrCutShortTheBootReachesTheTitle) {
  struct Case {
    const char* pack;
    bool cut;
    const char* traced;
  };
  const Case cases[] = {
      {"data", false, "pack 269"},  {"data", true, "pack 269"},   {"logo", false, "pack 271"},
      {"title", false, "pack 272"}, {"title", true, "pack 272"},  {"text", false, "\"text\""},
      {"fonts", false, "pack 274"}, {"fonts", true, "\"fonts\""}, {"ui", false, "pack 66"},
      {"ui", true, "\"ui\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pack) + (c.cut ? " cut" : " missing"));
    std::vector<databuild::ArchiveEntry> files;
    for (const databuild::Pack& pack : databuild::DataSetPacks()) {
      for (databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
        if (pack.name == c.pack && !c.cut) continue;
        if (pack.name == c.pack) file.bytes.resize(file.bytes.size() / 2);
        files.push_back(std::move(file));
      }
    }
    std::erase_if(archive_, [](const databuild::ArchiveEntry& e) { return e.name != "constants.bin"; });
    PlantArchiveEntries(files);
    s_->cGame_archiveFile = nullptr;
    s_->cGame_packName = nullptr;
    TraceCapture trace;
    cGame::resetStateMachine();
    Step();
    EXPECT_NE(s_->cGame_spriteTable, nullptr);
    EXPECT_NE(s_->cGame_imageTable, nullptr);
    OpenQuestion();
    PressFire();
    EXPECT_TRUE(RunUntil(5));
    bool traced = false;
    for (const std::string& line : trace.lines()) traced |= line.find(c.traced) != std::string::npos;
    EXPECT_TRUE(traced) << c.traced;
  }
}

// A title pack whose entry is no PNG: the boot traces it and goes on with a blank back buffer.
TEST_F(BootStatesTest, ACorruptTitleBackgroundIsTracedAndTheBootGoesOn) {
  std::vector<databuild::ArchiveEntry> files;
  for (const databuild::Pack& pack : databuild::DataSetPacks()) {
    if (pack.name == "title") continue;
    for (databuild::ArchiveEntry& file : databuild::WritePack(pack)) files.push_back(std::move(file));
  }
  const std::string text = "\x89PNG but no picture follows";
  const std::vector<uint8_t> junk(text.begin(), text.end());
  const databuild::Pack title{"title", {databuild::PackEntry::Plain(0, junk)}};
  for (databuild::ArchiveEntry& file : databuild::WritePack(title)) files.push_back(std::move(file));
  PlantArchiveEntries(files);
  s_->cGame_archiveFile = nullptr;
  TraceCapture trace;
  OpenQuestion();
  EXPECT_TRUE(trace.contains(
      "cGame::bootLoad(): pack 272 entry 0 gave no title background; the back buffer stays blank"));
  PressFire();
  EXPECT_TRUE(RunUntil(5));
}

}  // namespace
