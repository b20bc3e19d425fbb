// Back and front buffers of the display surface and the hand-over between the painting
// thread and the main thread.
#include "host/display_surface.h"

#include <algorithm>
#include <cstring>

#include "host/message_font.h"
#include "host/overlay_text.h"

namespace host {
namespace {

constexpr uint16_t kMessageBackground = 0x0000;  // RGB565 black
constexpr uint16_t kMessageText = 0xF800;        // RGB565 red

}  // namespace

DisplaySurface::DisplaySurface(std::unique_ptr<FramePresenter> presenter)
    : presenter_(std::move(presenter)),
      back_(new uint16_t[kPixels]()),
      front_(new uint16_t[kPixels]()) {}

void DisplaySurface::present() {
  std::lock_guard<std::mutex> guard(frontLock_);
  std::memcpy(front_.get(), back_.get(), kPixels * sizeof(uint16_t));
  pending_ = true;
  messageText_.clear();
  presented_.fetch_add(1, std::memory_order_release);
}

uint64_t DisplaySurface::copyFrontBuffer(uint16_t* out) const {
  std::lock_guard<std::mutex> guard(frontLock_);
  std::memcpy(out, front_.get(), kPixels * sizeof(uint16_t));
  drawOverlay(out);
  return presented_.load(std::memory_order_acquire);
}

bool DisplaySurface::showPendingFrame() {
  {
    std::lock_guard<std::mutex> guard(frontLock_);
    if (!pending_) return false;
    const uint16_t* shown = front_.get();
    if (!overlay_.text.empty()) {
      if (!composed_) composed_.reset(new uint16_t[kPixels]);
      std::memcpy(composed_.get(), front_.get(), kPixels * sizeof(uint16_t));
      drawOverlay(composed_.get());
      shown = composed_.get();
    }
    presenter_->upload(shown, smoothScaling());
    pending_ = false;
  }
  return presenter_->display();
}

void DisplaySurface::drawOverlay(uint16_t* frame) const {
  if (overlay_.text.empty()) return;
  DrawOverlayText(frame, kWidth, kHeight, overlay_.x, overlay_.y, overlay_.text, overlay_.colour);
}

void DisplaySurface::showMessageScreen(std::u16string_view text) {
  {
    std::lock_guard<std::mutex> guard(frontLock_);
    std::fill_n(front_.get(), kPixels, kMessageBackground);
    DrawMessageScreenText(front_.get(), kWidth, kHeight, kHeight / 2, text, kMessageText);
    messageText_.assign(text);
    pending_ = true;
  }
  showPendingFrame();
}

void DisplaySurface::setOverlay(std::u16string_view text, uint16_t colour, int x, int y) {
  std::lock_guard<std::mutex> guard(frontLock_);
  overlay_.text.assign(text);
  overlay_.colour = colour;
  overlay_.x = x;
  overlay_.y = y;
  pending_ = true;
}

void DisplaySurface::clearOverlay() {
  std::lock_guard<std::mutex> guard(frontLock_);
  if (overlay_.text.empty()) return;
  overlay_.text.clear();
  pending_ = true;
}

std::u16string DisplaySurface::messageScreenText() const {
  std::lock_guard<std::mutex> guard(frontLock_);
  return messageText_;
}

}  // namespace host
