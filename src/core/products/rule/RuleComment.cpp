#include "core/products/rule/RuleComment.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace corlinth {
namespace {

// The sentences are built from fixed fragments. A fragment may hold tokens in angle brackets,
// replaced by values when the sentence is written:
//   <NAME>  the event's name where one fragment serves two types ("Note-Off", "Pitch Bend")
//   <ALL>   " all" for Filter, Map and Store, empty for Define a sequence
//   <X> <Y>      the fixed value of the first or second data byte
//   <XR> <YR>    the incoming range of value X or value Y, "0 - 127" when all are accepted
//   <QVX> <QVY>  the variable of the first or second data byte, "variable 1" in double quotes
//   <SX>    the System Exclusive event as entered
//   <CHI> <VERB> <XS> <YS>  channel phrase, verb and value slots of a condition
//   <IN> <LOW> <HIGH>       value letter and outgoing range of a sequence event's byte

using Phrases16 = std::array<std::string_view, 16>;

// The sixteen input phrases of a two-value type, in this order of (value X, value Y):
// fixed/fixed, fixed/all, fixed/range, all/fixed, range/fixed, all/all, range/all, all/range,
// range/range, variable/fixed, variable/all, variable/range, fixed/variable, all/variable,
// range/variable, variable/variable. One-value types use the places of fixed, all, range and
// variable value X with a fixed value Y; events without values the place of all/fixed.
enum Category { kFixed, kAll, kRange, kVariable };
constexpr int kInputCase[4][4] = {
    {0, 1, 2, 12},   // value X fixed
    {3, 5, 7, 13},   // value X all
    {4, 6, 8, 14},   // value X range
    {9, 10, 11, 15}  // value X variable
};

constexpr Phrases16 kNoteInput{
    " <NAME> #<X> events of velocity <Y>",
    "<ALL> <NAME> #<X> events",
    " <NAME> #<X> events of velocities <YR>",
    "<ALL> <NAME> events of velocity <Y>",
    " <NAME> #<XR> events of velocity <Y>",
    "<ALL> <NAME> events",
    " <NAME> #<XR> events",
    "<ALL> <NAME> events of velocities <YR>",
    " <NAME> #<XR> events of velocities <YR>",
    " <NAME> events matching the note number in <QVX> of velocity <Y>",
    "<ALL> <NAME> events matching the note number in <QVX>",
    " <NAME> events matching the note number in <QVX> of velocities <YR>",
    " <NAME> #<X> events matching the velocity in <QVY>",
    "<ALL> <NAME> events matching the velocity in <QVY>",
    " <NAME> #<XR> events matching the velocity in <QVY>",
    " <NAME> events matching the note number in <QVX> and matching the velocity in <QVY>",
};

constexpr Phrases16 kKeyPressureInput{
    " Note #<X> Key Pressure events of value <Y>",
    "<ALL> Note #<X> Key Pressure events",
    " Note #<X> Key Pressure events of values <YR>",
    "<ALL> Key Pressure events of value <Y>",
    " Note #<XR> Key Pressure events of value <Y>",
    "<ALL> Key Pressure events",
    " Note #<XR> Key Pressure events",
    "<ALL> Key Pressure events of values <YR>",
    " Note #<XR> Key Pressure events of values <YR>",
    " Key Pressure events matching the note number in <QVX> of value <Y>",
    "<ALL> Key Pressure events matching the note number in <QVX>",
    " Key Pressure events matching the note number in <QVX> of values <YR>",
    " Note #<X> Key Pressure events matching the value in <QVY>",
    "<ALL> Key Pressure events matching the value in <QVY>",
    " Note #<XR> Key Pressure events matching the value in <QVY>",
    " Key Pressure events matching the note number in <QVX> and matching the value in <QVY>",
};

constexpr Phrases16 kControlInput{
    " Control Change #<X> events of value <Y>",
    "<ALL> Control Change #<X> events",
    " Control Change #<X> events of values <YR>",
    "<ALL> Control Change events of value <Y>",
    " Control Change #<XR> events of value <Y>",
    "<ALL> Control Change events",
    " Control Change #<XR> events",
    "<ALL> Control Change events of values <YR>",
    " Control Change #<XR> events of values <YR>",
    " Control Change events matching the control number in <QVX> of value <Y>",
    "<ALL> Control Change events matching the control number in <QVX>",
    " Control Change events matching the control number in <QVX> of values <YR>",
    " Control Change #<X> events matching the value in <QVY>",
    "<ALL> Control Change events matching the value in <QVY>",
    " Control Change #<XR> events matching the value in <QVY>",
    " Control Change events matching the control number in <QVX> and matching the value in "
    "<QVY>",
};

constexpr Phrases16 kBendInput{
    " <NAME> events of LSB value <X> and MSB value <Y>",
    "<ALL> <NAME> events of LSB value <X>",
    " <NAME> events of LSB value <X> and MSB values <YR>",
    "<ALL> <NAME> events of MSB value <Y>",
    " <NAME> events of LSB values <XR> and MSB value <Y>",
    "<ALL> <NAME> events",
    " <NAME> events of LSB values <XR>",
    " <NAME> events of MSB values <YR>",
    " <NAME> events of LSB values <XR> and MSB values <YR>",
    " <NAME> events matching the LSB value in <QVX> of MSB value <Y>",
    "<ALL> <NAME> events matching the LSB value in <QVX>",
    " <NAME> events matching the LSB value in <QVX> of MSB values <YR>",
    " <NAME> events of LSB value <X> matching the MSB value in <QVY>",
    "<ALL> <NAME> events matching the MSB value in <QVY>",
    " <NAME> events of LSB values <XR> matching the MSB value in <QVY>",
    " <NAME> events matching the LSB value in <QVX> and matching the MSB value in <QVY>",
};

constexpr Phrases16 oneValueInput(std::string_view fixed, std::string_view variable,
                                  std::string_view range, std::string_view all) {
    Phrases16 p{};
    p[kInputCase[kFixed][kFixed]] = fixed;
    p[kInputCase[kVariable][kFixed]] = variable;
    p[kInputCase[kRange][kFixed]] = range;
    p[kInputCase[kAll][kFixed]] = all;
    return p;
}

constexpr Phrases16 kProgramInput = oneValueInput(
    " Program Change #<X> events", " Program Change events matching the value in <QVX>",
    " Program Change #<XR> events", "<ALL> Program Change events");
constexpr Phrases16 kChannelPressureInput = oneValueInput(
    " Channel Pressure events of value <X>", " Channel Pressure events matching the value in <QVX>",
    " Channel Pressure events of values <XR>", "<ALL> Channel Pressure events");
constexpr Phrases16 kSongSelectInput = oneValueInput(
    " Song Select events of value <X>", " Song Select events matching the value in <QVX>",
    " Song Select events of values <XR>", "<ALL> Song Select events");
constexpr Phrases16 kStartInput = oneValueInput({}, {}, {}, "<ALL> MIDI Start events");
constexpr Phrases16 kStopInput = oneValueInput({}, {}, {}, "<ALL> MIDI Stop events");
constexpr Phrases16 kContinueInput = oneValueInput({}, {}, {}, "<ALL> MIDI Continue events");
constexpr Phrases16 kClockInput = oneValueInput({}, {}, {}, "<ALL> MIDI Timing Clock events");

// Conditions of Trigger and Turn a setting on/off, by the values the incoming event uses. The
// value that is not used fills a slot, fixed or from a variable. One-value types have only the
// "value X used" sentence.
struct Conditions {
    std::string_view yUsed;  // value X fixed or a variable, value Y a value
    std::string_view xUsed;  // value X a value, value Y fixed or a variable
    std::string_view both;
    std::string_view xFixed, xVariable;  // <XS>
    std::string_view yFixed, yVariable;  // <YS>
};

constexpr Conditions kNoteCondition{
    " the velocity of <NAME> events <XS><CHI> <VERB> the range <YR>",
    " the Note number of <NAME> events of velocity <YS><CHI> <VERB> the range <XR>",
    " the Note number of <NAME> events<CHI> <VERB> the range <XR> and the velocity <VERB> the "
    "range <YR>",
    "of Note #<X>",
    "matching the Note number in <QVX>",
    "<Y>",
    "matching the value in <QVY>",
};
constexpr Conditions kKeyPressureCondition{
    " the value of Key Pressure <XS><CHI> <VERB> the range <YR>",
    " the Note number of Key Pressure events <YS><CHI> <VERB> the range <XR>",
    " the Note number of Key Pressure events<CHI> <VERB> the range <XR> and the value <VERB> the "
    "range <YR>",
    "Note #<X>",
    "events matching the Note number in <QVX>",
    "of value <Y>",
    "matching the value in <QVY>",
};
constexpr Conditions kControlCondition{
    " the value of Control Change <XS><CHI> <VERB> the range <YR>",
    " the Control Change number of Control Change events <YS><CHI> <VERB> the range <XR>",
    " the Control Change number of Control Change events<CHI> <VERB> the range <XR> and the value "
    "<VERB> the range <YR>",
    " #<X>",
    "events of the Control Change number in <QVX>",
    "of value <Y>",
    "matching the value in <QVY>",
};
constexpr Conditions kBendCondition{
    " the MSB value of <NAME> events <XS><CHI> <VERB> the range <YR>",
    " the LSB value of <NAME> events <YS><CHI> <VERB> the range <XR>",
    " the LSB value of <NAME> events<CHI> <VERB> the range <XR> and the MSB value <VERB> the range "
    "<YR>",
    "of LSB value <X>",
    "matching the LSB value in <QVX>",
    "of MSB value <Y>",
    "matching the MSB value in <QVY>",
};
constexpr Conditions kProgramCondition{
    {}, " the program number of Program Change events<CHI> <VERB> the range <XR>", {}, {}, {}, {},
    {}};
constexpr Conditions kChannelPressureCondition{
    {}, " the value of Channel Pressure events<CHI> <VERB> the range <XR>", {}, {}, {}, {}, {}};
constexpr Conditions kSongSelectCondition{
    {}, " the value of Song Select events<CHI> <VERB> the range <XR>", {}, {}, {}, {}, {}};

// What the bytes of an outgoing event carry, for the phrase tables below.
enum ByteKind { kValue, kVar, kFix };

// The outgoing event of a map that takes value X or value Y, by (first byte, second byte):
// value/value, value/variable, value/fixed, variable/value, fixed/value. One-value types use
// value/fixed.
constexpr int valuesOutputCase(ByteKind first, ByteKind second) {
    if (first == kValue) {
        return second == kValue ? 0 : second == kVar ? 1 : 2;
    }
    return first == kVar ? 3 : 4;
}

// Outgoing events without value X and value Y, by (first byte, second byte): variable/variable,
// variable/fixed, fixed/variable, fixed/fixed. One-value types use the fixed second byte.
constexpr int fixedOutputCase(ByteKind first, ByteKind second) {
    return (first == kVar ? 0 : 2) + (second == kVar ? 0 : 1);
}

// The stored event of a sequence, byte by byte: from a value, from a variable, fixed.
constexpr int sequenceByteCase(ByteKind kind) {
    return kind == kValue ? 0 : kind == kVar ? 1 : 2;
}

struct TypeTexts {
    std::string_view name;
    const Phrases16* input;
    const Conditions* condition;
    std::array<std::string_view, 5> valuesOutput;
    std::array<std::string_view, 4> fixedOutput;
    std::string_view triggerVarVar;  // where a trigger's variable/variable phrase differs
    std::array<std::string_view, 3> sequenceFirst;
    std::array<std::string_view, 3> sequenceSecond;
    // Names of the values in a map's clauses and in a store's phrase.
    std::string_view incomingX, incomingY, outgoingFirst, outgoingSecond;
    std::string_view storedX, storedY;
};

constexpr std::array<std::string_view, 5> kNoteValuesOutput{
    " <NAME> events", " <NAME> events of velocity obtained from <QVY>",
    " <NAME> events of velocity <Y>", " <NAME> events of note number obtained from <QVX>",
    " <NAME> #<X> events"};
constexpr std::array<std::string_view, 4> kNoteFixedOutput{
    "<NAME> of note number obtained from <QVX> and velocity obtained from <QVY>",
    "<NAME> of note number obtained from <QVX> of velocity <Y>",
    "<NAME> #<X> of velocity obtained from <QVY>", "<NAME> #<X> of velocity <Y>"};
constexpr std::array<std::string_view, 3> kNoteSecond{
    " with the velocity obtained from the incoming <IN> value and scaled to the outgoing range "
    "<LOW> - <HIGH>,",
    " of velocity obtained from <QVY>", " of velocity <Y>"};
constexpr std::array<std::string_view, 3> kBendSecond{
    " with the MSB value obtained from the incoming <IN> value and scaled to the outgoing range "
    "<LOW> - <HIGH>,",
    " of MSB value obtained from <QVY>", " of MSB value <Y>"};

TypeTexts noteTexts(std::string_view name) {
    return {name,
            &kNoteInput,
            &kNoteCondition,
            kNoteValuesOutput,
            kNoteFixedOutput,
            {},
            {" <NAME> with the Note number obtained from the incoming <IN> value and scaled to the "
             "outgoing range <LOW> - <HIGH>, and",
             " <NAME> of the Note number obtained from <QVX>", " <NAME> #<X>"},
            kNoteSecond,
            " the incoming Note number",
            " the incoming velocity",
            " the outgoing Note number",
            " the outgoing velocity value",
            " the Note number",
            " the velocity"};
}

TypeTexts bendTexts(std::string_view name, std::string_view mapVarVar,
                    std::string_view triggerVarVar, std::string_view incomingX,
                    std::string_view incomingY, std::string_view outgoingFirst,
                    std::string_view outgoingSecond, std::string_view storedX,
                    std::string_view storedY) {
    return {name,
            &kBendInput,
            &kBendCondition,
            {" <NAME> events", " <NAME> events of MSB value obtained from <QVY>",
             " <NAME> events of MSB value <Y>", " <NAME> events of LSB value obtained from <QVX>",
             " <NAME> events of LSB value <X>"},
            {mapVarVar, "<NAME> of LSB value obtained from <QVX> and MSB value <Y>",
             "<NAME> of LSB value <X> and MSB value obtained from <QVY>",
             "<NAME> of LSB value <X> and MSB value <Y>"},
            triggerVarVar,
            {" <NAME> with the LSB value obtained from the incoming <IN> value and scaled to the "
             "outgoing range <LOW> - <HIGH>, and",
             " <NAME> of LSB value obtained from <QVX>", " <NAME> LSB <X>"},
            kBendSecond,
            incomingX,
            incomingY,
            outgoingFirst,
            outgoingSecond,
            storedX,
            storedY};
}

// A one-value type: its single byte is described by the "value X" places of each table.
TypeTexts oneValueTexts(const Phrases16* input, const Conditions* condition,
                        std::string_view valuesOutput, std::string_view fixedVariable,
                        std::string_view fixedFixed,
                        const std::array<std::string_view, 3>& sequenceFirst,
                        std::string_view incomingX, std::string_view outgoingFirst,
                        std::string_view storedX) {
    TypeTexts t{};
    t.input = input;
    t.condition = condition;
    t.valuesOutput[valuesOutputCase(kValue, kFix)] = valuesOutput;
    t.fixedOutput[fixedOutputCase(kVar, kFix)] = fixedVariable;
    t.fixedOutput[fixedOutputCase(kFix, kFix)] = fixedFixed;
    t.sequenceFirst = sequenceFirst;
    t.incomingX = incomingX;
    t.outgoingFirst = outgoingFirst;
    t.storedX = storedX;
    return t;
}

// Events without values: an input phrase, and whole phrases for the outgoing and stored event.
struct PlainEventTexts {
    std::string_view mapOutput;
    std::string_view triggerOutput;  // also the stored sequence event
};

const std::array<TypeTexts, kEventTypeCount>& typeTexts() {
    static const std::array<TypeTexts, kEventTypeCount> table = [] {
        std::array<TypeTexts, kEventTypeCount> t{};
        t[int(EventType::NoteOff)] = noteTexts("Note-Off");
        t[int(EventType::NoteOn)] = noteTexts("Note-On");
        t[int(EventType::KeyPressure)] = {
            {},
            &kKeyPressureInput,
            &kKeyPressureCondition,
            {" Key Pressure events", " Key Pressure events of value obtained from <QVY>",
             " Key Pressure events of value <Y>",
             " Key Pressure events of note number obtained from <QVX>",
             " Key Pressure Note #<X> events"},
            {"Key Pressure of note number obtained from <QVX> and value obtained from <QVY>",
             "Key Pressure of note number obtained from <QVX> of value <Y>",
             "Key Pressure Note #<X> of value obtained from <QVY>",
             "Key Pressure Note #<X> of value <Y>"},
            {},
            {" Key Pressure with the Note number obtained from the incoming <IN> value and scaled "
             "to the outgoing range <LOW> - <HIGH>, and",
             " Key Pressure of the Note number obtained from <QVX>", " Key Pressure Note #<X>"},
            {" with the pressure value obtained from the incoming <IN> value and scaled to the "
             "outgoing range <LOW> - <HIGH>,",
             " of value obtained from <QVY>", " of pressure value <Y>"},
            " the incoming Note number",
            " the incoming Pressure value",
            " the outgoing Note number",
            " the outgoing Pressure value",
            " the Note number",
            " the pressure value"};
        t[int(EventType::ControlChange)] = {
            {},
            &kControlInput,
            &kControlCondition,
            {" Control Change events", " Control Change events of value obtained from <QVY>",
             " Control Change events of value <Y>",
             " Control Change events of control number obtained from <QVX>",
             " Control Change #<X> events"},
            {"Control Change of control number obtained from <QVX> and value obtained from <QVY>",
             "Control Change of control number obtained from <QVX> of value <Y>",
             "Control Change #<X> of value obtained from <QVY>",
             "Control Change #<X> of value <Y>"},
            {},
            {" Control Change with the Control Change number obtained from the incoming <IN> value "
             "and scaled to the outgoing range <LOW> - <HIGH>, and",
             " Control Change of the Control Change number obtained from <QVX>",
             " Control Change #<X>"},
            {" with the value obtained from the incoming <IN> value and scaled to the outgoing "
             "range <LOW> - <HIGH>,",
             " of value obtained from <QVY>", " of value <Y>"},
            " the incoming Control Change number",
            " the incoming value",
            " the outgoing Control Change number",
            " the outgoing Control Change value",
            " the Control Change number",
            " the Control Change value"};
        t[int(EventType::ProgramChange)] = oneValueTexts(
            &kProgramInput, &kProgramCondition, " Program Change events",
            "Program Change of the value obtained from <QVX>", "Program Change #<X>",
            {" Program Change with the program number obtained from the incoming <IN> value and "
             "scaled to the outgoing range <LOW> - <HIGH>,",
             " Program Change of value obtained from <QVX>", " Program Change #<X>"},
            " the incoming Program Change value", " the outgoing Program Change number",
            " the Program Change number");
        t[int(EventType::ChannelPressure)] = oneValueTexts(
            &kChannelPressureInput, &kChannelPressureCondition, " Channel Pressure events",
            "Channel Pressure of the value obtained from <QVX>", "Channel Pressure of value <X>",
            {" Channel Pressure with the value obtained from the incoming <IN> value and scaled "
             "to the outgoing range <LOW> - <HIGH>,",
             " Channel Pressure of value obtained from <QVX>", " Channel Pressure of value <X>"},
            " the incoming Channel Pressure value", " the outgoing Channel Pressure value",
            " the Channel Pressure value");
        t[int(EventType::PitchBend)] = bendTexts(
            "Pitch Bend",
            "<NAME> of LSB value obtained from <QVX> and MSB value obtained from <QVY>",
            "<NAME> of of LSB value obtained from <QVX> and MSB value obtained from <QVY>",
            " the incoming Pitch Bend LSB value", " the incoming Pitch Bend MSB value",
            " the outgoing LSB Pitch value", " the outgoing MSB Pitch value",
            " the Pitch Bend LSB value", " the Pitch Bend MSB value");
        t[int(EventType::SongPosition)] = bendTexts(
            "Song Position Pointer",
            "<NAME> of of LSB value obtained from <QVX> and MSB value obtained from <QVY>", {},
            " the incoming Song Position Pointer LSB value",
            " the incoming Song Position Pointer MSB value",
            " the outgoing LSB Song Position Pointer value",
            " the outgoing MSB Song Position Pointer value", " the Song Position Pointer LSB value",
            " the Song Position Pointer MSB value");
        t[int(EventType::SongSelect)] = oneValueTexts(
            &kSongSelectInput, &kSongSelectCondition, " Song Select events",
            "Song Select of the value obtained from <QVX>", "Song Select of value <X>",
            {" Song Select with the value obtained from the incoming <IN> value and scaled to the "
             "outgoing range <LOW> - <HIGH>,",
             " Song Select of value obtained from <QVX>", " Song Select of value <X>"},
            " the incoming Song Select value", " the outgoing Song Select value",
            " the Song Select value");
        t[int(EventType::SystemExclusive)].incomingX = " XX of the incoming event";
        t[int(EventType::SystemExclusive)].incomingY = " YY of the incoming event";
        t[int(EventType::SystemExclusive)].outgoingFirst = " XX of the outgoing event";
        t[int(EventType::SystemExclusive)].outgoingSecond = " YY of the outgoing event";
        t[int(EventType::SystemExclusive)].storedX = " the value of XX";
        t[int(EventType::SystemExclusive)].storedY = " the value of YY";
        t[int(EventType::Start)].input = &kStartInput;
        t[int(EventType::Stop)].input = &kStopInput;
        t[int(EventType::Continue)].input = &kContinueInput;
        t[int(EventType::TimingClock)].input = &kClockInput;
        return t;
    }();
    return table;
}

const PlainEventTexts& plainEventTexts(EventType type) {
    static constexpr std::array<PlainEventTexts, 4> kPlain{{
        {" to MIDI Start events", " MIDI Start event"},
        {" to MIDI Stop events", " MIDI Stop event"},
        {" to MIDI Continue events", " MIDI Continue event"},
        {" to MIDI Timing Clock events", " MIDI Timing Clock event"},
    }};
    return kPlain[static_cast<std::size_t>(type) - static_cast<std::size_t>(EventType::Start)];
}

bool isPlainEvent(EventType type) {
    return type == EventType::Start || type == EventType::Stop || type == EventType::Continue ||
           type == EventType::TimingClock;
}

// The System Exclusive fragments, which follow the XX and YY bytes rather than data fields.
namespace sysex {
constexpr std::string_view kInput = " the System Exclusive event <SX>";
constexpr std::string_view kStoreInput = " the incoming System Exclusive event <SX>";
constexpr std::string_view kInputXRange = " with XX in the range <LOW>-<HIGH>";
constexpr std::string_view kInputXAll = " with XX in the range 0 - 127";
constexpr std::string_view kInputYAfterX = " and";
constexpr std::string_view kInputYAlone = " with";
constexpr std::string_view kInputYRange = " YY in the range <LOW>-<HIGH>";
constexpr std::string_view kInputYAll = " YY in the range 0 - 127";
constexpr std::string_view kConditionX =
    " XX of the System Exclusive event <SX> <VERB> the range <XR>";
constexpr std::string_view kConditionBoth = " and";
constexpr std::string_view kConditionYAlone = " YY of the System Exclusive event <SX>";
constexpr std::string_view kConditionY = " <VERB> the range <YR>";
constexpr std::string_view kMapValues = " the System Exclusive event <SX>";
constexpr std::string_view kMapFixed = " to the System Exclusive event <SX>";
constexpr std::string_view kTriggerFixed = " System Exclusive event <SX>";
constexpr std::string_view kSequence = " System Exclusive event <SX>";
constexpr std::string_view kSequenceX =
    " with XX obtained from the incoming X value scaled to the outgoing range <LOW> - <HIGH>";
constexpr std::string_view kSequenceBoth = ", and";
constexpr std::string_view kSequenceY =
    " with YY obtained from the incoming Y value scaled to the outgoing range <LOW> - <HIGH>";
}  // namespace sysex

namespace phrase {
constexpr std::string_view kHead = "{ Setting #";
constexpr std::string_view kPowersUpOff = " (Powers up in the OFF state)";
constexpr std::string_view kHeadEnd = ":";
constexpr std::string_view kContinue = ". Continue to process settings }";
constexpr std::string_view kStop = ". If this setting is executed, stop processing settings }";
constexpr std::string_view kAll = " all";
constexpr std::string_view kOnAllChannels = " on all MIDI channels";
constexpr std::string_view kOnSameChannel = " on the same MIDI channel";
constexpr std::string_view kOnChannel = " on MIDI channel ";
constexpr std::string_view kFilter = " Filter";
constexpr std::string_view kFilterAll = " Filter all incoming MIDI events";
constexpr std::string_view kMap = " Map";
constexpr std::string_view kTo = " to";
constexpr std::string_view kToFixed = " to ";
constexpr std::string_view kWith = ", with";
constexpr std::string_view kMappedTo = " mapped to";
constexpr std::string_view kScaledToRange = " scaled to the range <LOW> - <HIGH>";
constexpr std::string_view kAnd = ", and";
constexpr std::string_view kWhen = " When";
constexpr std::string_view kTrigger = ", trigger";
constexpr std::string_view kTheArticle = " the";
constexpr std::string_view kAArticle = " a";
constexpr std::string_view kSpace = " ";
constexpr std::string_view kMovesInto = "moves into";
constexpr std::string_view kIsIn = "is in";
constexpr std::string_view kIsOutOf = "is out of";
constexpr std::string_view kIsReceived = " is received, jump to";
constexpr std::string_view kAreReceived = " are received, jump to";
constexpr std::string_view kSequenceEvent = " Sequence Event:";
constexpr std::string_view kIf = " If";
constexpr std::string_view kStoreWith = " With";
constexpr std::string_view kStore = ", store";
constexpr std::string_view kScaledToOutgoing = " scaled to the outgoing range <LOW> - <HIGH>";
constexpr std::string_view kIn = " in ";
constexpr std::string_view kIncoming = "incoming ";
constexpr std::string_view kVariable = "\"variable ";
constexpr std::string_view kQuote = "\"";
constexpr std::string_view kRangeAll = "0 - 127";
constexpr std::string_view kRangeDash = " - ";
// Sequence tail.
constexpr std::array<std::string_view, 2> kJump{" the next step", " the previous step"};
constexpr std::string_view kJumpStep = " step #";
constexpr std::string_view kBeginning = " of the sequence beginning at setting #";
constexpr std::string_view kWithCount = ", with ";
constexpr std::string_view kEvent = " event";
constexpr std::string_view kEvents = " events";
constexpr std::string_view kPerStep = " per step, containing a total of ";
constexpr std::string_view kSteps = " steps";
// [direction][end]: the next step / the previous step, loop / remain.
constexpr std::array<std::array<std::string_view, 2>, 2> kAtEnd{{
    {". When the last step of the sequence is reached, loop back to the first step",
     ". When the last step of the sequence is reached, remain at the last step"},
    {". When the first step of the sequence is reached, loop back to the last step",
     ". When the first step of the sequence is reached, remain at the first step"},
}};
// Action tail of Turn a setting on/off, by action: no action, On, Off.
constexpr std::string_view kTurnSetting = ", turn Setting #";
constexpr std::array<std::string_view, 3> kActionWord{"", " On", " Off"};
constexpr std::array<std::string_view, 3> kOtherwise{"", ", otherwise turn setting On",
                                                     ", otherwise turn setting Off"};
}  // namespace phrase

// Values for the tokens of one fragment.
class Tokens {
  public:
    Tokens& set(std::string_view name, std::string value) {
        m_values.emplace_back(name, std::move(value));
        return *this;
    }
    const std::string* find(std::string_view name) const {
        for (const auto& [key, value] : m_values) {
            if (key == name) {
                return &value;
            }
        }
        return nullptr;
    }

  private:
    std::vector<std::pair<std::string_view, std::string>> m_values;
};

std::string fill(std::string_view fragment, const Tokens& tokens) {
    std::string out;
    std::size_t i = 0;
    while (i < fragment.size()) {
        const std::size_t open = fragment.find('<', i);
        if (open == std::string_view::npos) {
            out += fragment.substr(i);
            break;
        }
        const std::size_t close = fragment.find('>', open);
        out += fragment.substr(i, open - i);
        const std::string* value = close == std::string_view::npos
                                       ? nullptr
                                       : tokens.find(fragment.substr(open + 1, close - open - 1));
        if (value == nullptr) {
            out += fragment.substr(open, 1);
            i = open + 1;
            continue;
        }
        out += *value;
        i = close + 1;
    }
    return out;
}

std::string number(int n) {
    return std::to_string(n);
}

std::string quotedVariable(int v) {
    std::string s(phrase::kVariable);
    s += number(v);
    s += phrase::kQuote;
    return s;
}

std::string rangeText(const ValueRange& range) {
    if (!range.on) {
        return std::string(phrase::kRangeAll);
    }
    return number(range.low) + std::string(phrase::kRangeDash) + number(range.high);
}

Tokens lowHigh(const ValueRange& range) {
    Tokens t;
    t.set("LOW", number(range.low)).set("HIGH", number(range.high));
    return t;
}

// The tokens every fragment of an event may use: its name, its two data bytes and its text.
Tokens eventTokens(const EventSpec& event) {
    Tokens t;
    t.set("NAME", std::string(typeTexts()[int(event.type)].name))
        .set("X", number(event.x.number))
        .set("Y", number(event.y.number))
        .set("XR", rangeText(event.x.range))
        .set("YR", rangeText(event.y.range))
        .set("QVX", quotedVariable(event.x.number))
        .set("QVY", quotedVariable(event.y.number))
        .set("SX", event.sysex);
    return t;
}

ByteKind byteKind(const ValueSource& source) {
    switch (source.kind) {
        case SourceKind::Fixed:
            return kFix;
        case SourceKind::Variable:
            return kVar;
        default:
            return kValue;
    }
}

Category inputCategory(const ValueSource& source) {
    switch (source.kind) {
        case SourceKind::Fixed:
            return kFixed;
        case SourceKind::Variable:
            return kVariable;
        default:
            return source.range.on ? kRange : kAll;
    }
}

std::string channelPhrase(const EventSpec& event, std::string_view allOrSame) {
    if (!isChannelEvent(event.type)) {
        return {};
    }
    if (event.channel == kAllChannels) {
        return std::string(allOrSame);
    }
    return std::string(phrase::kOnChannel) + number(event.channel);
}

std::string incomingChannel(const EventSpec& event) {
    return channelPhrase(event, phrase::kOnAllChannels);
}

std::string outgoingChannel(const EventSpec& event) {
    return channelPhrase(event, phrase::kOnSameChannel);
}

// The incoming event as a noun phrase: " all Control Change #7 events".
std::string inputPhrase(const EventSpec& event, std::string_view all, bool store) {
    if (event.type == EventType::SystemExclusive) {
        const ValueUse use = incomingUse(event);
        std::string out = fill(store ? sysex::kStoreInput : sysex::kInput, eventTokens(event));
        if (use.x) {
            out += fill(event.x.range.on ? sysex::kInputXRange : sysex::kInputXAll,
                        lowHigh(event.x.range));
        }
        if (use.y) {
            out += use.x ? sysex::kInputYAfterX : sysex::kInputYAlone;
            out += fill(event.y.range.on ? sysex::kInputYRange : sysex::kInputYAll,
                        lowHigh(event.y.range));
        }
        return out;
    }
    const TypeTexts& texts = typeTexts()[int(event.type)];
    if (texts.input == nullptr) {
        return {};
    }
    const int bytes = dataByteCount(event.type);
    const Category x = bytes >= 1 ? inputCategory(event.x) : kAll;
    const Category y = bytes >= 2 ? inputCategory(event.y) : kFixed;
    std::string_view fragment = (*texts.input)[kInputCase[x][y]];
    std::string storeFragment;
    if (store) {
        // The store dialog names its event the incoming one, right after the leading space.
        const std::size_t at = fragment.starts_with("<ALL>") ? 6 : 1;
        storeFragment = std::string(fragment.substr(0, at)) + std::string(phrase::kIncoming) +
                        std::string(fragment.substr(at));
        fragment = storeFragment;
    }
    Tokens tokens = eventTokens(event);
    tokens.set("ALL", std::string(all));
    return fill(fragment, tokens);
}

std::string endPhrase(const RuleSetting& s) {
    return std::string(s.stopAfter && canStopAfter(s) ? phrase::kStop : phrase::kContinue);
}

// Whether value X or Y of the incoming event has a selected range, which a scaling needs.
bool incomingRangeOn(const EventSpec& in, bool x) {
    const ValueUse use = incomingUse(in);
    return x ? use.x && in.x.range.on : use.y && in.y.range.on;
}

// The part of a map after its incoming event: " to Note-On events on MIDI channel 1, with ...".
std::string mapOutput(const RuleSetting& s) {
    const EventSpec& in = s.input;
    const EventSpec& out = s.output;
    const TypeTexts& inTexts = typeTexts()[int(in.type)];
    const TypeTexts& outTexts = typeTexts()[int(out.type)];
    const Tokens tokens = eventTokens(out);
    const ValueUse use = outgoingUse(out);
    const bool isSysex = out.type == EventType::SystemExclusive;
    const int bytes = dataByteCount(out.type);
    const ByteKind first = bytes >= 1 ? byteKind(out.x) : kFix;
    const ByteKind second = bytes >= 2 ? byteKind(out.y) : kFix;

    if (!use.x && !use.y) {
        if (isSysex) {
            return fill(sysex::kMapFixed, tokens);
        }
        if (isPlainEvent(out.type)) {
            return std::string(plainEventTexts(out.type).mapOutput);
        }
        return std::string(phrase::kToFixed) +
               fill(outTexts.fixedOutput[fixedOutputCase(first, second)], tokens) +
               outgoingChannel(out);
    }

    std::string text(phrase::kTo);
    text +=
        fill(isSysex ? sysex::kMapValues : outTexts.valuesOutput[valuesOutputCase(first, second)],
             tokens);
    text += outgoingChannel(out);
    text += phrase::kWith;
    bool wroteClause = false;
    for (const bool x : {true, false}) {
        if (!(x ? use.x : use.y)) {
            continue;
        }
        const SourceKind value = x ? SourceKind::ValueX : SourceKind::ValueY;
        // Which outgoing byte receives the value, and the source that holds its scaling.
        const bool inFirst = isSysex ? x : bytes >= 1 && out.x.kind == value;
        const ValueSource& target = isSysex ? (x ? out.x : out.y) : (inFirst ? out.x : out.y);
        if (wroteClause) {
            text += phrase::kAnd;
        }
        text += x ? inTexts.incomingX : inTexts.incomingY;
        text += phrase::kMappedTo;
        text += inFirst ? outTexts.outgoingFirst : outTexts.outgoingSecond;
        if (target.range.on && incomingRangeOn(in, x)) {
            text += fill(phrase::kScaledToRange, lowHigh(target.range));
        }
        wroteClause = true;
    }
    return text;
}

// The condition of Trigger and Turn a setting on/off: " the value of Control Change  #7 on MIDI
// channel 1 moves into the range 101 - 127".
std::string condition(const EventSpec& in, std::string_view verb) {
    const ValueUse use = incomingUse(in);
    Tokens tokens = eventTokens(in);
    tokens.set("VERB", std::string(verb));
    if (in.type == EventType::SystemExclusive) {
        std::string out;
        if (use.x) {
            out += fill(sysex::kConditionX, tokens);
        }
        if (use.x && use.y) {
            out += sysex::kConditionBoth;
        }
        if (use.y && !use.x) {
            out += fill(sysex::kConditionYAlone, tokens);
        }
        if (use.y) {
            out += fill(sysex::kConditionY, tokens);
        }
        return out;
    }
    const Conditions* c = typeTexts()[int(in.type)].condition;
    if (c == nullptr) {
        return {};
    }
    // Song events carry no channel.
    tokens.set("CHI", incomingChannel(in));
    tokens.set("XS", fill(in.x.kind == SourceKind::Variable ? c->xVariable : c->xFixed, tokens));
    tokens.set("YS", fill(in.y.kind == SourceKind::Variable ? c->yVariable : c->yFixed, tokens));
    if (use.x && use.y) {
        return fill(c->both, tokens);
    }
    if (use.x) {
        return fill(c->xUsed, tokens);
    }
    if (use.y) {
        return fill(c->yUsed, tokens);
    }
    // Validation refuses a condition on neither value; such a setting gets no condition.
    return {};
}

std::string triggerOutput(const EventSpec& out) {
    const Tokens tokens = eventTokens(out);
    if (out.type == EventType::SystemExclusive) {
        return std::string(phrase::kTheArticle) + fill(sysex::kTriggerFixed, tokens);
    }
    std::string text(phrase::kAArticle);
    if (isPlainEvent(out.type)) {
        return text + std::string(plainEventTexts(out.type).triggerOutput);
    }
    const TypeTexts& texts = typeTexts()[int(out.type)];
    const int bytes = dataByteCount(out.type);
    const ByteKind first = bytes >= 1 && out.x.kind == SourceKind::Variable ? kVar : kFix;
    const ByteKind second = bytes >= 2 && out.y.kind == SourceKind::Variable ? kVar : kFix;
    const int which = fixedOutputCase(first, second);
    std::string_view fragment = texts.fixedOutput[which];
    if (which == fixedOutputCase(kVar, kVar) && !texts.triggerVarVar.empty()) {
        fragment = texts.triggerVarVar;
    }
    return text + std::string(phrase::kSpace) + fill(fragment, tokens);
}

std::string sequenceByte(const std::array<std::string_view, 3>& fragments,
                         const ValueSource& source, const Tokens& eventTokens) {
    Tokens tokens = eventTokens;
    tokens.set("IN", source.kind == SourceKind::ValueY ? "Y" : "X")
        .set("LOW", number(source.range.low))
        .set("HIGH", number(source.range.high));
    return fill(fragments[sequenceByteCase(byteKind(source))], tokens);
}

std::string sequenceEvent(const EventSpec& out) {
    const Tokens tokens = eventTokens(out);
    if (out.type == EventType::SystemExclusive) {
        const ValueUse use = outgoingUse(out);
        std::string text = fill(sysex::kSequence, tokens);
        if (use.x) {
            text += fill(sysex::kSequenceX, lowHigh(out.x.range));
        }
        if (use.x && use.y) {
            text += sysex::kSequenceBoth;
        }
        if (use.y) {
            text += fill(sysex::kSequenceY, lowHigh(out.y.range));
        }
        return text;
    }
    if (isPlainEvent(out.type)) {
        return std::string(plainEventTexts(out.type).triggerOutput);
    }
    const TypeTexts& texts = typeTexts()[int(out.type)];
    const int bytes = dataByteCount(out.type);
    std::string text;
    if (bytes >= 1) {
        text += sequenceByte(texts.sequenceFirst, out.x, tokens);
    }
    if (bytes >= 2) {
        text += sequenceByte(texts.sequenceSecond, out.y, tokens);
    }
    return text + outgoingChannel(out);
}

std::string sequenceTail(const SequenceSpec& q) {
    std::string text;
    if (q.jump == SequenceJump::Step) {
        text += phrase::kJumpStep;
        text += number(q.jumpStep);
    } else {
        text += phrase::kJump[q.jump == SequenceJump::NextStep ? 0 : 1];
    }
    text += phrase::kBeginning;
    text += number(q.start);
    text += phrase::kWithCount;
    text += number(q.eventsPerStep);
    text += q.eventsPerStep > 1 ? phrase::kEvents : phrase::kEvent;
    text += phrase::kPerStep;
    text += number(q.steps);
    text += phrase::kSteps;
    if (q.jump != SequenceJump::Step) {
        text += phrase::kAtEnd[q.jump == SequenceJump::NextStep ? 0 : 1]
                              [q.atEnd == SequenceEnd::Loop ? 0 : 1];
    }
    text += phrase::kContinue;
    return text;
}

std::string actionTail(const SwitchSpec& w) {
    const auto turn = [&](SwitchAction a) {
        return std::string(phrase::kTurnSetting) + number(w.target) +
               std::string(phrase::kActionWord[int(a)]);
    };
    std::string text;
    if (w.inRangeAction != SwitchAction::NoAction) {
        text += turn(w.inRangeAction);
        text += phrase::kOtherwise[int(w.outOfRangeAction)];
    } else if (w.outOfRangeAction != SwitchAction::NoAction) {
        text += turn(w.outOfRangeAction);
    }
    text += phrase::kContinue;
    return text;
}

std::string storedValues(const RuleSetting& s) {
    const TypeTexts& texts = typeTexts()[int(s.input.type)];
    const ValueUse use = incomingUse(s.input);
    std::string text;
    for (const bool x : {true, false}) {
        const int variable = x ? s.store.storeX : s.store.storeY;
        if (!(x ? use.x : use.y) || variable == 0) {
            continue;
        }
        if (!text.empty()) {
            text += phrase::kAnd;
        }
        text += x ? texts.storedX : texts.storedY;
        const ValueRange& scale = x ? s.store.scaleX : s.store.scaleY;
        if (scale.on && incomingRangeOn(s.input, x)) {
            text += fill(phrase::kScaledToOutgoing, lowHigh(scale));
        }
        text += phrase::kIn;
        text += quotedVariable(variable);
    }
    return text;
}

std::string sentence(const RuleSetting& s) {
    const EventSpec& in = s.input;
    const std::string all(phrase::kAll);
    switch (s.function) {
        case RuleFunction::Filter:
            if (in.type == EventType::AllEvents) {
                return std::string(phrase::kFilterAll) + std::string(phrase::kContinue);
            }
            return std::string(phrase::kFilter) + inputPhrase(in, all, false) +
                   incomingChannel(in) + endPhrase(s);
        case RuleFunction::Map:
            return std::string(phrase::kMap) + inputPhrase(in, all, false) + incomingChannel(in) +
                   mapOutput(s) + endPhrase(s);
        case RuleFunction::Trigger:
            return std::string(phrase::kWhen) + condition(in, phrase::kMovesInto) +
                   std::string(phrase::kTrigger) + triggerOutput(s.output) +
                   outgoingChannel(s.output) + endPhrase(s);
        case RuleFunction::Sequence:
            return std::string(phrase::kWhen) + inputPhrase(in, {}, false) + incomingChannel(in) +
                   std::string(in.type == EventType::SystemExclusive ? phrase::kIsReceived
                                                                     : phrase::kAreReceived) +
                   sequenceTail(s.sequence);
        case RuleFunction::SequenceEvent:
            return std::string(phrase::kSequenceEvent) + sequenceEvent(s.output) + endPhrase(s);
        case RuleFunction::Switch:
            return std::string(phrase::kIf) +
                   condition(in, s.switching.inRangeAction == SwitchAction::NoAction
                                     ? phrase::kIsOutOf
                                     : phrase::kIsIn) +
                   actionTail(s.switching);
        case RuleFunction::Store:
            return std::string(phrase::kStoreWith) + inputPhrase(in, all, true) +
                   incomingChannel(in) + std::string(phrase::kStore) + storedValues(s) +
                   std::string(phrase::kContinue);
    }
    return {};
}

}  // namespace

std::string ruleComment(const RuleSetting& setting) {
    RuleSetting s = setting;
    resolveForEncoding(s);
    std::string text(phrase::kHead);
    text += number(s.settingNumber);
    if (s.powerUpOff) {
        text += phrase::kPowersUpOff;
    }
    text += phrase::kHeadEnd;
    text += sentence(s);
    return text;
}

}  // namespace corlinth
