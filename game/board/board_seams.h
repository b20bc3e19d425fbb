// The call log of the board's stand-ins (game/board/board_seams.cpp): each stand-in of an
// operation whose own file is not built yet appends its name and arguments here, so a test can
// see what the shot's flight and the pops asked of it. A bubble argument is logged by its pool
// index (-1 for null), a bool as 0 or 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BoardSeamCall {
  std::string name;
  std::vector<int32_t> args;

  bool operator==(const BoardSeamCall&) const = default;
};

// The calls since the last clear, in call order.
std::vector<BoardSeamCall>& BoardSeamCalls();
