// Fuzz target: the text natives with arguments and text from the input (16 little-endian
// int32 arguments, then UTF-16 units; tools/databuild/fuzz_seeds.cpp lays them out) on a small
// target image. Whatever the anchor, position, range, clip and translation, nothing is written
// outside the image (the sanitizers watch its pixels) or outside the clip, and the widths stay
// sane.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "javame/font.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/object_manager.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 1024 * 1024;
constexpr size_t kArguments = 16;
constexpr size_t kMostUnits = 4096;
constexpr int kRunsPerCollection = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  static int runs = 0;
  if (size < kArguments * 4) return 0;
  int32_t a[kArguments];
  for (size_t i = 0; i < kArguments; i++) {
    a[i] = FuzzInt32At(data + 4 * i);
  }
  const size_t units = std::min((size - kArguments * 4) / 2, kMostUnits);
  CharArray* chars = NewCharArray(static_cast<int32_t>(units));
  if (!chars) return 0;
  if (units > 0) std::memcpy(chars->elements(), data + kArguments * 4, units * 2);
  String* text = NewObject<String>(chars);
  auto* image = javax_microedition_lcdui_Image::createImage(37, 23);
  auto* g = image ? image->getGraphics() : nullptr;
  if (!text || !g) return 0;
  g->setClip(a[5], a[6], a[7], a[8]);
  g->translate(a[9], a[10]);
  g->setColor(a[11]);
  auto* pixels = static_cast<ShortArray*>(image->pixels);
  const std::vector<int16_t> before(pixels->elements(), pixels->elements() + pixels->length);
  switch (static_cast<uint32_t>(a[12]) % 4) {
    case 0:
      g->drawString(text, a[1], a[2], a[0]);
      break;
    case 1:
      g->drawSubstring(text, a[3], a[4], a[1], a[2], a[0]);
      break;
    case 2:
      g->drawChars(chars, a[3], a[4], a[1], a[2], a[0]);
      break;
    default:
      g->drawChar(static_cast<char16_t>(a[3]), a[1], a[2], a[0]);
      break;
  }
  // Text never reaches a pixel outside the clip.
  const int32_t stride = image->rowLength / 2;
  for (int32_t i = 0; i < pixels->length; i++) {
    const int32_t x = i % stride, y = i / stride;
    const bool inClip = x >= g->clipX1 && x < g->clipX2 && y >= g->clipY1 && y < g->clipY2;
    FuzzCheck(inClip || pixels->elements()[i] == before[i]);
  }
  javax_microedition_lcdui_Font* font = javax_microedition_lcdui_Font::getDefaultFont();
  FuzzCheck(font->stringWidth(text) >= 0);
  FuzzCheck(font->substringWidth(text, a[3], a[4]) >= 0);
  FuzzCheck(font->charsWidth(chars, a[3], a[4]) >= 0);
  if (++runs % kRunsPerCollection == 0) application->getObjectManager()->gc(kGcForced);
  return 0;
}
