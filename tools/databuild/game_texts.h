// The game's texts in English: text n of the text table is entry n. Ours, plain and readable.
#pragma once

#include <string>
#include <vector>

namespace databuild {

// Every text from 0 up to the tip heading (761), without a gap.
std::vector<std::string> GameTexts();

}  // namespace databuild
