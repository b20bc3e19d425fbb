// The SDL2 window: creation, the translation of SDL events into window messages, and the
// synthetic input that feeds SDL's queue.
#include "host/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

#include "host/sdl_keys.h"
#include "host/sdl_presenters.h"
#include "host/trace_line.h"

namespace host {

SdlWindow::SdlWindow(const WindowClass& windowClass, std::string title, int width, int height,
                     SDL_Window* window)
    : Window(windowClass, std::move(title), width, height), window_(window) {}

std::unique_ptr<SdlWindow> SdlWindow::create(const WindowClass& windowClass, std::string title,
                                             int scale) {
  scale = std::max(scale, 1);
  // A finger is the stylus: touches arrive as the left mouse button, and the mouse makes no
  // touches of its own.
  SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "1");
  SDL_SetHint(SDL_HINT_MOUSE_TOUCH_EVENTS, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    DebugLog("SdlWindow::create: no display: %s", SDL_GetError());
    return nullptr;
  }
  int width = DisplaySurface::kWidth * scale;
  int height = DisplaySurface::kHeight * scale;
  SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, width, height, SDL_WINDOW_SHOWN);
  if (!window) {
    DebugLog("SdlWindow::create: could not create the window: %s", SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  std::unique_ptr<SdlWindow> result(
      new SdlWindow(windowClass, std::move(title), width, height, window));
  result->sendCreationMessages();
  return result;
}

bool SdlWindow::displayNamed() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

SdlWindow::~SdlWindow() {
  if (presenter_) presenter_->detach();
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // The last user of SDL also lets it free what it keeps for the whole process.
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

void SdlWindow::waitForEvents(uint32_t ms) {
  if (!queueEmpty()) return;
  SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<uint32_t>(ms, 0x7FFFFFFF)));
}

void SdlWindow::bringToFront() {
  SDL_RestoreWindow(window_);
  SDL_RaiseWindow(window_);
}

void SdlWindow::show() {
  SDL_ShowWindow(window_);
}

std::unique_ptr<DisplaySurface> SdlWindow::openDisplay(DisplayPath path) {
  if (presenter_) {
    DebugLog("SdlWindow::openDisplay: a display is already open on the window");
    return nullptr;
  }
  std::unique_ptr<SdlPresenter> presenter = path == DisplayPath::Renderer
                                                ? CreateRendererPresenter(window_, &presenter_)
                                                : CreateSurfacePresenter(window_, &presenter_);
  if (!presenter) return nullptr;
  return std::make_unique<DisplaySurface>(std::move(presenter));
}

// ---- Event translation ----

void SdlWindow::pumpEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) translate(event);
}

void SdlWindow::translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:  // the close button, or an interrupt from the terminal
      postMessage({kMsgClose, 0, 0});
      break;
    case SDL_WINDOWEVENT:
      translateWindowEvent(event);
      break;
    case SDL_DISPLAYEVENT:
      postMessage({kMsgSettingChange, 0, 0});
      break;
    case SDL_KEYDOWN:  // a held key repeats its key-down, as on the device
    case SDL_KEYUP:
      if (uint32_t key = VirtualKeyForSdlKey(event.key.keysym.sym)) {
        postMessage({event.type == SDL_KEYDOWN ? kMsgKeyDown : kMsgKeyUp, key, 0});
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button != SDL_BUTTON_LEFT) break;
      stylusDown_ = true;
      postMessage(
          {kMsgStylusDown, kStylusTouching, MakePointParam(event.button.x, event.button.y)});
      break;
    case SDL_MOUSEBUTTONUP:
      // An up without its down (the press began outside the window) is no stylus lift.
      if (event.button.button != SDL_BUTTON_LEFT || !stylusDown_) break;
      stylusDown_ = false;
      postMessage({kMsgStylusUp, 0, MakePointParam(event.button.x, event.button.y)});
      break;
    case SDL_MOUSEMOTION:
      // A stylus never hovers: moves count only while it touches the screen.
      if (!stylusDown_) break;
      postMessage(
          {kMsgStylusMove, kStylusTouching, MakePointParam(event.motion.x, event.motion.y)});
      break;
    default:
      break;
  }
}

void SdlWindow::translateWindowEvent(const SDL_Event& event) {
  switch (event.window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      setForeground(true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      stylusDown_ = false;
      setForeground(false);
      break;
    case SDL_WINDOWEVENT_HIDDEN:
    case SDL_WINDOWEVENT_MINIMIZED:
      setVisible(false);
      break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
      setVisible(true);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      if (presenter_) presenter_->display();
      break;
    default:
      break;
  }
}

// A hidden window is the desktop's suspended device; showing it again powers it on.
void SdlWindow::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  queuePowerNotification({kPowerTransition, visible ? kPowerStateOn : kPowerStateSuspend});
}

// ---- Synthetic input ----

bool SdlWindow::pushKey(const char* keyName, bool down) {
  SDL_Keycode key = SDL_GetKeyFromName(keyName);
  if (key == SDLK_UNKNOWN) return false;
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.windowID = SDL_GetWindowID(window_);
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  return SDL_PushEvent(&event) == 1;
}

void SdlWindow::pushStylus(uint32_t message, int x, int y) {
  SDL_Event event{};
  if (message == kMsgStylusMove) {
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SDL_GetWindowID(window_);
    event.motion.x = x;
    event.motion.y = y;
  } else {
    event.type = message == kMsgStylusDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = SDL_GetWindowID(window_);
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = message == kMsgStylusDown ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
  }
  SDL_PushEvent(&event);
}

void SdlWindow::pushEvent(Event kind) {
  SDL_Event event{};
  if (kind == Event::Quit) {
    event.type = SDL_QUIT;
  } else {
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(window_);
    constexpr SDL_WindowEventID kIds[] = {SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_FOCUS_LOST,
                                          SDL_WINDOWEVENT_HIDDEN, SDL_WINDOWEVENT_SHOWN};
    event.window.event = static_cast<uint8_t>(kIds[static_cast<int>(kind)]);
  }
  SDL_PushEvent(&event);
}

}  // namespace host
