#pragma once

#include <ostream>
#include <string>

#include "core/document/SettingLine.h"
#include "core/products/rule/RuleEncoder.h"
#include "core/products/rule/RuleSetting.h"

namespace corlinth {

// Readable failures: lines as text, settings field by field.
inline void PrintTo(const RuleLines& lines, std::ostream* os) {
    *os << "[" << lines.messageLine << " | " << lines.firstEventLine << " | "
        << lines.secondEventLine << "]";
}

inline void PrintTo(const ValueSource& v, std::ostream* os) {
    static const char* kinds[] = {"X", "Y", "V", "F"};
    *os << kinds[static_cast<int>(v.kind)] << v.number;
    if (v.range.on || v.range.low != 0 || v.range.high != 127) {
        *os << (v.range.on ? "[" : "(") << v.range.low << ".." << v.range.high
            << (v.range.on ? "]" : ")");
    }
}

inline void PrintTo(const EventSpec& e, std::ostream* os) {
    *os << "type " << static_cast<int>(e.type) << " ch " << e.channel << " x ";
    PrintTo(e.x, os);
    *os << " y ";
    PrintTo(e.y, os);
    if (!e.sysex.empty()) {
        *os << " '" << e.sysex << "'";
    }
}

inline void PrintTo(const RuleSetting& s, std::ostream* os) {
    *os << "#" << s.settingNumber << " f" << static_cast<int>(s.function)
        << (s.powerUpOff ? " off" : "") << (s.stopAfter ? " stop" : "") << " in {";
    PrintTo(s.input, os);
    *os << "} out {";
    PrintTo(s.output, os);
    *os << "} seq " << s.sequence.start << "/" << s.sequence.eventsPerStep << "/"
        << s.sequence.steps << "/" << static_cast<int>(s.sequence.jump) << s.sequence.jumpStep
        << "/" << static_cast<int>(s.sequence.atEnd) << " sw " << s.switching.target << "/"
        << static_cast<int>(s.switching.inRangeAction)
        << static_cast<int>(s.switching.outOfRangeAction) << " store " << s.store.storeX << "/"
        << s.store.storeY << " " << s.store.scaleX.on << s.store.scaleX.low << ".."
        << s.store.scaleX.high << " " << s.store.scaleY.on << s.store.scaleY.low << ".."
        << s.store.scaleY.high;
}

// An entry as the editor hands it to the dialog: each line converted by the line parser.
inline ParsedSetting entryOf(const RuleLines& lines) {
    ParsedSetting entry;
    entry.bytes = parseLine(lines.messageLine);
    for (const std::string& line : {lines.firstEventLine, lines.secondEventLine}) {
        if (!line.empty()) {
            entry.eventLines.push_back(line);
            entry.eventBytes.push_back(parseLine(line));
        }
    }
    return entry;
}

}  // namespace corlinth

// Short ways of writing rule settings in tables of cases.
namespace corlinth::rulebuild {

inline ValueSource F(int value) {
    return ValueSource::fixed(value);
}
inline ValueSource V(int variable) {
    return ValueSource::variable(variable);
}
inline ValueSource AX() {
    return ValueSource::valueX();
}
inline ValueSource AY() {
    return ValueSource::valueY();
}
inline ValueSource RX(int low, int high) {
    return ValueSource::valueX({true, low, high});
}
inline ValueSource RY(int low, int high) {
    return ValueSource::valueY({true, low, high});
}
inline ValueRange R(int low, int high) {
    return {true, low, high};
}

inline EventSpec ev(EventType type, int channel, ValueSource x = {}, ValueSource y = {}) {
    EventSpec e;
    e.type = type;
    e.channel = channel;
    e.x = x;
    e.y = y;
    return e;
}
// An event without a channel.
inline EventSpec ev(EventType type, ValueSource x = {}, ValueSource y = {}) {
    return ev(type, 1, x, y);
}
// A System Exclusive event; the ranges belong to its XX and YY bytes.
inline EventSpec sx(std::string text, ValueRange xRange = {}, ValueRange yRange = {}) {
    EventSpec e;
    e.type = EventType::SystemExclusive;
    e.x = {};
    e.y = {};
    if (text.find('X') != std::string::npos) {
        e.x = ValueSource::valueX(xRange);
    }
    if (text.find('Y') != std::string::npos) {
        e.y = ValueSource::valueY(yRange);
    }
    e.sysex = std::move(text);
    return e;
}

struct Rule {
    RuleSetting s;
    Rule& number(int n) {
        s.settingNumber = n;
        return *this;
    }
    Rule& off() {
        s.powerUpOff = true;
        return *this;
    }
    Rule& stop() {
        s.stopAfter = true;
        return *this;
    }
    operator RuleSetting() const { return s; }
};

inline Rule withInput(RuleFunction f, const EventSpec& in) {
    Rule r;
    r.s.function = f;
    r.s.input = in;
    return r;
}
inline Rule filter(const EventSpec& in) {
    return withInput(RuleFunction::Filter, in);
}
inline Rule map(const EventSpec& in, const EventSpec& out) {
    Rule r = withInput(RuleFunction::Map, in);
    r.s.output = out;
    return r;
}
inline Rule trigger(const EventSpec& in, const EventSpec& out) {
    Rule r = withInput(RuleFunction::Trigger, in);
    r.s.output = out;
    return r;
}
inline Rule sequence(const EventSpec& in, int start, int perStep, int steps,
                     SequenceJump jump = SequenceJump::NextStep,
                     SequenceEnd end = SequenceEnd::Loop, int jumpStep = 1) {
    Rule r = withInput(RuleFunction::Sequence, in);
    r.s.sequence = {start, perStep, steps, jump, jumpStep, end};
    return r;
}
inline Rule sequenceEvent(const EventSpec& stored) {
    Rule r;
    r.s.function = RuleFunction::SequenceEvent;
    r.s.output = stored;
    return r;
}
inline Rule onOff(const EventSpec& in, int target, SwitchAction inRange, SwitchAction outOfRange) {
    Rule r = withInput(RuleFunction::Switch, in);
    r.s.switching = {target, inRange, outOfRange};
    return r;
}
inline Rule store(const EventSpec& in, int storeX, int storeY, ValueRange scaleX = {},
                  ValueRange scaleY = {}) {
    Rule r = withInput(RuleFunction::Store, in);
    r.s.store = {storeX, storeY, scaleX, scaleY};
    return r;
}

constexpr EventType NoteOff = EventType::NoteOff;
constexpr EventType NoteOn = EventType::NoteOn;
constexpr EventType KeyPressure = EventType::KeyPressure;
constexpr EventType Control = EventType::ControlChange;
constexpr EventType Program = EventType::ProgramChange;
constexpr EventType Pressure = EventType::ChannelPressure;
constexpr EventType Bend = EventType::PitchBend;
constexpr EventType SongPos = EventType::SongPosition;
constexpr EventType SongSel = EventType::SongSelect;
constexpr EventType Start = EventType::Start;
constexpr EventType Stop = EventType::Stop;
constexpr EventType Continue = EventType::Continue;
constexpr EventType Clock = EventType::TimingClock;
constexpr EventType AllEvents = EventType::AllEvents;
constexpr SwitchAction NoAction = SwitchAction::NoAction;
constexpr SwitchAction On = SwitchAction::On;
constexpr SwitchAction Off = SwitchAction::Off;

}  // namespace corlinth::rulebuild
