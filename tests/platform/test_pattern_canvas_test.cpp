// The test application started through the application record as the program starts it: its
// MIDlet reads "app.jad", its game canvas paints on its own game thread, and start, pause,
// resume and destroy reach them in that order until the game loop ends the application.
#include "platform/test_pattern_canvas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "host/file_roots.h"
#include "javame/game_canvas.h"
#include "javame/thread.h"
#include "runtime/class.h"
#include "runtime/string.h"
#include "tests/platform/shell_fixture.h"
#include "tests/support/string_text.h"
#include "tools/databuild/archive_writer.h"

namespace {

namespace fs = std::filesystem;

class TestApplicationTest : public ShellTest {
 protected:
  void SetUp() override {
    std::random_device random;
    do {
      data_ = fs::temp_directory_path() / ("plimora-application-" + std::to_string(random()));
    } while (!fs::create_directory(data_));
    const std::string jad = "MIDlet-Name: Pattern\r\nMIDlet-Version: 0.1\r\n";
    const databuild::ArchiveEntry entry{"app.jad", {jad.begin(), jad.end()}};
    const std::vector<uint8_t> archive = databuild::WriteArchive({&entry, 1});
    fs::create_directories((data_ / databuild::kArchivePath).parent_path());
    std::ofstream(data_ / databuild::kArchivePath, std::ios::binary)
        .write(reinterpret_cast<const char*>(archive.data()),
               static_cast<std::streamsize>(archive.size()));
    host::SetDataRoot(data_.string());
  }
  void TearDown() override {
    ShellTest::TearDown();
    host::SetDataRoot(host::kDefaultDataRoot);
    std::error_code ignored;
    fs::remove_all(data_, ignored);
  }

  // Sleeps as a Java thread (so the game thread's collections can go on) until done() holds,
  // for at most five seconds.
  static bool WaitFor(const std::function<bool()>& done) {
    for (int ms = 0; ms < 5000 && !done(); ms++) java_lang_Thread::sleep(1);
    return done();
  }

  fs::path data_;
};

TEST_F(TestApplicationTest, LifecycleCallsReachTheMidletAndItsCanvasInOrder) {
  StartShell();
  application().m_midlet = nullptr;
  application().currentDisplayable = nullptr;

  // Start: the MIDlet has its properties, its game canvas is current and its loop paints.
  application().startApp();
  auto* midlet = dynamic_cast<TestPatternMidlet*>(application().m_midlet);
  ASSERT_NE(midlet, nullptr);
  EXPECT_EQ(TextOf(midlet->getAppProperty(NewJavaString("MIDlet-Name"))), "Pattern");
  auto* canvas = dynamic_cast<TestPatternCanvas*>(application().currentDisplayable);
  ASSERT_NE(canvas, nullptr);
  EXPECT_TRUE(InstanceOf(canvas, cid::javax_microedition_lcdui_game_GameCanvas));
  ASSERT_NE(canvas->offscreenImage, nullptr);
  EXPECT_EQ(canvas->runState, 0);
  ASSERT_TRUE(WaitFor([&] { return surface().presentCount() >= 3; }));

  // Pause: the loop goes on passing but paints nothing.
  application().pause();
  EXPECT_EQ(canvas->paused, 1);
  const int64_t passes = canvas->passes;
  ASSERT_TRUE(WaitFor([&] { return canvas->passes > passes + 1; }));
  const auto presentsWhilePaused = surface().presentCount();
  ASSERT_TRUE(WaitFor([&] { return canvas->passes > passes + 5; }));
  EXPECT_EQ(surface().presentCount(), presentsWhilePaused);

  // Resume: painting again, and a second start made no second canvas.
  application().resume();
  EXPECT_EQ(canvas->paused, 0);
  EXPECT_EQ(application().currentDisplayable, canvas);
  ASSERT_TRUE(WaitFor([&] { return surface().presentCount() > presentsWhilePaused + 2; }));

  // Destroy: the loop ends at the end of its pass and ends the application.
  application().destoryMIDlet();
  EXPECT_EQ(canvas->runState, -1);
  EXPECT_TRUE(WaitFor([&] { return context_.running == 0; }));
}

}  // namespace
