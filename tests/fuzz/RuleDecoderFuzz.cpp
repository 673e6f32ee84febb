#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzLines.h"
#include "core/document/SettingLine.h"
#include "core/products/rule/RuleDecoder.h"
#include "core/products/rule/RuleEncoder.h"
#include "core/products/rule/RuleProfile.h"

// The bytes as an entry of a rule document: a message line and up to two event lines. Whatever
// the decoder makes of it, the setting it gives must come back unchanged through its own lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = fuzzLines(data, size);
    corlinth::ParsedSetting entry;
    entry.bytes = corlinth::parseLine(lines[0]);
    for (std::size_t i = 1; i < lines.size() && i <= 2; ++i) {
        entry.eventLines.push_back(lines[i]);
        entry.eventBytes.push_back(corlinth::parseLine(lines[i]));
    }
    for (const corlinth::RuleProfile* profile :
         {&corlinth::vantrelProfile(), &corlinth::sodrinProfile()}) {
        const auto decoded = corlinth::decodeRule(*profile, entry);
        if (!decoded) {
            continue;
        }
        const corlinth::RuleLines lines1 = corlinth::encodeRule(*profile, *decoded);
        corlinth::ParsedSetting again;
        again.bytes = corlinth::parseLine(lines1.messageLine);
        // A hand-edited entry can hold what the dialog refuses on OK (a "same" channel going out
        // while nothing with a channel comes in); its lines then need not be editable again.
        if (!corlinth::verifyselection(*profile, again.bytes)) {
            continue;
        }
        for (const std::string& line : {lines1.firstEventLine, lines1.secondEventLine}) {
            if (!line.empty()) {
                again.eventLines.push_back(line);
                again.eventBytes.push_back(corlinth::parseLine(line));
            }
        }
        const auto redecoded = corlinth::decodeRule(*profile, again);
        if (!redecoded || corlinth::encodeRule(*profile, *redecoded) != lines1) {
            __builtin_trap();
        }
    }
    return 0;
}
