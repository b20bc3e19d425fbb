// The start of a SoundFont file as the game's soundfont check reads it (host/midi_decoder.cpp):
// the RIFF "sfbk" form and its INFO list with the version chunk. Tests write soundfonts of a
// version the check must refuse; nothing here holds instruments.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

// "RIFF" u32 "sfbk" "LIST" u32 "INFO" "ifil" u32 (4) u16 major u16 minor, little-endian.
std::vector<uint8_t> WriteSoundFontHeader(uint16_t major, uint16_t minor);

}  // namespace databuild
