// The headless window and its in-memory display path.
#include "host/headless_window.h"

namespace host {
namespace {

// Frames stay in the surface's front buffer; there is nothing to show them on.
class MemoryPresenter final : public FramePresenter {
 public:
  MemoryPresenter(int width, int height) : width_(width), height_(height) {}
  void upload(const uint16_t*, bool) override {}
  bool display() override { return true; }
  ScreenFormat screenFormat() const override { return {width_, height_, 16, 2, width_ * 2}; }

 private:
  int width_;
  int height_;
};

}  // namespace

std::unique_ptr<HeadlessWindow> HeadlessWindow::create(const WindowClass& windowClass,
                                                       std::string title, int screenWidth,
                                                       int screenHeight) {
  std::unique_ptr<HeadlessWindow> window(
      new HeadlessWindow(windowClass, std::move(title), screenWidth, screenHeight));
  window->sendCreationMessages();
  return window;
}

void HeadlessWindow::bringToFront() {
  bringToFrontCount_.fetch_add(1);
  setForeground(true);
}

bool HeadlessWindow::setOrientation(uint32_t orientation) {
  orientationRequests_.fetch_add(1);
  if (!orientationHeld_.load(std::memory_order_acquire)) {
    orientation_.store(orientation, std::memory_order_release);
  }
  return true;
}

void HeadlessWindow::injectOrientation(uint32_t orientation, bool held) {
  orientation_.store(orientation, std::memory_order_release);
  orientationHeld_.store(held, std::memory_order_release);
  postMessage({kMsgSettingChange, 0, 0});
}

void HeadlessWindow::refuseDisplayPath(DisplayPath path) {
  (path == DisplayPath::Renderer ? rendererRefused_ : surfaceRefused_).store(true);
}

std::unique_ptr<DisplaySurface> HeadlessWindow::openDisplay(DisplayPath path) {
  if ((path == DisplayPath::Renderer ? rendererRefused_ : surfaceRefused_).load()) return nullptr;
  return std::make_unique<DisplaySurface>(
      std::make_unique<MemoryPresenter>(screenWidth(), screenHeight()));
}

}  // namespace host
