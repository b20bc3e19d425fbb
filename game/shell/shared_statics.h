// Statics that the platform thread and the game thread both read and write without the input
// lock (the pause and run flags, the paint flags, the time bases): every access goes through
// LoadShared and StoreShared, an atomic access over the plain field, so neither thread can see
// a torn value or keep a stale one for ever.
#pragma once

#include <atomic>

// The field's own alignment must be enough for the atomic access: true for every primitive
// static of the block, whose fields keep their natural alignment.
template <class T>
constexpr bool kSharable = alignof(T) >= std::atomic_ref<T>::required_alignment;

template <class T>
T LoadShared(T& field) {
  static_assert(kSharable<T>, "a shared static must be aligned for atomic access");
  return std::atomic_ref<T>(field).load();
}

template <class T, class V>
void StoreShared(T& field, V value) {
  static_assert(kSharable<T>, "a shared static must be aligned for atomic access");
  std::atomic_ref<T>(field).store(static_cast<T>(value));
}
