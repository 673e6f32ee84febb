#include "core/products/rule/RuleDialogTexts.h"

#include <algorithm>

#include "core/products/common/MidiLists.h"

namespace corlinth {

EventGroup firstGroup(RuleFunction function) {
    switch (function) {
        case RuleFunction::SequenceEvent:
            return EventGroup::SequenceEvent;
        case RuleFunction::Store:
            return EventGroup::StoreInput;
        default:
            return EventGroup::Incoming;
    }
}

bool hasSecondGroup(RuleFunction function) {
    return function == RuleFunction::Map || function == RuleFunction::Trigger;
}

EventGroup secondGroup(RuleFunction function) {
    return function == RuleFunction::Trigger ? EventGroup::TriggerOutput : EventGroup::MapOutput;
}

int lastEventType(EventGroup group, RuleFunction function) {
    switch (group) {
        case EventGroup::Incoming:
            switch (function) {
                case RuleFunction::Filter:
                    return static_cast<int>(EventType::AllEvents);
                case RuleFunction::Trigger:
                case RuleFunction::Switch:
                    return static_cast<int>(EventType::SongSelect);
                default:
                    return static_cast<int>(EventType::TimingClock);
            }
        case EventGroup::StoreInput:
            return static_cast<int>(EventType::SongSelect);
        default:
            return static_cast<int>(EventType::TimingClock);
    }
}

bool isIncomingGroup(EventGroup group) {
    return group == EventGroup::Incoming || group == EventGroup::StoreInput;
}

ValueFieldSpec valueField(EventType type, bool first) {
    struct Fields {
        ValueFieldSpec first, second;
    };
    static constexpr std::array<Fields, kEventTypeCount> kFields{{
        {{true, "Note:", ValueList::Notes}, {true, "Velocity:", ValueList::Numbers}},
        {{true, "Note:", ValueList::Notes}, {true, "Velocity:", ValueList::NoteOnVelocities}},
        {{true, "Note:", ValueList::Notes}, {true, "Value:", ValueList::Numbers}},
        {{true, "", ValueList::Controllers}, {true, "Value:", ValueList::Numbers}},
        {{true, "Number:", ValueList::Numbers}, {}},
        {{true, "Value:", ValueList::Numbers}, {}},
        {{true, "LSB Value:", ValueList::Numbers}, {true, "MSB Value:", ValueList::Numbers}},
        {{}, {}},  // System Exclusive: its text field instead
        {{true, "LSB Value:", ValueList::Numbers}, {true, "MSB Value:", ValueList::Numbers}},
        {{true, "Song #:", ValueList::Numbers}, {}},
        {{}, {}},
        {{}, {}},
        {{}, {}},
        {{}, {}},
        {{}, {}},
    }};
    const Fields& f = kFields[static_cast<std::size_t>(type)];
    return first ? f.first : f.second;
}

std::vector<ValueSource> leadingSources(const RuleProfile& profile, EventGroup group, bool first) {
    std::vector<ValueSource> out;
    switch (group) {
        case EventGroup::Incoming:
        case EventGroup::StoreInput:
            out.push_back(first ? ValueSource::valueX() : ValueSource::valueY());
            break;
        case EventGroup::MapOutput:
        case EventGroup::SequenceEvent:
            out.push_back(ValueSource::valueX());
            out.push_back(ValueSource::valueY());
            break;
        case EventGroup::TriggerOutput:
            break;
    }
    if (group != EventGroup::StoreInput) {
        for (int v = 1; v <= profile.variableCount; ++v) {
            out.push_back(ValueSource::variable(v));
        }
    }
    return out;
}

std::vector<std::string> leadingItems(const RuleProfile& profile, EventGroup group, bool first) {
    std::vector<std::string> items;
    for (const ValueSource& s : leadingSources(profile, group, first)) {
        switch (s.kind) {
            case SourceKind::ValueX:
                items.emplace_back(ruletext::valueX);
                break;
            case SourceKind::ValueY:
                items.emplace_back(ruletext::valueY);
                break;
            default:
                items.push_back(std::string(ruletext::variable) + std::to_string(s.number));
                break;
        }
    }
    return items;
}

ValueSource sourceOfItem(const RuleProfile& profile, EventGroup group, bool first, int index) {
    const std::vector<ValueSource> leading = leadingSources(profile, group, first);
    const int count = static_cast<int>(leading.size());
    if (index >= 0 && index < count) {
        return leading[static_cast<std::size_t>(index)];
    }
    return ValueSource::fixed(std::clamp(index - count, 0, 127));
}

int itemOfSource(const RuleProfile& profile, EventGroup group, bool first,
                 const ValueSource& source) {
    const std::vector<ValueSource> leading = leadingSources(profile, group, first);
    if (source.kind == SourceKind::Fixed) {
        return static_cast<int>(leading.size()) + std::clamp(source.number, 0, 127);
    }
    for (std::size_t i = 0; i < leading.size(); ++i) {
        if (leading[i].kind == source.kind && leading[i].number == source.number) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::vector<std::string> numberItems(int from, int to) {
    std::vector<std::string> items;
    for (int n = from; n <= to; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

std::vector<std::string> noteOnVelocityItems() {
    std::vector<std::string> items = numberItems(0, 127);
    items[0] = ruletext::noteOff;
    return items;
}

std::span<const ControllerChange> ruleControllerChanges() {
    static constexpr std::array<ControllerChange, 12> kChanges{{
        {7, "7 - Channel Volume "},
        {75, "75 - Sound Controller 6 (default: Decay Time)"},
        {76, "76 - Sound Controller 7 (default: Vibrato Rate)"},
        {77, "77 - Sound Controller 8 (default: Vibrato Depth)"},
        {78, "78 - Sound Controller 9 (default: Vibrato Delay)"},
        {79, "79 - Sound Controller 10 (default undefined)"},
        {91, "91 - Effects 1 Depth (default: Reverb Send Level)"},
        {93, "93 - Effects 3 Depth (default: Chorus Send Level)"},
        {124, "124 - Omni Mode Off (+ all notes off)"},
        {125, "125 - Omni Mode On (+ all notes off)"},
        {126, "126 - Poly Mode On/Off (+ all notes off)"},
        {127, "127 - Poly Mode On (+ mono off + all notes off)"},
    }};
    return kChanges;
}

const std::vector<std::string>& ruleControllerItems() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> list = controllerItems();
        for (const ControllerChange& change : ruleControllerChanges()) {
            list.at(static_cast<std::size_t>(change.number)) = change.item;
        }
        return list;
    }();
    return items;
}

const std::vector<std::string>& valueListItems(ValueList list) {
    static const std::vector<std::string> velocities = noteOnVelocityItems();
    switch (list) {
        case ValueList::Notes:
            return noteItems();
        case ValueList::Controllers:
            return ruleControllerItems();
        case ValueList::NoteOnVelocities:
            return velocities;
        case ValueList::Numbers:
            break;
    }
    return valueItems();
}

std::vector<std::string> settingNumberItems(const RuleProfile& profile) {
    return numberItems(1, profile.settingCount);
}

std::vector<std::string> channelItems(EventGroup group) {
    std::vector<std::string> items = numberItems(1, 16);
    items.emplace_back(isIncomingGroup(group) ? ruletext::allChannels : ruletext::sameChannel);
    return items;
}

std::vector<std::string> jumpItems() {
    std::vector<std::string> items(ruletext::jumpDirections.begin(),
                                   ruletext::jumpDirections.end());
    for (int k = 1; k <= 31; ++k) {
        items.push_back(std::string(ruletext::jumpStep) + std::to_string(k));
    }
    return items;
}

std::vector<std::string> storeItems(const RuleProfile& profile, bool x) {
    std::vector<std::string> items{std::string(x ? ruletext::dontStoreX : ruletext::dontStoreY)};
    for (int v = 1; v <= profile.variableCount; ++v) {
        items.push_back(std::string(x ? ruletext::storeXIn : ruletext::storeYIn) +
                        std::to_string(v));
    }
    return items;
}

std::vector<std::string> rangeChoiceItems(RuleFunction function, bool x) {
    // Written for value X; value Y's items read the same with Y.
    std::vector<std::string> items;
    switch (function) {
        case RuleFunction::Filter:
            items = {"Filter all values of X", "Filter range of value X:"};
            break;
        case RuleFunction::Map:
            items = {"Map all values of X", "Select incoming value X range:"};
            break;
        case RuleFunction::SequenceEvent:
            items = {std::string(ruletext::scaleX[1])};
            break;
        default:
            items = {"All incoming values of X", "Specify incoming value X range:"};
            break;
    }
    if (!x) {
        for (std::string& item : items) {
            std::replace(item.begin(), item.end(), 'X', 'Y');
        }
    }
    return items;
}

std::string firstHeading(RuleFunction function, int settingNumber) {
    switch (function) {
        case RuleFunction::Filter:
            return "Filter the following MIDI event...";
        case RuleFunction::Map:
            return "Map the following MIDI event...";
        case RuleFunction::Trigger:
            return "When value X and value Y of the following MIDI event... ";
        case RuleFunction::Sequence:
            return "When the following MIDI event is received...";
        case RuleFunction::SequenceEvent:
            return "Store the following MIDI Event in Setting #" + std::to_string(settingNumber) +
                   ":";
        case RuleFunction::Switch:
            return "When value X and value Y of the following MIDI event are in the range "
                   "specified below...";
        case RuleFunction::Store:
            return "Store value X and value Y of the following MIDI event...";
    }
    return {};
}

std::string_view secondHeading(RuleFunction function) {
    switch (function) {
        case RuleFunction::Map:
            return "...to this MIDI event:";
        case RuleFunction::Trigger:
            return "...move into the specified range, trigger the following MIDI event:";
        case RuleFunction::Store:
            return "...in the selected variables:";
        default:
            return {};
    }
}

std::string overwriteNote(int settingNumber) {
    return "This setting will overwrite the previous setting #" + std::to_string(settingNumber);
}

std::string stepNote(const SequenceSpec& q) {
    const int s = q.start;
    const int e = q.eventsPerStep;
    const auto n = [](int v) { return std::to_string(v); };
    const std::string a = e == 1 ? " #" + n(s) : "s #" + n(s) + " - " + n(s + e - 1);
    const std::string b = e == 1 ? " #" + n(s + 1) : "s #" + n(s + e) + " - " + n(s + 2 * e - 1);
    return "(step #1 sends setting" + a + ", step #2 sends setting" + b +
           (q.steps == 2 ? ")" : ", etc.)");
}

std::string sequenceEventNote(const ValueUse& use, bool sameChannel) {
    const bool value = use.x || use.y;
    if (sameChannel && value) {
        const std::string_view p = use.x && use.y ? "Value X, value Y,"
                                   : use.x        ? "Value X"
                                                  : "Value Y";
        return std::string(p) +
               " and MIDI channel are obtained from incoming MIDI event. Negative ranges are "
               "allowed.";
    }
    if (sameChannel) {
        return "MIDI channel is obtained from incoming MIDI event.";
    }
    if (value) {
        const std::string_view q = use.x && use.y ? "Value X and value Y are"
                                   : use.x        ? "Value X is"
                                                  : "Value Y is";
        return std::string(q) + " obtained from incoming MIDI event. Negative ranges are allowed.";
    }
    return {};
}

}  // namespace corlinth
