// The game window's procedure: activation, focus, display settings, keys with their mapping
// to MIDP codes, and the stylus with its scaling to the 480 x 800 screen.
#include <cmath>

#include "javame/displayable.h"
#include "javame/midlet.h"
#include "platform/java_calls.h"
#include "platform/screen_image.h"
#include "platform/shell.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"

namespace {

constexpr uint32_t kVkF6 = 117;  // volume up, on key-up
constexpr uint32_t kVkF7 = 118;  // volume down, on key-up

// The keys the system keeps for itself: both Windows keys, F4, Escape, Home and F3.
bool IsSystemKey(int32_t code) {
  switch (code) {
    case 92:
    case 91:
    case 115:
    case 27:
    case 36:
    case 114:
      return true;
    default:
      return false;
  }
}

// The current Displayable when the application has one; stylus events need both.
javax_microedition_lcdui_Displayable* StylusTarget() {
  Application* application = Shell().application;
  return application ? application->currentDisplayable : nullptr;
}

// The MIDlet and the Displayable when both exist; focus changes go to both or to neither.
bool LifecycleTargets(javax_microedition_midlet_MIDlet** midlet,
                      javax_microedition_lcdui_Displayable** displayable) {
  Application* application = Shell().application;
  if (!application || !application->m_midlet || !application->currentDisplayable) return false;
  *midlet = application->m_midlet;
  *displayable = application->currentDisplayable;
  return true;
}

// ---- Messages ------------------------------------------------------------------------------

void OnCreate(host::Window& window) {
  ShellState& shell = Shell();
  shell.window = &window;
  shell.savedOrientation = GetWindowOrientation();
}

void OnActivate(bool active) {
  Shell().active = active;
  if (ApplicationImpl* context = GetApplicationImpl()) context->paintingEnabled = active;
}

// The device also hid its task bar and captured all keys here; neither exists on the host.
void OnSetFocus(host::Window& window) {
  ShellState& shell = Shell();
  window.bringToFront();
  window.show();
  if (GetWindowOrientation() != kWantedOrientation) SetWindowOrientation(kWantedOrientation);
  javax_microedition_midlet_MIDlet* midlet;
  javax_microedition_lcdui_Displayable* displayable;
  if (LifecycleTargets(&midlet, &displayable)) {
    midlet->startApp();
    DropPendingExceptionOf("WndProc(WM_SETFOCUS): startApp");
    displayable->showNotify();
    DropPendingExceptionOf("WndProc(WM_SETFOCUS): showNotify");
  }
  shell.pointerScaleX = static_cast<float>(kScreenWidth) / static_cast<float>(window.screenWidth());
  shell.pointerScaleY =
      static_cast<float>(kScreenHeight) / static_cast<float>(window.screenHeight());
  StartPowerNotifications();
}

// Departure: the window is not minimised (a desktop window that loses the focus stays where it
// is); the game still pauses and the stylus is ignored until its next lift.
void OnKillFocus() {
  ShellState& shell = Shell();
  StopPowerNotifications();
  javax_microedition_midlet_MIDlet* midlet;
  javax_microedition_lcdui_Displayable* displayable;
  if (LifecycleTargets(&midlet, &displayable)) {
    midlet->pauseApp();
    DropPendingExceptionOf("WndProc(WM_KILLFOCUS): pauseApp");
    displayable->hideNotify();
    DropPendingExceptionOf("WndProc(WM_KILLFOCUS): hideNotify");
  }
  shell.ignoreStylus = true;
  SetWindowOrientation(shell.savedOrientation);
}

void OnSettingChange() {
  ShellState& shell = Shell();
  if (!shell.active) return;
  const uint32_t current = GetWindowOrientation();
  if (shell.orientationForced) {
    shell.orientationForced = false;
    shell.savedOrientation = current;
  }
  if (current != kWantedOrientation) {
    SetWindowOrientation(kWantedOrientation);
    shell.orientationForced = true;
  }
}

// The key's code: the input method's key when the device reports VK_PROCESSKEY.
int32_t KeyCode(const host::Window& window, uintptr_t wParam) {
  const uint32_t key = wParam == host::kVkProcessKey ? window.imeVirtualKey() : wParam & 0xFF;
  return MapVirtualKeyToMidp(key);
}

void OnKeyDown(const host::Window& window, uintptr_t wParam) {
  const int32_t code = KeyCode(window, wParam);
  if (kCaptureAllKeys && IsSystemKey(code)) return;
  if (code == static_cast<int32_t>(kVkF6) || code == static_cast<int32_t>(kVkF7)) return;
  if (Application* application = Shell().application) application->keyPressed(code);
}

// Departure: a system key's release does nothing; the device minimised the game and handed
// the key back to the system.
void OnKeyUp(const host::Window& window, uintptr_t wParam) {
  const int32_t code = KeyCode(window, wParam);
  if (kCaptureAllKeys && IsSystemKey(code)) return;
  const uint32_t imeKey = window.imeVirtualKey();
  ApplicationImpl* context = GetApplicationImpl();
  if (code == static_cast<int32_t>(kVkF6) || imeKey == kVkF6) {
    if (context) context->volumeUp();
  } else if (code == static_cast<int32_t>(kVkF7) || imeKey == kVkF7) {
    if (context) context->volumeDown();
  } else if (Application* application = Shell().application) {
    application->keyReleased(code);
  }
}

enum class Stylus { kPressed, kReleased, kDragged };

void OnStylus(Stylus kind, intptr_t lParam) {
  javax_microedition_lcdui_Displayable* target = StylusTarget();
  if (!target) return;
  int32_t x = host::PointParamX(lParam);
  int32_t y = host::PointParamY(lParam);
  const ShellState& shell = Shell();
  if (shell.pointerScaleX != 1.0f || shell.pointerScaleY != 1.0f) ScalePointerCoordinates(&x, &y);
  switch (kind) {
    case Stylus::kPressed:
      target->pointerPressed(x, y);
      DropPendingExceptionOf("WndProc(WM_LBUTTONDOWN): pointerPressed");
      break;
    case Stylus::kReleased:
      target->pointerReleased(x, y);
      DropPendingExceptionOf("WndProc(WM_LBUTTONUP): pointerReleased");
      break;
    case Stylus::kDragged:
      target->pointerDragged(x, y);
      DropPendingExceptionOf("WndProc(WM_MOUSEMOVE): pointerDragged");
      break;
  }
}

}  // namespace

// ---- The procedure ----------------------------------------------------------------------------

// Every message handled here answers 0; the others have nothing to do on the host either.
intptr_t WndProc(host::Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  ShellState& shell = Shell();
  switch (message) {
    case host::kMsgCreate:
      OnCreate(window);
      break;
    case host::kMsgDestroy:
    case host::kMsgClose:
      window.postQuitMessage(0);
      break;
    case host::kMsgActivate:
      OnActivate(wParam != 0);
      break;
    case host::kMsgSetFocus:
      OnSetFocus(window);
      break;
    case host::kMsgKillFocus:
      OnKillFocus();
      break;
    case host::kMsgSettingChange:
      OnSettingChange();
      break;
    case host::kMsgKeyDown:
      OnKeyDown(window, wParam);
      break;
    case host::kMsgKeyUp:
      OnKeyUp(window, wParam);
      break;
    case host::kMsgStylusMove:
      if (!shell.ignoreStylus) OnStylus(Stylus::kDragged, lParam);
      break;
    case host::kMsgStylusDown:
      OnStylus(Stylus::kPressed, lParam);
      break;
    case host::kMsgStylusUp:
      if (shell.ignoreStylus) {
        shell.ignoreStylus = false;
      } else {
        OnStylus(Stylus::kReleased, lParam);
      }
      break;
    default:
      break;
  }
  return 0;
}

// ---- Key mapping and stylus scaling -----------------------------------------------------------

int32_t MapVirtualKeyToMidp(uint32_t virtualKey) {
  const auto key = static_cast<int32_t>(virtualKey);
  if (key < 13 || key > 120) return key;
  switch (key) {
    case 13:
      return -5;  // Enter: fire
    case 37:
      return -3;  // Left
    case 38:
      return -1;  // Up
    case 39:
      return -4;  // Right
    case 40:
      return -2;  // Down
    case 112:
      return -6;  // F1: left soft key
    case 113:
      return -7;  // F2: right soft key
    case 119:
      return 42;  // F8: '*'
    case 120:
      return 35;  // F9: '#'
    default:
      break;
  }
  if (key >= 96 && key <= 105) return key - 96 + '0';  // number pad 0-9
  return key;
}

// The product is formed in single precision and the half added in double precision, as the
// device rounds.
void ScalePointerCoordinates(int32_t* x, int32_t* y) {
  const ShellState& shell = Shell();
  if (shell.pointerScaleX != 1.0f) {
    const float product = static_cast<float>(*x) * shell.pointerScaleX;
    *x = static_cast<int32_t>(std::floor(static_cast<double>(product) + 0.5));
  }
  if (shell.pointerScaleY != 1.0f) {
    const float product = static_cast<float>(*y) * shell.pointerScaleY;
    *y = static_cast<int32_t>(std::floor(static_cast<double>(product) + 0.5));
  }
}
