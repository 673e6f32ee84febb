#include "core/products/rule/RuleDecoder.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace corlinth {
namespace {

// The command bytes of the rule messages the editor knows, by their number of event lines.
constexpr std::array<Byte, 36> kOneEventLine{0x01, 0x11, 0x09, 0x19, 0x04, 0x14, 0x0C, 0x1C, 0x05,
                                             0x15, 0x0D, 0x1D, 0x06, 0x16, 0x07, 0x17, 0x0F, 0x1F,
                                             0x21, 0x31, 0x29, 0x39, 0x24, 0x34, 0x2C, 0x3C, 0x45,
                                             0x55, 0x4D, 0x5D, 0x26, 0x36, 0x27, 0x37, 0x2F, 0x3F};
constexpr std::array<Byte, 24> kTwoEventLines{0x02, 0x03, 0x0A, 0x0B, 0x12, 0x13, 0x1A, 0x1B,
                                              0x22, 0x23, 0x2A, 0x2B, 0x32, 0x33, 0x3A, 0x3B,
                                              0x62, 0x63, 0x6A, 0x6B, 0x72, 0x73, 0x7A, 0x7B};

// The command bytes the setting dialog edits, as ranges from..to.
struct CommandRange {
    Byte from;
    Byte to;
};
constexpr CommandRange kEditable[] = {
    {0x01, 0x07}, {0x09, 0x0B}, {0x0D, 0x0D}, {0x0F, 0x0F}, {0x11, 0x17}, {0x19, 0x1D},
    {0x1F, 0x1F}, {0x21, 0x24}, {0x26, 0x27}, {0x29, 0x2B}, {0x2F, 0x2F}, {0x31, 0x34},
    {0x36, 0x37}, {0x39, 0x3B}, {0x3F, 0x3F}, {0x45, 0x45}, {0x4D, 0x4D}, {0x55, 0x55},
    {0x5D, 0x5D}, {0x62, 0x63}, {0x6A, 0x6B}, {0x72, 0x73}, {0x7A, 0x7B},
};

constexpr std::size_t kCommand = 5;
constexpr std::size_t kSettingByte = 6;
constexpr std::size_t kFirstParameter = 7;

bool isRuleMessageOf(const RuleProfile& profile, const Bytes& m) {
    return m.size() > kCommand && m[0] == 0xF0 && m[1] == 0x00 && m[2] == 0x00 && m[3] == 0x50 &&
           m[4] == profile.deviceId;
}

bool contains(std::span<const Byte> list, Byte b) {
    return std::find(list.begin(), list.end(), b) != list.end();
}

// What the parameter quadruples of a message say.
struct Mark {
    bool present = false;
    int position = 0;
    ValueRange range;
};
struct VariableMark {
    int variable = 0;
    int position = 0;
};
struct Quadruples {
    Mark incomingX, incomingY;  // codes 00, 01
    Mark writtenX, writtenY;    // codes 02, 03
    std::vector<VariableMark> incomingVariables, outgoingVariables;
};

// Each function leaves the quadruples a fixed space; the final F7 ends them sooner.
int quadrupleSpace(RuleFunction f) {
    switch (f) {
        case RuleFunction::Map:
        case RuleFunction::Trigger:
        case RuleFunction::Store:
            return 16;
        default:
            return 8;
    }
}

Quadruples readQuadruples(const RuleProfile& profile, const Bytes& m, std::size_t from,
                          RuleFunction f) {
    Quadruples q;
    const std::size_t end = std::min(m.size(), from + static_cast<std::size_t>(quadrupleSpace(f)));
    for (std::size_t i = from; i + 4 <= end; i += 4) {
        if (((m[i] | m[i + 1] | m[i + 2] | m[i + 3]) & 0x80) != 0) {
            break;
        }
        const int code = m[i];
        const int position = m[i + 1];
        const ValueRange range{true, m[i + 2], m[i + 3]};
        const auto variable = [&](int base) { return code - base + 1; };
        if (code == 0x00) {
            q.incomingX = {true, position, range};
        } else if (code == 0x01) {
            q.incomingY = {true, position, range};
        } else if (code == 0x02) {
            q.writtenX = {true, position, range};
        } else if (code == 0x03) {
            q.writtenY = {true, position, range};
        } else if (code >= 0x10 && code < 0x10 + profile.variableCount) {
            if (q.incomingVariables.size() < 2) {
                q.incomingVariables.push_back({variable(0x10), position});
            }
        } else if (code >= 0x20 && code < 0x20 + profile.variableCount) {
            if (q.outgoingVariables.size() < 2) {
                q.outgoingVariables.push_back({variable(0x20), position});
            }
        }
    }
    return q;
}

std::optional<EventType> typeOfStatus(Byte status) {
    if (status >= 0x80 && status < 0xF0) {
        return static_cast<EventType>((status >> 4) - 8);
    }
    switch (status) {
        case 0xF0:
            return EventType::SystemExclusive;
        case 0xF2:
            return EventType::SongPosition;
        case 0xF3:
            return EventType::SongSelect;
        case 0xF8:
            return EventType::TimingClock;
        case 0xFA:
            return EventType::Start;
        case 0xFB:
            return EventType::Continue;
        case 0xFC:
            return EventType::Stop;
        default:
            return std::nullopt;
    }
}

// What an event's value X and value Y marks are: the incoming ones (00, 01) or those written
// into the event (02, 03), and which variable quadruples belong to it.
struct EventMarks {
    const Mark* x = nullptr;
    const Mark* y = nullptr;
    // An incoming event holds value X only in its first byte and value Y only in its second;
    // a written value may stand in either.
    bool eitherByte = false;
    const std::vector<VariableMark>* variables = nullptr;
};

EventSpec readEvent(const Bytes& line, const EventMarks& marks, bool channelFlag) {
    EventSpec e;
    if (line.empty()) {
        return e;
    }
    const std::optional<EventType> type = typeOfStatus(line[0]);
    if (!type) {
        return e;
    }
    e.type = *type;
    if (isChannelEvent(e.type)) {
        e.channel = channelFlag ? kAllChannels : (line[0] & 0x0F) + 1;
    }
    const auto dataAt = [&](std::size_t i) {
        return i < line.size() ? std::min<int>(line[i], 127) : 0;
    };

    if (e.type == EventType::SystemExclusive) {
        std::vector<std::string> bytes;
        for (const Byte b : line) {
            bytes.push_back(hexByte(b));
        }
        // Neither F0 nor the last byte can stand for a value.
        const auto place = [&](int position, std::string text) {
            if (position > 1 && static_cast<std::size_t>(position) < bytes.size()) {
                bytes[static_cast<std::size_t>(position) - 1] = std::move(text);
                return true;
            }
            return false;
        };
        e.x = {};
        e.y = {};
        if (marks.x && marks.x->present && place(marks.x->position, "XX")) {
            e.x = ValueSource::valueX(marks.x->range);
        }
        if (marks.y && marks.y->present && place(marks.y->position, "YY")) {
            e.y = ValueSource::valueY(marks.y->range);
        }
        for (const VariableMark& v : *marks.variables) {
            place(v.position, "V" + std::to_string(v.variable));
        }
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            e.sysex += (i > 0 ? " " : "") + bytes[i];
        }
        return e;
    }

    e.x = ValueSource::fixed(dataAt(1));
    e.y = ValueSource::fixed(dataAt(2));
    const auto sourceAt = [&](int position) -> ValueSource* {
        if (position == 2) {
            return &e.x;
        }
        if (position == 3) {
            return &e.y;
        }
        return nullptr;
    };
    const auto markValue = [&](const Mark* mark, SourceKind kind, int ownPosition) {
        if (mark == nullptr || !mark->present) {
            return;
        }
        if (!marks.eitherByte && mark->position != ownPosition) {
            return;
        }
        if (ValueSource* s = sourceAt(mark->position)) {
            *s = {kind, 0, mark->range};
        }
    };
    markValue(marks.x, SourceKind::ValueX, 2);
    markValue(marks.y, SourceKind::ValueY, 3);
    for (const VariableMark& v : *marks.variables) {
        if (ValueSource* s = sourceAt(v.position)) {
            *s = ValueSource::variable(v.variable);
        }
    }
    return e;
}

const Bytes& eventLine(const ParsedSetting& entry, std::size_t i) {
    static const Bytes kNone;
    return i < entry.eventBytes.size() ? entry.eventBytes[i] : kNone;
}

const ValueRange kFullRange{true, 0, 127};

// The dialog shows a selected incoming range of 0..127 as "all values", and a scaling onto
// the incoming range itself as "Leave value X unchanged". For Map and Store the first only when
// the value is not also scaled onto another range, so that such a scaling stays visible.
void normaliseRanges(ValueRange& incoming, ValueRange* scaled) {
    const bool scaledElsewhere =
        scaled != nullptr && scaled->on && !(scaled->low == 0 && scaled->high == 127);
    if (incoming == kFullRange && !scaledElsewhere) {
        incoming = {};
    }
    if (scaled != nullptr && scaled->on) {
        const ValueRange asRead = incoming.on ? incoming : ValueRange{true, 0, 127};
        if (scaled->low == asRead.low && scaled->high == asRead.high) {
            *scaled = {};
        }
    }
}

// The outgoing source that carries value X or value Y in a map's outgoing event.
ValueSource* carrierOf(EventSpec& out, SourceKind value) {
    if (out.type == EventType::SystemExclusive) {
        ValueSource& s = value == SourceKind::ValueX ? out.x : out.y;
        return s.kind == value ? &s : nullptr;
    }
    if (out.x.kind == value) {
        return &out.x;
    }
    if (out.y.kind == value) {
        return &out.y;
    }
    return nullptr;
}

}  // namespace

int ruleEventLineCount(const RuleProfile& profile, const Bytes& message) {
    if (!isRuleMessageOf(profile, message)) {
        return 0;
    }
    if (contains(kOneEventLine, message[kCommand])) {
        return 1;
    }
    return contains(kTwoEventLines, message[kCommand]) ? 2 : 0;
}

bool verifyselection(const RuleProfile& profile, const Bytes& message) {
    if (!isRuleMessageOf(profile, message) || message.size() <= kSettingByte) {
        return false;
    }
    const Byte command = message[kCommand];
    const bool editable =
        std::any_of(std::begin(kEditable), std::end(kEditable),
                    [&](CommandRange r) { return command >= r.from && command <= r.to; });
    return editable && message[kSettingByte] < profile.settingCount;
}

std::optional<RuleSetting> decodeRule(const RuleProfile& profile, const ParsedSetting& entry) {
    const Bytes& m = entry.bytes;
    if (!verifyselection(profile, m)) {
        return std::nullopt;
    }
    const Byte command = m[kCommand];
    const auto byteAt = [&](std::size_t i) -> std::optional<int> {
        if (i < m.size() && (m[i] & 0x80) == 0) {
            return m[i];
        }
        return std::nullopt;
    };

    RuleSetting s;
    s.settingNumber = m[kSettingByte] + 1;
    s.function = static_cast<RuleFunction>((command & 0x07) - 1);
    s.powerUpOff = (command & 0x10) != 0;
    s.stopAfter = (command & 0x08) != 0;
    const bool incomingAll = (command & 0x20) != 0;
    const bool outgoingSame = (command & 0x40) != 0;

    std::size_t from = kFirstParameter;
    if (s.function == RuleFunction::Sequence) {
        SequenceSpec& q = s.sequence;
        if (const auto start = byteAt(7); start && *start < kRuleSettingLimit) {
            q.start = *start + 1;
        }
        if (const auto perStep = byteAt(8); perStep && *perStep >= 1 && *perStep <= 31) {
            q.eventsPerStep = *perStep;
        }
        if (const auto steps = byteAt(9); steps && *steps >= 2 && *steps <= 31) {
            q.steps = *steps;
        }
        if (const auto jump = byteAt(10)) {
            if (*jump >= 0x01 && *jump <= 0x1F) {
                q.jump = SequenceJump::Step;
                q.jumpStep = *jump;
            } else if (*jump >= 0x7C) {
                q.jump = (*jump & 1) ? SequenceJump::NextStep : SequenceJump::PreviousStep;
                q.atEnd = (*jump & 2) ? SequenceEnd::Loop : SequenceEnd::Remain;
            }
        }
        from += 4;
    } else if (s.function == RuleFunction::Switch) {
        struct Actions {
            int byte;
            SwitchAction inRange, outOfRange;
        };
        constexpr std::array<Actions, 6> kActions{{
            {0x01, SwitchAction::NoAction, SwitchAction::On},
            {0x02, SwitchAction::NoAction, SwitchAction::Off},
            {0x04, SwitchAction::On, SwitchAction::NoAction},
            {0x06, SwitchAction::On, SwitchAction::Off},
            {0x08, SwitchAction::Off, SwitchAction::NoAction},
            {0x09, SwitchAction::Off, SwitchAction::On},
        }};
        if (const auto action = byteAt(7)) {
            for (const Actions& a : kActions) {
                if (a.byte == *action) {
                    s.switching.inRangeAction = a.inRange;
                    s.switching.outOfRangeAction = a.outOfRange;
                }
            }
        }
        if (const auto target = byteAt(8); target && *target < kRuleSettingLimit) {
            s.switching.target = *target + 1;
        }
        from += 2;
    } else if (s.function == RuleFunction::Filter && byteAt(7) == 0x7F) {
        s.input.type = EventType::AllEvents;
        return canonical(s);
    }

    Quadruples q = readQuadruples(profile, m, from, s.function);
    const EventMarks incoming{&q.incomingX, &q.incomingY, false, &q.incomingVariables};
    const EventMarks triggered{nullptr, nullptr, false, &q.outgoingVariables};
    const EventMarks written{&q.writtenX, &q.writtenY, true, &q.outgoingVariables};

    switch (s.function) {
        case RuleFunction::SequenceEvent:
            s.output = readEvent(eventLine(entry, 0), written, outgoingSame);
            break;
        case RuleFunction::Store: {
            const std::vector<VariableMark> none;
            s.input = readEvent(eventLine(entry, 0), {&q.incomingX, &q.incomingY, false, &none},
                                incomingAll);
            s.store.storeX = 0;
            s.store.storeY = 0;
            for (const auto& [mark, variable, scale] :
                 {std::tuple{&q.writtenX, &s.store.storeX, &s.store.scaleX},
                  std::tuple{&q.writtenY, &s.store.storeY, &s.store.scaleY}}) {
                if (mark->present && mark->position < profile.variableCount) {
                    *variable = mark->position + 1;
                    *scale = mark->range;
                }
            }
            normaliseRanges(s.input.x.range, &s.store.scaleX);
            normaliseRanges(s.input.y.range, &s.store.scaleY);
            break;
        }
        case RuleFunction::Map:
            s.input = readEvent(eventLine(entry, 0), incoming, incomingAll);
            s.output = readEvent(eventLine(entry, 1), written, outgoingSame);
            for (const SourceKind value : {SourceKind::ValueX, SourceKind::ValueY}) {
                ValueSource& in = value == SourceKind::ValueX ? s.input.x : s.input.y;
                ValueSource* out = carrierOf(s.output, value);
                normaliseRanges(in.range, out ? &out->range : nullptr);
            }
            break;
        case RuleFunction::Trigger:
            s.input = readEvent(eventLine(entry, 0), incoming, incomingAll);
            s.output = readEvent(eventLine(entry, 1), triggered, outgoingSame);
            normaliseRanges(s.input.x.range, nullptr);
            normaliseRanges(s.input.y.range, nullptr);
            break;
        default:
            s.input = readEvent(eventLine(entry, 0), incoming, incomingAll);
            normaliseRanges(s.input.x.range, nullptr);
            normaliseRanges(s.input.y.range, nullptr);
            break;
    }
    return canonical(s);
}

}  // namespace corlinth
