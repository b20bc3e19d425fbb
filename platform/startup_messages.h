// The start-up message table: eight texts in the user's language (Czech, German, Spanish,
// French, Portuguese, or English for every other language). Slot 6, "Please wait", is the one
// the program shows itself, on the orientation guard's message screen.
#pragma once

#include <cstdint>

constexpr int32_t kStartupMessageCount = 8;
constexpr int32_t kPleaseWaitMessage = 6;

// Fills the table for a primary language id (Czech 5, German 7, Spanish 10, French 12,
// Portuguese 22; any other id gets the English texts).
void selectStartupMessages(uint32_t languageId);
// The slot's text, or u"NULL" for an index outside 0..7 or an empty slot. English until a
// language is selected.
const char16_t* getStartupMessage(int32_t index);
