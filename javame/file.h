// javax.microedition.io.File: the runtime's own file handle, one lower-cased device path on
// which the file natives work. The record store, the archive reader and the collector's
// memory dump reach files through it.
#pragma once

#include <cstdint>

#include "runtime/class.h"

class FileInputStream;
class FileOutputStream;
class String;
class java_util_Vector;

class javax_microedition_io_File : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_io_File;

  // As the class factory makes it: no path, so every native answers "no file".
  javax_microedition_io_File() { RegisterReferenceFields(this, &path); }
  // path = name with 'A'..'Z' turned into 'a'..'z' (javame/file.cpp).
  explicit javax_microedition_io_File(String* name);

  // ---- Natives (platform/file_natives.cpp) ----------------------------------------------------
  // A path that the file layer refuses (a ".." part, a drive, a character no device path
  // holds) is traced once per call and answers as a missing file.
  //
  // True when path names a regular file that opens for reading.
  bool exists();
  // The file's size in bytes; 0 when it does not open (INT32_MAX for a larger file).
  int32_t fileSize();
  // A stream over the file, or null when it does not open.
  FileInputStream* openInputStream();
  // A stream that replaces the file (created or emptied), or null with one trace line.
  FileOutputStream* openOutputStream();
  // Creates the file or empties it, atomically; true on success.
  bool create();
  // The names in the folder at path: always a new empty Vector, as on the device.
  java_util_Vector* list();
  // The free space for records: always 0x7FFFFFFF, as on the device.
  int32_t availableSize();
  // Ours, for the record store's store deletion: removes the save root's copy of the file;
  // true when one was removed. A file only in the shipped data is never touched.
  bool deleteFile();

  String* path;
};
