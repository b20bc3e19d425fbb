// Font, the class side: the default font, the font cache keyed by face | style | size, and the
// field getters. The metrics come from the native.
#include "javame/font.h"

#include "javame/boxed.h"
#include "javame/device_statics.h"
#include "javame/exception_classes.h"
#include "javame/hashtable.h"
#include "runtime/exceptions.h"

namespace {

using Font = javax_microedition_lcdui_Font;

constexpr int32_t kCacheBuckets = 4;  // threshold 3

// The cache, made on first use; null when memory runs out.
java_util_Hashtable* FontCache() {
  DeviceStatics* statics = Statics<DeviceStatics>();
  if (!statics->javax_microedition_lcdui_Font_fontCache) {
    statics->javax_microedition_lcdui_Font_fontCache =
        NewObject<java_util_Hashtable>(kCacheBuckets);
  }
  return statics->javax_microedition_lcdui_Font_fontCache;
}

}  // namespace

Font::javax_microedition_lcdui_Font(int32_t fontFace, int32_t fontStyle, int32_t fontSize) {
  initMetrics(fontFace, fontStyle, fontSize);
}

Font* Font::getDefaultFont() {
  DeviceStatics* statics = Statics<DeviceStatics>();
  if (!statics->javax_microedition_lcdui_Font_defaultFont) {
    statics->javax_microedition_lcdui_Font_defaultFont = NewObject<Font>(0, 0, 0);
  }
  return statics->javax_microedition_lcdui_Font_defaultFont;
}

Font* Font::getFont(int32_t specifier) {
  if (specifier == FONT_STATIC_TEXT || specifier == FONT_INPUT_TEXT) return getDefaultFont();
  ThrowException(NewObject<java_lang_IllegalArgumentException>());
  return nullptr;
}

// The MIDP face, style and size constants occupy separate bits, so their or is the key.
Font* Font::getFont(int32_t fontFace, int32_t fontStyle, int32_t fontSize) {
  java_util_Hashtable* cache = FontCache();
  auto* key = NewObject<java_lang_Integer>(fontFace | fontStyle | fontSize);
  if (!cache || !key) return nullptr;
  if (Object* found = cache->get(key)) return CheckCast<Font>(found);
  auto* font = NewObject<Font>(fontFace, fontStyle, fontSize);
  if (!font) return nullptr;
  cache->put(key, font);
  return font;
}

int32_t Font::getSize() {
  return size;
}

int32_t Font::getHeight() {
  return height;
}
