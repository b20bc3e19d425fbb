// The interface sprites of pack "ui" (string constant 66), drawn with Cairo and quantised into
// palette 0 (format 0x8888, index 0 the key 0x00FF00FF):
//   entry 0  the sparkle that rides the loading bar: frames 0 to 5 a four-pointed star about
//            its centre, growing, turning and shrinking; animation 28 plays them in a loop.
//            Animations 0 to 27, which the level-select map will draw, show frame 0 until it
//            gives them art.
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

SpriteData SparkleSprite();

}  // namespace databuild
