// A request from outside to end the program (SIGTERM, SIGINT, SIGHUP): noted by a signal
// handler and read by the main loop, which then closes the game as its close button would.
#pragma once

namespace host {

// Installs the handlers; signals whose handling someone else set up are left alone.
void CatchTerminationSignals();
// Any thread: whether a termination signal has arrived since start-up.
bool TerminationRequested();

}  // namespace host
