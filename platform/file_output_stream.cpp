// FileOutputStream's writes and close over an atomic replace. No failure passes as success:
// each one is traced and raised as java_io_IOException, and the old file stays.
#include "platform/file_output_stream.h"

#include <utility>

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

FileOutputStream* FileOutputStream::open(const std::string& devicePath) {
  host::FileStatus status;
  std::unique_ptr<host::File> file =
      host::OpenForWrite(devicePath, host::WriteMode::kReplace, &status);
  if (!file) {
    DebugLog("FileOutputStream: \"%s\" cannot be written: %s", devicePath.c_str(),
             status.text().c_str());
    return nullptr;
  }
  auto owned = std::make_unique<FileWriter>(FileWriter{std::move(file), devicePath});
  auto* stream = NewObject<FileOutputStream>(owned.get());
  if (stream) owned.release();
  return stream;
}

void FileOutputStream::traceFailure(const char* operation, const host::FileStatus& status) {
  DebugLog("FileOutputStream: %s of \"%s\" failed: %s; the file keeps its old contents", operation,
           writer->devicePath.c_str(), status.text().c_str());
}

void FileOutputStream::raise() {
  ThrowException(NewObject<java_io_IOException>());
}

void FileOutputStream::writeAfterClose() {
  DebugLog("FileOutputStream: write after close");
  raise();
}

void FileOutputStream::write(int32_t b) {
  if (!writer) return writeAfterClose();
  const uint8_t byte = static_cast<uint8_t>(b);
  if (writer->file->write(&byte, 1)) return;
  traceFailure("write", writer->file->status());
  raise();
}

void FileOutputStream::write(ByteArray* b, int32_t off, int32_t len) {
  if (!NullCheck(b)) return;
  if (!RangeInside(off, len, b->length)) {
    DebugLog("FileOutputStream.write: bytes %d + %d outside the array (length %d)", off, len,
             b->length);
    return;
  }
  if (!writer) return writeAfterClose();
  if (len == 0 || writer->file->write(b->elements() + off, static_cast<size_t>(len))) return;
  traceFailure("write", writer->file->status());
  raise();
}

bool FileOutputStream::closeWriter() {
  const host::FileStatus status = writer->file->close();
  if (!status.ok()) traceFailure("close", status);
  delete writer;
  writer = nullptr;
  return status.ok();
}

void FileOutputStream::close() {
  if (writer && !closeWriter()) raise();
}

void FileOutputStream::finalize() {
  if (writer) closeWriter();
}
