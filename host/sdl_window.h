// The SDL2 window: one window of 480 x 800 times the scale, titled as asked. SDL's events
// become the window's messages on the main thread (only the main thread calls SDL): the mouse
// or a finger is the stylus, a move is delivered only while the stylus is down, keys carry the
// device's virtual-key codes, losing the focus deactivates without minimising, and hiding or
// showing the window is the desktop's power event. The orientation never changes.
#pragma once

#include <memory>
#include <string>

#include "host/window.h"

struct SDL_Window;
union SDL_Event;

namespace host {

class SdlPresenter;

class SdlWindow final : public Window {
 public:
  // Opens the window on the video driver SDL picks (SDL_VIDEODRIVER chooses one); the creation
  // messages go to the class's procedure before this returns. nullptr, with a trace line, when
  // there is no display.
  static std::unique_ptr<SdlWindow> create(const WindowClass& windowClass, std::string title,
                                           int scale);
  // Whether the environment names a display for SDL (DISPLAY or WAYLAND_DISPLAY, or a driver
  // in SDL_VIDEODRIVER); asked before SDL starts, so that without one the program never wakes
  // SDL's fallback drivers or its sound.
  static bool displayNamed();
  ~SdlWindow() override;

  void waitForEvents(uint32_t ms) override;
  void bringToFront() override;
  void show() override;
  uint32_t orientation() const override { return kOrientation0; }
  bool setOrientation(uint32_t orientation) override { return orientation == kOrientation0; }
  std::unique_ptr<DisplaySurface> openDisplay(DisplayPath path) override;

  // ---- Synthetic input ----
  // Pushed into SDL's own event queue, so replayed input follows the user's path through the
  // translation into messages.
  enum class Event { FocusGained, FocusLost, Hidden, Shown, Quit };
  // keyName is SDL's name of the key ("Return", "Keypad 5", "F1", "A"); false when unknown.
  bool pushKey(const char* keyName, bool down);
  // kMsgStylusDown, kMsgStylusUp or kMsgStylusMove at a window point, sent as the mouse.
  void pushStylus(uint32_t message, int x, int y);
  void pushEvent(Event event);

 private:
  SdlWindow(const WindowClass& windowClass, std::string title, int width, int height,
            SDL_Window* window);
  void pumpEvents() override;
  void translate(const SDL_Event& event);
  void translateWindowEvent(const SDL_Event& event);
  void setVisible(bool visible);

  SDL_Window* window_;
  SdlPresenter* presenter_ = nullptr;  // the open display's presenter, if any
  bool stylusDown_ = false;
  bool visible_ = true;
};

}  // namespace host
