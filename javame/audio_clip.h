// com.samsung.util.AudioClip: a vendor sound clip over a media player. The clip copies its
// bytes and hands them to the Manager with the content type of its clip type; a clip made
// from a file name has no player (this platform has no file clips), and then play, pause and
// resume do nothing.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class ByteArray;
class String;

class com_samsung_util_AudioClip : public Object {
 public:
  static constexpr int16_t kClassId = cid::com_samsung_util_AudioClip;

  // Clip types: the content type each gives the player.
  static constexpr int32_t TYPE_MMF = 1;   // "audio/mmf"
  static constexpr int32_t TYPE_MP3 = 2;   // "audio/mpeg"
  static constexpr int32_t TYPE_MIDI = 3;  // "audio/midi"

  // A clip of the bytes data[offset .. offset + length). A clip type outside 1..3 throws
  // java_lang_IllegalArgumentException ("Unknown clip type " and the type). The range is
  // checked as ByteArrayInputStream checks it: a null array, or a negative offset or length,
  // or an offset beyond the array, gives a trace line and no player; a range running past the
  // end is cut there with a trace line.
  com_samsung_util_AudioClip(int32_t type, ByteArray* data, int32_t offset, int32_t length);
  // No player: one trace line naming the file.
  com_samsung_util_AudioClip(int32_t type, String* fileName);

  // loopCount 0..255 and volume 0..5, else java_lang_IllegalArgumentException naming the bad
  // value (the loop count is checked first). A loop count above 1 is set on the player before
  // it starts; the volume is checked but not applied. An exception of the player is dropped.
  void play(int32_t loopCount, int32_t volume);
  void pause();   // the player's stop
  void resume();  // the player's start
  // The player's stop; an exception of the player is dropped.
  void stop();

  Object* player;  // a javax_microedition_media_Player, or null
};
