// The frame paint: the screen graphics, one frame of the current Displayable with its reset
// and its collection request, the gated repaint that presents it, and GameCanvas's copy of its
// off-screen image to the screen.
#include <mutex>

#include "javame/displayable.h"
#include "javame/game_canvas.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "javame/thread.h"
#include "platform/display_backends.h"
#include "platform/java_calls.h"
#include "platform/screen_image.h"
#include "platform/shell.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/object_manager.h"
#include "runtime/trace.h"

namespace {

// Held while a frame is painted and presented. A repaint that finds it taken is skipped: the
// frame is being painted already, and waiting could hold up a collection under way.
std::mutex paintLock;

}  // namespace

void Application::setScreenGraphics(javax_microedition_lcdui_Image* image) {
  screenImage = image;
  DebugLog("m_screenGraphics");
  m_screenGraphics = NewObject<javax_microedition_lcdui_Graphics>(image);
}

void Application::paint() {
  javax_microedition_lcdui_Graphics* graphics = m_screenGraphics;
  if (!graphics) return;
  if (currentDisplayable) {
    graphics->translate(-graphics->getTranslateX(), -graphics->getTranslateY());
    graphics->setClip(0, 0, kScreenWidth, kScreenHeight);
    graphics->setColor(0xFFFFFF);
    currentDisplayable->paint(graphics);
    objectManager->gc(collectionForced ? kGcForced : kGcThrottled);
    collectionForced = 0;
  }
  graphics->setClip(0, 0, kScreenWidth, kScreenHeight);
}

void ApplicationImpl::repaintNow() {
  if (!paintingEnabled || paintState == 1 || !IsGameWindowForeground()) return;
  std::unique_lock<std::mutex> painting(paintLock, std::try_to_lock);
  if (!painting.owns_lock() || !application || !display) return;
  application->paint();
  display->present();
  // On the game thread a pending exception ends the game loop; elsewhere nobody would see it.
  if (java_lang_Thread::currentThread() == mainThread()) {
    DropPendingExceptionOf("ApplicationImpl::repaintNow");
  }
}

// ---- GameCanvas -------------------------------------------------------------------------------

void javax_microedition_lcdui_game_GameCanvas::flushGraphics(int32_t x, int32_t y, int32_t width,
                                                             int32_t height) {
  Application* application = GetApplication();
  javax_microedition_lcdui_Graphics* screen = application ? application->m_screenGraphics : nullptr;
  if (!screen) return;
  const int32_t clipX = screen->getClipX();
  const int32_t clipY = screen->getClipY();
  const int32_t clipWidth = screen->getClipWidth();
  const int32_t clipHeight = screen->getClipHeight();
  screen->setClip(x, y, width, height);
  screen->drawImage(offscreenImage, 0, 0, 0);
  screen->setClip(clipX, clipY, clipWidth, clipHeight);
}

void javax_microedition_lcdui_game_GameCanvas::flushGraphics() {
  flushGraphics(0, 0, getWidth(), getHeight());
}
