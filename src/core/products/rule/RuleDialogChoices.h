#pragma once

#include <array>
#include <string>

#include "core/products/rule/RuleDialogTexts.h"
#include "core/products/rule/RuleProfile.h"
#include "core/products/rule/RuleSetting.h"

namespace corlinth {

// One event group of the dialog: its type and channel, and for every type its own pair of value
// fields, so that switching types never loses what was chosen for another. The value fields
// hold what their chosen item encodes (their ranges are the range controls', not theirs).
struct EventGroupChoices {
    EventType type = EventType::NoteOn;
    int channel = 1;  // 0: "all" (incoming groups) or "same"
    std::array<ValueSource, kEventTypeCount> first{};
    std::array<ValueSource, kEventTypeCount> second{};
    std::string sysex;
    bool operator==(const EventGroupChoices&) const = default;
};

// The range controls of value X or of value Y, shared by all functions.
struct RangeChoices {
    int rangeItem = 0;  // 0: all values; 1: a range
    int low = 0;        // accepted incoming range; a sequence event's outgoing range
    int high = 127;
    bool scale = false;  // "Scale value X to outgoing range:"
    int outLow = 0;
    int outHigh = 127;
    bool operator==(const RangeChoices&) const = default;
};

// Everything the rule dialog shows, kept between openings.
struct RuleDialogChoices {
    int settingNumber = 1;
    RuleFunction function = RuleFunction::Filter;
    bool powerUpOff = false;
    bool stopAfter = false;  // the processing choice
    std::array<EventGroupChoices, kEventGroupCount> groups{};
    RangeChoices rangeX;
    RangeChoices rangeY;
    SequenceSpec sequence;
    SwitchSpec switching;
    int storeX = 1;  // 0: "Don't store value X in a variable"
    int storeY = 1;

    EventGroupChoices& group(EventGroup g) { return groups[static_cast<std::size_t>(g)]; }
    const EventGroupChoices& group(EventGroup g) const {
        return groups[static_cast<std::size_t>(g)];
    }
    bool operator==(const RuleDialogChoices&) const = default;
};

// The dialog as it is created.
RuleDialogChoices defaultRuleChoices();

// A new function keeps every choice; a type its lists do not offer becomes "Note-On".
void changeFunction(RuleDialogChoices& choices, RuleFunction function);

// The event a group shows, its value fields taken from the chosen type.
EventSpec groupEvent(const RuleDialogChoices& choices, EventGroup group);

// The setting the choices describe, with the range controls placed on the values they govern.
RuleSetting ruleSettingOf(const RuleDialogChoices& choices);

// Presets the dialog from a decoded entry: the function's groups, the ranges of the values the
// entry uses, and its sequence, switch or store choices. Everything else keeps what it showed.
void applyDecoded(RuleDialogChoices& choices, const RuleSetting& setting);

}  // namespace corlinth
