// Showing frames through SDL. The renderer stretches a streaming RGB565 texture over the
// whole window (nearest or linear sampling); the window-surface path keeps an RGB565 copy of
// the frame and stretches it onto the window's surface by a scaled blit (nearest only).
#include "host/sdl_presenters.h"

#include <cstring>

#include "host/trace_line.h"

namespace host {
namespace {

constexpr int kWidth = DisplaySurface::kWidth;
constexpr int kHeight = DisplaySurface::kHeight;

void CopyRows(void* to, int toPitch, const uint16_t* frame) {
  auto* out = static_cast<uint8_t*>(to);
  const auto* in = reinterpret_cast<const uint8_t*>(frame);
  for (int row = 0; row < kHeight; row++) {
    std::memcpy(out + row * toPitch, in + row * DisplaySurface::kPitch, DisplaySurface::kPitch);
  }
}

class RendererPresenter final : public SdlPresenter {
 public:
  using SdlPresenter::SdlPresenter;
  ~RendererPresenter() override { freeSdlObjects(); }

  bool open() {
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) return false;
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                 kWidth, kHeight);
    if (!texture_) return false;
    SDL_GetWindowSize(window_, &width_, &height_);
    return true;
  }

  void upload(const uint16_t* frame, bool smooth) override {
    if (!texture_) return;
    SDL_SetTextureScaleMode(texture_, smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;
    CopyRows(pixels, pitch, frame);
    SDL_UnlockTexture(texture_);
  }

  bool display() override {
    if (!texture_) return false;
    SDL_RenderClear(renderer_);
    bool copied = SDL_RenderCopy(renderer_, texture_, nullptr, nullptr) == 0;
    SDL_RenderPresent(renderer_);
    return copied;
  }

  // The screen as the device's DIB path reports it: 16 bits, 2 bytes a pixel.
  ScreenFormat screenFormat() const override { return {width_, height_, 16, 2, width_ * 2}; }

  void freeSdlObjects() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    texture_ = nullptr;
    renderer_ = nullptr;
  }

 private:
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

class SurfacePresenter final : public SdlPresenter {
 public:
  using SdlPresenter::SdlPresenter;
  ~SurfacePresenter() override { freeSdlObjects(); }

  bool open() {
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (!screen) return false;
    format_ = {screen->w, screen->h, screen->format->BitsPerPixel, screen->format->BytesPerPixel,
               screen->pitch};
    frame_ = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 16, SDL_PIXELFORMAT_RGB565);
    return frame_ != nullptr;
  }

  void upload(const uint16_t* frame, bool) override {
    if (!frame_) return;
    CopyRows(frame_->pixels, frame_->pitch, frame);
  }

  bool display() override {
    if (!frame_) return false;
    // The window's surface is looked up each time: SDL may replace it.
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (!screen || SDL_BlitScaled(frame_, nullptr, screen, nullptr) != 0) return false;
    return SDL_UpdateWindowSurface(window_) == 0;
  }

  // The screen as the window's surface really is.
  ScreenFormat screenFormat() const override { return format_; }

  void freeSdlObjects() override {
    if (frame_) SDL_FreeSurface(frame_);
    frame_ = nullptr;
  }

 private:
  SDL_Surface* frame_ = nullptr;
  ScreenFormat format_;
};

template <typename Presenter>
std::unique_ptr<SdlPresenter> Open(SDL_Window* window, SdlPresenter** slot, const char* what) {
  auto presenter = std::make_unique<Presenter>(window, slot);
  if (!presenter->open()) {
    DebugLog("SdlWindow::openDisplay: could not create the %s: %s", what, SDL_GetError());
    return nullptr;
  }
  *slot = presenter.get();
  return presenter;
}

}  // namespace

SdlPresenter::~SdlPresenter() {
  if (slot_ && *slot_ == this) *slot_ = nullptr;
}

void SdlPresenter::detach() {
  freeSdlObjects();
  window_ = nullptr;
  slot_ = nullptr;
}

std::unique_ptr<SdlPresenter> CreateRendererPresenter(SDL_Window* window, SdlPresenter** slot) {
  return Open<RendererPresenter>(window, slot, "renderer");
}

std::unique_ptr<SdlPresenter> CreateSurfacePresenter(SDL_Window* window, SdlPresenter** slot) {
  return Open<SurfacePresenter>(window, slot, "window surface");
}

}  // namespace host
