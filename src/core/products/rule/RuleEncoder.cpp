#include "core/products/rule/RuleEncoder.h"

#include <algorithm>

#include "core/products/rule/RuleComment.h"

namespace corlinth {
namespace {

// Every byte between F0 and F7 is a data byte; a value out of range must never turn into a
// status byte on the way to the unit.
Byte data7(int value) {
    return static_cast<Byte>(std::clamp(value, 0, 127));
}

constexpr Byte kIncomingVariable = 0x10;
constexpr Byte kOutgoingVariable = 0x20;

Byte commandByte(const RuleSetting& s) {
    Byte flags = s.powerUpOff ? 0x10 : 0x00;
    if (hasIncomingEvent(s.function) && isChannelEvent(s.input.type) &&
        s.input.channel == kAllChannels) {
        flags |= 0x20;
    }
    if (hasOutgoingEvent(s.function) && isChannelEvent(s.output.type) &&
        s.output.channel == kSameChannel) {
        flags |= 0x40;
    }
    Byte kind = static_cast<Byte>(static_cast<int>(s.function) + 1);
    if (s.stopAfter && canStopAfter(s)) {
        kind |= 0x08;
    }
    return static_cast<Byte>(flags | kind);
}

void appendQuadruple(Bytes& msg, Byte code, int position, int low, int high) {
    msg.insert(msg.end(), {data7(code), data7(position), data7(low), data7(high)});
}

void appendRange(Bytes& msg, Byte code, int position, const ValueRange& range) {
    if (range.on) {
        appendQuadruple(msg, code, position, range.low, range.high);
    } else {
        appendQuadruple(msg, code, position, 0, 127);
    }
}

// Byte position of value X or value Y in an event: in a System Exclusive event its placeholder,
// otherwise the data byte that holds it (an incoming event holds X first and Y second).
int positionOf(const EventSpec& event, SourceKind value) {
    if (event.type == EventType::SystemExclusive) {
        for (const Placeholder& p : placeholdersOf(event.sysex)) {
            if (p.kind == value) {
                return p.position;
            }
        }
        return 0;
    }
    if (dataByteCount(event.type) >= 1 && event.x.kind == value) {
        return 2;
    }
    return 3;
}

// The value source that carries value X or value Y in an outgoing event (for System Exclusive,
// x stands for the XX byte and y for the YY byte).
const ValueSource& outgoingSource(const EventSpec& event, SourceKind value) {
    if (event.type == EventType::SystemExclusive) {
        return value == SourceKind::ValueX ? event.x : event.y;
    }
    return dataByteCount(event.type) >= 1 && event.x.kind == value ? event.x : event.y;
}

const ValueSource& incomingSource(const EventSpec& event, SourceKind value) {
    return value == SourceKind::ValueX ? event.x : event.y;
}

bool incomingUses(const EventSpec& event, SourceKind value) {
    const ValueUse use = incomingUse(event);
    return value == SourceKind::ValueX ? use.x : use.y;
}

bool outgoingUses(const EventSpec& event, SourceKind value) {
    const ValueUse use = outgoingUse(event);
    return value == SourceKind::ValueX ? use.x : use.y;
}

// The incoming range of a value as the message states it: 00 7F unless a range is selected.
ValueRange incomingRange(const EventSpec& in, SourceKind value) {
    if (!incomingUses(in, value)) {
        return {};
    }
    return incomingSource(in, value).range;
}

void insertIncoming(Bytes& msg, const EventSpec& in, SourceKind value) {
    if (incomingUses(in, value)) {
        const Byte code = value == SourceKind::ValueX ? 0x00 : 0x01;
        appendRange(msg, code, positionOf(in, value), incomingSource(in, value).range);
    }
}

// A value written into a map's outgoing event passes unchanged over its incoming range unless
// it is scaled; scaling is offered only on a selected incoming range.
void insertMapped(Bytes& msg, const RuleSetting& s, SourceKind value) {
    if (!outgoingUses(s.output, value)) {
        return;
    }
    const ValueRange in = incomingRange(s.input, value);
    const ValueRange& out = outgoingSource(s.output, value).range;
    const Byte code = value == SourceKind::ValueX ? 0x02 : 0x03;
    appendRange(msg, code, positionOf(s.output, value), out.on && in.on ? out : in);
}

void insertSequenced(Bytes& msg, const EventSpec& stored, SourceKind value) {
    if (!outgoingUses(stored, value)) {
        return;
    }
    const ValueRange& range = outgoingSource(stored, value).range;
    const Byte code = value == SourceKind::ValueX ? 0x02 : 0x03;
    appendQuadruple(msg, code, positionOf(stored, value), range.low, range.high);
}

void insertStored(Bytes& msg, const RuleSetting& s, SourceKind value) {
    const bool x = value == SourceKind::ValueX;
    const int variable = x ? s.store.storeX : s.store.storeY;
    if (!incomingUses(s.input, value) || variable == 0) {
        return;
    }
    const ValueRange in = incomingRange(s.input, value);
    const ValueRange& scale = x ? s.store.scaleX : s.store.scaleY;
    appendRange(msg, x ? 0x02 : 0x03, variable - 1, scale.on && in.on ? scale : in);
}

// The quadruples of the routines the dialog has always used, one value each.
void insertAw1(Bytes& msg, const RuleSetting& s) {
    insertIncoming(msg, s.input, SourceKind::ValueX);
}
void insertAw2(Bytes& msg, const RuleSetting& s) {
    insertIncoming(msg, s.input, SourceKind::ValueY);
}
void insertBw1(Bytes& msg, const RuleSetting& s) {
    insertMapped(msg, s, SourceKind::ValueX);
}
void insertBw2(Bytes& msg, const RuleSetting& s) {
    insertMapped(msg, s, SourceKind::ValueY);
}
void insertCw1(Bytes& msg, const RuleSetting& s) {
    insertSequenced(msg, s.output, SourceKind::ValueX);
}
void insertCw2(Bytes& msg, const RuleSetting& s) {
    insertSequenced(msg, s.output, SourceKind::ValueY);
}
void insertDw1(Bytes& msg, const RuleSetting& s) {
    insertStored(msg, s, SourceKind::ValueX);
}
void insertDw2(Bytes& msg, const RuleSetting& s) {
    insertStored(msg, s, SourceKind::ValueY);
}

// One quadruple for each byte of the event that is compared with or taken from a variable.
void insertVariables(Bytes& msg, const EventSpec& event, Byte codeBase) {
    const auto append = [&](int variable, int position) {
        appendQuadruple(msg, static_cast<Byte>(codeBase + std::clamp(variable, 1, 8) - 1), position,
                        0, 0);
    };
    if (event.type == EventType::SystemExclusive) {
        for (const Placeholder& p : placeholdersOf(event.sysex)) {
            if (p.kind == SourceKind::Variable) {
                append(p.variable, p.position);
            }
        }
        return;
    }
    const int bytes = dataByteCount(event.type);
    if (bytes >= 1 && event.x.kind == SourceKind::Variable) {
        append(event.x.number, 2);
    }
    if (bytes >= 2 && event.y.kind == SourceKind::Variable) {
        append(event.y.number, 3);
    }
}

Byte jumpByte(const SequenceSpec& sequence) {
    switch (sequence.jump) {
        case SequenceJump::NextStep:
            return sequence.atEnd == SequenceEnd::Loop ? 0x7F : 0x7D;
        case SequenceJump::PreviousStep:
            return sequence.atEnd == SequenceEnd::Loop ? 0x7E : 0x7C;
        case SequenceJump::Step:
            break;
    }
    return static_cast<Byte>(std::clamp(sequence.jumpStep, 1, 31));
}

Byte statusByte(const EventSpec& event) {
    const int nibble = event.channel == kAllChannels ? 0 : std::clamp(event.channel, 1, 16) - 1;
    switch (event.type) {
        case EventType::NoteOff:
            return static_cast<Byte>(0x80 | nibble);
        case EventType::NoteOn:
            return static_cast<Byte>(0x90 | nibble);
        case EventType::KeyPressure:
            return static_cast<Byte>(0xA0 | nibble);
        case EventType::ControlChange:
            return static_cast<Byte>(0xB0 | nibble);
        case EventType::ProgramChange:
            return static_cast<Byte>(0xC0 | nibble);
        case EventType::ChannelPressure:
            return static_cast<Byte>(0xD0 | nibble);
        case EventType::PitchBend:
            return static_cast<Byte>(0xE0 | nibble);
        case EventType::SongPosition:
            return 0xF2;
        case EventType::SongSelect:
            return 0xF3;
        case EventType::Start:
            return 0xFA;
        case EventType::Stop:
            return 0xFC;
        case EventType::Continue:
            return 0xFB;
        case EventType::TimingClock:
            return 0xF8;
        case EventType::SystemExclusive:
        case EventType::AllEvents:
            break;
    }
    return 0xF0;
}

Byte dataByteOf(const ValueSource& source) {
    return source.kind == SourceKind::Fixed ? data7(source.number) : 0x00;
}

}  // namespace

Bytes encodeRuleMessage(const RuleProfile& profile, const RuleSetting& s) {
    Bytes msg{0xF0, 0x00, 0x00, 0x50, profile.deviceId, commandByte(s), data7(s.settingNumber - 1)};
    const RuleFunction f = s.function;
    if (f == RuleFunction::Filter && s.input.type == EventType::AllEvents) {
        msg.push_back(0x7F);
        msg.push_back(0xF7);
        return msg;
    }
    if (f == RuleFunction::Sequence) {
        msg.insert(msg.end(), {data7(s.sequence.start - 1), data7(s.sequence.eventsPerStep),
                               data7(s.sequence.steps), jumpByte(s.sequence)});
    } else if (f == RuleFunction::Switch) {
        const int action = 4 * static_cast<int>(s.switching.inRangeAction) +
                           static_cast<int>(s.switching.outOfRangeAction);
        msg.insert(msg.end(), {data7(action), data7(s.switching.target - 1)});
    }

    const bool watchesInput = f == RuleFunction::Filter || f == RuleFunction::Map ||
                              f == RuleFunction::Trigger || f == RuleFunction::Sequence ||
                              f == RuleFunction::Switch;
    if (watchesInput || f == RuleFunction::Store) {
        insertAw1(msg, s);
        insertAw2(msg, s);
    }
    if (f == RuleFunction::Map) {
        insertBw1(msg, s);
        insertBw2(msg, s);
    }
    if (f == RuleFunction::SequenceEvent) {
        insertCw1(msg, s);
        insertCw2(msg, s);
    }
    if (watchesInput) {
        insertVariables(msg, s.input, kIncomingVariable);
    }
    if (hasOutgoingEvent(f)) {
        insertVariables(msg, s.output, kOutgoingVariable);
    }
    if (f == RuleFunction::Store) {
        insertDw1(msg, s);
        insertDw2(msg, s);
    }
    msg.push_back(0xF7);
    return msg;
}

std::string eventLine(const EventSpec& event) {
    if (event.type == EventType::AllEvents) {
        return {};
    }
    if (event.type == EventType::SystemExclusive) {
        return event.sysex;
    }
    Bytes bytes{statusByte(event)};
    const int count = dataByteCount(event.type);
    if (count >= 1) {
        bytes.push_back(dataByteOf(event.x));
    }
    if (count >= 2) {
        bytes.push_back(dataByteOf(event.y));
    }
    return hexLine(bytes);
}

RuleLines encodeRule(const RuleProfile& profile, const RuleSetting& setting) {
    RuleSetting s = setting;
    resolveForEncoding(s);
    RuleLines lines;
    lines.messageLine = hexLine(encodeRuleMessage(profile, s));
    if (s.function == RuleFunction::SequenceEvent) {
        lines.firstEventLine = eventLine(s.output);
    } else {
        lines.firstEventLine = eventLine(s.input);
        if (s.function == RuleFunction::Map || s.function == RuleFunction::Trigger) {
            lines.secondEventLine = eventLine(s.output);
        }
    }
    if (lines.firstEventLine.empty()) {
        lines.firstEventLine = std::move(lines.secondEventLine);
        lines.secondEventLine.clear();
    }
    return lines;
}

SettingHandover ruleHandover(const RuleProfile& profile, const RuleSetting& setting) {
    RuleSetting s = setting;
    resolveForEncoding(s);
    const RuleLines lines = encodeRule(profile, s);
    SettingHandover handover;
    handover.messageLine = lines.messageLine;
    handover.secondLine = lines.firstEventLine;
    handover.thirdLine = lines.secondEventLine;
    handover.comment[0] = ruleComment(s);
    return handover;
}

}  // namespace corlinth
