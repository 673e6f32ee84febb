#include "core/products/rule/RuleDialogChoices.h"

namespace corlinth {
namespace {

using V = ValueSource;

struct FieldDefault {
    EventType type;
    ValueSource first;
    ValueSource second;
};

void setDefaults(EventGroupChoices& g, std::initializer_list<FieldDefault> defaults) {
    for (const FieldDefault& d : defaults) {
        g.first[static_cast<std::size_t>(d.type)] = d.first;
        g.second[static_cast<std::size_t>(d.type)] = d.second;
    }
}

// The fields every group shares: notes at 60 and controller 1, Pitch Bend at LSB 0 and MSB 64.
void setIncomingDefaults(EventGroupChoices& g) {
    setDefaults(g, {{EventType::NoteOff, V::fixed(60), V::valueY()},
                    {EventType::NoteOn, V::fixed(60), V::valueY()},
                    {EventType::KeyPressure, V::fixed(60), V::valueY()},
                    {EventType::ControlChange, V::fixed(1), V::valueY()},
                    {EventType::ProgramChange, V::valueX(), {}},
                    {EventType::ChannelPressure, V::valueX(), {}},
                    {EventType::PitchBend, V::fixed(0), V::fixed(64)},
                    {EventType::SongPosition, V::valueX(), V::valueY()},
                    {EventType::SongSelect, V::valueX(), {}}});
}

// Song Pos. Pointer and Song Select start at the first item of each of their lists.
void setOutgoingDefaults(EventGroupChoices& g, const ValueSource& firstItem, bool trigger) {
    const ValueSource velocity = trigger ? V::fixed(64) : V::valueY();
    setDefaults(g, {{EventType::NoteOff, V::fixed(60), velocity},
                    {EventType::NoteOn, V::fixed(60), velocity},
                    {EventType::KeyPressure, V::fixed(60), velocity},
                    {EventType::ControlChange, V::fixed(1), trigger ? V::fixed(127) : V::valueY()},
                    {EventType::ProgramChange, trigger ? V::fixed(0) : V::valueX(), {}},
                    {EventType::ChannelPressure, trigger ? V::fixed(127) : V::valueX(), {}},
                    {EventType::PitchBend, V::fixed(0), V::fixed(64)},
                    {EventType::SongPosition, firstItem, firstItem},
                    {EventType::SongSelect, firstItem, {}}});
}

ValueRange incomingRange(const RangeChoices& r) {
    return r.rangeItem == 1 ? ValueRange{true, r.low, r.high} : ValueRange{};
}

ValueRange scaleRange(const RangeChoices& r) {
    return r.scale ? ValueRange{true, r.outLow, r.outHigh} : ValueRange{};
}

// Puts the range of each value X or value Y an event carries on the source that carries it.
void placeRanges(EventSpec& e, const ValueRange& x, const ValueRange& y) {
    if (e.type == EventType::SystemExclusive) {
        e.x = V::valueX(x);
        e.y = V::valueY(y);
        return;
    }
    for (ValueSource* s : {&e.x, &e.y}) {
        if (s->kind == SourceKind::ValueX) {
            s->range = x;
        } else if (s->kind == SourceKind::ValueY) {
            s->range = y;
        }
    }
}

void applyEvent(EventGroupChoices& g, const EventSpec& e) {
    g.type = e.type;
    if (isChannelEvent(e.type)) {
        g.channel = e.channel;
    }
    if (e.type == EventType::SystemExclusive) {
        g.sysex = e.sysex;
        return;
    }
    const std::size_t t = static_cast<std::size_t>(e.type);
    const int bytes = dataByteCount(e.type);
    if (bytes >= 1) {
        g.first[t] = {e.x.kind, e.x.number, {}};
    }
    if (bytes >= 2) {
        g.second[t] = {e.y.kind, e.y.number, {}};
    }
}

// The range of value X or value Y where an event carries it; nullptr where it does not.
const ValueRange* carriedRange(const EventSpec& e, bool x, bool incoming) {
    const ValueUse use = incoming ? incomingUse(e) : outgoingUse(e);
    if (!(x ? use.x : use.y)) {
        return nullptr;
    }
    const SourceKind value = x ? SourceKind::ValueX : SourceKind::ValueY;
    if (e.type == EventType::SystemExclusive) {
        return x ? &e.x.range : &e.y.range;
    }
    return e.x.kind == value ? &e.x.range : &e.y.range;
}

}  // namespace

RuleDialogChoices defaultRuleChoices() {
    RuleDialogChoices c;
    setIncomingDefaults(c.group(EventGroup::Incoming));
    setIncomingDefaults(c.group(EventGroup::StoreInput));
    setOutgoingDefaults(c.group(EventGroup::MapOutput), V::valueX(), false);
    setOutgoingDefaults(c.group(EventGroup::TriggerOutput), V::variable(1), true);
    setOutgoingDefaults(c.group(EventGroup::SequenceEvent), V::valueX(), true);
    return c;
}

void changeFunction(RuleDialogChoices& choices, RuleFunction function) {
    choices.function = function;
    const auto offer = [&](EventGroup g) {
        EventGroupChoices& group = choices.group(g);
        if (static_cast<int>(group.type) > lastEventType(g, function)) {
            group.type = EventType::NoteOn;
        }
    };
    offer(firstGroup(function));
    if (hasSecondGroup(function)) {
        offer(secondGroup(function));
    }
}

EventSpec groupEvent(const RuleDialogChoices& choices, EventGroup group) {
    const EventGroupChoices& g = choices.group(group);
    EventSpec e;
    e.type = g.type;
    e.channel = g.channel;
    const std::size_t t = static_cast<std::size_t>(g.type);
    e.x = {g.first[t].kind, g.first[t].number, {}};
    e.y = {g.second[t].kind, g.second[t].number, {}};
    if (g.type == EventType::SystemExclusive) {
        e.sysex = g.sysex;
    }
    return e;
}

RuleSetting ruleSettingOf(const RuleDialogChoices& c) {
    RuleSetting s;
    s.settingNumber = c.settingNumber;
    s.function = c.function;
    s.powerUpOff = c.powerUpOff;
    s.stopAfter = c.stopAfter;
    if (hasIncomingEvent(c.function)) {
        s.input = groupEvent(c, firstGroup(c.function));
        placeRanges(s.input, incomingRange(c.rangeX), incomingRange(c.rangeY));
    }
    switch (c.function) {
        case RuleFunction::Map:
            s.output = groupEvent(c, EventGroup::MapOutput);
            placeRanges(s.output, scaleRange(c.rangeX), scaleRange(c.rangeY));
            break;
        case RuleFunction::Trigger:
            s.output = groupEvent(c, EventGroup::TriggerOutput);
            break;
        case RuleFunction::SequenceEvent:
            // The range controls of a sequence event hold its outgoing ranges.
            s.output = groupEvent(c, EventGroup::SequenceEvent);
            placeRanges(s.output, {true, c.rangeX.low, c.rangeX.high},
                        {true, c.rangeY.low, c.rangeY.high});
            break;
        case RuleFunction::Sequence:
            s.sequence = c.sequence;
            break;
        case RuleFunction::Switch:
            s.switching = c.switching;
            break;
        case RuleFunction::Store:
            s.store = {c.storeX, c.storeY, scaleRange(c.rangeX), scaleRange(c.rangeY)};
            break;
        case RuleFunction::Filter:
            break;
    }
    return canonical(s);
}

void applyDecoded(RuleDialogChoices& c, const RuleSetting& s) {
    c.settingNumber = s.settingNumber;
    c.function = s.function;
    c.powerUpOff = s.powerUpOff;
    c.stopAfter = s.stopAfter;
    if (hasIncomingEvent(s.function)) {
        applyEvent(c.group(firstGroup(s.function)), s.input);
    }
    if (hasOutgoingEvent(s.function)) {
        const EventGroup out =
            hasSecondGroup(s.function) ? secondGroup(s.function) : EventGroup::SequenceEvent;
        applyEvent(c.group(out), s.output);
    }
    for (const bool x : {true, false}) {
        RangeChoices& r = x ? c.rangeX : c.rangeY;
        if (s.function == RuleFunction::SequenceEvent) {
            if (const ValueRange* range = carriedRange(s.output, x, false)) {
                r.low = range->low;
                r.high = range->high;
            }
            continue;
        }
        const ValueRange* in =
            hasIncomingEvent(s.function) ? carriedRange(s.input, x, true) : nullptr;
        if (in == nullptr) {
            continue;
        }
        // A selected range, or all values (read from an entry as 0..127).
        r.rangeItem = in->on ? 1 : 0;
        r.low = in->on ? in->low : 0;
        r.high = in->on ? in->high : 127;
        // Where the value is written on unchanged, the outgoing range reads as the incoming one.
        const ValueRange* scaled = nullptr;
        bool written = false;
        if (s.function == RuleFunction::Map) {
            scaled = carriedRange(s.output, x, false);
            written = scaled != nullptr;
        } else if (s.function == RuleFunction::Store) {
            written = (x ? s.store.storeX : s.store.storeY) != 0;
            scaled = written ? (x ? &s.store.scaleX : &s.store.scaleY) : nullptr;
        }
        if (written) {
            r.scale = scaled->on;
            r.outLow = scaled->on ? scaled->low : r.low;
            r.outHigh = scaled->on ? scaled->high : r.high;
        }
    }
    switch (s.function) {
        case RuleFunction::Sequence: {
            // The end behaviour of a jump to a step, and the step of a jump to the next or
            // previous one, are hidden and keep what they showed.
            const SequenceSpec kept = c.sequence;
            c.sequence = s.sequence;
            if (s.sequence.jump == SequenceJump::Step) {
                c.sequence.atEnd = kept.atEnd;
            } else {
                c.sequence.jumpStep = kept.jumpStep;
            }
            break;
        }
        case RuleFunction::Switch:
            c.switching = s.switching;
            break;
        case RuleFunction::Store: {
            // A value the event carries but the entry does not store shows "Don't store".
            const ValueUse use = incomingUse(s.input);
            if (use.x) {
                c.storeX = s.store.storeX;
            }
            if (use.y) {
                c.storeY = s.store.storeY;
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace corlinth
