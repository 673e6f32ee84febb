#pragma once

#include <cstdint>
#include <string_view>

namespace corlinth {

// What tells the two rule units apart. Everything else about them (the functions, the message
// layout, the comments, the decoding) is one implementation. The editor's own differences (the
// new document, the export delay) are in its editor profile.
struct RuleProfile {
    std::string_view productName;  // "Vantrel"
    std::uint8_t deviceId;
    int settingCount;   // settings the dialog can address: "Setting #:", on/off target, start
    int variableCount;  // "variable 1" .. "variable n"

    std::string_view settingWindow;  // dialog window name, "TVantrelSetting"
    std::string_view sysPopWindow;   // "TVantrelSysPop"
    std::string_view settingCaption;
    std::string_view sysexHintAll;        // XX, YY and variables allowed
    std::string_view sysexHintVariables;  // variables only
    std::string_view sequenceTooHighWarning;
};

// A sequence may reach further than the dialog can address: its last step may begin at 64.
inline constexpr int kHighestSequenceSetting = 64;
// The setting numbers a rule message can carry at all (the setting byte 00..1F).
inline constexpr int kRuleSettingLimit = 32;

const RuleProfile& vantrelProfile();
const RuleProfile& sodrinProfile();
// The profile of a rule unit by its display name; nullptr for every other product.
const RuleProfile* ruleProfile(std::string_view productName);

}  // namespace corlinth
