#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/products/rule/RuleDialogChoices.h"

namespace corlinth {

// One event row: its group's type list and, for the chosen type, what stands beside it.
struct EventRowView {
    bool shown = false;
    EventGroup group = EventGroup::Incoming;
    int lastType = 0;  // the type list offers types 0..lastType
    bool channel = false;
    bool sysexField = false;
    ValueFieldSpec first;  // present: the field and its caption are shown
    ValueFieldSpec second;
    bool operator==(const EventRowView&) const = default;
};

// The range controls of value X or value Y.
struct RangeView {
    bool choice = false;  // the range choice, with rangeItems
    std::vector<std::string> rangeItems;
    int shownItem = 0;     // a sequence event always shows its only item
    bool lowHigh = false;  // range low, "to", range high
    bool scaleChoice = false;
    bool outLowHigh = false;    // outgoing low, "to", outgoing high
    bool negativeNote = false;  // "(negative ranges allowed)"
    bool storeChoice = false;
    bool operator==(const RangeView&) const = default;
};

// What the rule dialog shows for its current choices; every control not named is hidden.
struct RuleDialogView {
    std::string firstHeading;
    std::string secondHeading;
    std::string overwriteNote;
    std::array<EventRowView, 2> rows{};
    RangeView x;
    RangeView y;
    bool rangesUnderSecondRow = false;  // else directly under the first row
    int frames = 1;                     // framed groups drawn
    bool processingChoice = false;      // else the fixed text
    bool sequenceControls = false;
    bool endBehaviour = false;
    std::string_view endCaption;
    std::vector<std::string> endItems;
    std::string stepNote;
    bool switchControls = false;
    std::string sequenceEventNote;
};

// The visibility rules, run after every change of a choice.
RuleDialogView ruleDialogView(const RuleDialogChoices& choices);

}  // namespace corlinth
