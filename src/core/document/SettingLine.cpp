#include "core/document/SettingLine.h"

#include "core/document/Utf8.h"

namespace corlinth {

bool isCommentStart(char32_t c) {
    return c == U'{' || c == U'(' || c == U'[';
}

LineKind lineKind(std::string_view line) {
    if (line.empty()) {
        return LineKind::Blank;
    }
    return isCommentStart(static_cast<unsigned char>(line.front())) ? LineKind::Comment
                                                                    : LineKind::Message;
}

bool isSettingLine(std::string_view line) {
    return line.starts_with("F0 00 00 50");
}

bool isSystemExclusiveLine(std::string_view line) {
    return line.starts_with("F0") || line.starts_with("f0");
}

int hexDigitValue(char32_t c) {
    long v = static_cast<long>(c) - 48;
    if (v > 9) {
        v -= 7;
    }
    if (v > 15) {
        v -= 32;
    }
    if (v < 0) {
        return 0;
    }
    return v > 15 ? 15 : static_cast<int>(v);
}

namespace {

Byte hexPair(char32_t first, char32_t second) {
    return static_cast<Byte>(16 * hexDigitValue(first) + hexDigitValue(second));
}

}  // namespace

Bytes parseLine(std::string_view lineUtf8) {
    return parseLineWith(lineUtf8, &hexPair);
}

Bytes parseLineWith(std::string_view lineUtf8, PairValue pairValue) {
    // The rule works on characters, so a non-ASCII character counts once, as it does on screen.
    const std::u32string line = utf8ToCodePoints(lineUtf8);
    Bytes bytes;
    if (line.size() < 2) {
        return bytes;
    }
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const char32_t c1 = line[i];
        const char32_t c2 = line[i + 1];
        if (isCommentStart(c1)) {
            break;
        }
        if (c1 != U' ' && c2 != U' ' && !isCommentStart(c2) && c2 != U'\r') {
            bytes.push_back(pairValue(c1, c2));
        }
    }
    return bytes;
}

}  // namespace corlinth
