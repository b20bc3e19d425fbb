// Device paths ("\Program Files\Marquent\Plimora\data.bar") and the host paths they stand for.
// Only this layer maps one to the other: the rest of the system keeps device paths throughout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/file_status.h"

namespace host {

// The shell's special folders that the system asks for.
enum class SpecialFolder : uint8_t { kProgramFiles };

// The device path of a special folder: "\Program Files" for kProgramFiles.
std::string SpecialFolderPath(SpecialFolder folder);

// The device folder for temporary files; it lies in the save root like every written file.
constexpr const char* kTempFolderPath = "\\temp";

// Maps a device path to a path relative to a root: 'A'..'Z' lower-cased (other bytes kept),
// '\' and '/' both separators, empty and "." components dropped, components joined with '/'.
// A path with or without a leading separator resolves from the root; "" is the root itself.
// Refused: NUL anywhere, a ".." component, ':' (a drive or scheme) and a leading double
// separator (a network path). On refusal `relative` is left unchanged.
FileStatus TranslateDevicePath(std::string_view devicePath, std::string* relative);

// name with 'A'..'Z' turned into 'a'..'z' and every other byte kept: the case folding of
// device paths, which makes device names case-insensitive.
std::string LowerCaseDeviceName(std::string_view name);

// root + "/" + relative (just root when relative is empty).
std::string UnderRoot(const std::string& root, const std::string& relative);

// The host path to read a device file from: the save root's when a regular file is there
// (it shadows the data root's), else the data root's, which may not exist.
FileStatus ResolveForRead(std::string_view devicePath, std::string* hostPath);

// The host path to write a device file to: always under the save root, never the data root.
// The path must name a file (not the root). Folders are not created here.
FileStatus ResolveForWrite(std::string_view devicePath, std::string* hostPath);

}  // namespace host
