#include "core/products/rule/RuleValidation.h"

#include "core/products/rule/RuleDialogView.h"

namespace corlinth {

std::string rulewarning::stepOutOfRange(int step) {
    return "Step #" + std::to_string(step) + " is out of range.";
}

namespace {

// How many bytes an event counts toward the 32 bytes of a setting; 0 for the one-byte events,
// which are not counted. An entered event of n bytes is 3n - 1 characters.
int eventSize(const EventSpec& e) {
    if (e.type == EventType::SystemExclusive) {
        return static_cast<int>(e.sysex.size() + 1) / 3;
    }
    switch (dataByteCount(e.type)) {
        case 2:
            return 3;
        case 1:
            return 2;
        default:
            return 0;
    }
}

bool tooLargeTogether(const EventSpec& in, const EventSpec& out) {
    const bool inSysex = in.type == EventType::SystemExclusive;
    const bool outSysex = out.type == EventType::SystemExclusive;
    if (!inSysex && !outSysex) {
        return false;
    }
    const int other = inSysex && outSysex ? 1 : eventSize(inSysex ? out : in);
    return other > 0 && eventSize(in) + eventSize(out) > 32;
}

// The same-channel resolution and the two checks of an outgoing event on the incoming one.
void checkOutgoingEvent(RuleDialogChoices& c, EventGroup outGroup, std::string& warning) {
    const EventGroupChoices& in = c.group(EventGroup::Incoming);
    EventGroupChoices& out = c.group(outGroup);
    if (out.channel == kSameChannel && isChannelEvent(in.type) && in.channel != kAllChannels) {
        out.channel = in.channel;
    }
    if (!isChannelEvent(in.type) && isChannelEvent(out.type) && out.channel == kSameChannel) {
        warning = rulewarning::sameChannelNeedsChannel;
    }
    if (tooLargeTogether(groupEvent(c, EventGroup::Incoming), groupEvent(c, outGroup))) {
        warning = rulewarning::combinedSize;
    }
}

bool bothFieldsHold(const EventSpec& e, SourceKind value) {
    return dataByteCount(e.type) == 2 && e.x.kind == value && e.y.kind == value;
}

}  // namespace

RuleValidation validateRule(const RuleProfile& profile, const RuleDialogChoices& choices) {
    RuleValidation result{{}, choices};
    RuleDialogChoices& c = result.choices;
    std::string& warning = result.warning;
    const RuleFunction f = c.function;
    const auto fail = [&](std::string_view text) { warning = std::string(text); };

    if (f == RuleFunction::Map) {
        checkOutgoingEvent(c, EventGroup::MapOutput, warning);
    }
    if (f == RuleFunction::Trigger) {
        checkOutgoingEvent(c, EventGroup::TriggerOutput, warning);
    }
    const EventSpec in = groupEvent(c, firstGroup(f));
    const ValueUse inUse = incomingUse(in);
    if (f == RuleFunction::Sequence && in.type == EventType::SystemExclusive &&
        eventSize(in) > 32) {
        fail(rulewarning::sequenceTrigger);
    }

    const RuleDialogView view = ruleDialogView(c);
    if (f == RuleFunction::Filter || f == RuleFunction::Map || f == RuleFunction::Sequence ||
        f == RuleFunction::SequenceEvent) {
        const auto equalEnds = [](int low, int high) { return low == high; };
        if (view.x.lowHigh && equalEnds(c.rangeX.low, c.rangeX.high)) {
            fail(rulewarning::incomingXEqual);
        }
        if (view.x.outLowHigh && equalEnds(c.rangeX.outLow, c.rangeX.outHigh)) {
            fail(rulewarning::outgoingXEqual);
        }
        if (view.y.lowHigh && equalEnds(c.rangeY.low, c.rangeY.high)) {
            fail(rulewarning::incomingYEqual);
        }
        if (view.y.outLowHigh && equalEnds(c.rangeY.outLow, c.rangeY.outHigh)) {
            fail(rulewarning::outgoingYEqual);
        }
    }

    if (f == RuleFunction::Sequence) {
        const SequenceSpec& q = c.sequence;
        if (q.firstSettingOfStep(q.steps) > kHighestSequenceSetting) {
            fail(profile.sequenceTooHighWarning);
        }
        if (q.start == c.settingNumber) {
            fail(rulewarning::startIsCurrent);
        }
        if (q.jump == SequenceJump::Step && q.jumpStep > q.steps) {
            warning = rulewarning::stepOutOfRange(q.jumpStep);
        }
    }
    if (f == RuleFunction::Trigger && !inUse.x && !inUse.y) {
        fail(rulewarning::triggerNeedsValue);
    }
    if (f == RuleFunction::Switch && !inUse.x && !inUse.y) {
        fail(rulewarning::switchNeedsValue);
    }
    const EventSpec mapped = groupEvent(c, EventGroup::MapOutput);
    if (f == RuleFunction::Map) {
        const ValueUse outUse = outgoingUse(mapped);
        if (!inUse.x && outUse.x) {
            fail(rulewarning::mapWithoutX);
        }
        if (!inUse.y && outUse.y) {
            fail(rulewarning::mapWithoutY);
        }
    }
    if (f == RuleFunction::Store) {
        const bool storesX = view.x.storeChoice && c.storeX != 0;
        const bool storesY = view.y.storeChoice && c.storeY != 0;
        if (!storesX && !storesY) {
            fail(rulewarning::storeNothing);
        }
        if (storesX && storesY && c.storeX == c.storeY) {
            fail(rulewarning::storeSameVariable);
        }
    }
    const auto twice = [](const EventSpec& e) {
        return bothFieldsHold(e, SourceKind::ValueX) || bothFieldsHold(e, SourceKind::ValueY);
    };
    if (f == RuleFunction::SequenceEvent && twice(groupEvent(c, EventGroup::SequenceEvent))) {
        fail(rulewarning::valueTwice);
    }
    if (f == RuleFunction::Map && twice(mapped)) {
        fail(rulewarning::valueTwice);
    }
    if (f == RuleFunction::Map) {
        // A reversed incoming range is only refused where it would be scaled; otherwise the
        // encoder turns it round.
        const auto negative = [](const RangeView& v, const RangeChoices& r) {
            return v.lowHigh && v.scaleChoice && r.scale && r.high < r.low;
        };
        if (negative(view.x, c.rangeX) || negative(view.y, c.rangeY)) {
            fail(rulewarning::negativeIncoming);
        }
    }
    if (f == RuleFunction::Switch) {
        if (c.switching.target == c.settingNumber) {
            fail(rulewarning::switchesItself);
        }
        if (c.switching.inRangeAction == c.switching.outOfRangeAction) {
            fail(rulewarning::sameActions);
        }
    }
    return result;
}

}  // namespace corlinth
