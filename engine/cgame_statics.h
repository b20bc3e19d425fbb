// The static fields of cGame that belong to the engine, as one declaration list for the
// static block (runtime/static_fields.h says how an entry is written), and the types that the
// engine's cGame members and statics name (game/cgame.h includes it before the class).
#pragma once

#include <cstdint>

class ASprite;
class ByteArray;
class IntArray;
class Long64Array;
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
// dataCursor, dataReadFailed: the byte-array reader (engine/data_cursor.cpp).
// sinTable1024 ... randomSeed: the fixed-point routines and their tables; fixOne .. fixPi are
// their constants, fixedUnit and fixedHalfUnit the fixed-point unit and its half;
// mathTablesTraced has one bit per table whose absence has been traced.
// soundData, soundLoops: the bytes and the loop flag of each sound id 0..37.
// particlePool, particleEmitters: int[3000][11] and int[50][11], a particle and an emitter a
// row.
// playTop: the screen's top row below which setClipToScreen clips (engine/draw_shapes.cpp).
// soundIdChannels ... soundTrackTimes: the further sound tables of cGame::initSounds
// (engine/sound_loaders.cpp): a byte[38] of -1, a byte[38], a byte[4] of -1 and a long[4] of -1.
// particleDefsA, particleDefsB: the emitter definitions, a short[] row each (at least 12 and 6
// values); particleDefsTraced: per definition, 1 once its faults have been traced.
// particlePlayers: Object[3] of Object[] of MQLibPlayer, one per animation of each particle
// sprite. particleLiveCount, particleBudget: live particles counted this frame and the slots
// of each emitter processed (engine/particle_*.cpp).
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
  REF(cGame, IntArray, keyedImagePixels)              \
  VALUE(cGame, int32_t, dataCursor)                   \
  VALUE(cGame, bool, dataReadFailed)                  \
  REF(cGame, IntArray, sinTable1024)                  \
  REF(cGame, ByteArray, atanTable1024)                \
  VALUE(cGame, int32_t, fixedUnit)                    \
  VALUE(cGame, int32_t, fixedHalfUnit)                \
  VALUE(cGame, int32_t, fixOne)                       \
  VALUE(cGame, int32_t, fixQuarter)                   \
  VALUE(cGame, int32_t, fixHalf)                      \
  VALUE(cGame, int32_t, fixThreeQuarters)             \
  VALUE(cGame, int32_t, fixFull)                      \
  VALUE(cGame, int32_t, fixPi)                        \
  REF(cGame, IntArray, fixCosTable)                   \
  REF(cGame, IntArray, fixSqrtTable)                  \
  REF(cGame, IntArray, fixAtanTable)                  \
  VALUE(cGame, int32_t, bezierX)                      \
  VALUE(cGame, int32_t, bezierY)                      \
  VALUE(cGame, int32_t, randomSeed)                   \
  VALUE(cGame, int32_t, mathTablesTraced)             \
  REF(cGame, ObjectArray, soundData)                  \
  REF(cGame, ByteArray, soundLoops)                   \
  REF(cGame, ObjectArray, particlePool)               \
  REF(cGame, ObjectArray, particleEmitters)           \
  VALUE(cGame, int32_t, playTop)                      \
  REF(cGame, ByteArray, soundIdChannels)              \
  REF(cGame, ByteArray, soundIdFlags)                 \
  REF(cGame, ByteArray, soundTrackIds)                \
  REF(cGame, Long64Array, soundTrackTimes)            \
  REF(cGame, ObjectArray, particleDefsA)              \
  REF(cGame, ObjectArray, particleDefsB)              \
  REF(cGame, ByteArray, particleDefsTraced)           \
  REF(cGame, ObjectArray, particlePlayers)            \
  VALUE(cGame, int32_t, particleLiveCount)            \
  VALUE(cGame, int32_t, particleBudget)
