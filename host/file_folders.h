// Folder helpers of the file layer: a file's parent folder, creating the folders on the way
// to a file durably, and syncing a folder so a rename or removal in it survives a crash.
#pragma once

#include <string>

#include "host/file_status.h"

namespace host {

// The folder holding hostPath: "." for a bare name, "/" for a file at the top.
std::string ParentFolder(const std::string& hostPath);

// Creates every missing folder on the way to hostPath (not hostPath itself); each new folder
// is synced into its parent, so a file written there later cannot lose its folder in a crash.
FileStatus MakeParentFolders(const std::string& hostPath);

// Flushes a folder's entries (fsync on the folder).
FileStatus SyncFolder(const std::string& folder);

}  // namespace host
