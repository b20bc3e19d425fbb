// The display surface: the 480 x 800 RGB565 back buffer the game thread paints, and the
// front buffer that holds the last finished frame. Presenting copies the whole back buffer
// into the front buffer under one lock, so whoever reads the front buffer sees whole frames.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace host {

// How the window shows finished frames.
enum class DisplayPath {
  Renderer,       // a streaming texture stretched to the window, fast or smooth scaling
  WindowSurface,  // a stretching blit onto the window's own surface
};

// The screen a frame is shown on, in the terms the display back-ends report.
struct ScreenFormat {
  int width = 0;   // pixels
  int height = 0;  // pixels
  int bitsPerPixel = 0;
  int pixelStride = 0;  // bytes from one pixel to the next
  int pitch = 0;        // bytes per row
};

// What a window back-end does with finished frames. Called on the main thread only.
class FramePresenter {
 public:
  virtual ~FramePresenter() = default;
  // Takes a copy of a whole frame; runs under the front-buffer lock, so it only copies.
  virtual void upload(const uint16_t* frame, bool smooth) = 0;
  // Shows the last uploaded frame on the window; false when the window cannot show it.
  virtual bool display() = 0;
  virtual ScreenFormat screenFormat() const = 0;
};

class DisplaySurface {
 public:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 800;
  static constexpr int kPitch = kWidth * 2;  // bytes per back-buffer row
  static constexpr int kPixels = kWidth * kHeight;

  explicit DisplaySurface(std::unique_ptr<FramePresenter> presenter);
  DisplaySurface(const DisplaySurface&) = delete;
  DisplaySurface& operator=(const DisplaySurface&) = delete;

  // The back buffer: kHeight rows of kWidth RGB565 pixels, top row first. Its address never
  // changes, so an image may be laid over it for the surface's whole life.
  uint16_t* backBuffer() { return back_.get(); }

  // Any thread (the game thread paints and presents): copies the back buffer into the front
  // buffer and marks it for showing. Touches no managed memory.
  void present();
  // Any thread: copies the front buffer (kPixels pixels) into out and returns the number of
  // the frame copied (1 for the first present, 0 before any).
  uint64_t copyFrontBuffer(uint16_t* out) const;
  uint64_t presentCount() const { return presented_.load(std::memory_order_acquire); }

  // Main thread: shows the front buffer when it changed since it was last shown; true when a
  // frame was shown. Touches no managed memory, so it may run inside a collector safe region.
  bool showPendingFrame();

  // Any thread; takes effect from the next frame shown. Fast scaling is the default.
  void setSmoothScaling(bool smooth) { smooth_.store(smooth, std::memory_order_relaxed); }
  bool smoothScaling() const { return smooth_.load(std::memory_order_relaxed); }

  // Main thread: replaces the front buffer with the message screen (black, the text in red
  // from the middle row down) and shows it at once. The text stays readable through
  // messageScreenText until the next present.
  void showMessageScreen(std::u16string_view text);
  std::u16string messageScreenText() const;

  // Any thread: text laid over whatever the screen shows, its box's top-left at (x, y), its
  // glyphs in the RGB565 colour and nothing else drawn. The front buffer keeps the frame
  // itself; copyFrontBuffer and the main thread's showing draw the overlay over it. Replaces
  // any overlay; clearOverlay takes it away. Both touch no managed memory.
  void setOverlay(std::u16string_view text, uint16_t colour, int x, int y);
  void clearOverlay();

  ScreenFormat screenFormat() const { return presenter_->screenFormat(); }

 private:
  // Draws the overlay, when there is one, over a copy of the front buffer. Under frontLock_.
  void drawOverlay(uint16_t* frame) const;

  std::unique_ptr<FramePresenter> presenter_;
  std::unique_ptr<uint16_t[]> back_;
  std::unique_ptr<uint16_t[]> front_;
  mutable std::mutex frontLock_;  // guards front_, pending_, messageText_ and overlay_
  bool pending_ = false;
  std::u16string messageText_;
  struct Overlay {
    std::u16string text;  // empty: none
    uint16_t colour = 0;
    int x = 0;
    int y = 0;
  } overlay_;                             // guarded by frontLock_
  std::unique_ptr<uint16_t[]> composed_;  // the front buffer with the overlay, as shown
  std::atomic<uint64_t> presented_{0};
  std::atomic<bool> smooth_{false};
};

}  // namespace host
