// What the loader's steps index in the sprites they load: per pack entry the frames,
// animations and palettes it must hold at least, and a frame whose rectangles are read. The
// data set's test loads every row through the game's sprite loader and checks it; a screen
// that comes to index more adds its rows here.
#pragma once

#include <vector>

namespace databuild {

struct LoaderNeed {
  int pack = 0;  // the string constant naming the pack
  int entry = 0;
  int frames = 1;
  int animations = 1;
  int palettes = 1;
  int rectFrame = -1;  // a frame whose rectangles the loader reads, -1 none
  int rects = 0;       // how many that frame holds at least
};

std::vector<LoaderNeed> LoaderManifest();

}  // namespace databuild
