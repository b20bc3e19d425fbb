// Class::getResourceAsStream: a name ending in ".bar" is first tried as a file of its own (the
// archive itself is opened that way); every other name, and a ".bar" name that does not open
// as a file, is an entry of the archive.
#include <string_view>

#include "javame/file.h"
#include "platform/application_class.h"
#include "platform/file_input_stream.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"

namespace {

// Whether name ends in ".bar", letter case included, as the device tested it.
bool NamesAFileResource(String* name) {
  const std::u16string_view units(name->characters, static_cast<size_t>(name->length()));
  return units.ends_with(u".bar");
}

}  // namespace

java_io_InputStream* Class::getResourceAsStream(String* name) {
  if (!NullCheck(name)) return nullptr;
  if (NamesAFileResource(name)) {
    auto* file = NewObject<javax_microedition_io_File>(name);
    if (FileInputStream* stream = file ? file->openInputStream() : nullptr) return stream;
  }
  return OpenApplicationResource(name);
}
