// The wait indicator's thread: one phase of dots per 300 ms on the display's overlay.
#include "platform/wait_indicator.h"

#include "host/display_surface.h"

namespace {

constexpr const char16_t* kPhaseTexts[WaitIndicator::kPhases] = {
    u"    . . . . . . .    ", u"          .          ", u"        . . .        ",
    u"      . . . . .      ", u"    . . . . . . .    ",
};
// The device drew phase 0 in 0xFFFFFF and the rest in 0x0000FF, a COLORREF (0x00BBGGRR): red.
constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kRed = 0xF800;

}  // namespace

WaitIndicator::WaitIndicator(host::DisplaySurface* surface) : surface_(surface) {
  if (surface_ && !thread_.start(&WaitIndicator::Run, this)) surface_ = nullptr;
}

WaitIndicator::~WaitIndicator() {
  if (!surface_) return;
  running_.store(false, std::memory_order_release);
  wake_.set();
  thread_.join();
  surface_->clearOverlay();
}

const char16_t* WaitIndicator::PhaseText(int32_t phase) {
  return kPhaseTexts[phase % kPhases];
}

uint16_t WaitIndicator::PhaseColour(int32_t phase) {
  return phase % kPhases == 0 ? kWhite : kRed;
}

void WaitIndicator::Run(void* self) {
  auto* indicator = static_cast<WaitIndicator*>(self);
  for (int32_t phase = 0; indicator->running_.load(std::memory_order_acquire);
       phase = (phase + 1) % kPhases) {
    indicator->surface_->setOverlay(PhaseText(phase), PhaseColour(phase), kX, kY);
    indicator->wake_.wait(kPhaseMs);
  }
}
