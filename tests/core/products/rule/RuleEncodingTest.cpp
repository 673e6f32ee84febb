#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RuleBuilders.h"
#include "core/document/SettingLine.h"
#include "core/products/rule/RuleDecoder.h"
#include "core/products/rule/RuleEncoder.h"

namespace corlinth {
namespace {

using namespace rulebuild;

// The same lines for the other unit: its device ID in the fifth byte.
std::string forUnit(const RuleProfile& profile, std::string line) {
    if (line.starts_with("F0 00 00 50 29")) {
        line.replace(12, 2, hexByte(profile.deviceId));
    }
    return line;
}

struct LinesCase {
    const char* what;
    RuleSetting setting;
    const char* message;
    const char* firstEvent;
    const char* secondEvent;
};

// The settings of the example documents shipped with the program.
const std::vector<LinesCase>& examples() {
    static const std::vector<LinesCase> cases{
        {"filter Control Change #7 on channel 1", filter(ev(Control, 1, F(7), AY())),
         "F0 00 00 50 29 01 00 01 03 00 7F F7", "B0 07 00", ""},
        {"filter all incoming events", filter(ev(AllEvents)), "F0 00 00 50 29 01 00 7F F7", "", ""},
        {"filter Program Change matching variable 1", filter(ev(Program, 1, V(1))),
         "F0 00 00 50 29 01 00 10 02 00 00 F7", "C0 00", ""},
        {"map Note-On #60 of velocities 1..127 to a fixed System Exclusive event",
         map(ev(NoteOn, 1, F(60), RY(1, 127)), sx("F0 7F 7F 06 02 F7")),
         "F0 00 00 50 29 02 00 01 03 01 7F F7", "90 3C 00", "F0 7F 7F 06 02 F7"},
        {"map Control Change #1 to #13 scaled to 127..0",
         map(ev(Control, 1, F(1), RY(0, 127)), ev(Control, 1, F(13), RY(127, 0))).number(2),
         "F0 00 00 50 29 02 01 01 03 00 7F 03 03 7F 00 F7", "B0 01 00", "B0 0D 00"},
        {"map Note-On #0..115 to Note-On, note scaled to 12..127",
         map(ev(NoteOn, 1, RX(0, 115), AY()), ev(NoteOn, 1, RX(12, 127), AY())),
         "F0 00 00 50 29 02 00 00 02 00 73 01 03 00 7F 02 02 0C 7F 03 03 00 7F F7", "90 00 00",
         "90 00 00"},
        {"map Note-On with the velocity from variable 1",
         map(ev(NoteOn, 1, AX(), RY(1, 127)), ev(NoteOn, 1, AX(), V(1))).number(2),
         "F0 00 00 50 29 02 01 00 02 00 7F 01 03 01 7F 02 02 00 7F 20 03 00 00 F7", "90 00 00",
         "90 00 00"},
        {"trigger Note-On #60 when Control Change #7 moves into 101..127",
         trigger(ev(Control, 1, F(7), RY(101, 127)), ev(NoteOn, 1, F(60), F(64))),
         "F0 00 00 50 29 03 00 01 03 65 7F F7", "B0 07 00", "90 3C 40"},
        {"sequence from setting #31, 25 steps, next step, remain at the last",
         sequence(ev(Control, 1, RX(1, 24), RY(0, 63)), 31, 1, 25, SequenceJump::NextStep,
                  SequenceEnd::Remain),
         "F0 00 00 50 29 04 00 1E 01 19 7D 00 02 01 18 01 03 00 3F F7", "B0 00 00", ""},
        {"sequence event Note-On #30 on channel 10, velocity from value Y scaled to 1..127",
         sequenceEvent(ev(NoteOn, 10, F(30), RY(1, 127))).number(2),
         "F0 00 00 50 29 05 01 03 03 01 7F F7", "99 1E 00", ""},
        {"turn setting #5 Off while Control Change #1 is in 0..10, otherwise On",
         onOff(ev(Control, 1, F(1), RY(0, 10)), 5, Off, On),
         "F0 00 00 50 29 06 00 09 04 01 03 00 0A F7", "B0 01 00", ""},
        {"store Control Change #2 scaled to 20..127 in variable 1",
         store(ev(Control, 1, F(2), RY(0, 127)), 0, 1, {}, R(20, 127)),
         "F0 00 00 50 29 07 00 01 03 00 7F 03 00 14 7F F7", "B0 02 00", ""},
        {"map Control Change #1..4 to Control Change #64 value 0, then stop",
         map(ev(Control, 1, RX(1, 4), AY()), ev(Control, 1, F(64), F(0))).number(5).stop(),
         "F0 00 00 50 29 0A 04 00 02 01 04 01 03 00 7F F7", "B0 00 00", "B0 40 00"},
    };
    return cases;
}

class RuleExamples : public ::testing::TestWithParam<const RuleProfile*> {};

TEST_P(RuleExamples, EncodeToTheirLinesAndDecodeBack) {
    const RuleProfile& profile = *GetParam();
    for (const LinesCase& c : examples()) {
        SCOPED_TRACE(c.what);
        const RuleLines lines = encodeRule(profile, c.setting);
        EXPECT_EQ(lines.messageLine, forUnit(profile, c.message));
        EXPECT_EQ(lines.firstEventLine, c.firstEvent);
        EXPECT_EQ(lines.secondEventLine, c.secondEvent);
        EXPECT_EQ(canonical(c.setting), c.setting) << "the case is written in canonical form";
        const std::optional<RuleSetting> decoded = decodeRule(profile, entryOf(lines));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, c.setting);
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, RuleExamples,
                         ::testing::Values(&vantrelProfile(), &sodrinProfile()),
                         [](const auto& info) { return std::string(info.param->productName); });

TEST(RuleEncoding, FlagsChannelsPrefixesAndRanges) {
    const std::vector<LinesCase> cases{
        {"a map to the same channel takes the incoming channel",
         map(ev(NoteOn, 3, AX(), AY()), ev(NoteOn, 0, AX(), AY())),
         "F0 00 00 50 29 02 00 00 02 00 7F 01 03 00 7F 02 02 00 7F 03 03 00 7F F7", "92 00 00",
         "92 00 00"},
        {"from all channels to the same channel both flags stay",
         map(ev(NoteOn, 0, AX(), AY()), ev(NoteOn, 0, AX(), AY())),
         "F0 00 00 50 29 62 00 00 02 00 7F 01 03 00 7F 02 02 00 7F 03 03 00 7F F7", "90 00 00",
         "90 00 00"},
        {"a trigger on the same channel takes the incoming channel",
         trigger(ev(Control, 7, F(1), AY()), ev(Program, 0, F(4))),
         "F0 00 00 50 29 03 00 01 03 00 7F F7", "B6 01 00", "C6 04"},
        {"a trigger from all channels keeps the same channel",
         trigger(ev(Control, 0, F(1), AY()), ev(Program, 0, F(4))),
         "F0 00 00 50 29 63 00 01 03 00 7F F7", "B0 01 00", "C0 04"},
        {"a fixed controller and value need no quadruple", filter(ev(Control, 1, F(7), F(100))),
         "F0 00 00 50 29 01 00 F7", "B0 07 64", ""},
        {"a reversed incoming range is turned round", filter(ev(Control, 1, F(7), RY(90, 20))),
         "F0 00 00 50 29 01 00 01 03 14 5A F7", "B0 07 00", ""},
        {"powers up off and stops, as a map",
         map(ev(Control, 1, F(1), AY()), ev(Control, 1, F(2), AY())).off().stop(),
         "F0 00 00 50 29 1A 00 01 03 00 7F 03 03 00 7F F7", "B0 01 00", "B0 02 00"},
        {"a jump to step #5 ignores the end behaviour",
         sequence(ev(Control, 1, F(64), F(127)), 2, 1, 6, SequenceJump::Step, SequenceEnd::Remain,
                  5),
         "F0 00 00 50 29 04 00 01 01 06 05 F7", "B0 40 7F", ""},
        {"the previous step, looping",
         sequence(ev(Program, 1, AX()), 3, 2, 4, SequenceJump::PreviousStep),
         "F0 00 00 50 29 04 00 02 02 04 7E 00 02 00 7F F7", "C0 00", ""},
        {"the previous step, remaining",
         sequence(ev(Program, 1, AX()), 3, 2, 4, SequenceJump::PreviousStep, SequenceEnd::Remain),
         "F0 00 00 50 29 04 00 02 02 04 7C 00 02 00 7F F7", "C0 00", ""},
        {"the next step, looping, from all channels", sequence(ev(Program, 0, AX()), 3, 2, 4),
         "F0 00 00 50 29 24 00 02 02 04 7F 00 02 00 7F F7", "C0 00", ""},
        {"filter all events that powers up off; stop does not count",
         filter(ev(AllEvents)).off().stop(), "F0 00 00 50 29 11 00 7F F7", "", ""},
        {"stop does not count for a sequence", sequence(ev(Start), 2, 1, 2).stop(),
         "F0 00 00 50 29 04 00 01 01 02 7F F7", "FA", ""},
        {"a sequence event on the same channel", sequenceEvent(ev(NoteOn, 0, RX(0, 10), RY(10, 0))),
         "F0 00 00 50 29 45 00 02 02 00 0A 03 03 0A 00 F7", "90 00 00", ""},
        {"a sequence event may take value Y first and a variable",
         sequenceEvent(ev(Control, 2, RY(5, 6), V(8))).stop(),
         "F0 00 00 50 29 0D 00 03 02 05 06 27 03 00 00 F7", "B1 00 00", ""},
        {"a map may swap value X and value Y",
         map(ev(Bend, 1, AX(), AY()), ev(Bend, 1, AY(), AX())),
         "F0 00 00 50 29 02 00 00 02 00 7F 01 03 00 7F 02 03 00 7F 03 02 00 7F F7", "E0 00 00",
         "E0 00 00"},
        {"a map scales only on a selected incoming range",
         map(ev(Control, 1, F(1), AY()), ev(Control, 1, F(2), RY(127, 0))),
         "F0 00 00 50 29 02 00 01 03 00 7F 03 03 00 7F F7", "B0 01 00", "B0 02 00"},
        {"without scaling a map passes its incoming range on",
         map(ev(Control, 1, F(1), RY(20, 90)), ev(Control, 1, F(2), AY())),
         "F0 00 00 50 29 02 00 01 03 14 5A 03 03 14 5A F7", "B0 01 00", "B0 02 00"},
        {"incoming and outgoing variables",
         map(ev(KeyPressure, 1, V(2), AY()), ev(KeyPressure, 1, V(3), AY())),
         "F0 00 00 50 29 02 00 01 03 00 7F 03 03 00 7F 11 02 00 00 22 02 00 00 F7", "A0 00 00",
         "A0 00 00"},
        {"a trigger's outgoing variables", trigger(ev(SongSel, RX(0, 9)), ev(SongPos, V(1), V(2))),
         "F0 00 00 50 29 03 00 00 02 00 09 20 02 00 00 21 03 00 00 F7", "F3 00", "F2 00 00"},
        {"value placeholders in System Exclusive events",
         map(sx("F0 43 XX YY F7", R(1, 2)), sx("F0 41 YY XX F7")),
         "F0 00 00 50 29 02 00 00 03 01 02 01 04 00 7F 02 04 01 02 03 03 00 7F F7",
         "F0 43 XX YY F7", "F0 41 YY XX F7"},
        {"variable placeholders in System Exclusive events",
         trigger(sx("F0 43 V2 XX F7"), sx("F0 41 V1 F7")),
         "F0 00 00 50 29 03 00 00 04 00 7F 11 03 00 00 20 03 00 00 F7", "F0 43 V2 XX F7",
         "F0 41 V1 F7"},
        {"turn a setting on/off by value X and value Y",
         onOff(ev(Bend, 1, RX(0, 1), V(4)), 32, NoAction, Off),
         "F0 00 00 50 29 06 00 02 1F 00 02 00 01 13 03 00 00 F7", "E0 00 00", ""},
        {"store both values, one scaled",
         store(ev(Bend, 0, RX(3, 4), RY(5, 6)), 2, 8, R(4, 3), R(9, 9)).off(),
         "F0 00 00 50 29 37 00 00 02 03 04 01 03 05 06 02 01 04 03 03 07 09 09 F7", "E0 00 00", ""},
        {"a store from a System Exclusive event", store(sx("F0 43 10 XX F7"), 1, 0),
         "F0 00 00 50 29 07 00 00 04 00 7F 02 00 00 7F F7", "F0 43 10 XX F7", ""},
        {"a store scales only on a selected incoming range",
         store(ev(Pressure, 1, AX()), 3, 0, R(10, 20)),
         "F0 00 00 50 29 07 00 00 02 00 7F 02 02 00 7F F7", "D0 00", ""},
        {"events without values", trigger(ev(Control, 1, F(1), AY()), ev(Clock)),
         "F0 00 00 50 29 03 00 01 03 00 7F F7", "B0 01 00", "F8"},
    };
    for (const LinesCase& c : cases) {
        SCOPED_TRACE(c.what);
        const RuleLines lines = encodeRule(vantrelProfile(), c.setting);
        EXPECT_EQ(lines.messageLine, c.message);
        EXPECT_EQ(lines.firstEventLine, c.firstEvent);
        EXPECT_EQ(lines.secondEventLine, c.secondEvent);
        // Decoding and encoding again keeps every byte.
        const std::optional<RuleSetting> decoded = decodeRule(vantrelProfile(), entryOf(lines));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(encodeRule(vantrelProfile(), *decoded), lines);
    }
}

TEST(RuleEncoding, TheResolutionIsWhatTheDialogShowsAfterwards) {
    RuleSetting s = map(ev(NoteOn, 3, AX(), RY(90, 20)), ev(NoteOn, kSameChannel, AX(), AY()));
    resolveForEncoding(s);
    EXPECT_EQ(s.output.channel, 3);
    EXPECT_EQ(s.input.y.range, R(20, 90));
    // An outgoing range is a scale and may run downwards.
    RuleSetting scaled = map(ev(NoteOn, 3, AX(), RY(20, 90)), ev(NoteOn, 3, AX(), RY(90, 20)));
    resolveForEncoding(scaled);
    EXPECT_EQ(scaled.output.y.range, R(90, 20));
}

TEST(RuleEncoding, HandsTheEventLinesAndTheCommentToTheEditor) {
    const SettingHandover h = ruleHandover(
        vantrelProfile(), trigger(ev(Control, 1, F(7), RY(101, 127)), ev(NoteOn, 1, F(60), F(64))));
    EXPECT_EQ(h.messageLine, "F0 00 00 50 29 03 00 01 03 65 7F F7");
    EXPECT_EQ(h.secondLine, "B0 07 00");
    EXPECT_EQ(h.thirdLine, "90 3C 40");
    EXPECT_EQ(h.comment[0],
              "{ Setting #1: When the value of Control Change  #7 on MIDI channel 1 moves into the "
              "range 101 - 127, trigger a Note-On #60 of velocity 64 on MIDI channel 1. Continue "
              "to process settings }");
    EXPECT_EQ(h.comment[1], "");
    EXPECT_EQ(h.comment[2], "");

    const SettingHandover all = ruleHandover(sodrinProfile(), filter(ev(AllEvents)));
    EXPECT_EQ(all.messageLine, "F0 00 00 50 28 01 00 7F F7");
    EXPECT_EQ(all.secondLine, "");
    EXPECT_EQ(all.thirdLine, "");
}

}  // namespace
}  // namespace corlinth
