// The window messages, virtual-key codes, power notifications and display orientations the
// platform code reads. Message ids and key codes carry the device's values, so the window
// procedure's tables read the same here as on the device; the names are ours.
#pragma once

#include <cstdint>

namespace host {

// One message of a window's queue.
struct WindowMessage {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
  bool operator==(const WindowMessage&) const = default;
};

// Message ids.
constexpr uint32_t kMsgCreate = 1;          // the window exists (sent during creation)
constexpr uint32_t kMsgDestroy = 2;         // the window is going away
constexpr uint32_t kMsgActivate = 6;        // wParam: 1 activated, 0 deactivated
constexpr uint32_t kMsgSetFocus = 7;        // the window took the input focus
constexpr uint32_t kMsgKillFocus = 8;       // the window lost the input focus
constexpr uint32_t kMsgClose = 16;          // the user asked to close the window
constexpr uint32_t kMsgQuit = 18;           // wParam: the exit code; never dispatched
constexpr uint32_t kMsgSettingChange = 26;  // a system setting (such as the display) changed
constexpr uint32_t kMsgKeyDown = 256;       // wParam: virtual-key code
constexpr uint32_t kMsgKeyUp = 257;         // wParam: virtual-key code
constexpr uint32_t kMsgStylusMove = 512;    // lParam: point; sent only while the stylus is down
constexpr uint32_t kMsgStylusDown = 513;    // lParam: point
constexpr uint32_t kMsgStylusUp = 514;      // lParam: point

// wParam of stylus messages: the stylus touches the screen.
constexpr uintptr_t kStylusTouching = 1;

// Stylus points travel in lParam as signed 16-bit x (low half) and y (high half), in screen
// pixels; values outside that range are clamped to it.
intptr_t MakePointParam(int x, int y);
inline int PointParamX(intptr_t lParam) {
  return static_cast<int16_t>(lParam & 0xFFFF);
}
inline int PointParamY(intptr_t lParam) {
  return static_cast<int16_t>((lParam >> 16) & 0xFFFF);
}

// Virtual-key codes, the device's values.
constexpr uint32_t kVkBack = 8;
constexpr uint32_t kVkTab = 9;
constexpr uint32_t kVkReturn = 13;
constexpr uint32_t kVkEscape = 27;
constexpr uint32_t kVkSpace = 32;
constexpr uint32_t kVkPageUp = 33;
constexpr uint32_t kVkPageDown = 34;
constexpr uint32_t kVkEnd = 35;
constexpr uint32_t kVkHome = 36;
constexpr uint32_t kVkLeft = 37;
constexpr uint32_t kVkUp = 38;
constexpr uint32_t kVkRight = 39;
constexpr uint32_t kVkDown = 40;
constexpr uint32_t kVkInsert = 45;
constexpr uint32_t kVkDelete = 46;
constexpr uint32_t kVk0 = 48;  // '0'..'9' follow in order
constexpr uint32_t kVkA = 65;  // 'A'..'Z' follow in order
constexpr uint32_t kVkLeftSystem = 91;
constexpr uint32_t kVkRightSystem = 92;
constexpr uint32_t kVkNumPad0 = 96;  // number pad 0..9 follow in order
constexpr uint32_t kVkMultiply = 106;
constexpr uint32_t kVkAdd = 107;
constexpr uint32_t kVkSubtract = 109;
constexpr uint32_t kVkDecimal = 110;
constexpr uint32_t kVkDivide = 111;
constexpr uint32_t kVkF1 = 112;          // F1..F12 follow in order
constexpr uint32_t kVkProcessKey = 229;  // the key went to the input method; ask it for the key

// Power notifications: the message type and the flags of a power-state transition.
struct PowerNotification {
  uint32_t message = 0;
  uint32_t flags = 0;
  bool operator==(const PowerNotification&) const = default;
};
constexpr uint32_t kPowerTransition = 1;
constexpr uint32_t kPowerStateOn = 0x10000;
constexpr uint32_t kPowerStateIdle = 0x100000;
constexpr uint32_t kPowerStateSuspend = 0x200000;
constexpr uint32_t kPowerStateUnattended = 0x400000;

// Display orientations, the device's values.
constexpr uint32_t kOrientation0 = 0;
constexpr uint32_t kOrientation90 = 1;
constexpr uint32_t kOrientation180 = 2;
constexpr uint32_t kOrientation270 = 4;

}  // namespace host
