// The device paths of the program's folders: the Program Files folder that the shell names,
// the install folder under it, and the resource archive in the install folder.
#pragma once

class String;

// A new String of the Program Files folder: "\Program Files".
String* GetProgramFilesPath();
// A new String of the install folder: "\Program Files\Marquent\Plimora".
String* GetInstallFolderPath();
// A new String of the archive's path: "\Program Files\Marquent\Plimora\data.bar".
String* GetDataBarPath();
