#include "core/products/controller/VaryingSysexEntry.h"

#include "core/products/common/SysexEntry.h"

namespace corlinth::controller {
namespace {

constexpr std::size_t kShortest = 8;  // "F0 00 F7": shorter entries are not looked into

}  // namespace

VaryingEntryResult systest(std::string& text) {
    text = normaliseSysexEntry(text);
    VaryingEntryResult result;
    // The data bytes are the characters from position 3 to the blank before the closing F7,
    // counted from 1. An X there is good only as half of a pair that fills a byte's two
    // digits; the pair is then read as 00 by the footswitch test, which judges everything else.
    std::string probe = text;
    bool pairsWellFormed = true;
    const std::size_t n = text.size();
    if (n >= kShortest) {
        for (std::size_t p = 3; p <= n - 2; ++p) {
            if (text[p - 1] != 'X') {
                continue;
            }
            if (p % 3 == 1) {
                pairsWellFormed = pairsWellFormed && text[p] == 'X';
            } else if (p % 3 == 2) {
                pairsWellFormed = pairsWellFormed && text[p - 2] == 'X';
                ++result.pairs;
                result.lastX = static_cast<int>(p);
            }
            probe[p - 1] = '0';  // an X where a blank belongs stays wrong as 0
        }
    }
    const SysexEntryResult plain = corlinth::systest(probe);
    result.tooLong = plain.tooLong;
    result.valid = plain.valid && pairsWellFormed && result.pairs == 1;
    return result;
}

VaryingEntryResult checkVaryingEntry(std::string& text) {
    if (text.empty()) {
        return {};
    }
    return systest(text);
}

std::string_view varyingEntryWarning(const VaryingEntryResult& result) {
    if (result.tooLong) {
        return sysexEntryTexts::tooLong;
    }
    if (result.pairs == 0) {
        return varyingEntryTexts::missing;
    }
    if (result.pairs >= 2) {
        return varyingEntryTexts::repeated;
    }
    return sysexEntryTexts::invalid;
}

}  // namespace corlinth::controller
