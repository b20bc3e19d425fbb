// The frame paint: its gating, its per-frame reset of the screen graphics, the repaint that is
// never painted twice at once, GameCanvas's flush, and whole frames handed to the main thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "javame/game_canvas.h"
#include "javame/image.h"
#include "javame/thread.h"
#include "runtime/object_manager.h"
#include "tests/platform/shell_fixture.h"
#include "tests/runtime/collector_fixture.h"

namespace {

using Calls = std::vector<std::string>;
using Graphics = javax_microedition_lcdui_Graphics;

// Parks the main thread (a Java thread) in short sleeps until done() holds.
template <class Done>
void SleepUntil(Done done) {
  for (int i = 0; i < 20000 && !done(); i++) java_lang_Thread::sleep(1);
  ASSERT_TRUE(done());
}

// A Java thread that runs body once.
class BodyThread : public java_lang_Thread {
 public:
  explicit BodyThread(void (*runBody)()) : body(runBody) {}
  void run() override { body(); }
  void (*body)();
};

TEST_F(ShellTest, ARepaintPaintsAndPresentsOnlyWhileActiveInFrontAndWithoutTheMessage) {
  StartShell();
  const struct {
    bool enabled;
    bool foreground;
    int32_t paintState;
    bool painted;
  } kCases[] = {
      {true, true, 0, true},
      {false, true, 0, false},  // inactive
      {true, false, 0, false},  // behind another window
      {true, true, 1, false},   // the orientation guard's message is up
  };
  for (const auto& c : kCases) {
    window_->injectFocusGain();
    if (!c.foreground) window_->injectFocusLoss();  // the foreground flag changes at once
    context_.paintingEnabled = c.enabled;
    context_.paintState = c.paintState;
    const uint64_t presented = surface().presentCount();
    context_.repaintNow();
    EXPECT_EQ(calls.take(), c.painted ? Calls{"paint"} : Calls{});
    EXPECT_EQ(surface().presentCount(), presented + (c.painted ? 1 : 0));
  }
}

// What each paint found on the screen graphics, before it moved everything.
struct Found {
  int32_t translateX, translateY, clipX, clipY, clipWidth, clipHeight;
  uint32_t colour;
};
inline std::vector<Found> found;

class Unruly : public javax_microedition_lcdui_Canvas {
 public:
  void paint(Graphics* g) override {
    found.push_back({g->getTranslateX(), g->getTranslateY(), g->getClipX(), g->getClipY(),
                     g->getClipWidth(), g->getClipHeight(), g->colour});
    g->translate(13, -7);
    g->setClip(5, 5, 10, 10);
    g->setColor(0x123456);
  }
};

TEST_F(ShellTest, EachFrameStartsWithTheTranslationClipAndColourReset) {
  StartShell();
  application().currentDisplayable = NewObject<Unruly>();
  found.clear();
  application().paint();
  application().paint();
  ASSERT_EQ(found.size(), 2u);
  for (const Found& f : found) {
    EXPECT_EQ(f.translateX, 0);
    EXPECT_EQ(f.translateY, 0);
    EXPECT_EQ(f.clipX, 0);
    EXPECT_EQ(f.clipY, 0);
    EXPECT_EQ(f.clipWidth, 480);
    EXPECT_EQ(f.clipHeight, 800);
    EXPECT_EQ(f.colour, 0xFFFFFFFFu);
  }
}

TEST_F(ShellTest, WithoutACanvasAPaintOnlyResetsTheClip) {
  StartShell();
  application().currentDisplayable = nullptr;
  Graphics* g = application().m_screenGraphics;
  g->setClip(1, 2, 3, 4);
  application().paint();
  EXPECT_EQ(g->getClipX(), 0);
  EXPECT_EQ(g->getClipHeight(), 800);
}

// The paint asks for a forced collection when one was asked for, else the throttled one
// (at most one per 2000 ms: a fresh runtime has just collected).
TEST_F(ShellTest, APaintAfterACollectionWasForcedCollectsAtOnce) {
  StartShell();
  finalizedIds.clear();
  Deep([] { NewNode(1); });
  application().paint();
  EXPECT_TRUE(finalizedIds.empty());
  application().collectionForced = 1;
  application().paint();
  EXPECT_EQ(application().collectionForced, 0);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
}

TEST_F(ShellTest, EveryDisplayableIsAsLargeAsTheScreen) {
  StartShell();
  javax_microedition_lcdui_Displayable* canvas = application().currentDisplayable;
  EXPECT_EQ(canvas->getWidth(), 480);
  EXPECT_EQ(canvas->getHeight(), 800);
  application().screenImage = nullptr;
  EXPECT_EQ(canvas->getWidth(), 480) << "before the screen image exists too";
  EXPECT_EQ(canvas->getHeight(), 800);
}

TEST_F(ShellTest, FlushGraphicsCopiesOnlyItsRectangleAndKeepsTheClip) {
  StartShell();
  auto* canvas = NewObject<javax_microedition_lcdui_game_GameCanvas>();
  ASSERT_NE(canvas->offscreenImage, nullptr);
  Graphics* off = canvas->getGraphics();
  ASSERT_NE(off, nullptr);
  EXPECT_EQ(off->target, canvas->offscreenImage);
  EXPECT_NE(canvas->getGraphics(), off) << "a new Graphics each time";
  off->setColor(0xFF0000);
  off->fillRect(0, 0, 480, 800);
  std::fill_n(context_.backBuffer, kScreenWidth * kScreenHeight, uint16_t{0x001F});
  Graphics* screen = application().m_screenGraphics;
  screen->setClip(1, 2, 300, 400);

  canvas->flushGraphics(10, 20, 30, 40);

  EXPECT_EQ(screen->getClipX(), 1);
  EXPECT_EQ(screen->getClipY(), 2);
  EXPECT_EQ(screen->getClipWidth(), 300);
  EXPECT_EQ(screen->getClipHeight(), 400);
  int red = 0;
  for (int y = 0; y < kScreenHeight; y++) {
    for (int x = 0; x < kScreenWidth; x++) {
      const bool inside = x >= 10 && x < 40 && y >= 20 && y < 60;
      const uint16_t pixel = context_.backBuffer[y * kScreenWidth + x];
      ASSERT_EQ(pixel, inside ? 0xF800 : 0x001F) << x << ", " << y;
      red += inside;
    }
  }
  EXPECT_EQ(red, 30 * 40);
  canvas->flushGraphics();
  EXPECT_EQ(context_.backBuffer[799 * kScreenWidth + 479], 0xF800) << "the whole canvas";
}

// ---- Repaints on two threads --------------------------------------------------------------------

std::atomic<int> inside{0};
std::atomic<int> overlaps{0};
std::atomic<bool> letPaintEnd{false};
std::atomic<bool> gameThreadDone{false};

// A paint that stays until released and notes whether another paint was running meanwhile.
class SlowCanvas : public javax_microedition_lcdui_Canvas {
 public:
  void paint(Graphics*) override {
    if (inside.fetch_add(1) != 0) overlaps++;
    calls.add("paint");
    while (!letPaintEnd) java_lang_Thread::sleep(1);
    inside--;
  }
};

// The resume of a canvas repaints on the main thread; the game thread may be painting then.
// The second repaint is skipped: no overlap, and a collection forced by the first goes ahead
// while the main thread waits in its sleep.
TEST_F(ShellTest, ARepaintOnTheMainThreadWhileTheGameThreadPaintsIsSkipped) {
  StartShell();
  application().currentDisplayable = NewObject<SlowCanvas>();
  application().collectionForced = 1;
  letPaintEnd = false;
  gameThreadDone = false;
  auto* thread = NewObject<BodyThread>(+[] {
    GetApplicationImpl()->repaintNow();
    gameThreadDone = true;
  });
  ASSERT_GE(thread->nativeStart(), 0);
  SleepUntil([] { return inside.load() == 1; });
  context_.repaintNow();  // returns at once: the frame is being painted
  letPaintEnd = true;
  SleepUntil([] { return gameThreadDone.load(); });
  EXPECT_EQ(calls.take(), Calls{"paint"});
  EXPECT_EQ(overlaps.load(), 0);
  EXPECT_EQ(application().collectionForced, 0);
  context_.repaintNow();
  EXPECT_EQ(calls.take(), Calls{"paint"}) << "once the first is done, a repaint paints again";
}

// The game thread paints whole frames of one colour, in turn red and green, as fast as it can;
// every frame the main thread takes from the front buffer is one colour throughout.
std::atomic<bool> stopPainting{false};

class UniformCanvas : public javax_microedition_lcdui_Canvas {
 public:
  void paint(Graphics* g) override {
    g->setColor(frames++ % 2 ? 0x00FF00 : 0xFF0000);
    g->fillRect(0, 0, 480, 800);
  }
  int32_t frames = 0;
};

TEST_F(ShellTest, EveryFrameTheMainThreadTakesIsWhole) {
  StartShell();
  application().currentDisplayable = NewObject<UniformCanvas>();
  stopPainting = false;
  gameThreadDone = false;
  auto* thread = NewObject<BodyThread>(+[] {
    while (!stopPainting) {
      GetApplicationImpl()->repaintNow();
      java_lang_Thread::yield();
    }
    gameThreadDone = true;
  });
  ASSERT_GE(thread->nativeStart(), 0);
  std::vector<uint16_t> frame(host::DisplaySurface::kPixels);
  int taken = 0;
  uint64_t last = 0;
  bool seen[2] = {false, false};
  while (taken < 200) {
    context_.sleepPumping(0);  // shows the pending frame, as the main loop does
    const uint64_t number = surface().copyFrontBuffer(frame.data());
    if (number == last) continue;
    last = number;
    taken++;
    const uint16_t first = frame[0];
    ASSERT_TRUE(first == 0xF800 || first == 0x07E0) << std::hex << first;
    seen[first == 0x07E0] = true;
    ASSERT_EQ(std::count(frame.begin(), frame.end(), first), host::DisplaySurface::kPixels)
        << "frame " << number << " is not one colour";
  }
  stopPainting = true;
  SleepUntil([] { return gameThreadDone.load(); });
  EXPECT_TRUE(seen[0] && seen[1]);
}

}  // namespace
