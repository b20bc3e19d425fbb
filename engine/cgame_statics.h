// The static fields of cGame that belong to the engine, as one declaration list for the
// static block (runtime/static_fields.h says how an entry is written), and the types that the
// engine's cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ASprite;
class ByteArray;
class IntArray;
class Object;
class ObjectArray;
class ShortArray;
class String;
class java_io_InputStream;
class javax_microedition_io_File;
class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;

// lzmaInput, lzmaProbs, lzmaOutput: the arrays of one LZMA decode (engine/lzma.cpp): the
// range-coded data, the probabilities, and the result that outlives the decode.
// archiveFile, archiveNames, archiveOffsets, archiveSizes: the index of "data.bar"
// (engine/archive.cpp); archiveFile is set once the index has been read.
// packName ... streamReadCount: the one open pack and the stream readers (engine/pack.cpp,
// engine/resource_streams.cpp).
// textCount ... textCache: the text table (engine/text_table.cpp).
// effectsFullSupport (false), effectsEnabled (true): fixed at start-up; full support allows the
// full-screen effects 0..6 and 9, and sprite painting consults the effect mask only when
// effects are enabled (engine/pix_effects.cpp).
// keyedImagePixels: the int[] that makeKeyedImage reuses (engine/effect_buffer.cpp).
#define PLIMORA_STATICS_cGame_engine(REF, VALUE)      \
  REF(cGame, ByteArray, lzmaInput)                    \
  REF(cGame, ShortArray, lzmaProbs)                   \
  REF(cGame, ByteArray, lzmaOutput)                   \
  REF(cGame, javax_microedition_io_File, archiveFile) \
  REF(cGame, ObjectArray, archiveNames)               \
  REF(cGame, IntArray, archiveOffsets)                \
  REF(cGame, IntArray, archiveSizes)                  \
  REF(cGame, String, packName)                        \
  REF(cGame, java_io_InputStream, packStream)         \
  VALUE(cGame, int32_t, packPosition)                 \
  VALUE(cGame, int32_t, packEntryCount)               \
  VALUE(cGame, int16_t, packPartCount)                \
  REF(cGame, ShortArray, packPartFirstEntry)          \
  VALUE(cGame, int32_t, packPart)                     \
  REF(cGame, IntArray, packPartOffsets)               \
  VALUE(cGame, bool, packEntryCompressed)             \
  VALUE(cGame, int32_t, streamReadCount)              \
  VALUE(cGame, int32_t, textCount)                    \
  REF(cGame, IntArray, textOffsets)                   \
  REF(cGame, ByteArray, textData)                     \
  REF(cGame, String, textEncoding)                    \
  REF(cGame, ObjectArray, textCache)                  \
  VALUE(cGame, bool, effectsFullSupport)              \
  VALUE(cGame, bool, effectsEnabled)                  \
  REF(cGame, IntArray, keyedImagePixels)
