#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/document/Bytes.h"

namespace corlinth {

// What a setting dialog hands to the editor when OK is pressed: the lines of one setting.
// The editor writes the message lines in bold and the comment parts, one after another on
// one line, in plain style, appending the edit hint to a part that ends in "}".
struct SettingHandover {
    std::string messageLine;  // "F0 00 00 50 04 02 40 7F 00 F7"
    std::string secondLine;   // a two-line setting's second message line; empty otherwise
    std::string thirdLine;    // the rule units' second event line; empty otherwise
    std::array<std::string, 3> comment;  // head, list and tail; the first normally starts "{ "

    bool operator==(const SettingHandover&) const = default;
};

// What the editor hands to a dialog opened by "Edit Setting...": the setting under the caret.
struct ParsedSetting {
    Bytes bytes;                    // the setting line parsed, F0 first and F7 last
    std::string secondLine = "xx";  // text of a two-line setting's second line, "xx" if none
    // The rule units' event lines: their texts and bytes (a comment line gives no bytes).
    std::vector<std::string> eventLines;
    std::vector<Bytes> eventBytes;

    bool operator==(const ParsedSetting&) const = default;
};

}  // namespace corlinth
