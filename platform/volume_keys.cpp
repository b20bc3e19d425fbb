// The volume keys: F6 and F7 move both channels of the master volume by a tenth of full. The
// volume word holds the left channel in its low 16 bits and the right in its high 16 bits.
#include "host/audio.h"
#include "runtime/application_impl.h"

namespace {

constexpr uint32_t kStep = 6553;  // a tenth of 65535
constexpr uint32_t kFull = 0xFFFF;

uint32_t Raised(uint32_t channel) {
  return channel >= kFull - kStep + 1 ? kFull : channel + kStep;
}

uint32_t Lowered(uint32_t channel) {
  return channel <= kStep ? 0 : channel - kStep;
}

}  // namespace

void ApplicationImpl::volumeUp() {
  const uint32_t volume = host::GetMasterVolume();
  host::SetMasterVolume(Raised(volume >> 16) << 16 | Raised(volume & 0xFFFF));
}

// Both channels at 0 would be silence; 1 is written instead, as the device did.
void ApplicationImpl::volumeDown() {
  const uint32_t volume = host::GetMasterVolume();
  const uint32_t lowered = Lowered(volume >> 16) << 16 | Lowered(volume & 0xFFFF);
  host::SetMasterVolume(lowered == 0 ? 1 : lowered);
}
