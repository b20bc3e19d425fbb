// The SDL back-end's two ways of showing a frame on the window: a renderer with a streaming
// RGB565 texture, and a blit onto the window's own surface. Internal to the SDL window.
#pragma once

#include <SDL.h>

#include <memory>

#include "host/display_surface.h"

namespace host {

// A presenter bound to one SDL window. The window and the presenter may go away in either
// order: the window releases a presenter that outlives it, and a presenter clears the window's
// slot for it when it goes first.
class SdlPresenter : public FramePresenter {
 public:
  SdlPresenter(SDL_Window* window, SdlPresenter** slot) : window_(window), slot_(slot) {}
  ~SdlPresenter() override;
  // The window is going away: frees the SDL objects and forgets the window; uploads and
  // displays do nothing after.
  void detach();

 protected:
  virtual void freeSdlObjects() = 0;
  SDL_Window* window_;

 private:
  SdlPresenter** slot_;
};

// Both return nullptr, with a trace line, when SDL refuses.
std::unique_ptr<SdlPresenter> CreateRendererPresenter(SDL_Window* window, SdlPresenter** slot);
std::unique_ptr<SdlPresenter> CreateSurfacePresenter(SDL_Window* window, SdlPresenter** slot);

}  // namespace host
