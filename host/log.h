// The host layer's trace lines: what a library or a host service has to say (a decoder's
// complaint, a font that is missing). Lines go to the sink that the layers above set, or to
// the standard output until one is set. Any thread may write one.
#pragma once

namespace host {

using LogSink = void (*)(const char* line);

// Null gives the standard output back.
void SetLogSink(LogSink sink);
// Formats like printf and hands the line (without a line end) to the sink; longer lines than
// 1023 bytes are cut.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace host
