#pragma once

#include <optional>

#include "core/document/Bytes.h"
#include "core/document/SettingHandover.h"
#include "core/products/rule/RuleProfile.h"
#include "core/products/rule/RuleSetting.h"

namespace corlinth {

// How many event lines follow a rule message line: 1 or 2 for the sixty known rule headers of
// this unit, 0 for the clear-all line and everything else.
int ruleEventLineCount(const RuleProfile& profile, const Bytes& message);

// `verifyselection`: whether a message line is a rule setting that the setting dialog can edit.
// Besides the unit and the command byte, the setting byte must be one the dialog can show, so
// that editing an entry never quietly moves it to another setting number.
bool verifyselection(const RuleProfile& profile, const Bytes& message);

// The setting an entry holds: its message line and its event lines as the editor converted
// them (placeholder bytes in event lines read as arbitrary values; the quadruples of the
// message say where they stand). Empty for an entry that verifyselection refuses. Whatever the
// bytes leave open keeps the dialog's defaults at creation, and the result is canonical.
std::optional<RuleSetting> decodeRule(const RuleProfile& profile, const ParsedSetting& entry);

}  // namespace corlinth
