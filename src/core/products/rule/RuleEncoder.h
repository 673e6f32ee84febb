#pragma once

#include <string>

#include "core/document/Bytes.h"
#include "core/document/SettingHandover.h"
#include "core/products/rule/RuleProfile.h"
#include "core/products/rule/RuleSetting.h"

namespace corlinth {

// The bold lines of one rule setting entry; an event line is empty when the setting has none.
struct RuleLines {
    std::string messageLine;
    std::string firstEventLine;
    std::string secondEventLine;
    bool operator==(const RuleLines&) const = default;
};

// The System Exclusive message of a setting. The setting is taken as resolveForEncoding leaves
// it; a dialog calls that first itself when it wants to show the resolution.
Bytes encodeRuleMessage(const RuleProfile& profile, const RuleSetting& setting);

// One event as its event line shows it to the unit: sourced bytes as 00, System Exclusive as
// entered; empty for "All MIDI Events".
std::string eventLine(const EventSpec& event);

RuleLines encodeRule(const RuleProfile& profile, const RuleSetting& setting);

// What the rule dialog hands to the editor: the message line, the first event line as the
// second line, the second event line as the third, and the comment as one piece.
SettingHandover ruleHandover(const RuleProfile& profile, const RuleSetting& setting);

}  // namespace corlinth
