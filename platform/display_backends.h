// The display back-ends: NativeDisplay, the interface the runtime paints and presents through,
// and its two implementations. Both own one host display surface: the game thread paints into
// its 480 x 800 RGB565 back buffer, present hands the finished frame to the main thread
// through the front buffer, and the main thread shows it on the window. GdiDisplay shows it
// through a renderer's streaming texture stretched to the window (fast or smooth scaling),
// DDrawDisplay by a stretching blit onto the window's own surface. On a headless window both
// keep frames in memory only.
#pragma once

#include <cstdint>
#include <memory>

#include "host/display_surface.h"

class ApplicationImpl;
namespace host {
class Window;
}

class NativeDisplay {
 public:
  virtual ~NativeDisplay() = default;
  NativeDisplay(const NativeDisplay&) = delete;
  NativeDisplay& operator=(const NativeDisplay&) = delete;

  // Operations 1 to 18 (0 is the destructor).
  // Creates the surface on the window: 1 on success, 0 (nothing kept) on failure.
  virtual int32_t open(host::Window* window) = 0;
  // Releases what open made.
  virtual void close() = 0;
  virtual bool setWindowedMode() = 0;
  virtual bool setFullScreenMode() = 0;
  virtual void setFastScaling() = 0;
  virtual void setSmoothScaling() = 0;
  virtual int32_t getScreenWidth() = 0;  // pixels
  virtual int32_t getScreenHeight() = 0;
  virtual int32_t getBitsPerPixel() = 0;
  virtual int32_t getPixelStride() = 0;  // bytes
  virtual int32_t getScreenPitch() = 0;  // bytes per row
  virtual int32_t getBackBufferPitch() = 0;
  virtual bool lockBackBuffer() = 0;
  virtual bool unlockBackBuffer() = 0;
  virtual int32_t getBackBufferWidth() = 0;
  virtual int32_t getBackBufferHeight() = 0;
  virtual uint16_t* getBackBuffer() = 0;
  // Any thread: hands the back buffer's frame to the main thread; true when handed over.
  virtual bool present() = 0;

  // Ours: the surface frames go through (the main loop shows them, the screenshot and the
  // message screen use it); null while closed.
  host::DisplaySurface* surface() { return surface_.get(); }

 protected:
  NativeDisplay(int32_t backBufferWidth, int32_t backBufferHeight)
      : backBufferWidth_(backBufferWidth), backBufferHeight_(backBufferHeight) {}
  // The surface of the window's path, or null when the window refuses it (or the back buffer
  // asked for is not the surface's 480 x 800).
  bool openSurface(host::Window* window, host::DisplayPath path);

  host::Window* window_ = nullptr;
  std::unique_ptr<host::DisplaySurface> surface_;
  const int32_t backBufferWidth_;
  const int32_t backBufferHeight_;
};

// The DIB-section path: 16 bits a pixel, 2 bytes a pixel, the screen size as constructed.
class GdiDisplay final : public NativeDisplay {
 public:
  static constexpr int32_t kStretchFast = 3;    // COLORONCOLOR
  static constexpr int32_t kStretchSmooth = 5;  // BILINEAR

  GdiDisplay(int32_t screenWidth, int32_t screenHeight, int32_t backBufferWidth,
             int32_t backBufferHeight)
      : NativeDisplay(backBufferWidth, backBufferHeight),
        screenWidth_(screenWidth),
        screenHeight_(screenHeight) {}
  ~GdiDisplay() override { close(); }

  int32_t open(host::Window* window) override;
  void close() override;
  bool setWindowedMode() override { return true; }
  bool setFullScreenMode() override { return true; }
  void setFastScaling() override { stretchMode_ = kStretchFast; }
  void setSmoothScaling() override { stretchMode_ = kStretchSmooth; }
  int32_t getScreenWidth() override { return screenWidth_; }
  int32_t getScreenHeight() override { return screenHeight_; }
  int32_t getBitsPerPixel() override { return 16; }
  int32_t getPixelStride() override { return 2; }
  int32_t getScreenPitch() override { return screenWidth_ * 2; }
  int32_t getBackBufferPitch() override { return backBufferWidth_ * 2; }
  bool lockBackBuffer() override { return true; }
  bool unlockBackBuffer() override { return true; }
  int32_t getBackBufferWidth() override { return backBufferWidth_; }
  int32_t getBackBufferHeight() override { return backBufferHeight_; }
  uint16_t* getBackBuffer() override;
  bool present() override;

  int32_t stretchMode() const { return stretchMode_; }

 private:
  const int32_t screenWidth_;
  const int32_t screenHeight_;
  int32_t stretchMode_ = kStretchFast;
};

// The primary-surface path: the screen's size and format are read from the window's surface;
// the blit always stretches without smoothing.
class DDrawDisplay final : public NativeDisplay {
 public:
  // The screen size given is not used: the primary surface reports its own.
  DDrawDisplay(int32_t, int32_t, int32_t backBufferWidth, int32_t backBufferHeight)
      : NativeDisplay(backBufferWidth, backBufferHeight) {}
  ~DDrawDisplay() override { close(); }

  int32_t open(host::Window* window) override;
  void close() override;
  bool setWindowedMode() override { return surface_ != nullptr; }
  bool setFullScreenMode() override { return surface_ != nullptr; }
  void setFastScaling() override {}
  void setSmoothScaling() override {}
  int32_t getScreenWidth() override { return screen_.width; }
  int32_t getScreenHeight() override { return screen_.height; }
  int32_t getBitsPerPixel() override { return screen_.bitsPerPixel; }
  int32_t getPixelStride() override { return screen_.pixelStride; }
  int32_t getScreenPitch() override { return screen_.pitch; }
  int32_t getBackBufferPitch() override { return surface_ ? host::DisplaySurface::kPitch : 0; }
  bool lockBackBuffer() override { return surface_ != nullptr; }
  bool unlockBackBuffer() override { return surface_ != nullptr; }
  int32_t getBackBufferWidth() override { return backBufferWidth_; }
  int32_t getBackBufferHeight() override { return backBufferHeight_; }
  uint16_t* getBackBuffer() override;
  bool present() override;

 private:
  host::ScreenFormat screen_;
};

// The surface of the context's display back-end; null without a context, a display or an open
// surface.
host::DisplaySurface* DisplaySurfaceOf(const ApplicationImpl* context);
