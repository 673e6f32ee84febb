#pragma once

#include <string>
#include <string_view>

namespace corlinth {

// Documents are held as UTF-8 text. Malformed sequences decode to U+FFFD, one per bad byte,
// so that outside text never stops a reader.
std::u32string utf8ToCodePoints(std::string_view text);
void appendUtf8(std::string& out, char32_t codePoint);
bool isValidUtf8(std::string_view text);

// Code page 1252, the documents' single-byte encoding.
char32_t cp1252ToCodePoint(unsigned char byte);
// The code page 1252 byte for a character, or -1 when the code page has none.
int codePointToCp1252(char32_t codePoint);
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace corlinth
