#pragma once

#include <string_view>

#include "core/document/Bytes.h"

namespace corlinth {

// The kinds of lines of a settings document, told apart by their first characters.
enum class LineKind { Blank, Comment, Message };

LineKind lineKind(std::string_view line);
bool isCommentStart(char32_t c);  // "{", "(" or "["
// A message line whose first eleven characters are "F0 00 00 50".
bool isSettingLine(std::string_view line);
// A message line that begins "F0" or "f0".
bool isSystemExclusiveLine(std::string_view line);

// The value of one hexadecimal digit. Characters that are not digits do not fail: they fall
// into 0..15 by the program's own rule (so "G" reads as 0 and "g" as 15).
int hexDigitValue(char32_t c);

// The bytes of one line: pairs of digits up to a comment, without any length insertion.
// A run of three digits ABC yields AB and BC; a digit standing alone yields nothing.
Bytes parseLine(std::string_view lineUtf8);

// The same walk over the pairs with another reading of a pair, for units whose lines hold
// placeholders; parseLine reads a pair as 16 x hexDigitValue(first) + hexDigitValue(second).
using PairValue = Byte (*)(char32_t first, char32_t second);
Bytes parseLineWith(std::string_view lineUtf8, PairValue pairValue);

}  // namespace corlinth
