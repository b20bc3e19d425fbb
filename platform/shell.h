// The shell: the game window and its procedure, the main thread's message handling, the
// orientation guard, power notifications and the shell's process-wide record. Everything here
// runs on the main thread unless noted. Its functions are defined in the file of their
// concern, named beside each group.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "host/instance_channel.h"
#include "host/window.h"

class Application;

constexpr const char* kGameWindowClass = "MarquentClass";
constexpr const char* kGameWindowTitle = "Marquent - Plimora";

// Fixed settings of the shell.
constexpr bool kCaptureAllKeys = true;  // the system keys never reach the game
constexpr bool kKeepOrientation = true;
constexpr uint32_t kWantedOrientation = host::kOrientation0;  // never changes

// The shell's process-wide record; zero at start unless noted.
struct ShellState {
  uint32_t savedOrientation = 0;       // given back when the game loses the focus or ends
  bool orientationForced = false;      // the procedure forced the wanted orientation
  bool active = false;                 // the window's activation state
  bool ignoreStylus = false;           // set on focus loss: drops moves and the next stylus-up
  Application* application = nullptr;  // set once the runtime has started
  host::Window* window = nullptr;      // the game window, from its creation message on
  std::unique_ptr<host::Window> ownedWindow;
  FILE* logStream = nullptr;  // the --trace file, or null for the standard output
  bool destroyed = false;     // DestroyGameWindow has run
  bool runtimeShutDown = false;
  bool closeRequested = false;  // a termination signal has been turned into a close
  float pointerScaleX = 1.0f;   // 480 / screen width
  float pointerScaleY = 1.0f;   // 800 / screen height
  std::string moduleFolder;     // the executable's folder, with its trailing '/'
  std::string screenshotPath;   // --screenshot: written when the runtime shuts down
  std::string screenshotError;  // why the screenshot could not be written; empty when it was
  int exitCode = 0;             // the quit message's code
  std::unique_ptr<host::InstanceChannel> instanceChannel;
};

ShellState& Shell();

// ---- Entry, window creation and shut-down: platform/win_main.cpp ----
struct ProgramOptions;
// The program: start-up in the device's order, the main loop, shut-down. The exit code: 0, or
// -1 when the window, the display or the runtime cannot start.
int WinMain(const ProgramOptions& options);
host::WindowClass RegisterGameWindowClass();
// What window to make: the SDL window (falling back to a headless one when there is no
// display) or a headless one standing for a screen of the given size.
struct GameWindowRequest {
  bool headless = true;
  int scale = 1;
  int headlessWidth = 480;
  int headlessHeight = 800;
};
bool CreateGameWindow(const GameWindowRequest& request);
// The window side's shut-down, once whichever exit path comes first: stops power
// notifications, shuts the runtime down, gives the saved orientation back, closes the log.
void DestroyGameWindow();
// Writes the screenshot when one was asked for, then closes the runtime context; once.
void ShutDownRuntime();
std::string GetModuleDirectory();
bool IsPocketPC();
// Any thread.
bool IsGameWindowForeground();

// ---- Screenshot: platform/screenshot.cpp ----
// Writes the front buffer (the last frame presented, or the message screen) to a PNG file.
// False, with the reason in *why, when it cannot be written.
bool WriteScreenshot(const std::string& path, std::string* why);

// ---- Window procedure: platform/window_procedure.cpp ----
intptr_t WndProc(host::Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam);
int32_t MapVirtualKeyToMidp(uint32_t virtualKey);
void ScalePointerCoordinates(int32_t* x, int32_t* y);

// ---- Message pump: platform/main_loop.cpp ----
// Empties the window's queue. The quit message shuts the runtime and the window down and
// ends the main loop with its code.
void PumpMessages();

// ---- Orientation guard: platform/orientation_guard.cpp ----
uint32_t GetWindowOrientation();
void SetWindowOrientation(uint32_t orientation);
// True when the orientation is the wanted one (a paused application resumes); otherwise
// pauses, shows "Please wait" and asks for the wanted orientation again.
bool CheckDisplayOrientation();
void ShowMessageScreen();

// ---- Power notifications: platform/power_notifications.cpp ----
void StartPowerNotifications();
void StopPowerNotifications();
// Power on resumes a paused application; idle, suspend and unattended pause it.
void ProcessPowerNotifications();

// ---- Single instance: platform/single_instance.cpp ----
enum class SingleInstance {
  kFirst,        // this start runs the game
  kAlreadyRuns,  // a game runs on this save root; it has been asked to come to the front
  kNoSaveRoot,   // the save root cannot be made or locked (*why says why): no game starts
};
SingleInstance ClaimSingleInstance(std::string* why);
// Main loop: raises the window when a later start has asked for it.
void AnswerSecondStarts();
