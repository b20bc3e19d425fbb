// The two output back-ends behind OpenAudioDevice: the SDL2 device and the null device.
// At most one is open at a time; the device switch in audio_device.cpp sees to it.
#pragma once

#include <string>

namespace host::audio {

// SDL2 audio at kAudioRate, 16-bit stereo; its callback mixes under the audio lock.
bool OpenSdlDevice(std::string* error);
void CloseSdlDevice();

// The null device keeps count of the clock's milliseconds since it opened and of the frames it
// has played; it plays what it owes whenever a voice call or a hand step looks at it.
void OpenNullDevice();
void CloseNullDevice();
// Plays, without output, the frames the clock says are due. Caller holds the audio lock.
void SyncNullDevice();

}  // namespace host::audio
