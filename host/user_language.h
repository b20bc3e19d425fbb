// The user's language as the device names languages: a primary language id (Czech 5,
// German 7, English 9, Spanish 10, French 12, Italian 16, Portuguese 22, ...).
#pragma once

#include <cstdint>

namespace host {

constexpr uint32_t kLanguageNeutral = 0;

// The primary language id of the user's locale: the first of LANGUAGE (its first entry),
// LC_ALL, LC_MESSAGES and LANG that is set and not empty, by its two- or three-letter
// language code ("de_AT.UTF-8" is German). kLanguageNeutral for "C", "POSIX", nothing set,
// or a language without an id here.
uint32_t UserLanguageId();

// The id of one locale name as above.
uint32_t LanguageIdOfLocale(const char* locale);

}  // namespace host
