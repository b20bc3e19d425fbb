// The natives of javax.microedition.io.File over the host file layer. The path stays a device
// path; the file layer alone maps it to the save and data roots. A missing file is an answer
// and is not traced; a refused path or a failing disk is.
#include <algorithm>
#include <climits>
#include <string>

#include "host/file_path.h"
#include "host/file_system.h"
#include "javame/file.h"
#include "javame/vector.h"
#include "platform/device_path.h"
#include "platform/file_input_stream.h"
#include "platform/file_output_stream.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kAvailableSize = 0x7FFFFFFF;  // the device never reported less

// The device path of file for operation; false, with one trace line, when it has no path
// or one that the file layer refuses.
bool DevicePathFor(javax_microedition_io_File* file, const char* operation, std::string* out) {
  if (!NullCheck(file->path)) return false;
  if (!DevicePathOf(file->path, out)) {
    DebugLog("javax_microedition_io_File::%s: \"%s\" holds a character no device path holds",
             operation, PrintablePath(file->path).c_str());
    return false;
  }
  std::string relative;
  const host::FileStatus status = host::TranslateDevicePath(*out, &relative);
  if (status.ok()) return true;
  DebugLog("javax_microedition_io_File::%s: \"%s\" refused: %s", operation, out->c_str(),
           status.text().c_str());
  return false;
}

}  // namespace

bool javax_microedition_io_File::exists() {
  std::string devicePath;
  return DevicePathFor(this, "exists", &devicePath) && host::FileExists(devicePath);
}

int32_t javax_microedition_io_File::fileSize() {
  std::string devicePath;
  if (!DevicePathFor(this, "fileSize", &devicePath)) return 0;
  return static_cast<int32_t>(std::clamp<int64_t>(host::FileSize(devicePath), 0, INT_MAX));
}

FileInputStream* javax_microedition_io_File::openInputStream() {
  std::string devicePath;
  if (!DevicePathFor(this, "openInputStream", &devicePath)) return nullptr;
  return FileInputStream::open(devicePath);
}

FileOutputStream* javax_microedition_io_File::openOutputStream() {
  std::string devicePath;
  if (!DevicePathFor(this, "openOutputStream", &devicePath)) return nullptr;
  return FileOutputStream::open(devicePath);
}

bool javax_microedition_io_File::create() {
  std::string devicePath;
  if (!DevicePathFor(this, "create", &devicePath)) return false;
  const host::FileStatus status = host::CreateEmptyFile(devicePath);
  if (!status.ok()) {
    DebugLog("javax_microedition_io_File::create: \"%s\" failed: %s", devicePath.c_str(),
             status.text().c_str());
  }
  return status.ok();
}

java_util_Vector* javax_microedition_io_File::list() {
  return NewObject<java_util_Vector>();
}

int32_t javax_microedition_io_File::availableSize() {
  return kAvailableSize;
}

bool javax_microedition_io_File::deleteFile() {
  std::string devicePath;
  if (!DevicePathFor(this, "deleteFile", &devicePath)) return false;
  const host::FileStatus status = host::RemoveFile(devicePath);
  if (!status.ok() && status.result != host::FileResult::kNotFound) {
    DebugLog("javax_microedition_io_File::deleteFile: \"%s\" failed: %s", devicePath.c_str(),
             status.text().c_str());
  }
  return status.ok();
}
