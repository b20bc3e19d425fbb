// Entering and leaving a safe region.
#include "runtime/safe_region.h"

#include "runtime/application_impl.h"
#include "runtime/thread_table.h"

void SafeRegion::park() {
  ApplicationImpl* context = GetApplicationImpl();
  table_ = context ? context->threadTable() : nullptr;
  slot_ = table_ ? table_->park(host::SavedStackPointer(&registers_)) : -1;
}

void SafeRegion::unpark() {
  if (slot_ >= 0) table_->unpark(slot_);
}
