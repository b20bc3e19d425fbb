// The start-up message table: one column per language, English for every other language.
#include "platform/startup_messages.h"

#include <gtest/gtest.h>

#include <string>

#include "host/user_language.h"

namespace {

TEST(StartupMessagesTest, EachLanguageHasItsColumnAndOthersGetEnglish) {
  const struct {
    uint32_t language;
    std::u16string notice;
    std::u16string pleaseWait;
  } kCases[] = {
      {5, u"Poznámka", u"Please wait"}, {7, u"Hinweis", u"Bitte warten"},
      {10, u"Advertencia", u"Aguarde"}, {12, u"Avertissement", u"Merci de patienter"},
      {22, u"Aviso", u"Aguarde"},       {9, u"Notice", u"Please wait"},
      {16, u"Notice", u"Please wait"},  {0, u"Notice", u"Please wait"},
  };
  for (const auto& c : kCases) {
    selectStartupMessages(c.language);
    EXPECT_EQ(getStartupMessage(2), c.notice) << "language " << c.language;
    EXPECT_EQ(getStartupMessage(kPleaseWaitMessage), c.pleaseWait) << "language " << c.language;
  }
  selectStartupMessages(12);
  EXPECT_EQ(std::u16string(getStartupMessage(0)), u"Jeu installé.\nLancer le jeu?");
  selectStartupMessages(0);
  EXPECT_EQ(std::u16string(getStartupMessage(7)),
            u"Cannot install the game. You need at least %.2f MB of free storage space on the "
            u"device to install the game.");
}

TEST(StartupMessagesTest, AnIndexOutsideTheTableGivesNull) {
  for (int32_t index : {-1, 8, 1000}) EXPECT_EQ(std::u16string(getStartupMessage(index)), u"NULL");
}

TEST(UserLanguageTest, TheLocaleNamesItsLanguage) {
  const struct {
    const char* locale;
    uint32_t id;
  } kCases[] = {{"cs_CZ.UTF-8", 5},
                {"de", 7},
                {"de_AT@euro", 7},
                {"es_MX", 10},
                {"fr_CA.UTF-8", 12},
                {"pt_BR", 22},
                {"it_IT", 16},
                {"en_GB:de", 9},
                {"C", 0},
                {"POSIX", 0},
                {"", 0},
                {nullptr, 0}};
  for (const auto& c : kCases) {
    EXPECT_EQ(host::LanguageIdOfLocale(c.locale), c.id) << (c.locale ? c.locale : "null");
  }
}

}  // namespace
