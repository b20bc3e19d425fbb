// The program's start-up and shut-down in the device's order: the log stream, the single
// instance, the game window, the display, the runtime and the application, the main loop, and
// the window side's shut-down, which runs once whichever way the program ends.
#include <filesystem>
#include <new>

#include "host/audio.h"
#include "host/file_roots.h"
#include "host/headless_window.h"
#include "host/module_path.h"
#include "host/sdl_window.h"
#include "host/user_language.h"
#include "platform/program_options.h"
#include "platform/shell.h"
#include "platform/startup_messages.h"
#include "runtime/application_impl.h"
#include "runtime/object_manager.h"
#include "runtime/trace.h"

namespace {

// --trace stands for the device's log file: the trace goes there until the window side shuts
// down. A file that cannot be opened leaves the trace on the standard output.
void OpenLogStream(const std::string& path) {
  if (path.empty()) return;
  FILE* stream = fopen(path.c_str(), "w");
  if (!stream) {
    DebugLog("WinMain: cannot open the trace file %s; tracing to the standard output",
             path.c_str());
    return;
  }
  Shell().logStream = stream;
  SetTraceFile(stream);
}

void CloseLogStream() {
  ShellState& shell = Shell();
  if (!shell.logStream) return;
  SetTraceFile(nullptr);
  fclose(shell.logStream);
  shell.logStream = nullptr;
}

// Headless runs and runs on the fixed clock play into the silent device, which follows the
// clock in use; the SDL device stands in when it cannot open.
void OpenSoundDevice(bool headless, const ProgramOptions& options) {
  std::string error;
  if (!headless && !options.fixedClock && host::OpenAudioDevice(host::AudioBackend::kSdl, &error)) {
    return;
  }
  if (!error.empty()) DebugLog("WinMain: no sound device (%s); sound is silent", error.c_str());
  host::OpenAudioDevice(host::AudioBackend::kNull);
}

// A start that cannot go on, said to the player on the standard error and in the trace.
int RefuseStart(const std::string& why) {
  DebugLog("WinMain: %s", why.c_str());
  fprintf(stderr, "plimora: %s\n", why.c_str());
  return -1;
}

// Without a display the game runs headless: SDL is never started.
bool RunsHeadless(const ProgramOptions& options) {
  if (options.headless) return true;
  if (host::SdlWindow::displayNamed()) return false;
  DebugLog("WinMain: no display (DISPLAY and WAYLAND_DISPLAY are unset); the game runs headless");
  return true;
}

// Ends WinMain: the window and the shell's record go, and the code is returned. A screenshot
// that was asked for and not written makes a run that ended well end with 1.
int Finish(int code) {
  ShellState& shell = Shell();
  CloseLogStream();
  if (!shell.screenshotError.empty()) {
    fprintf(stderr, "plimora: cannot write the screenshot \"%s\": %s\n",
            shell.screenshotPath.c_str(), shell.screenshotError.c_str());
    if (code == 0) code = 1;
  }
  shell = ShellState();
  return code;
}

}  // namespace

ShellState& Shell() {
  static ShellState state;
  return state;
}

int WinMain(const ProgramOptions& options) {
  ShellState& shell = Shell();
  shell.moduleFolder = GetModuleDirectory();
  OpenLogStream(options.trace);
  const std::string dataRoot = host::DataRoot();
  if (!std::filesystem::is_directory(dataRoot)) {
    return Finish(RefuseStart("no data set: the data folder \"" + dataRoot +
                              "\" does not exist (--data DIR names another)"));
  }
  std::string why;
  switch (ClaimSingleInstance(&why)) {
    case SingleInstance::kFirst:
      break;
    case SingleInstance::kAlreadyRuns:
      return Finish(0);
    case SingleInstance::kNoSaveRoot:
      return Finish(RefuseStart("no save folder: " + why));
  }
  std::set_new_handler(OperatorNewFailed);
  shell.screenshotPath = options.screenshot;

  // The context exists before the window: the creation messages already set its flags.
  ApplicationImpl context;
  const bool headless = RunsHeadless(options);
  if (!CreateGameWindow({headless, options.scale})) return Finish(-1);
  OpenSoundDevice(headless, options);
  if (!context.openDisplay("GDI")) {
    DestroyGameWindow();
    return Finish(-1);
  }
  selectStartupMessages(host::UserLanguageId());
  if (!context.init() || !context.initApplication()) {
    DestroyGameWindow();
    return Finish(RefuseStart("the game could not start with the data set in \"" + dataRoot +
                              "\" (the trace says why)"));
  }
  shell.application = context.application;

  PumpMessages();
  if (shell.window && !shell.destroyed) shell.window->bringToFront();
  context.run();
  DestroyGameWindow();
  return Finish(shell.exitCode);
}

host::WindowClass RegisterGameWindowClass() {
  return {kGameWindowClass, &WndProc};
}

// The window stands for a screen of its own size; the device's full-screen call has nothing
// to hide here and reports success.
bool CreateGameWindow(const GameWindowRequest& request) {
  ShellState& shell = Shell();
  const host::WindowClass windowClass = RegisterGameWindowClass();
  std::unique_ptr<host::Window> window;
  if (!request.headless) {
    window = host::SdlWindow::create(windowClass, kGameWindowTitle, request.scale);
    if (!window) DebugLog("CreateGameWindow: no display; the game runs headless");
  }
  if (!window) {
    window = host::HeadlessWindow::create(windowClass, kGameWindowTitle, request.headlessWidth,
                                          request.headlessHeight);
  }
  if (!window) return false;
  shell.ownedWindow = std::move(window);
  shell.window = shell.ownedWindow.get();
  shell.window->bringToFront();
  DebugLog("\nInitInstance: SHFullscreen returned %d.", 1);
  shell.window->show();
  return true;
}

// The device also repainted its task bar and the whole screen here; the host has neither.
void DestroyGameWindow() {
  ShellState& shell = Shell();
  if (shell.destroyed) return;
  StopPowerNotifications();
  ShutDownRuntime();
  host::CloseAudioDevice();
  SetWindowOrientation(shell.savedOrientation);
  CloseLogStream();
  shell.destroyed = true;
}

void ShutDownRuntime() {
  ShellState& shell = Shell();
  if (shell.runtimeShutDown) return;
  shell.runtimeShutDown = true;
  if (!shell.screenshotPath.empty() &&
      !WriteScreenshot(shell.screenshotPath, &shell.screenshotError) &&
      shell.screenshotError.empty()) {
    shell.screenshotError = "it could not be written";
  }
  if (ApplicationImpl* context = GetApplicationImpl()) context->close();
}

std::string GetModuleDirectory() {
  return host::ModuleDirectory();
}

bool IsPocketPC() {
  return false;
}

bool IsGameWindowForeground() {
  const host::Window* window = Shell().window;
  return window && window->isForeground();
}
