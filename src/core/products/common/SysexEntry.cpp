#include "core/products/common/SysexEntry.h"

#include <cctype>

namespace corlinth {
namespace {

constexpr std::size_t kTooLongFrom = 60;  // 21 bytes would take 62 characters
constexpr std::size_t kShortest = 8;      // "F0 00 F7"

bool isDataHighDigit(char c) {
    return c >= '0' && c <= '7';
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Steps of the test on the normalised text, positions counted from 1 as the groups are laid out:
// "F0" at 1 and 2, then a blank at every position divisible by three.
bool wellFormed(const std::string& s) {
    const std::size_t n = s.size();
    if (n < kShortest) {
        return false;
    }
    if (s.compare(0, 2, "F0") != 0 || s.compare(n - 2, 2, "F7") != 0) {
        return false;
    }
    for (std::size_t p = 3; p <= n - 2; ++p) {
        const char c = s[p - 1];
        const bool ok = p % 3 == 0 ? c == ' ' : p % 3 == 1 ? isDataHighDigit(c) : isHexDigit(c);
        if (!ok) {
            return false;
        }
    }
    return s[n - 3] == ' ';
}

}  // namespace

std::string normaliseSysexEntry(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char raw : text) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
        if (c == ' ' && !out.empty() && out.back() == ' ') {
            continue;
        }
        out.push_back(c == 'O' ? '0' : c);
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

SysexEntryResult systest(std::string& text) {
    text = normaliseSysexEntry(text);
    SysexEntryResult result;
    result.tooLong = text.size() >= kTooLongFrom;
    result.valid = !result.tooLong && wellFormed(text);
    return result;
}

SysexEntryResult checkSysexEntry(std::string& text) {
    if (text.empty()) {
        return {};
    }
    return systest(text);
}

std::string_view sysexEntryWarning(const SysexEntryResult& result) {
    return result.tooLong ? sysexEntryTexts::tooLong : sysexEntryTexts::invalid;
}

}  // namespace corlinth
