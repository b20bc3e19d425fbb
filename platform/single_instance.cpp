// One game per save root: a second start asks the running game to come to the front and ends.
#include "host/file_roots.h"
#include "host/instance_channel.h"
#include "platform/shell.h"
#include "runtime/trace.h"

SingleInstance ClaimSingleInstance(std::string* why) {
  using Claim = host::InstanceChannel::Claim;
  switch (host::InstanceChannel::claim(host::SaveRoot(), &Shell().instanceChannel, why)) {
    case Claim::kFirst:
      return SingleInstance::kFirst;
    case Claim::kAlreadyRuns:
      return SingleInstance::kAlreadyRuns;
    case Claim::kUnavailable:
      break;
  }
  return SingleInstance::kNoSaveRoot;
}

void AnswerSecondStarts() {
  ShellState& shell = Shell();
  if (!shell.instanceChannel || !shell.instanceChannel->takeRequest()) return;
  DebugLog("WinMain: a second start asked for the game window: brought to front");
  if (shell.window) shell.window->bringToFront();
}
