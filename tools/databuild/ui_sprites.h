// The interface sprites of pack "ui" (string constant 66), drawn with Cairo and quantised into
// palette 0 (format 0x8888, index 0 the key 0x00FF00FF), and the title background:
//   entry 0  the sparkle that rides the loading bar (slot 9): frames 0 to 5 a four-pointed star
//            about its centre, growing, turning and shrinking; animation 28 plays them in a
//            loop. Animations 0 to 27, which the level-select map will draw, show frame 0.
//   entry 4  the box pieces (slot 12), kBoxPieceSize thick: frames 0 to 3 the corner studs
//            (top left, top right, bottom left, bottom right), each at its box corner; 4 the
//            top edge, 5 the right, 6 the left and 7 the bottom edge, kBoxEdgeLength long, each
//            drawn from the corner it is painted at and cut by its rectangle 0; 8, 9 and 10 the
//            bottom-left, bottom-right and bottom edge of style 1, in gold
//   entry 5  slot 14 and entry 9 slot 27: plain tiles until their screens give them art
//   entry 6  the popup's buttons (slot 20), 300 x 48 about the origin: frame 4 a button not
//            chosen, 5 lit, 6 chosen (0 to 3 as 4); animation 3 flashes lit and chosen
//   entry 10 the touch overlay (slot 32): frame 0 the plain soft-key plate, drawn up and right
//            of the origin at (2, -78), 74 x 74; animations 2 (confirm), 3 (the right key's
//            own), 9 (the inert key) and 11 (back) show the key's plate, then lit; 4 to 7 the
//            map's arrows up, down, left and right about the origin, 12 to 15 lit left, right,
//            up and down; the others show frame 0
//   pack "title" (string constant 272) entry 0: the 480 x 800 title background as a PNG
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kBoxPieceSize = 16;
inline constexpr int kBoxEdgeLength = 800;  // the longest box side
inline constexpr int kPopupButtonAnimation = 3;
inline constexpr int kButtonIdleFrame = 4;
inline constexpr int kButtonChosenFrame = 6;

SpriteData SparkleSprite();
SpriteData BoxPiecesSprite();
SpriteData PopupButtonSprite();
SpriteData OverlaySprite();
std::vector<uint8_t> TitlePng();

}  // namespace databuild
