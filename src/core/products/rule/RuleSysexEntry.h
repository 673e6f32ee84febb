#pragma once

#include <string>
#include <string_view>

#include "core/products/rule/RuleProfile.h"

namespace corlinth {

// The five fields of the rule dialog that take an entered System Exclusive event.
enum class SysexField {
    Incoming,       // the incoming event of Filter, Map, Trigger, Define a sequence, on/off
    MapOutput,      // the outgoing event of Map
    TriggerOutput,  // the outgoing event of Trigger
    SequenceEvent,  // the stored event of Define MIDI events within a sequence
    StoreInput,     // the incoming event of Store
};

// What an entry for one field may hold.
struct SysexPermissions {
    bool values;     // XX and YY
    bool variables;  // V1..Vn
    bool outgoing;   // an outgoing event, where YY may come before XX
    bool operator==(const SysexPermissions&) const = default;
};

SysexPermissions sysexPermissions(SysexField field);

// The hint line of the entry window; empty when neither placeholders nor variables are allowed.
std::string_view sysexHint(const RuleProfile& profile, SysexPermissions permissions);

// The entry window's fixed label, caption and the entry test's warnings.
namespace sysextext {
inline constexpr std::string_view caption = "Enter System Exclusive Event";
inline constexpr std::string_view label = "Enter System Exclusive event in the form F0 ... F7";
inline constexpr std::string_view hintValues = "Use XX for value X, YY for value Y";
inline constexpr std::string_view tooLong = "Maximum length of System Exclusive event is 32 bytes.";
inline constexpr std::string_view valueTwice =
    "XX and YY cannot appear more than once in a System Exclusive event.";
inline constexpr std::string_view variableTwice =
    "Same variable cannot appear more than once in a System Exclusive event.";
inline constexpr std::string_view valuesNotAllowed = "Triggered event cannot contain XX or YY.";
inline constexpr std::string_view variablesNotAllowed =
    "Incoming variables not allowed for this setting.";
inline constexpr std::string_view yyBeforeXx =
    "XX must appear before YY in an incoming System Exclusive event.";
inline constexpr std::string_view tooMany =
    "Maximum two variables/XX/YY allowed in a System Exclusive event.";
inline constexpr std::string_view invalid = "Invalid System Exclusive event.";
}  // namespace sysextext

struct SysexTestResult {
    std::string normalised;    // what the field shows afterwards, valid or not
    std::string_view warning;  // empty when the entry is accepted
    bool accepted() const { return warning.empty(); }
};

// `systest`: upper case, single spaces, no trailing spaces and the letter O read as a zero, then
// the checks of the entry's form, its placeholders, the field's permissions and their order.
// Of several failures the one standing first among the warnings above is given.
SysexTestResult systest(const RuleProfile& profile, std::string_view entry,
                        SysexPermissions permissions);

}  // namespace corlinth
