// The string constants of the pool read at start-up: constant n is entry n of the table, with
// its text and the role it serves. Numbers run from 0 without a gap.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace databuild {

struct StringConstant {
  int number;
  std::u16string_view text;
  std::string_view role;  // who uses it and for what; "not used by the system" for spares
};

std::span<const StringConstant> StringConstantTable();

// The text of string constant number, for names of packs and files (ASCII).
std::string ConstantText(int number);

}  // namespace databuild
