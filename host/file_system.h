// Whole-file operations on device paths: existence, size, creation, removal, folder listing
// and the free space of the save root.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/file_status.h"

namespace host {

// True when devicePath names a regular file that opens for reading (a folder does not count).
bool FileExists(std::string_view devicePath);

// The size in bytes of the file that OpenForRead would open; -1 when it does not open.
int64_t FileSize(std::string_view devicePath);

// Creates the file in the save root, or empties it, atomically.
FileStatus CreateEmptyFile(std::string_view devicePath);

// Removes the save root's copy of a file and syncs its folder. The data root is never
// changed: a file only there gives kReadOnly, and a data-root copy shadowed by the removed
// one can be read again afterwards.
FileStatus RemoveFile(std::string_view devicePath);

// The regular files in the device folder whose names match pattern ('*' any run of
// characters, '?' one character; letters compared in lower case), from both roots, sorted and
// without repeats, as device names (lower-case, without the folder). Names a device path
// cannot reach (those with upper-case letters, temporary files of a replace) are left out.
// kNotFound when neither root holds the folder.
FileStatus ListFolder(std::string_view deviceFolder, std::string_view pattern,
                      std::vector<std::string>* names);

// Bytes available to the program on the save root's file system (or on the nearest folder
// above it that exists yet); -1 when it cannot be found.
int64_t AvailableSpace();

}  // namespace host
