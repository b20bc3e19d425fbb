// SoundFont headers: one RIFF form holding one INFO list holding the version chunk.
#include "tools/databuild/soundfont_writer.h"

#include "tools/databuild/little_endian.h"

namespace databuild {

std::vector<uint8_t> WriteSoundFontHeader(uint16_t major, uint16_t minor) {
  std::vector<uint8_t> file;
  auto tag = [&file](const char* name) {
    for (int i = 0; i < 4; i++) file.push_back(static_cast<uint8_t>(name[i]));
  };
  tag("RIFF");
  PutU32(file, 4 + 8 + 4 + 12);  // "sfbk", the list's head, "INFO", the version chunk
  tag("sfbk");
  tag("LIST");
  PutU32(file, 4 + 12);
  tag("INFO");
  tag("ifil");
  PutU32(file, 4);
  PutU16(file, major);
  PutU16(file, minor);
  return file;
}

}  // namespace databuild
