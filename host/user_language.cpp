// The user's language from the locale variables of the environment.
#include "host/user_language.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace host {
namespace {

struct LanguageCode {
  const char* code;  // ISO 639-1 (or 639-2 where no two-letter code exists)
  uint32_t id;       // the device's primary language id
};

constexpr LanguageCode kLanguages[] = {
    {"ar", 0x01}, {"bg", 0x02}, {"ca", 0x03}, {"zh", 0x04}, {"cs", 0x05}, {"da", 0x06},
    {"de", 0x07}, {"el", 0x08}, {"en", 0x09}, {"es", 0x0A}, {"fi", 0x0B}, {"fr", 0x0C},
    {"he", 0x0D}, {"hu", 0x0E}, {"is", 0x0F}, {"it", 0x10}, {"ja", 0x11}, {"ko", 0x12},
    {"nl", 0x13}, {"nb", 0x14}, {"nn", 0x14}, {"no", 0x14}, {"pl", 0x15}, {"pt", 0x16},
    {"ro", 0x18}, {"ru", 0x19}, {"hr", 0x1A}, {"sk", 0x1B}, {"sq", 0x1C}, {"sv", 0x1D},
    {"th", 0x1E}, {"tr", 0x1F}, {"id", 0x21}, {"uk", 0x22}, {"sl", 0x24}, {"et", 0x25},
    {"lv", 0x26}, {"lt", 0x27}, {"vi", 0x2A},
};

}  // namespace

uint32_t LanguageIdOfLocale(const char* locale) {
  if (!locale) return kLanguageNeutral;
  // The language code ends at the territory, the code set, the modifier or a list separator.
  const std::string code(locale, strcspn(locale, "_.@:-"));
  for (const LanguageCode& language : kLanguages) {
    if (code == language.code) return language.id;
  }
  return kLanguageNeutral;
}

uint32_t UserLanguageId() {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (value && *value) return LanguageIdOfLocale(value);
  }
  return kLanguageNeutral;
}

}  // namespace host
