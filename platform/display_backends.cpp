// The two display back-ends over the host display surface.
#include "platform/display_backends.h"

#include "host/window.h"
#include "runtime/application_impl.h"

using host::DisplaySurface;

bool NativeDisplay::openSurface(host::Window* window, host::DisplayPath path) {
  if (!window || backBufferWidth_ != DisplaySurface::kWidth ||
      backBufferHeight_ != DisplaySurface::kHeight) {
    return false;
  }
  surface_ = window->openDisplay(path);
  if (!surface_) return false;
  window_ = window;
  return true;
}

host::DisplaySurface* DisplaySurfaceOf(const ApplicationImpl* context) {
  return context && context->display ? context->display->surface() : nullptr;
}

// ---- GdiDisplay ---------------------------------------------------------------------------

int32_t GdiDisplay::open(host::Window* window) {
  return openSurface(window, host::DisplayPath::Renderer) ? 1 : 0;
}

void GdiDisplay::close() {
  surface_.reset();
  window_ = nullptr;
}

uint16_t* GdiDisplay::getBackBuffer() {
  return surface_ ? surface_->backBuffer() : nullptr;
}

// The stretch mode goes along with each frame handed over; the main thread applies it when it
// shows the next frame.
bool GdiDisplay::present() {
  if (!window_ || !surface_) return false;
  surface_->setSmoothScaling(stretchMode_ == kStretchSmooth);
  surface_->present();
  return true;
}

// ---- DDrawDisplay -------------------------------------------------------------------------

int32_t DDrawDisplay::open(host::Window* window) {
  if (!openSurface(window, host::DisplayPath::WindowSurface)) return 0;
  screen_ = surface_->screenFormat();
  return 1;
}

void DDrawDisplay::close() {
  surface_.reset();
  window_ = nullptr;
  screen_ = {};
}

uint16_t* DDrawDisplay::getBackBuffer() {
  return surface_ ? surface_->backBuffer() : nullptr;
}

// Departure: the device's blit path reported 0 even when the frame went out; here the result
// says whether it did.
bool DDrawDisplay::present() {
  if (!surface_) return false;
  surface_->present();
  return true;
}
