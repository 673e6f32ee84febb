#include "core/products/rule/RuleDialogView.h"

namespace corlinth {
namespace {

EventRowView rowView(const RuleDialogChoices& c, EventGroup group) {
    const EventGroupChoices& g = c.group(group);
    EventRowView row;
    row.shown = true;
    row.group = group;
    row.lastType = lastEventType(group, c.function);
    row.channel = isChannelEvent(g.type);
    row.sysexField = g.type == EventType::SystemExclusive;
    row.first = valueField(g.type, true);
    row.second = valueField(g.type, false);
    return row;
}

RangeView rangeView(const RuleDialogChoices& c, bool x) {
    const RuleFunction f = c.function;
    const RangeChoices& r = x ? c.rangeX : c.rangeY;
    RangeView v;
    v.rangeItems = rangeChoiceItems(f, x);
    v.shownItem = r.rangeItem;
    const auto uses = [x](const ValueUse& use) { return x ? use.x : use.y; };

    if (f == RuleFunction::SequenceEvent) {
        v.choice = uses(outgoingUse(groupEvent(c, EventGroup::SequenceEvent)));
        v.shownItem = 0;
        v.lowHigh = v.choice;
        return v;
    }
    const EventSpec in = groupEvent(c, firstGroup(f));
    if (in.type == EventType::AllEvents || !uses(incomingUse(in))) {
        return v;
    }
    v.choice = true;
    v.lowHigh = r.rangeItem == 1;
    // Scaling is offered only on a selected incoming range.
    if (f == RuleFunction::Map) {
        v.scaleChoice = v.lowHigh && uses(outgoingUse(groupEvent(c, EventGroup::MapOutput)));
    } else if (f == RuleFunction::Store) {
        v.storeChoice = true;
        v.scaleChoice = v.lowHigh && (x ? c.storeX : c.storeY) != 0;
    }
    v.outLowHigh = v.scaleChoice && r.scale;
    v.negativeNote = v.outLowHigh;
    return v;
}

}  // namespace

RuleDialogView ruleDialogView(const RuleDialogChoices& c) {
    const RuleFunction f = c.function;
    RuleDialogView v;
    v.firstHeading = firstHeading(f, c.settingNumber);
    v.secondHeading = std::string(secondHeading(f));
    v.overwriteNote = overwriteNote(c.settingNumber);
    v.rows[0] = rowView(c, firstGroup(f));
    if (hasSecondGroup(f)) {
        v.rows[1] = rowView(c, secondGroup(f));
    }
    v.x = rangeView(c, true);
    v.y = rangeView(c, false);

    const bool oneFrame =
        f == RuleFunction::Filter || f == RuleFunction::SequenceEvent || f == RuleFunction::Switch;
    v.rangesUnderSecondRow = !oneFrame;
    v.frames = oneFrame ? 1 : 2;
    v.processingChoice =
        (f == RuleFunction::Filter && c.group(EventGroup::Incoming).type != EventType::AllEvents) ||
        f == RuleFunction::Map || f == RuleFunction::Trigger || f == RuleFunction::SequenceEvent;

    if (f == RuleFunction::Sequence) {
        v.sequenceControls = true;
        v.stepNote = stepNote(c.sequence);
        if (c.sequence.jump != SequenceJump::Step) {
            const std::size_t direction = c.sequence.jump == SequenceJump::NextStep ? 0 : 1;
            v.endBehaviour = true;
            v.endCaption = ruletext::endCaptions[direction];
            v.endItems.assign(ruletext::endItems[direction].begin(),
                              ruletext::endItems[direction].end());
        }
    }
    v.switchControls = f == RuleFunction::Switch;
    if (f == RuleFunction::SequenceEvent) {
        const EventSpec stored = groupEvent(c, EventGroup::SequenceEvent);
        v.sequenceEventNote = sequenceEventNote(
            outgoingUse(stored), isChannelEvent(stored.type) && stored.channel == kSameChannel);
    }
    return v;
}

}  // namespace corlinth
