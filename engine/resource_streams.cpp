// cGame's resource streams: opening resources by name and the small little-endian readers
// of packStream and of any stream. A packStream read that fails or finds the end closes the
// stream ("dead"), so the next seek opens it again instead of reading on from a bad place.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/exception_classes.h"
#include "javame/input_stream.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/system.h"

namespace {

// Whether b[off .. off + len - 1] lies inside b; traced as operation when it does not.
bool RangeOfArray(const char* operation, ByteArray* b, int32_t off, int32_t len) {
  return NullCheck(b) && BytesInside(operation, off, len, b->length);
}

// Reads into b until len bytes are in, the stream ends or a read raises (dropped); the count.
int32_t ReadUpTo(java_io_InputStream* in, ByteArray* b, int32_t off, int32_t len) {
  int32_t done = 0;
  while (done < len) {
    const int32_t n = in->read(b, off + done, len - done);
    if (DiscardPendingException() || n <= 0) break;
    done += n;
  }
  return done;
}

}  // namespace

// ---- Opening ------------------------------------------------------------------------------

java_io_InputStream* cGame::openResource(String* name) {
  return Class::getResourceAsStream(name);
}

java_io_InputStream* cGame::openPackFile(String* name) {
  return Class::getResourceAsStream(name);
}

void cGame::closeResourceStream() {
  GameStatics* s = Statics<GameStatics>();
  if (java_io_InputStream* in = s->cGame_packStream) {
    in->close();
    DiscardPendingException();
  }
  s->cGame_packStream = nullptr;
  s->cGame_packPosition = 0;
  java_lang_System::gc();
}

// ---- Readers of packStream ----------------------------------------------------------------

int32_t cGame::readStreamByte() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_packPosition = s->cGame_packPosition + 1;
  java_io_InputStream* in = s->cGame_packStream;
  if (!in) return 0;
  const int32_t byte = in->read();
  if (DiscardPendingException() || byte < 0) {
    closeResourceStream();
    return 0;
  }
  return byte;
}

int32_t cGame::readCurrentShort() {
  const int32_t low = readStreamByte();
  return low | readStreamByte() << 8;
}

int32_t cGame::readCurrentInt() {
  const int32_t low = readCurrentShort();
  return low | readCurrentShort() << 16;
}

int32_t cGame::readStreamFully(ByteArray* b, int32_t off, int32_t len) {
  if (!RangeOfArray("cGame::readStreamFully", b, off, len)) return 0;
  GameStatics* s = Statics<GameStatics>();
  java_io_InputStream* in = s->cGame_packStream;
  const int32_t done = in ? ReadUpTo(in, b, off, len) : 0;
  s->cGame_packPosition = s->cGame_packPosition + len;
  if (done < len) closeResourceStream();
  return done;
}

// ---- Readers of any stream ----------------------------------------------------------------

int32_t cGame::readStreamByteFrom(java_io_InputStream* in) {
  if (!NullCheck(in)) return -1;
  const int32_t byte = in->read();
  if (GetPendingException()) return 0;
  if (byte >= 0)
    Statics<GameStatics>()->cGame_streamReadCount =
        Statics<GameStatics>()->cGame_streamReadCount + 1;
  return byte;
}

namespace {

// count bytes from in, little-endian; 0 with an exception pending when the stream raises one
// or ends inside the value.
int32_t ReadLittleEndian(java_io_InputStream* in, int32_t count) {
  uint32_t value = 0;
  for (int32_t i = 0; i < count; i++) {
    const int32_t byte = cGame::readStreamByteFrom(in);
    if (GetPendingException()) return 0;
    if (byte < 0) {
      ThrowException(NewObject<java_io_EOFException>());
      return 0;
    }
    value |= static_cast<uint32_t>(byte) << (8 * i);
  }
  return static_cast<int32_t>(value);
}

}  // namespace

int32_t cGame::readStreamShort(java_io_InputStream* in) {
  return ReadLittleEndian(in, 2);
}

int32_t cGame::readStreamInt(java_io_InputStream* in) {
  return ReadLittleEndian(in, 4);
}

int32_t cGame::readStreamFullyFrom(java_io_InputStream* in, ByteArray* b, int32_t off,
                                   int32_t len) {
  if (!NullCheck(in) || !RangeOfArray("cGame::readStreamFullyFrom", b, off, len)) return 0;
  const int32_t done = ReadUpTo(in, b, off, len);
  Statics<GameStatics>()->cGame_streamReadCount =
      Statics<GameStatics>()->cGame_streamReadCount + len;
  return done;
}

// ---- Byte arrays --------------------------------------------------------------------------

int32_t cGame::writeIntLE(ByteArray* b, int32_t off, int32_t v) {
  if (!RangeOfArray("cGame::writeIntLE", b, off, 4)) return off + 4;
  int8_t* bytes = b->elements() + off;
  for (int i = 0; i < 4; i++) bytes[i] = static_cast<int8_t>(static_cast<uint32_t>(v) >> (8 * i));
  return off + 4;
}

int32_t cGame::readIntLE(ByteArray* b, int32_t off) {
  if (!RangeOfArray("cGame::readIntLE", b, off, 4)) return 0;
  const auto* bytes = reinterpret_cast<const uint8_t*>(b->elements() + off);
  return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                              static_cast<uint32_t>(bytes[3]) << 24);
}
