// Device paths held by managed strings: the bridge between a String that names a file and the
// 8-bit device path the host file layer takes.
#pragma once

#include <string>

class String;

// The device path that text holds, one byte per unit. False (path unchanged) for null and for
// a unit that no device path holds: NUL, or one beyond 7-bit ASCII, whose low byte would
// otherwise name a different file ('\u015C' would become '\').
bool DevicePathOf(String* text, std::string* path);

// The device path of text for a trace line: the units that fit, others as '?'.
std::string PrintablePath(String* text);
