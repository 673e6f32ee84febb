#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/products/rule/RuleProfile.h"
#include "core/products/rule/RuleSetting.h"

namespace corlinth {

// The five event groups of the rule dialog, each with its own type list, channel list, value
// fields for every type and System Exclusive field.
enum class EventGroup { Incoming, MapOutput, TriggerOutput, SequenceEvent, StoreInput };
inline constexpr int kEventGroupCount = 5;

// The group of a function's first and second event row; a function with one row has no second.
EventGroup firstGroup(RuleFunction function);
bool hasSecondGroup(RuleFunction function);
EventGroup secondGroup(RuleFunction function);

// The type list of a group offers the types 0..lastEventType.
int lastEventType(EventGroup group, RuleFunction function);
// Incoming groups offer "all" channels, the others "same".
bool isIncomingGroup(EventGroup group);

// The list a value field offers after its leading items ("value X", the variables).
enum class ValueList {
    Notes,             // the note list, "0   - C-2" .. "127 - G8"
    Controllers,       // the rule units' controller list
    Numbers,           // "0" .. "127"
    NoteOnVelocities,  // "0 (Note-off)", "1" .. "127"
};

// One value field of an event row: its caption and list. A type with one data byte has no
// second field, a type without data bytes none at all.
struct ValueFieldSpec {
    bool present = false;
    std::string_view caption;
    ValueList list = ValueList::Numbers;
    bool operator==(const ValueFieldSpec&) const = default;
};
ValueFieldSpec valueField(EventType type, bool first);

// The items before the values in a value field, and the value source each item stands for.
std::vector<ValueSource> leadingSources(const RuleProfile& profile, EventGroup group, bool first);
std::vector<std::string> leadingItems(const RuleProfile& profile, EventGroup group, bool first);
// The value source of a field's item index, and back; an index past the list reads as fixed
// 127, a source the field does not offer as its first item.
ValueSource sourceOfItem(const RuleProfile& profile, EventGroup group, bool first, int index);
int itemOfSource(const RuleProfile& profile, EventGroup group, bool first,
                 const ValueSource& source);

std::vector<std::string> numberItems(int from, int to);  // "from" .. "to"
std::vector<std::string> noteOnVelocityItems();

// The controller list of the rule units: the shared controller list with these items changed.
struct ControllerChange {
    int number;
    std::string_view item;
};
std::span<const ControllerChange> ruleControllerChanges();
const std::vector<std::string>& ruleControllerItems();
// The values a field lists after its leading items: the shared note and number lists, the rule
// units' controller list, or the velocities with "0 (Note-off)".
const std::vector<std::string>& valueListItems(ValueList list);

namespace ruletext {
inline constexpr std::array<std::string_view, kRuleFunctionCount> functions{
    "Filter a MIDI event",
    "Map a MIDI event",
    "Trigger a MIDI event",
    "Define a sequence of MIDI events",
    "Define MIDI events within a sequence",
    "Turn a setting on/off",
    "Store an incoming value in a variable"};
inline constexpr std::array<std::string_view, kEventTypeCount> eventTypes{
    "Note-Off",          "Note-On",          "Key Pressure",   "Control Change",
    "Program Change",    "Channel Pressure", "Pitch Bend",     "System Exclusive",
    "Song Pos. Pointer", "Song Select",      "Start",          "Stop",
    "Continue",          "Timing Clock",     "All MIDI Events"};
inline constexpr std::string_view settingNumber = "Setting #:";
inline constexpr std::string_view function = "Function:";
inline constexpr std::string_view powerUp = "Setting Power-up State:";
inline constexpr std::array<std::string_view, 2> powerUpItems{"On", "Off"};
inline constexpr std::string_view channel = "MIDI Channel:";
inline constexpr std::string_view allChannels = "all";
inline constexpr std::string_view sameChannel = "same";
inline constexpr std::string_view valueX = "value X";
inline constexpr std::string_view valueY = "value Y";
inline constexpr std::string_view variable = "variable ";
inline constexpr std::string_view noteOff = "0 (Note-off)";
inline constexpr std::string_view to = "to";
inline constexpr std::string_view negativeRanges = "(negative ranges allowed)";
inline constexpr std::array<std::string_view, 2> processing{
    "After this setting, continue to process subsequent settings",
    "If this setting is executed, do not process subsequent settings"};
inline constexpr std::array<std::string_view, 2> scaleX{"Leave value X unchanged",
                                                        "Scale value X to outgoing range:"};
inline constexpr std::array<std::string_view, 2> scaleY{"Leave value Y unchanged",
                                                        "Scale value Y to outgoing range:"};
inline constexpr std::string_view sequenceStart = "Sequence beginning at setting #";
inline constexpr std::string_view sequenceSteps = "Total number of steps in sequence:";
inline constexpr std::string_view sequencePerStep = "Number of events per step:";
inline constexpr std::string_view sequenceJump = "...jump to";
inline constexpr std::string_view sequenceFollowing = "in the following sequence of MIDI events:";
inline constexpr std::array<std::string_view, 2> jumpDirections{"the next step",
                                                                "the previous step"};
inline constexpr std::string_view jumpStep = "step #";
inline constexpr std::array<std::string_view, 2> endCaptions{
    "When the last step of the sequence is reached:",
    "When the first step of the sequence is reached:"};
inline constexpr std::array<std::array<std::string_view, 2>, 2> endItems{{
    {"loop back to the first step", "remain at the last step"},
    {"loop back to the last step", "remain at the first step"},
}};
inline constexpr std::string_view switchTarget = "...turn Setting #";
inline constexpr std::string_view switchOtherwise = "otherwise turn setting";
inline constexpr std::array<std::string_view, 3> switchActions{"No action", "On", "Off"};
inline constexpr std::string_view dontStoreX = "Don't store value X in a variable";
inline constexpr std::string_view dontStoreY = "Don't store value Y in a variable";
inline constexpr std::string_view storeXIn = "Store value X in variable ";
inline constexpr std::string_view storeYIn = "Store value Y in variable ";
inline constexpr std::string_view noteOffInformation =
    "Note-On of velocity zero is often substituted for Note-Off";
}  // namespace ruletext

// Lists that depend on the unit or the function.
std::vector<std::string> settingNumberItems(const RuleProfile& profile);  // "1" .. "32"
std::vector<std::string> channelItems(EventGroup group);  // "1" .. "16", then "all" or "same"
std::vector<std::string> jumpItems();  // "the next step", "the previous step", "step #1" ..
std::vector<std::string> storeItems(const RuleProfile& profile, bool x);
// The range choice of value X or value Y: two items, or one for a sequence event.
std::vector<std::string> rangeChoiceItems(RuleFunction function, bool x);

// The headings above the first and second event row; the second is empty where there is none.
std::string firstHeading(RuleFunction function, int settingNumber);
std::string_view secondHeading(RuleFunction function);
// "This setting will overwrite the previous setting #" + the setting number.
std::string overwriteNote(int settingNumber);
// "(step #1 sends setting #2, step #2 sends setting #3)" and its longer forms.
std::string stepNote(const SequenceSpec& sequence);
// The note under a sequence event that takes value X, value Y or the incoming channel; empty
// when it takes none of them.
std::string sequenceEventNote(const ValueUse& use, bool sameChannel);

}  // namespace corlinth
