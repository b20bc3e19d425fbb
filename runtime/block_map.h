// BlockMap: one bit per word of an arena, with a summary bit per 64-bit word of the map, so
// the nearest set bit below any position is found in a few steps even across megabytes of
// clear bits. Invariant: a summary bit is set exactly when its map word is non-zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/invariant.h"

class BlockMap {
 public:
  static constexpr size_t kNone = SIZE_MAX;

  explicit BlockMap(size_t bits = 0)
      : words_((bits + 63) / 64, 0), summary_((words_.size() + 63) / 64, 0) {}

  bool test(size_t i) const { return (words_[i >> 6] >> (i & 63)) & 1; }

  void set(size_t i) {
    words_[i >> 6] |= Bit(i);
    summary_[i >> 12] |= Bit(i >> 6);
  }

  void clear(size_t i) {
    uint64_t& word = words_[i >> 6];
    word &= ~Bit(i);
    if (!word) summary_[i >> 12] &= ~Bit(i >> 6);
  }

  void setTo(size_t i, bool on) {
    if (on) {
      set(i);
    } else {
      clear(i);
    }
  }

  // The highest set bit at or below i, or kNone.
  size_t highestAtOrBelow(size_t i) const {
    size_t w = i >> 6;
    if (uint64_t word = words_[w] & UpTo(i)) return Highest(w, word);
    if (w == 0) return kNone;
    size_t s = (w - 1) >> 6;
    uint64_t live = summary_[s] & UpTo(w - 1);
    for (;;) {
      if (live) {
        size_t found = Highest(s, live);
        PLIMORA_ASSERT(words_[found] != 0);  // a set summary bit means a non-zero word
        return Highest(found, words_[found]);
      }
      if (s == 0) return kNone;
      live = summary_[--s];
    }
  }

  size_t count() const {
    size_t n = 0;
    for (uint64_t word : words_) n += static_cast<size_t>(__builtin_popcountll(word));
    return n;
  }

 private:
  static uint64_t Bit(size_t i) { return uint64_t{1} << (i & 63); }
  // Bits 0 .. i % 64 of a word.
  static uint64_t UpTo(size_t i) { return ~uint64_t{0} >> (63 - (i & 63)); }
  // The index of the highest set bit of word, which is word number w.
  static size_t Highest(size_t w, uint64_t word) {
    return (w << 6) + 63 - static_cast<size_t>(__builtin_clzll(word));
  }

  std::vector<uint64_t> words_;
  std::vector<uint64_t> summary_;  // bit w: words_[w] is non-zero
};
