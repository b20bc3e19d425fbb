// A request from outside to end the program (SIGTERM, SIGINT, SIGHUP): noted by a signal
// handler and read by the main loop, which then closes the game as its close button would.
#pragma once

namespace host {

// Installs the handlers; signals whose handling someone else set up are left alone. SIGPIPE,
// which would end the program when its trace goes to a pipe nobody reads any more, is
// ignored: such a write then fails as any failed write, and the game goes on.
void CatchTerminationSignals();
// Any thread: whether a termination signal has arrived since start-up.
bool TerminationRequested();

}  // namespace host
