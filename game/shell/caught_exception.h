// The game's catch (Exception e) { e.printStackTrace(); } over the pending exception.
#pragma once

// Prints and clears a pending java_lang_Exception; true when there was one. Any other
// throwable stays pending, for the callers to pass on.
bool CatchPendingException();
