// ASprite's class initialiser: the transform tables of painting, the measuring and bounds
// buffers, and the PNG chunk templates that the PNG sprite reader builds its chunks from.
#include <initializer_list>

#include "engine/sprite.h"
#include "game/game_statics.h"

namespace {

// By flags & 7: the Graphics transform of the flags, then the flags of a part after its
// container is flipped in x, flipped in y, turned.
constexpr int32_t kTransformTables[4][8] = {
    {0, 2, 1, 3, 5, 7, 4, 6},
    {1, 0, 3, 2, 6, 7, 4, 5},
    {2, 3, 0, 1, 5, 4, 7, 6},
    {4, 5, 6, 7, 3, 2, 1, 0},
};

void Store(ObjectArray* table, int32_t index, Object* element) {
  if (Object** slot = ObjectArray::slot(table, index, "ASprite::staticInit")) *slot = element;
}

ByteArray* Bytes(std::initializer_list<int32_t> values) {
  ByteArray* array = NewByteArray(static_cast<int32_t>(values.size()));
  if (!array) return nullptr;
  int32_t i = 0;
  for (const int32_t v : values) ByteArray::set(array, i++, v);
  return array;
}

ByteArray* Name(const char (&name)[5]) {
  return Bytes({name[0], name[1], name[2], name[3]});
}

ObjectArray* PngChunkTemplates() {
  ObjectArray* t = NewObjectArray(cid::ByteArray, ASprite::kPngTemplateCount);
  Store(t, ASprite::kPngSignature, Bytes({137, 80, 78, 71, 13, 10, 26, 10}));
  Store(t, ASprite::kPngIhdrName, Name("IHDR"));
  Store(t, ASprite::kPngPlteName, Name("PLTE"));
  Store(t, ASprite::kPngTrnsName, Name("tRNS"));
  Store(t, ASprite::kPngIdatName, Name("IDAT"));
  Store(t, ASprite::kPngIendName, Name("IEND"));
  Store(t, ASprite::kPngIhdrTailRgba, Bytes({8, 6, 0, 0, 0}));
  Store(t, ASprite::kPngIhdrTailIndexed, Bytes({8, 3, 0, 0, 0}));
  Store(t, ASprite::kPngIendChunk, Bytes({0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
  Store(t, ASprite::kPngZlibHeader, Bytes({0x78, 0x9C, 1}));
  return t;
}

}  // namespace

void ASprite::staticInit() {
  GameStatics* s = Statics<GameStatics>();
  s->ASprite_transformTables = NewObjectArray(cid::IntArray, 4);
  for (int32_t row = 0; row < 4; row++) {
    Store(s->ASprite_transformTables, row,
          FillIntArrayFrom(NewIntArray(8), 8, kTransformTables[row], 8));
  }
  s->ASprite_boundsScratch = NewIntArray(4);
  s->ASprite_measureBounds = NewIntArray(4);
  s->ASprite_pngChunkTemplates = PngChunkTemplates();
  s->ASprite_gcOnLoad = true;
  s->ASprite_textStart = s->ASprite_textEnd = s->ASprite_textDrawLimit = -1;
}
