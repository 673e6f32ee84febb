#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RuleBuilders.h"
#include "core/products/common/MidiLists.h"
#include "core/products/rule/RuleComment.h"
#include "core/products/rule/RuleDecoder.h"
#include "core/products/rule/RuleDialogView.h"
#include "core/products/rule/RuleValidation.h"

namespace corlinth {
namespace {

using namespace rulebuild;
using Edit = std::function<void(RuleDialogChoices&)>;

RuleDialogChoices dialog(RuleFunction function, const Edit& edit = {}) {
    RuleDialogChoices c = defaultRuleChoices();
    changeFunction(c, function);
    if (edit) {
        edit(c);
    }
    return c;
}

EventGroupChoices& in(RuleDialogChoices& c) {
    return c.group(EventGroup::Incoming);
}
EventGroupChoices& mapOut(RuleDialogChoices& c) {
    return c.group(EventGroup::MapOutput);
}
EventGroupChoices& triggerOut(RuleDialogChoices& c) {
    return c.group(EventGroup::TriggerOutput);
}
EventGroupChoices& stored(RuleDialogChoices& c) {
    return c.group(EventGroup::SequenceEvent);
}
EventGroupChoices& storeIn(RuleDialogChoices& c) {
    return c.group(EventGroup::StoreInput);
}

// Sets the group's type and its two value fields for that type.
void set(EventGroupChoices& g, EventType type, ValueSource first = {}, ValueSource second = {},
         int channel = 1) {
    g.type = type;
    g.channel = channel;
    g.first[static_cast<std::size_t>(type)] = first;
    g.second[static_cast<std::size_t>(type)] = second;
}

void setSysex(EventGroupChoices& g, const std::string& text) {
    g.type = EventType::SystemExclusive;
    g.sysex = text;
}

// An entered event of n bytes.
std::string sysexOf(int bytes) {
    std::string text = "F0";
    for (int i = 0; i < bytes - 2; ++i) {
        text += " 01";
    }
    return text + " F7";
}

void range(RangeChoices& r, int low, int high) {
    r.rangeItem = 1;
    r.low = low;
    r.high = high;
}

void scale(RangeChoices& r, int low, int high) {
    r.scale = true;
    r.outLow = low;
    r.outHigh = high;
}

struct CheckCase {
    const char* what;
    RuleDialogChoices choices;
    std::string warning;  // empty: all checks pass
};

void expectChecks(const RuleProfile& profile, const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(validateRule(profile, c.choices).warning, c.warning);
    }
}

namespace w = rulewarning;
const auto Map = RuleFunction::Map;
const auto Trigger = RuleFunction::Trigger;
const auto Sequence = RuleFunction::Sequence;
const auto StoredEvent = RuleFunction::SequenceEvent;
const auto Switch = RuleFunction::Switch;
const auto Store = RuleFunction::Store;
const auto Filter = RuleFunction::Filter;

TEST(RuleValidation, TheChecksOfOk) {
    expectChecks(
        vantrelProfile(),
        {
            {"the defaults", dialog(Filter), ""},
            {"a map from Song Select to the same channel",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), SongSel, AX());
                        set(mapOut(c), NoteOn, AX(), F(64), kSameChannel);
                    }),
             std::string(w::sameChannelNeedsChannel)},
            {"a map from a channel to the same channel",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), AY(), 3);
                        set(mapOut(c), NoteOn, AX(), AY(), kSameChannel);
                    }),
             ""},
            {"30 bytes in, a Control Change out",
             dialog(Map,
                    [](auto& c) {
                        setSysex(in(c), sysexOf(30));
                        set(mapOut(c), Control, F(1), F(0));
                    }),
             std::string(w::combinedSize)},
            {"30 bytes in, a Program Change out",
             dialog(Map,
                    [](auto& c) {
                        setSysex(in(c), sysexOf(30));
                        set(mapOut(c), Program, F(0));
                    }),
             ""},
            {"30 bytes in, a Start out",
             dialog(Map,
                    [](auto& c) {
                        setSysex(in(c), sysexOf(30));
                        mapOut(c).type = Start;
                    }),
             ""},
            {"two entered events together",
             dialog(Map,
                    [](auto& c) {
                        setSysex(in(c), sysexOf(16));
                        setSysex(mapOut(c), sysexOf(17));
                    }),
             std::string(w::combinedSize)},
            {"two entered events of 32 bytes together",
             dialog(Map,
                    [](auto& c) {
                        setSysex(in(c), sysexOf(16));
                        setSysex(mapOut(c), sysexOf(16));
                    }),
             ""},
            {"a trigger from Song Select to the same channel",
             dialog(Trigger,
                    [](auto& c) {
                        set(in(c), SongSel, AX());
                        set(triggerOut(c), NoteOn, F(60), F(64), kSameChannel);
                    }),
             std::string(w::sameChannelNeedsChannel)},
            {"a trigger of 31 bytes and three",
             dialog(Trigger,
                    [](auto& c) {
                        setSysex(in(c), "F0 XX" + sysexOf(30).substr(2));
                        set(triggerOut(c), Control, F(1), F(2));
                    }),
             std::string(w::combinedSize)},
            {"a sequence to setting 63",
             dialog(Sequence,
                    [](auto& c) {
                        c.sequence = {31, 2, 17, SequenceJump::NextStep, 1, SequenceEnd::Loop};
                    }),
             ""},
            {"a sequence to setting 65",
             dialog(Sequence,
                    [](auto& c) {
                        c.sequence = {31, 2, 18, SequenceJump::NextStep, 1, SequenceEnd::Loop};
                    }),
             "Last step in the sequence cannot be higher than setting #64."},
            {"a sequence starting at its own setting",
             dialog(Sequence,
                    [](auto& c) {
                        c.settingNumber = 4;
                        c.sequence.start = 4;
                    }),
             std::string(w::startIsCurrent)},
            {"a jump past the last step",
             dialog(
                 Sequence,
                 [](auto& c) { c.sequence = {2, 1, 5, SequenceJump::Step, 6, SequenceEnd::Loop}; }),
             "Step #6 is out of range."},
            {"a jump to the last step",
             dialog(
                 Sequence,
                 [](auto& c) { c.sequence = {2, 1, 5, SequenceJump::Step, 5, SequenceEnd::Loop}; }),
             ""},
            {"a long sequence trigger",
             dialog(Sequence, [](auto& c) { setSysex(in(c), sysexOf(33)); }),
             std::string(w::sequenceTrigger)},
            {"a filter range of one value",
             dialog(Filter, [](auto& c) { range(c.rangeY, 10, 10); }),
             std::string(w::incomingYEqual)},
            {"a hidden range of one value",
             dialog(Filter, [](auto& c) { c.rangeY.low = c.rangeY.high = 10; }), ""},
            {"a trigger range of one value",
             dialog(Trigger, [](auto& c) { range(c.rangeY, 10, 10); }), ""},
            {"a map's ranges of one value, the later warning stays",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), AY());
                        set(mapOut(c), NoteOn, AX(), AY());
                        range(c.rangeX, 5, 5);
                        scale(c.rangeX, 7, 7);
                    }),
             std::string(w::outgoingXEqual)},
            {"a map's outgoing Y range of one value",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), AY());
                        set(mapOut(c), NoteOn, AX(), AY());
                        range(c.rangeY, 1, 100);
                        scale(c.rangeY, 9, 9);
                    }),
             std::string(w::outgoingYEqual)},
            {"a sequence event's ranges read as incoming",
             dialog(StoredEvent,
                    [](auto& c) {
                        set(stored(c), Control, AX(), AY());
                        c.rangeX.low = c.rangeX.high = 3;
                    }),
             std::string(w::incomingXEqual)},
            {"a sequence event's Y range",
             dialog(StoredEvent,
                    [](auto& c) {
                        set(stored(c), Control, F(1), AY());
                        c.rangeY.low = c.rangeY.high = 3;
                    }),
             std::string(w::incomingYEqual)},
            {"a trigger on fixed values",
             dialog(Trigger, [](auto& c) { set(in(c), Control, F(7), F(9)); }),
             std::string(w::triggerNeedsValue)},
            {"an on/off setting on fixed values",
             dialog(Switch,
                    [](auto& c) {
                        set(in(c), Control, F(7), F(9));
                        c.settingNumber = 2;
                    }),
             std::string(w::switchNeedsValue)},
            {"a map without value X to one with",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), Control, F(1), F(2));
                        set(mapOut(c), Control, AX(), F(2));
                    }),
             std::string(w::mapWithoutX)},
            {"a map without value Y to one with",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), Program, AX());
                        set(mapOut(c), Control, AX(), AY());
                    }),
             std::string(w::mapWithoutY)},
            {"a store of nothing",
             dialog(Store,
                    [](auto& c) {
                        set(storeIn(c), Program, AX());
                        c.storeX = 0;
                    }),
             std::string(w::storeNothing)},
            {"a store from fixed values",
             dialog(Store, [](auto& c) { set(storeIn(c), Program, F(3)); }),
             std::string(w::storeNothing)},
            {"a store of both in one variable",
             dialog(Store, [](auto& c) { set(storeIn(c), NoteOn, AX(), AY()); }),
             std::string(w::storeSameVariable)},
            {"a store whose hidden choice names the same variable",
             dialog(Store, [](auto& c) { set(storeIn(c), NoteOn, F(60), AY()); }), ""},
            {"value X twice in a sequence event",
             dialog(StoredEvent, [](auto& c) { set(stored(c), NoteOn, AX(), AX()); }),
             std::string(w::valueTwice)},
            {"value Y twice in a map",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), AY());
                        set(mapOut(c), NoteOn, AY(), AY());
                    }),
             std::string(w::valueTwice)},
            {"a reversed range that is scaled",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), F(1));
                        set(mapOut(c), NoteOn, AX(), F(1));
                        range(c.rangeX, 90, 20);
                        scale(c.rangeX, 0, 127);
                    }),
             std::string(w::negativeIncoming)},
            {"a reversed range that is not scaled",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), F(1));
                        set(mapOut(c), NoteOn, AX(), F(1));
                        range(c.rangeX, 90, 20);
                    }),
             ""},
            {"a reversed range whose scaling is hidden",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), F(1));
                        set(mapOut(c), NoteOn, F(60), F(1));
                        range(c.rangeX, 90, 20);
                        c.rangeX.scale = true;
                    }),
             ""},
            {"a duplicate and a reversed scaled range",
             dialog(Map,
                    [](auto& c) {
                        set(in(c), NoteOn, AX(), AY());
                        set(mapOut(c), NoteOn, AY(), AY());
                        range(c.rangeY, 90, 20);
                        scale(c.rangeY, 0, 127);
                    }),
             std::string(w::negativeIncoming)},
            {"an on/off setting that turns itself",
             dialog(Switch, [](auto& c) { c.switching.target = 1; }),
             std::string(w::switchesItself)},
            {"equal actions, the later warning stays",
             dialog(Switch,
                    [](auto& c) {
                        c.switching = {1, SwitchAction::Off, SwitchAction::Off};
                    }),
             std::string(w::sameActions)},
            {"an on/off setting", dialog(Switch, [](auto& c) { c.switching.target = 2; }), ""},
        });
}

TEST(RuleValidation, SodrinsSequenceWarning) {
    expectChecks(
        sodrinProfile(),
        {
            {"a sequence of 9 steps from setting 9",
             dialog(Sequence,
                    [](auto& c) {
                        c.sequence = {9, 1, 9, SequenceJump::NextStep, 1, SequenceEnd::Loop};
                    }),
             ""},
            {"a sequence past setting 64",
             dialog(Sequence,
                    [](auto& c) {
                        c.sequence = {10, 31, 3, SequenceJump::NextStep, 1, SequenceEnd::Loop};
                    }),
             "Last step in the sequence cannot begin higher than setting #64."},
        });
    const SequenceSpec nine{9, 1, 9, SequenceJump::NextStep, 1, SequenceEnd::Loop};
    EXPECT_EQ(nine.firstSettingOfStep(1), 9);
    EXPECT_EQ(nine.firstSettingOfStep(9), 17);
}

TEST(RuleValidation, ShowsTheResolvedChannel) {
    const RuleValidation v = validateRule(vantrelProfile(), dialog(Map, [](auto& c) {
                                              set(in(c), NoteOn, AX(), AY(), 3);
                                              set(mapOut(c), NoteOn, AX(), AY(), kSameChannel);
                                          }));
    EXPECT_TRUE(v.passed());
    EXPECT_EQ(v.choices.group(EventGroup::MapOutput).channel, 3);
}

TEST(RuleDialog, OkOnTheDefaultsBuildsTheFirstFilter) {
    const RuleProfile& profile = vantrelProfile();
    RuleNumbering numbering(profile);
    RuleDialogChoices c = defaultRuleChoices();
    c.settingNumber = numbering.numberOnOpening(c.settingNumber);
    const RuleValidation v = validateRule(profile, c);
    ASSERT_TRUE(v.passed());
    const SettingHandover h = ruleHandover(profile, ruleSettingOf(v.choices));
    EXPECT_EQ(h.messageLine, "F0 00 00 50 29 01 00 01 03 00 7F F7");
    EXPECT_EQ(h.secondLine, "90 3C 00");
    EXPECT_EQ(h.thirdLine, "");
    EXPECT_EQ(h.comment[0],
              "{ Setting #1: Filter all Note-On #60 events on MIDI channel 1. Continue to process "
              "settings }");
    numbering.settingAccepted();
    EXPECT_EQ(numbering.numberOnOpening(1), 2);
}

TEST(RuleDialog, TheProposedNumber) {
    RuleNumbering numbering(sodrinProfile());
    for (int i = 0; i < 12; ++i) {
        numbering.settingAccepted();
    }
    EXPECT_EQ(numbering.numberOnOpening(3), 10);  // no higher than the unit's settings
    numbering.numberPickedByHand();
    EXPECT_EQ(numbering.numberOnOpening(3), 3);
    numbering.newDocument();
    EXPECT_EQ(numbering.numberOnOpening(3), 1);
    numbering.documentOpened();
    EXPECT_EQ(numbering.numberOnOpening(7), 7);
}

TEST(RuleDialog, AChangedFunctionOffersItsOwnTypes) {
    RuleDialogChoices c = defaultRuleChoices();
    in(c).type = Continue;
    mapOut(c).type = Clock;
    changeFunction(c, Trigger);
    EXPECT_EQ(in(c).type, NoteOn);
    EXPECT_EQ(mapOut(c).type, Clock);  // not the trigger's list
    in(c).type = SongSel;
    changeFunction(c, Filter);
    EXPECT_EQ(in(c).type, SongSel);
    storeIn(c).type = Clock;
    changeFunction(c, Store);
    EXPECT_EQ(storeIn(c).type, NoteOn);
}

TEST(RuleDialog, DecodingPresetsTheControlsTheEntryUses) {
    RuleDialogChoices c = defaultRuleChoices();
    ParsedSetting entry;
    entry.bytes = parseLine("F0 00 00 50 29 02 00 01 03 00 7F 03 03 7F 00 F7");
    entry.eventBytes = {parseLine("B0 01 00"), parseLine("B0 0D 00")};
    const std::optional<RuleSetting> decoded = decodeRule(vantrelProfile(), entry);
    ASSERT_TRUE(decoded.has_value());
    applyDecoded(c, *decoded);

    EXPECT_EQ(c.function, Map);
    EXPECT_EQ(c.settingNumber, 1);
    EXPECT_EQ(in(c).type, Control);
    EXPECT_EQ(in(c).channel, 1);
    EXPECT_EQ(in(c).first[int(Control)], F(1));
    EXPECT_EQ(in(c).second[int(Control)], AY());
    EXPECT_EQ(mapOut(c).type, Control);
    EXPECT_EQ(mapOut(c).first[int(Control)], F(13));
    EXPECT_EQ(mapOut(c).second[int(Control)], AY());
    EXPECT_EQ(c.rangeY, (RangeChoices{1, 0, 127, true, 127, 0}));

    const RuleDialogView view = ruleDialogView(c);
    EXPECT_EQ(view.y.rangeItems,
              (std::vector<std::string>{"Map all values of Y", "Select incoming value Y range:"}));
    EXPECT_EQ(view.y.shownItem, 1);
    EXPECT_TRUE(view.y.lowHigh);
    EXPECT_TRUE(view.y.scaleChoice);
    EXPECT_TRUE(view.y.outLowHigh);
    EXPECT_FALSE(view.x.choice);
    EXPECT_EQ(encodeRule(vantrelProfile(), ruleSettingOf(c)).messageLine,
              "F0 00 00 50 29 02 00 01 03 00 7F 03 03 7F 00 F7");
}

TEST(RuleDialog, DecodingKeepsWhatTheEntryDoesNotUse) {
    RuleDialogChoices c = defaultRuleChoices();
    range(c.rangeX, 3, 4);
    set(mapOut(c), Bend, V(2), F(5));
    const RuleDialogChoices before = c;
    applyDecoded(c, filter(ev(Control, 1, F(7), AY())));
    EXPECT_EQ(c.rangeX, before.rangeX);  // value X is fixed in this entry
    EXPECT_EQ(mapOut(c), before.group(EventGroup::MapOutput));
    EXPECT_EQ(in(c).first[int(NoteOn)], before.group(EventGroup::Incoming).first[int(NoteOn)]);
    EXPECT_EQ(c.rangeY, RangeChoices{});

    // A map that leaves a value unchanged shows its incoming range as the outgoing one.
    applyDecoded(c, map(ev(Control, 1, F(1), RY(10, 20)), ev(Control, 1, F(2), AY())));
    EXPECT_EQ(c.rangeY, (RangeChoices{1, 10, 20, false, 10, 20}));
    // A store that carries value X but does not store it shows "Don't store".
    applyDecoded(c, store(ev(Control, 1, AX(), AY()), 0, 2));
    EXPECT_EQ(c.storeX, 0);
    EXPECT_EQ(c.storeY, 2);
}

struct ViewCase {
    const char* what;
    RuleDialogChoices choices;
    std::function<void(const RuleDialogView&)> expect;
};

TEST(RuleDialogView, ShowsWhatTheChoicesNeed) {
    const std::vector<ViewCase> cases{
        {"the defaults", dialog(Filter),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading, "Filter the following MIDI event...");
             EXPECT_EQ(v.secondHeading, "");
             EXPECT_EQ(v.overwriteNote, "This setting will overwrite the previous setting #1");
             EXPECT_TRUE(v.rows[0].shown);
             EXPECT_EQ(v.rows[0].lastType, int(AllEvents));
             EXPECT_TRUE(v.rows[0].channel);
             EXPECT_EQ(v.rows[0].first.caption, "Note:");
             EXPECT_EQ(v.rows[0].first.list, ValueList::Notes);
             EXPECT_EQ(v.rows[0].second.caption, "Velocity:");
             EXPECT_EQ(v.rows[0].second.list, ValueList::NoteOnVelocities);
             EXPECT_FALSE(v.rows[1].shown);
             EXPECT_FALSE(v.x.choice);
             EXPECT_TRUE(v.y.choice);
             EXPECT_EQ(v.y.rangeItems, (std::vector<std::string>{"Filter all values of Y",
                                                                 "Filter range of value Y:"}));
             EXPECT_FALSE(v.y.lowHigh);
             EXPECT_TRUE(v.processingChoice);
             EXPECT_EQ(v.frames, 1);
             EXPECT_FALSE(v.rangesUnderSecondRow);
         }},
        {"all events", dialog(Filter, [](auto& c) { in(c).type = AllEvents; }),
         [](const RuleDialogView& v) {
             EXPECT_FALSE(v.rows[0].channel);
             EXPECT_FALSE(v.rows[0].first.present);
             EXPECT_FALSE(v.y.choice);
             EXPECT_FALSE(v.processingChoice);
         }},
        {"a range of a control change",
         dialog(Filter,
                [](auto& c) {
                    set(in(c), Control, F(7), AY());
                    c.rangeY.rangeItem = 1;
                }),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.rows[0].first.caption, "");
             EXPECT_EQ(v.rows[0].first.list, ValueList::Controllers);
             EXPECT_EQ(v.rows[0].second.caption, "Value:");
             EXPECT_TRUE(v.y.lowHigh);
         }},
        {"an entered event and a song select",
         dialog(Map,
                [](auto& c) {
                    setSysex(in(c), "F0 43 XX F7");
                    set(mapOut(c), SongSel, AX());
                }),
         [](const RuleDialogView& v) {
             EXPECT_TRUE(v.rows[0].sysexField);
             EXPECT_FALSE(v.rows[0].channel);
             EXPECT_FALSE(v.rows[0].first.present);
             EXPECT_EQ(v.rows[1].group, EventGroup::MapOutput);
             EXPECT_FALSE(v.rows[1].channel);
             EXPECT_EQ(v.rows[1].first.caption, "Song #:");
             EXPECT_FALSE(v.rows[1].second.present);
             EXPECT_TRUE(v.x.choice);
             EXPECT_FALSE(v.y.choice);
         }},
        {"a map scaled on a selected range",
         dialog(Map,
                [](auto& c) {
                    set(in(c), NoteOn, AX(), AY());
                    set(mapOut(c), NoteOn, AY(), AX());
                    range(c.rangeX, 0, 100);
                    scale(c.rangeX, 100, 0);
                }),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading, "Map the following MIDI event...");
             EXPECT_EQ(v.secondHeading, "...to this MIDI event:");
             EXPECT_EQ(v.x.rangeItems,
                       (std::vector<std::string>{"Map all values of X",
                                                 "Select incoming value X range:"}));
             EXPECT_TRUE(v.x.scaleChoice);
             EXPECT_TRUE(v.x.outLowHigh);
             EXPECT_TRUE(v.x.negativeNote);
             EXPECT_FALSE(v.y.scaleChoice);  // all values of Y
             EXPECT_EQ(v.frames, 2);
             EXPECT_TRUE(v.rangesUnderSecondRow);
         }},
        {"a map whose outgoing event takes no value X",
         dialog(Map,
                [](auto& c) {
                    set(in(c), NoteOn, AX(), AY());
                    set(mapOut(c), NoteOn, F(1), AY());
                    range(c.rangeX, 0, 100);
                    scale(c.rangeX, 100, 0);
                }),
         [](const RuleDialogView& v) {
             EXPECT_TRUE(v.x.lowHigh);
             EXPECT_FALSE(v.x.scaleChoice);
             EXPECT_FALSE(v.x.outLowHigh);
         }},
        {"a trigger", dialog(Trigger),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading, "When value X and value Y of the following MIDI event... ");
             EXPECT_EQ(v.secondHeading,
                       "...move into the specified range, trigger the following MIDI event:");
             EXPECT_EQ(v.rows[0].lastType, int(SongSel));
             EXPECT_EQ(v.rows[1].group, EventGroup::TriggerOutput);
             EXPECT_EQ(v.rows[1].lastType, int(Clock));
             EXPECT_EQ(v.y.rangeItems,
                       (std::vector<std::string>{"All incoming values of Y",
                                                 "Specify incoming value Y range:"}));
             EXPECT_TRUE(v.processingChoice);
         }},
        {"a sequence to the next step", dialog(Sequence),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading, "When the following MIDI event is received...");
             EXPECT_TRUE(v.sequenceControls);
             EXPECT_TRUE(v.endBehaviour);
             EXPECT_EQ(v.endCaption, "When the last step of the sequence is reached:");
             EXPECT_EQ(v.endItems, (std::vector<std::string>{"loop back to the first step",
                                                             "remain at the last step"}));
             EXPECT_EQ(v.stepNote, "(step #1 sends setting #2, step #2 sends setting #3)");
             EXPECT_FALSE(v.processingChoice);
             EXPECT_EQ(v.frames, 2);
         }},
        {"a sequence to the previous step",
         dialog(Sequence,
                [](auto& c) {
                    c.sequence = {3, 2, 5, SequenceJump::PreviousStep, 1, SequenceEnd::Remain};
                }),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.endCaption, "When the first step of the sequence is reached:");
             EXPECT_EQ(v.endItems, (std::vector<std::string>{"loop back to the last step",
                                                             "remain at the first step"}));
             EXPECT_EQ(v.stepNote,
                       "(step #1 sends settings #3 - 4, step #2 sends settings #5 - 6, etc.)");
         }},
        {"a sequence to a step",
         dialog(Sequence, [](auto& c) { c.sequence.jump = SequenceJump::Step; }),
         [](const RuleDialogView& v) { EXPECT_FALSE(v.endBehaviour); }},
        {"a sequence event on the same channel",
         dialog(StoredEvent,
                [](auto& c) {
                    c.settingNumber = 5;
                    set(stored(c), NoteOn, F(60), AY(), kSameChannel);
                    c.rangeY.rangeItem = 1;
                }),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading, "Store the following MIDI Event in Setting #5:");
             EXPECT_EQ(v.rows[0].group, EventGroup::SequenceEvent);
             EXPECT_FALSE(v.x.choice);
             EXPECT_TRUE(v.y.choice);
             EXPECT_EQ(v.y.rangeItems,
                       (std::vector<std::string>{"Scale value Y to outgoing range:"}));
             EXPECT_EQ(v.y.shownItem, 0);
             EXPECT_TRUE(v.y.lowHigh);
             EXPECT_EQ(v.sequenceEventNote,
                       "Value Y and MIDI channel are obtained from incoming MIDI event. Negative "
                       "ranges are allowed.");
             EXPECT_TRUE(v.processingChoice);
             EXPECT_EQ(v.frames, 1);
         }},
        {"an on/off setting", dialog(Switch),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading,
                       "When value X and value Y of the following MIDI event are in the range "
                       "specified below...");
             EXPECT_TRUE(v.switchControls);
             EXPECT_FALSE(v.processingChoice);
             EXPECT_EQ(v.frames, 1);
         }},
        {"a store on a range",
         dialog(Store,
                [](auto& c) {
                    set(storeIn(c), NoteOn, AX(), AY());
                    range(c.rangeX, 1, 2);
                    scale(c.rangeX, 2, 1);
                    c.rangeY.rangeItem = 1;
                    c.storeY = 0;
                    c.rangeY.scale = true;
                }),
         [](const RuleDialogView& v) {
             EXPECT_EQ(v.firstHeading, "Store value X and value Y of the following MIDI event...");
             EXPECT_EQ(v.secondHeading, "...in the selected variables:");
             EXPECT_EQ(v.rows[0].group, EventGroup::StoreInput);
             EXPECT_TRUE(v.x.storeChoice);
             EXPECT_TRUE(v.x.scaleChoice);
             EXPECT_TRUE(v.x.outLowHigh);
             EXPECT_TRUE(v.y.storeChoice);
             EXPECT_TRUE(v.y.lowHigh);
             EXPECT_FALSE(v.y.scaleChoice);  // "Don't store value Y in a variable"
             EXPECT_FALSE(v.processingChoice);
         }},
        {"a store of all values",
         dialog(Store,
                [](auto& c) {
                    set(storeIn(c), Program, AX());
                    c.rangeX.scale = true;
                }),
         [](const RuleDialogView& v) {
             EXPECT_TRUE(v.x.storeChoice);
             EXPECT_FALSE(v.x.lowHigh);
             EXPECT_FALSE(v.x.scaleChoice);
             EXPECT_FALSE(v.y.storeChoice);
         }},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.expect(ruleDialogView(c.choices));
    }
}

TEST(RuleDialogTexts, SequenceEventNotes) {
    struct Case {
        ValueUse use;
        bool same;
        std::string note;
    };
    const std::vector<Case> cases{
        {{true, false, false},
         true,
         "Value X and MIDI channel are obtained from incoming MIDI event. Negative ranges are "
         "allowed."},
        {{true, true, false},
         true,
         "Value X, value Y, and MIDI channel are obtained from incoming MIDI event. Negative "
         "ranges are allowed."},
        {{false, false, false}, true, "MIDI channel is obtained from incoming MIDI event."},
        {{true, false, false},
         false,
         "Value X is obtained from incoming MIDI event. Negative ranges are allowed."},
        {{false, true, false},
         false,
         "Value Y is obtained from incoming MIDI event. Negative ranges are allowed."},
        {{true, true, false},
         false,
         "Value X and value Y are obtained from incoming MIDI event. Negative ranges are allowed."},
        {{false, false, false}, false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sequenceEventNote(c.use, c.same), c.note);
    }
}

TEST(RuleDialogTexts, ValueFieldsListTheUnitsVariables) {
    EXPECT_EQ(leadingItems(vantrelProfile(), EventGroup::Incoming, true).size(), 9u);
    EXPECT_EQ(leadingItems(sodrinProfile(), EventGroup::Incoming, false),
              (std::vector<std::string>{"value Y", "variable 1", "variable 2"}));
    EXPECT_EQ(leadingItems(sodrinProfile(), EventGroup::MapOutput, false),
              (std::vector<std::string>{"value X", "value Y", "variable 1", "variable 2"}));
    EXPECT_EQ(leadingItems(sodrinProfile(), EventGroup::TriggerOutput, true),
              (std::vector<std::string>{"variable 1", "variable 2"}));
    EXPECT_EQ(leadingItems(vantrelProfile(), EventGroup::StoreInput, true),
              (std::vector<std::string>{"value X"}));
    EXPECT_EQ(
        storeItems(sodrinProfile(), false),
        (std::vector<std::string>{"Don't store value Y in a variable",
                                  "Store value Y in variable 1", "Store value Y in variable 2"}));
    EXPECT_EQ(storeItems(vantrelProfile(), true).back(), "Store value X in variable 8");
    // Every item stands for one source, and each source for its item.
    for (const RuleProfile* profile : {&vantrelProfile(), &sodrinProfile()}) {
        for (const EventGroup group : {EventGroup::Incoming, EventGroup::MapOutput,
                                       EventGroup::TriggerOutput, EventGroup::StoreInput}) {
            const int items = static_cast<int>(leadingItems(*profile, group, true).size()) + 128;
            for (int i = 0; i < items; ++i) {
                EXPECT_EQ(
                    itemOfSource(*profile, group, true, sourceOfItem(*profile, group, true, i)), i);
            }
        }
    }
    EXPECT_EQ(sourceOfItem(sodrinProfile(), EventGroup::TriggerOutput, true, 2), F(0));
    EXPECT_EQ(noteOnVelocityItems()[127], "127");
    EXPECT_EQ(channelItems(EventGroup::StoreInput).back(), "all");
    EXPECT_EQ(channelItems(EventGroup::SequenceEvent).back(), "same");
    EXPECT_EQ(channelItems(EventGroup::SequenceEvent).size(), 17u);
    EXPECT_EQ(settingNumberItems(sodrinProfile()).back(), "10");
    EXPECT_EQ(jumpItems().size(), 33u);
    EXPECT_EQ(jumpItems()[2], "step #1");
}

TEST(RuleDialogTexts, TheControllerListWithTheRuleUnitsChanges) {
    const std::vector<std::string>& shared = controllerItems();
    const std::vector<std::string>& items = valueListItems(ValueList::Controllers);
    ASSERT_EQ(items.size(), 128u);
    EXPECT_EQ(items[7], "7 - Channel Volume ");
    EXPECT_EQ(items[75], "75 - Sound Controller 6 (default: Decay Time)");
    EXPECT_EQ(items[79], "79 - Sound Controller 10 (default undefined)");
    EXPECT_EQ(items[91], "91 - Effects 1 Depth (default: Reverb Send Level)");
    EXPECT_EQ(items[93], "93 - Effects 3 Depth (default: Chorus Send Level)");
    EXPECT_EQ(items[124], "124 - Omni Mode Off (+ all notes off)");
    EXPECT_EQ(items[127], "127 - Poly Mode On (+ mono off + all notes off)");
    std::vector<int> changed;
    for (int n = 0; n < 128; ++n) {
        if (items[static_cast<std::size_t>(n)] != shared[static_cast<std::size_t>(n)]) {
            changed.push_back(n);
        }
    }
    EXPECT_EQ(changed, (std::vector<int>{7, 75, 76, 77, 78, 79, 91, 93, 124, 125, 126, 127}));
    EXPECT_EQ(valueListItems(ValueList::Notes)[60], "60  - middle C");
    EXPECT_EQ(valueListItems(ValueList::NoteOnVelocities)[0], "0 (Note-off)");
    EXPECT_EQ(valueListItems(ValueList::Numbers)[0], "0");
}

}  // namespace
}  // namespace corlinth
