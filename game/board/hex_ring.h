// The cells of a hexagonal ring round a bunch's core (0, 0): from (radius, 0), each of the six
// sides k walks radius steps in direction (k + 2) mod 6, so the walk visits the 6 x radius
// cells of the ring once each, in the same order every time.
#pragma once

#include <cstdint>
#include <type_traits>

#include "game/board/bubble.h"

namespace hex_ring {

// Calls visit(col, row) for each cell of the ring in order while it returns true (a visitor
// returning void sees every cell); true when the walk ended early.
template <class Visit>
bool ForEachCell(int32_t radius, Visit visit) {
  int32_t col = radius, row = 0;
  for (int32_t k = 0; k < Bubble::kDirections; k++) {
    const int32_t d = (k + 2) % Bubble::kDirections;
    for (int32_t step = 0; step < radius; step++) {
      if constexpr (std::is_same_v<decltype(visit(col, row)), bool>) {
        if (!visit(col, row)) return true;
      } else {
        visit(col, row);
      }
      col += Bubble::kNeighbourDx[d];
      row += Bubble::kNeighbourDy[d];
    }
  }
  return false;
}

}  // namespace hex_ring
