#include "core/products/rule/RuleSetting.h"

#include <algorithm>
#include <utility>

namespace corlinth {

bool isChannelEvent(EventType type) {
    return static_cast<int>(type) <= static_cast<int>(EventType::PitchBend);
}

int dataByteCount(EventType type) {
    switch (type) {
        case EventType::NoteOff:
        case EventType::NoteOn:
        case EventType::KeyPressure:
        case EventType::ControlChange:
        case EventType::PitchBend:
        case EventType::SongPosition:
            return 2;
        case EventType::ProgramChange:
        case EventType::ChannelPressure:
        case EventType::SongSelect:
            return 1;
        default:
            return 0;
    }
}

bool hasIncomingEvent(RuleFunction function) {
    return function != RuleFunction::SequenceEvent;
}

bool hasOutgoingEvent(RuleFunction function) {
    return function == RuleFunction::Map || function == RuleFunction::Trigger ||
           function == RuleFunction::SequenceEvent;
}

bool canStopAfter(const RuleSetting& setting) {
    switch (setting.function) {
        case RuleFunction::Filter:
            return setting.input.type != EventType::AllEvents;
        case RuleFunction::Map:
        case RuleFunction::Trigger:
        case RuleFunction::SequenceEvent:
            return true;
        default:
            return false;
    }
}

std::vector<Placeholder> placeholdersOf(std::string_view sysex) {
    std::vector<std::string_view> bytes;
    std::size_t i = 0;
    while (i < sysex.size()) {
        if (sysex[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(sysex.find(' ', i), sysex.size());
        bytes.push_back(sysex.substr(i, end - i));
        i = end;
    }
    std::vector<Placeholder> found;
    // The first byte is F0 and the last F7; neither can stand for a value.
    for (std::size_t b = 1; b + 1 < bytes.size(); ++b) {
        const std::string_view byte = bytes[b];
        const int position = static_cast<int>(b) + 1;
        if (byte == "XX") {
            found.push_back({position, SourceKind::ValueX, 0});
        } else if (byte == "YY") {
            found.push_back({position, SourceKind::ValueY, 0});
        } else if (byte.size() == 2 && byte[0] == 'V' && byte[1] >= '1' && byte[1] <= '8') {
            found.push_back({position, SourceKind::Variable, byte[1] - '0'});
        }
    }
    return found;
}

ValueUse incomingUse(const EventSpec& event) {
    if (event.type == EventType::SystemExclusive) {
        return {event.sysex.find('X') != std::string::npos,
                event.sysex.find('Y') != std::string::npos, false};
    }
    const int bytes = dataByteCount(event.type);
    return {bytes >= 1 && event.x.kind == SourceKind::ValueX,
            bytes >= 2 && event.y.kind == SourceKind::ValueY, false};
}

ValueUse outgoingUse(const EventSpec& event) {
    if (event.type == EventType::SystemExclusive) {
        const auto count = [&](SourceKind kind) {
            const auto all = placeholdersOf(event.sysex);
            return std::count_if(all.begin(), all.end(),
                                 [&](const Placeholder& p) { return p.kind == kind; });
        };
        return {event.sysex.find('X') != std::string::npos,
                event.sysex.find('Y') != std::string::npos,
                count(SourceKind::ValueX) > 1 || count(SourceKind::ValueY) > 1};
    }
    const int bytes = dataByteCount(event.type);
    const SourceKind first = bytes >= 1 ? event.x.kind : SourceKind::Fixed;
    const SourceKind second = bytes >= 2 ? event.y.kind : SourceKind::Fixed;
    const auto holds = [&](SourceKind kind) { return first == kind || second == kind; };
    return {holds(SourceKind::ValueX), holds(SourceKind::ValueY),
            first == second && (first == SourceKind::ValueX || first == SourceKind::ValueY)};
}

ValueUse wildtestA(const RuleSetting& setting) {
    return incomingUse(setting.input);
}

ValueUse wildtestB(const RuleSetting& setting) {
    return outgoingUse(setting.output);
}

ValueUse wildtestC(const RuleSetting& setting) {
    return outgoingUse(setting.output);
}

ValueUse wildtestD(const RuleSetting& setting) {
    return incomingUse(setting.input);
}

void resolveForEncoding(RuleSetting& setting) {
    EventSpec& in = setting.input;
    EventSpec& out = setting.output;
    const bool mapOrTrigger =
        setting.function == RuleFunction::Map || setting.function == RuleFunction::Trigger;
    if (mapOrTrigger && isChannelEvent(in.type) && in.channel != kAllChannels &&
        isChannelEvent(out.type) && out.channel == kSameChannel) {
        out.channel = in.channel;
    }
    if (hasIncomingEvent(setting.function)) {
        for (ValueRange* range : {&in.x.range, &in.y.range}) {
            if (range->on && range->high < range->low) {
                std::swap(range->low, range->high);
            }
        }
    }
}

namespace {

enum class Role { Incoming, MapOutput, TriggerOutput, SequenceEvent };

ValueRange canonicalRange(const ValueRange& range, bool inUse) {
    return inUse && range.on ? range : ValueRange{};
}

// The range of a value as the role reads it. `incomingRangeOn` is the incoming range of the
// same value, which a map's scaling depends on.
ValueSource canonicalSource(const ValueSource& source, Role role, bool incomingRangeOn) {
    switch (source.kind) {
        case SourceKind::Fixed:
        case SourceKind::Variable:
            return {source.kind, source.number, {}};
        default:
            break;
    }
    ValueSource out{source.kind, 0, {}};
    switch (role) {
        case Role::Incoming:
            out.range = canonicalRange(source.range, true);
            break;
        case Role::MapOutput:
            out.range = canonicalRange(source.range, incomingRangeOn);
            break;
        case Role::SequenceEvent:
            out.range = {true, source.range.low, source.range.high};
            break;
        case Role::TriggerOutput:
            break;
    }
    return out;
}

bool incomingRangeOn(const EventSpec& in, SourceKind value) {
    const ValueUse use = incomingUse(in);
    if (value == SourceKind::ValueX) {
        return use.x && in.x.range.on;
    }
    return use.y && in.y.range.on;
}

EventSpec canonicalEvent(const EventSpec& event, Role role, const EventSpec& input) {
    EventSpec out;
    out.type = event.type;
    out.channel = isChannelEvent(event.type) ? event.channel : 1;
    out.x = {};
    out.y = {};
    if (event.type == EventType::SystemExclusive) {
        out.sysex = event.sysex;
        const ValueUse use = role == Role::Incoming ? incomingUse(event) : outgoingUse(event);
        if (use.x) {
            out.x = canonicalSource(ValueSource::valueX(event.x.range), role,
                                    incomingRangeOn(input, SourceKind::ValueX));
        }
        if (use.y) {
            out.y = canonicalSource(ValueSource::valueY(event.y.range), role,
                                    incomingRangeOn(input, SourceKind::ValueY));
        }
        return out;
    }
    const int bytes = dataByteCount(event.type);
    if (bytes >= 1) {
        out.x = canonicalSource(event.x, role, incomingRangeOn(input, event.x.kind));
    }
    if (bytes >= 2) {
        out.y = canonicalSource(event.y, role, incomingRangeOn(input, event.y.kind));
    }
    return out;
}

}  // namespace

RuleSetting canonical(const RuleSetting& s) {
    RuleSetting c;
    c.settingNumber = s.settingNumber;
    c.function = s.function;
    c.powerUpOff = s.powerUpOff;
    c.stopAfter = s.stopAfter && canStopAfter(s);
    if (hasIncomingEvent(s.function)) {
        c.input = canonicalEvent(s.input, Role::Incoming, s.input);
    }
    switch (s.function) {
        case RuleFunction::Map:
            c.output = canonicalEvent(s.output, Role::MapOutput, c.input);
            break;
        case RuleFunction::Trigger:
            c.output = canonicalEvent(s.output, Role::TriggerOutput, c.input);
            break;
        case RuleFunction::SequenceEvent:
            c.output = canonicalEvent(s.output, Role::SequenceEvent, c.input);
            break;
        case RuleFunction::Sequence:
            c.sequence = s.sequence;
            if (s.sequence.jump == SequenceJump::Step) {
                c.sequence.atEnd = SequenceSpec{}.atEnd;
            } else {
                c.sequence.jumpStep = SequenceSpec{}.jumpStep;
            }
            break;
        case RuleFunction::Switch:
            c.switching = s.switching;
            break;
        case RuleFunction::Store: {
            const ValueUse use = incomingUse(c.input);
            c.store.storeX = use.x ? s.store.storeX : 0;
            c.store.storeY = use.y ? s.store.storeY : 0;
            c.store.scaleX =
                canonicalRange(s.store.scaleX, c.store.storeX != 0 && c.input.x.range.on);
            c.store.scaleY =
                canonicalRange(s.store.scaleY, c.store.storeY != 0 && c.input.y.range.on);
            break;
        }
        case RuleFunction::Filter:
            break;
    }
    return c;
}

}  // namespace corlinth
