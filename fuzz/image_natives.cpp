// Fuzz target: the whole input through Image::createImage as PNG bytes, then the last
// kArgumentBytes of it (which a PNG ignores after its IEND) as arguments to the clip, the
// translation, drawRegion, drawRGB, getRGB and the primitives, over the decoded image or a
// small image of its own. Nothing may read or write outside its arrays (the sanitizers watch
// the heap arenas) or hang; a refused PNG leaves a trace line, a decoded one a sane image.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/support/fuzz_runtime.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/object_manager.h"
#include "runtime/trace.h"

namespace {

// Arguments: kArgumentCount little-endian int32 values at the end of the input; the layout
// is shared with the seeds of tools/databuild/fuzz_seeds.cpp.
constexpr int32_t kArgumentCount = 32;
constexpr size_t kArgumentBytes = kArgumentCount * 4;

// A small data heap keeps every decoded image, and so every run, short.
constexpr int32_t kFuzzDataHeapSize = 1024 * 1024;
constexpr int kRunsPerCollection = 64;

int traceLines = 0;

struct Arguments {
  int32_t value[kArgumentCount] = {};

  Arguments(const uint8_t* data, size_t size) {
    const size_t take = size < kArgumentBytes ? size : kArgumentBytes;
    uint8_t bytes[kArgumentBytes] = {};
    memcpy(bytes + kArgumentBytes - take, data + size - take, take);
    for (int32_t i = 0; i < kArgumentCount; i++) {
      value[i] = FuzzInt32At(bytes + 4 * i);
    }
  }
  int32_t operator[](int32_t i) const { return value[i]; }
};

// A 5 x 3 source of the pixel type the arguments pick, with key pixels among the others.
javax_microedition_lcdui_Image* OwnSource(int32_t pixelType) {
  auto* image = NewObject<javax_microedition_lcdui_Image>();
  FuzzCheck(image->initPixels(5, 3, pixelType, 0));
  auto* pixels = static_cast<ShortArray*>(image->pixels);
  for (int32_t i = 0; i < pixels->length; i++) {
    pixels->elements()[i] = static_cast<int16_t>(i % 4 == 0 ? 0xF81F : i * 0x1357);
  }
  return image;
}

IntArray* IntsFrom(const uint8_t* data, size_t size, int32_t count) {
  IntArray* array = NewIntArray(count);
  for (int32_t i = 0; i < count && static_cast<size_t>(i) * 4 + 3 < size; i++) {
    memcpy(&array->elements()[i], data + 4 * i, 4);
  }
  return array;
}

// Every native that takes coordinates, sizes, offsets or scan lengths, once each.
void Draw(javax_microedition_lcdui_Graphics* g, javax_microedition_lcdui_Image* source,
          const Arguments& a, const uint8_t* data, size_t size) {
  g->setColor(a[0]);
  g->setClip(a[1], a[2], a[3], a[4]);
  g->translate(a[5], a[6]);
  g->drawRegion(source, a[7], a[8], a[9], a[10], a[11], a[12], a[13], a[14]);
  g->drawImage(source, a[12], a[13], a[14]);
  IntArray* rgb = IntsFrom(data, size, static_cast<int32_t>(static_cast<uint32_t>(a[15]) % 512));
  g->drawRGB(rgb, a[16], a[17], a[18], a[19], a[20], a[21], (a[22] & 1) != 0);
  IntArray* out = NewIntArray(static_cast<int32_t>(static_cast<uint32_t>(a[23]) % 512));
  source->getRGB(out, a[24], a[25], a[26], a[27], a[28], a[29]);
  g->fillRect(a[7], a[8], a[9], a[10]);
  g->drawLine(a[16], a[17], a[18], a[19]);
  g->fillTriangle(a[7], a[8], a[12], a[13], a[26], a[27]);
  g->drawArc(a[1], a[2], a[9], a[10], a[30], a[31]);
  g->fillArc(a[7], a[8], a[28], a[29], a[30], a[31]);
  g->drawRoundRect(a[12], a[13], a[9], a[10], a[20], a[21]);
  g->fillRoundRect(a[16], a[17], a[28], a[29], a[24], a[25]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, &traceLines);
  static int runs = 0;
  ByteArray* bytes = FuzzBytes(data, size);

  traceLines = 0;
  javax_microedition_lcdui_Image* decoded =
      javax_microedition_lcdui_Image::createImage(bytes, 0, static_cast<int32_t>(size));
  if (!decoded) FuzzCheck(traceLines > 0);
  if (decoded) {
    FuzzCheck(decoded->width >= 1 && decoded->width <= 4096);
    FuzzCheck(decoded->height >= 1 && decoded->height <= 4096);
    FuzzCheck(decoded->m_pixelType >= 0 && decoded->m_pixelType <= 2);
  }

  const Arguments a(data, size);
  auto* target = javax_microedition_lcdui_Image::createImage(32, 24);
  javax_microedition_lcdui_Image* source =
      decoded ? decoded : OwnSource(static_cast<int32_t>(static_cast<uint32_t>(a[0]) % 3));
  Draw(target->getGraphics(), source, a, data, size);
  // An image drawn into itself walks the same checks.
  if (source->width <= 64 && source->height <= 64)
    Draw(source->getGraphics(), source, a, data, size);

  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
