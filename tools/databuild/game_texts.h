// The game's texts in English: text n of the text table is entry n. Ours, plain and readable.
#pragma once

#include <string>
#include <vector>

namespace databuild {

// Every text from 0 up to the tip heading (761), without a gap.
std::vector<std::string> GameTexts();

// Hints are numbered from 1: hint n has its heading at text 2n + kHintTextBase and its body
// after it.
constexpr int kHintTextBase = 86;
constexpr int kGameHintCount = 8;

// The lines of the levels' dialogues are texts kFirstLevelLineText and on; a level header
// names one by its text minus kLevelTextBase. The intro lines come first, then the lines
// after a won level, then those after a lost one.
constexpr int kLevelTextBase = 480;
constexpr int kFirstLevelLineText = 490;
constexpr int kLevelIntroLines = 20;
constexpr int kLevelWonLines = 4;
constexpr int kLevelLostLines = 4;

}  // namespace databuild
