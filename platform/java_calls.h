// Calls from native code into Java code outside the game loop (keys, stylus, lifecycle, a
// paint on the main thread): an exception such a call leaves pending has no Java caller to
// catch it, so it is traced and dropped when the call returns.
#pragma once

// Traces and clears the calling thread's pending exception, if any; call names the call.
void DropPendingExceptionOf(const char* call);
