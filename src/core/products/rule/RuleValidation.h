#pragma once

#include <string>
#include <string_view>

#include "core/products/rule/RuleDialogChoices.h"
#include "core/products/rule/RuleProfile.h"

namespace corlinth {

namespace rulewarning {
inline constexpr std::string_view sameChannelNeedsChannel =
    "Incoming event must contain a MIDI channel if outgoing event is \"same\" MIDI channel";
inline constexpr std::string_view combinedSize =
    "Both MIDI events combined can contain a maximum of 32 bytes.";
inline constexpr std::string_view sequenceTrigger =
    "The maximum length of a Sequence Trigger event is 32 bytes.";
inline constexpr std::string_view incomingXEqual =
    "Value X not necessary in incoming event if top and bottom of range are equal.";
inline constexpr std::string_view outgoingXEqual =
    "Value X not necessary in outgoing event if top and bottom of range are equal.";
inline constexpr std::string_view incomingYEqual =
    "Value Y not necessary in incoming event if top and bottom of range are equal.";
inline constexpr std::string_view outgoingYEqual =
    "Value Y not necessary in outgoing event if top and bottom of range are equal.";
inline constexpr std::string_view startIsCurrent =
    "Sequence can't start at same setting# as the current setting.";
inline constexpr std::string_view triggerNeedsValue =
    "The incoming MIDI event of a trigger setting must contain value X or value Y  \r\n"
    "(if a single value is required, set range bottom=top).";
inline constexpr std::string_view switchNeedsValue =
    "An On/Off control setting must contain value X or value Y (range bottom=top OK).";
inline constexpr std::string_view mapWithoutX =
    "Can't map an event without value X to an event with value X.";
inline constexpr std::string_view mapWithoutY =
    "Can't map an event without value Y to an event with value Y.";
inline constexpr std::string_view storeNothing = "Value X or value Y must be stored in a variable.";
inline constexpr std::string_view storeSameVariable =
    "Value X and value Y cannot be stored in the same variable.";
inline constexpr std::string_view valueTwice =
    "Value X or value Y cannot appear twice in an outgoing MIDI event.";
inline constexpr std::string_view negativeIncoming = "Only outgoing range can be negative.";
inline constexpr std::string_view switchesItself =
    "The setting to be turned On/Off cannot be the current setting.";
inline constexpr std::string_view sameActions =
    "\"in range\" and \"out of range\" actions cannot be the same.";
// "Step #" + k + " is out of range."
std::string stepOutOfRange(int step);
}  // namespace rulewarning

struct RuleValidation {
    // The warning of the last failing check: the checks all run, and each failing one replaces
    // the text of the one before in the shared warning box. Empty when every check passes.
    std::string warning;
    // The choices as the checks leave them: a map's or trigger's "same" channel resolved.
    RuleDialogChoices choices;
    bool passed() const { return warning.empty(); }
};

// The checks of OK, in their order.
RuleValidation validateRule(const RuleProfile& profile, const RuleDialogChoices& choices);

// The setting number a new setting is proposed with, held by the editor.
class RuleNumbering {
  public:
    explicit RuleNumbering(const RuleProfile& profile) : m_limit(profile.settingCount) {}

    // New resets counter and flag; a document opened, or a number picked by hand, sets the flag.
    void newDocument() {
        m_counter = 1;
        m_manual = false;
    }
    void documentOpened() { m_manual = true; }
    void numberPickedByHand() { m_manual = true; }
    // The number the dialog shows on a real opening: the counter, unless the flag keeps the
    // number it showed last.
    int numberOnOpening(int shownNumber) const { return m_manual ? shownNumber : m_counter; }
    // A new setting was accepted (not one edited in place).
    void settingAccepted() {
        if (m_counter < m_limit) {
            ++m_counter;
        }
    }
    int counter() const { return m_counter; }
    bool manual() const { return m_manual; }

  private:
    int m_limit;
    int m_counter = 1;
    bool m_manual = false;
};

}  // namespace corlinth
