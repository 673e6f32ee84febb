#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corlinth {

// The functions of a rule unit's setting, in the order of the dialog's "Function:" list.
enum class RuleFunction {
    Filter,         // "Filter a MIDI event"
    Map,            // "Map a MIDI event"
    Trigger,        // "Trigger a MIDI event"
    Sequence,       // "Define a sequence of MIDI events"
    SequenceEvent,  // "Define MIDI events within a sequence"
    Switch,         // "Turn a setting on/off"
    Store,          // "Store an incoming value in a variable"
};
inline constexpr int kRuleFunctionCount = 7;

// The event types, in the order of the dialog's event lists.
enum class EventType {
    NoteOff,
    NoteOn,
    KeyPressure,
    ControlChange,
    ProgramChange,
    ChannelPressure,
    PitchBend,
    SystemExclusive,
    SongPosition,
    SongSelect,
    Start,
    Stop,
    Continue,
    TimingClock,
    AllEvents,
};
inline constexpr int kEventTypeCount = 15;

// Types 0..6 carry a channel; only they have a status nibble and the channel flags.
bool isChannelEvent(EventType type);
// Data bytes after the status byte: 2, 1 or 0. System Exclusive and "All MIDI Events" have
// none of their own (the first carries its values in its text).
int dataByteCount(EventType type);

// What one data value of an event is.
enum class SourceKind { ValueX, ValueY, Variable, Fixed };

// A range of a value. For an incoming value X or Y: whether only low..high is accepted. For a
// value X or Y written into a map's outgoing event or stored in a variable: whether it is scaled
// onto low..high. For a sequence event: the outgoing range, always in use.
struct ValueRange {
    bool on = false;
    int low = 0;
    int high = 127;
    bool operator==(const ValueRange&) const = default;
};

struct ValueSource {
    SourceKind kind = SourceKind::Fixed;
    int number = 0;  // the fixed value 0..127, or the variable 1..8
    ValueRange range;

    static ValueSource fixed(int value) { return {SourceKind::Fixed, value, {}}; }
    static ValueSource variable(int v) { return {SourceKind::Variable, v, {}}; }
    static ValueSource valueX(ValueRange r = {}) { return {SourceKind::ValueX, 0, r}; }
    static ValueSource valueY(ValueRange r = {}) { return {SourceKind::ValueY, 0, r}; }
    bool isValue() const { return kind == SourceKind::ValueX || kind == SourceKind::ValueY; }
    bool operator==(const ValueSource&) const = default;
};

// Channel 0 stands for "all" on an incoming event and for "same" on an outgoing one; both are
// written as channel nibble 0 with a flag in the command byte.
inline constexpr int kAllChannels = 0;
inline constexpr int kSameChannel = 0;

struct EventSpec {
    EventType type = EventType::NoteOn;
    int channel = 1;
    ValueSource x = ValueSource::fixed(60);
    ValueSource y = ValueSource::valueY();
    // Type System Exclusive only: the event as entered, "F0 43 10 XX F7". Its XX byte carries
    // value X, its YY byte value Y, a Vn byte variable n; x and y then hold only the ranges.
    std::string sysex;
    bool operator==(const EventSpec&) const = default;
};

enum class SequenceJump { NextStep, PreviousStep, Step };
enum class SequenceEnd { Loop, Remain };

struct SequenceSpec {
    int start = 2;  // setting number of the first step
    int eventsPerStep = 1;
    int steps = 2;
    SequenceJump jump = SequenceJump::NextStep;
    int jumpStep = 1;  // with SequenceJump::Step: step #1..#31
    SequenceEnd atEnd = SequenceEnd::Loop;

    // Step k (from 1) occupies the settings firstSettingOfStep(k) .. that + eventsPerStep - 1.
    int firstSettingOfStep(int k) const { return start + (k - 1) * eventsPerStep; }
    bool operator==(const SequenceSpec&) const = default;
};

enum class SwitchAction { NoAction, On, Off };

struct SwitchSpec {
    int target = 1;
    SwitchAction inRangeAction = SwitchAction::On;
    SwitchAction outOfRangeAction = SwitchAction::Off;
    bool operator==(const SwitchSpec&) const = default;
};

struct StoreSpec {
    int storeX = 1;  // 0: value X is not stored; else the variable 1..8
    int storeY = 1;
    ValueRange scaleX;  // on: "Scale value X to outgoing range:"
    ValueRange scaleY;
    bool operator==(const StoreSpec&) const = default;
};

// One setting of a rule unit, as the setting dialog collects it.
struct RuleSetting {
    int settingNumber = 1;
    RuleFunction function = RuleFunction::Filter;
    bool powerUpOff = false;
    bool stopAfter = false;
    EventSpec input;   // Filter, Map, Trigger, Sequence, Switch, Store
    EventSpec output;  // Map, Trigger; the stored event of SequenceEvent
    SequenceSpec sequence;
    SwitchSpec switching;
    StoreSpec store;
    bool operator==(const RuleSetting&) const = default;
};

bool hasIncomingEvent(RuleFunction function);
bool hasOutgoingEvent(RuleFunction function);
// Functions whose "If this setting is executed, do not process subsequent settings" counts.
bool canStopAfter(const RuleSetting& setting);

// Which of value X and value Y an event uses, and (outgoing events) whether one of them
// stands in both of its bytes. For System Exclusive: the letters X and Y in its text.
struct ValueUse {
    bool x = false;
    bool y = false;
    bool twice = false;
    bool operator==(const ValueUse&) const = default;
};

// The incoming event's use of value X and value Y (Filter, Map, Trigger, Sequence, Switch).
ValueUse wildtestA(const RuleSetting& setting);
// The map's outgoing event.
ValueUse wildtestB(const RuleSetting& setting);
// The stored sequence event.
ValueUse wildtestC(const RuleSetting& setting);
// The incoming event of Store.
ValueUse wildtestD(const RuleSetting& setting);

// The same questions of any event. An incoming event holds value X in its first data byte and
// value Y in its second; an outgoing one may hold either in either byte.
ValueUse incomingUse(const EventSpec& event);
ValueUse outgoingUse(const EventSpec& event);

// A placeholder byte of a System Exclusive text: its byte position (F0 = 1) and meaning.
struct Placeholder {
    int position = 0;
    SourceKind kind = SourceKind::Fixed;  // ValueX for XX, ValueY for YY, Variable for Vn
    int variable = 0;
    bool operator==(const Placeholder&) const = default;
};
// The placeholders of an entered System Exclusive event, in byte order, from its second byte to
// the byte before its last.
std::vector<Placeholder> placeholdersOf(std::string_view sysex);

// The resolution the encoder makes first, which the dialog shows afterwards: a map's or a
// trigger's outgoing "same" channel becomes the incoming channel when that is a single channel,
// and reversed incoming ranges are turned round.
void resolveForEncoding(RuleSetting& setting);

// The one form of a setting among all that encode to the same lines and that the decoder gives:
// whatever the function, the event types and the value kinds do not use is reset to its default,
// and the ranges are read as the dialog shows them after decoding.
RuleSetting canonical(const RuleSetting& setting);

}  // namespace corlinth
