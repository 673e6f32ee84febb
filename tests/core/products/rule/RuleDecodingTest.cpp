#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "RuleBuilders.h"
#include "core/document/Extraction.h"
#include "core/document/SettingLine.h"
#include "core/products/TextCatalogue.h"
#include "core/products/rule/RuleCatalogue.h"
#include "core/products/rule/RuleDecoder.h"
#include "core/products/rule/RuleEncoder.h"

namespace corlinth {
namespace {

using namespace rulebuild;

// An entry as the editor hands it over: the message line and up to two event lines, each
// converted by the ordinary line parser (so placeholders become arbitrary bytes).
ParsedSetting entry(const std::string& message, const std::vector<std::string>& events = {}) {
    ParsedSetting e;
    e.bytes = parseLine(message);
    for (const std::string& line : events) {
        e.eventLines.push_back(line);
        e.eventBytes.push_back(parseLine(line));
    }
    return e;
}

Bytes bytes(const std::string& line) {
    return parseLine(line);
}

// The command bytes the dialog edits and the number of event lines of every known header,
// written out as lists rather than computed.
const std::set<int> kEditable = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x09, 0x0A, 0x0B, 0x0D, 0x0F, 0x11, 0x12, 0x13,
    0x14, 0x15, 0x16, 0x17, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1F, 0x21, 0x22, 0x23, 0x24, 0x26,
    0x27, 0x29, 0x2A, 0x2B, 0x2F, 0x31, 0x32, 0x33, 0x34, 0x36, 0x37, 0x39, 0x3A, 0x3B, 0x3F,
    0x45, 0x4D, 0x55, 0x5D, 0x62, 0x63, 0x6A, 0x6B, 0x72, 0x73, 0x7A, 0x7B};
const std::set<int> kOneLine = {0x01, 0x11, 0x09, 0x19, 0x04, 0x14, 0x0C, 0x1C, 0x05,
                                0x15, 0x0D, 0x1D, 0x06, 0x16, 0x07, 0x17, 0x0F, 0x1F,
                                0x21, 0x31, 0x29, 0x39, 0x24, 0x34, 0x2C, 0x3C, 0x45,
                                0x55, 0x4D, 0x5D, 0x26, 0x36, 0x27, 0x37, 0x2F, 0x3F};
const std::set<int> kTwoLines = {0x02, 0x03, 0x0A, 0x0B, 0x12, 0x13, 0x1A, 0x1B,
                                 0x22, 0x23, 0x2A, 0x2B, 0x32, 0x33, 0x3A, 0x3B,
                                 0x62, 0x63, 0x6A, 0x6B, 0x72, 0x73, 0x7A, 0x7B};

class RuleHeaders : public ::testing::TestWithParam<const RuleProfile*> {};

TEST_P(RuleHeaders, EveryCommandByteHasItsEventLinesAndEditability) {
    const RuleProfile& profile = *GetParam();
    const RuleProfile& other = &profile == &vantrelProfile() ? sodrinProfile() : vantrelProfile();
    for (int command = 0; command < 256; ++command) {
        SCOPED_TRACE(command);
        const Bytes mine{0xF0, 0x00, 0x00, 0x50, profile.deviceId, Byte(command), 0x00, 0xF7};
        const Bytes theirs{0xF0, 0x00, 0x00, 0x50, other.deviceId, Byte(command), 0x00, 0xF7};
        const int lines = kOneLine.count(command) ? 1 : kTwoLines.count(command) ? 2 : 0;
        EXPECT_EQ(ruleEventLineCount(profile, mine), lines);
        EXPECT_EQ(verifyselection(profile, mine), kEditable.count(command) == 1);
        EXPECT_EQ(ruleEventLineCount(profile, theirs), 0);
        EXPECT_FALSE(verifyselection(profile, theirs));
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, RuleHeaders,
                         ::testing::Values(&vantrelProfile(), &sodrinProfile()),
                         [](const auto& info) { return std::string(info.param->productName); });

TEST(RuleDecoding, OnlyEntriesTheDialogCanShowAreEditable) {
    struct Case {
        const RuleProfile* profile;
        const char* line;
        bool editable;
    };
    const std::vector<Case> cases{
        {&vantrelProfile(), "F0 00 00 50 29 00 F7", false},  // clear all settings
        {&vantrelProfile(), "{ Setting #1: Filter all incoming MIDI events }", false},
        {&vantrelProfile(), "F0 00 00 50 28 01 00 7F F7", false},  // a Sodrin message
        {&vantrelProfile(), "F0 00 00 50 29 01 00 7F F7", true},
        {&vantrelProfile(), "F0 00 00 50 29 01 1F 7F F7", true},  // setting #32
        // Setting #33 and above are blank sequence steps the dialog cannot address; editing one
        // would move it to whatever number the dialog last showed.
        {&vantrelProfile(), "F0 00 00 50 29 05 20 F7", false},
        {&vantrelProfile(), "F0 00 00 50 29 01", false},  // no setting byte
        {&vantrelProfile(), "F0 00 00 51 29 01 00 7F F7", false},
        {&sodrinProfile(), "F0 00 00 50 28 01 09 7F F7", true},  // setting #10
        {&sodrinProfile(), "F0 00 00 50 28 01 0A 7F F7", false},
        {&sodrinProfile(), "F0 00 00 50 28 01 0B 7F F7", false},
        {&sodrinProfile(), "F0 00 00 50 29 01 00 7F F7", false},  // a Vantrel message
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(verifyselection(*c.profile, bytes(c.line)), c.editable);
        EXPECT_EQ(decodeRule(*c.profile, entry(c.line)).has_value(), c.editable);
    }
}

struct DecodeCase {
    const char* what;
    std::string message;
    std::vector<std::string> events;
    RuleSetting expected;
};

void expectDecoded(const RuleProfile& profile, const std::vector<DecodeCase>& cases) {
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<RuleSetting> decoded = decodeRule(profile, entry(c.message, c.events));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(*decoded, canonical(c.expected));
        EXPECT_EQ(canonical(c.expected), c.expected) << "the case is written in canonical form";
    }
}

TEST(RuleDecoding, ShowsRangesAsTheDialogDoes) {
    expectDecoded(vantrelProfile(),
                  {
                      {"a scaled map keeps its full incoming range selected",
                       "F0 00 00 50 29 02 00 01 03 00 7F 03 03 7F 00 F7",
                       {"B0 01 00", "B0 0D 00"},
                       map(ev(Control, 1, F(1), RY(0, 127)), ev(Control, 1, F(13), RY(127, 0)))},
                      {"a full incoming range is all values",
                       "F0 00 00 50 29 01 00 00 02 00 7F F7",
                       {"C0 00"},
                       filter(ev(Program, 1, AX()))},
                      {"a map onto the same range leaves the value unchanged",
                       "F0 00 00 50 29 02 00 01 03 0A 14 03 03 0A 14 F7",
                       {"B0 01 00", "B0 02 00"},
                       map(ev(Control, 1, F(1), RY(10, 20)), ev(Control, 1, F(2), AY()))},
                      {"a map of all values onto all values",
                       "F0 00 00 50 29 02 00 01 03 00 7F 03 02 00 7F F7",
                       {"B0 01 00", "B0 00 05"},
                       map(ev(Control, 1, F(1), AY()), ev(Control, 1, AY(), F(5)))},
                      {"a store of all values",
                       "F0 00 00 50 29 07 00 00 02 00 7F 02 01 00 7F F7",
                       {"C3 00"},
                       store(ev(Program, 4, AX()), 2, 0)},
                      {"a store onto the same range leaves the value unchanged",
                       "F0 00 00 50 29 07 00 00 02 05 06 02 01 05 06 F7",
                       {"C3 00"},
                       store(ev(Program, 4, RX(5, 6)), 2, 0)},
                      {"a sequence event keeps its ranges as entered",
                       "F0 00 00 50 29 05 00 02 03 00 7F 03 02 7F 00 F7",
                       {"B0 00 00"},
                       sequenceEvent(ev(Control, 1, RY(127, 0), RX(0, 127)))},
                  });
}

TEST(RuleDecoding, RewritesPlaceholdersOfSystemExclusiveEventLines) {
    expectDecoded(
        vantrelProfile(),
        {
            {"a store from a System Exclusive event",
             "F0 00 00 50 29 07 00 00 04 00 7F 02 00 00 7F F7",
             {"F0 43 10 XX F7"},
             store(sx("F0 43 10 XX F7"), 1, 0)},
            {"value and variable placeholders of a map",
             "F0 00 00 50 29 02 00 00 03 01 02 01 04 00 7F 02 04 01 02 03 03 00 7F F7",
             {"F0 43 XX YY F7", "F0 41 YY XX F7"},
             map(sx("F0 43 XX YY F7", R(1, 2)), sx("F0 41 YY XX F7"))},
            {"variables of a trigger",
             "F0 00 00 50 29 03 00 00 04 00 7F 11 03 00 00 20 03 00 00 F7",
             {"F0 43 V2 XX F7", "F0 41 V1 F7"},
             trigger(sx("F0 43 V2 XX F7"), sx("F0 41 V1 F7"))},
            // Whatever a hand-edited line holds at a placeholder's place, the message decides.
            {"the message decides what a byte stands for",
             "F0 00 00 50 29 01 00 01 02 03 04 F7",
             {"F0 12 34 F7"},
             filter(sx("F0 YY 34 F7", {}, R(3, 4)))},
            {"neither the first nor the last byte is a placeholder",
             "F0 00 00 50 29 01 00 00 01 00 7F 01 04 00 7F F7",
             {"F0 12 34 F7"},
             filter(sx("F0 12 34 F7"))},
        });
}

TEST(RuleDecoding, CommandBytesAndPrefixes) {
    RuleSetting sequenceDefaults = sequence(ev(Control, 1, F(1), F(2)), 2, 1, 2);
    expectDecoded(
        vantrelProfile(),
        {
            {"all channels in and the same channel out",
             "F0 00 00 50 29 62 00 F7",
             {"95 01 02", "83 03 04"},
             map(ev(NoteOn, kAllChannels, F(1), F(2)), ev(NoteOff, kSameChannel, F(3), F(4)))},
            {"powers up off and stops",
             "F0 00 00 50 29 1B 1F F7",
             {"F3 05", "FB"},
             trigger(ev(SongSel, F(5)), ev(Continue)).number(32).off().stop()},
            // Store has no "stop" of its own: the flag of a hand-written 0F is not kept.
            {"Store with the stop bit",
             "F0 00 00 50 29 0F 00 00 02 00 7F 02 00 00 7F F7",
             {"D0 00"},
             store(ev(Pressure, 1, AX()), 1, 0)},
            {"a sequence that powers up off with the stop bit",
             "F0 00 00 50 29 1C 00 1F 1F 1F 7C F7",
             {"FC"},
             sequence(ev(Stop), 32, 31, 31, SequenceJump::PreviousStep, SequenceEnd::Remain).off()},
            {"a jump to a step",
             "F0 00 00 50 29 04 00 00 02 03 1F F7",
             {"F8"},
             sequence(ev(Clock), 1, 2, 3, SequenceJump::Step, SequenceEnd::Loop, 31)},
            {"the next step, remaining",
             "F0 00 00 50 29 04 00 00 02 03 7D F7",
             {"FA"},
             sequence(ev(Start), 1, 2, 3, SequenceJump::NextStep, SequenceEnd::Remain)},
            {"the previous step, looping",
             "F0 00 00 50 29 04 00 00 02 03 7E F7",
             {"F2 01 02"},
             sequence(ev(SongPos, F(1), F(2)), 1, 2, 3, SequenceJump::PreviousStep)},
            {"sequence numbers out of range keep the defaults",
             "F0 00 00 50 29 04 00 20 00 01 20 F7",
             {"B0 01 02"},
             sequenceDefaults},
            {"no action, then On",
             "F0 00 00 50 29 06 00 01 00 00 02 00 7F F7",
             {"C0 00"},
             onOff(ev(Program, 1, AX()), 1, NoAction, On)},
            {"no action, then Off",
             "F0 00 00 50 29 06 00 02 01 00 02 00 7F F7",
             {"C0 00"},
             onOff(ev(Program, 1, AX()), 2, NoAction, Off)},
            {"On, then no action",
             "F0 00 00 50 29 06 00 04 02 00 02 00 7F F7",
             {"C0 00"},
             onOff(ev(Program, 1, AX()), 3, On, NoAction)},
            {"On, then Off",
             "F0 00 00 50 29 06 00 06 1F 00 02 00 7F F7",
             {"C0 00"},
             onOff(ev(Program, 1, AX()), 32, On, Off)},
            {"Off, then no action",
             "F0 00 00 50 29 36 00 08 04 00 02 00 7F F7",
             {"C0 00"},
             onOff(ev(Program, kAllChannels, AX()), 5, Off, NoAction).off()},
            {"an unknown action and target keep the defaults",
             "F0 00 00 50 29 06 00 03 20 00 02 00 7F F7",
             {"C0 00"},
             onOff(ev(Program, 1, AX()), 1, On, Off)},
            {"filter all incoming events",
             "F0 00 00 50 29 11 00 7F F7",
             {},
             filter(ev(AllEvents)).off()},
        });
}

TEST(RuleDecoding, SodrinKnowsTwoVariables) {
    expectDecoded(
        sodrinProfile(),
        {
            {"variables 1 and 2",
             "F0 00 00 50 28 02 09 10 02 00 00 21 03 00 00 F7",
             {"A0 00 05", "A0 06 00"},
             map(ev(KeyPressure, 1, V(1), F(5)), ev(KeyPressure, 1, F(6), V(2))).number(10)},
            {"a third variable is none of Sodrin's",
             "F0 00 00 50 28 01 00 12 02 00 00 F7",
             {"C0 05"},
             filter(ev(Program, 1, F(5)))},
            {"nor is storing in it",
             "F0 00 00 50 28 07 00 00 02 00 7F 02 02 00 7F F7",
             {"C0 00"},
             store(ev(Program, 1, AX()), 0, 0)},
            {"the store function by its low bits",
             "F0 00 00 50 28 1F 00 01 03 00 7F 03 00 14 7F F7",
             {"B0 02 00"},
             store(ev(Control, 1, F(2), RY(0, 127)), 0, 1, {}, R(20, 127)).off()},
        });
    expectDecoded(vantrelProfile(), {{"variable 8",
                                      "F0 00 00 50 29 01 00 17 02 00 00 F7",
                                      {"C0 05"},
                                      filter(ev(Program, 1, V(8)))}});
}

TEST(RuleDecoding, ToleratesDamagedEntries) {
    expectDecoded(vantrelProfile(),
                  {
                      {"no event line keeps the default event",
                       "F0 00 00 50 29 01 00 00 02 00 7F F7",
                       {},
                       filter(EventSpec{})},
                      {"an unknown status keeps the default event",
                       "F0 00 00 50 29 01 00 F7",
                       {"F1 00"},
                       filter(EventSpec{})},
                      {"missing data bytes read as 0",
                       "F0 00 00 50 29 01 00 F7",
                       {"B3"},
                       filter(ev(Control, 4, F(0), F(0)))},
                      {"data bytes above 127 read as 127",
                       "F0 00 00 50 29 01 00 F7",
                       {"B3 80 FF"},
                       filter(ev(Control, 4, F(127), F(127)))},
                      {"a truncated quadruple is not read",
                       "F0 00 00 50 29 01 00 00 02 00 F7",
                       {"B3 01 02"},
                       filter(ev(Control, 4, F(1), F(2)))},
                      {"a quadruple holding a status byte ends them",
                       "F0 00 00 50 29 01 00 01 03 80 7F F7",
                       {"B3 01 02"},
                       filter(ev(Control, 4, F(1), F(2)))},
                      {"quadruples beyond the function's space are not read",
                       "F0 00 00 50 29 01 00 10 02 00 00 11 03 00 00 00 02 00 7F F7",
                       {"B3 01 02"},
                       filter(ev(Control, 4, V(1), V(2)))},
                      {"an incoming value stands only in its own byte",
                       "F0 00 00 50 29 01 00 00 03 00 7F F7",
                       {"B3 01 02"},
                       filter(ev(Control, 4, F(1), F(2)))},
                      {"a message of its header only",
                       "F0 00 00 50 29 02 00",
                       {},
                       map(EventSpec{}, EventSpec{})},
                  });
}

TEST(RuleSending, PlaceholdersGoOutAsZero) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"F0 43 10 XX F7", "F0 43 10 00 F7"},
        {"F0 V1 YY F7 { comment 12 }", "F0 00 00 F7"},
        {"f0 43 xx v2 f7", "F0 43 00 00 F7"},
        {"90 3C 00", "90 3C 00"},
        {"F0 00 00 50 29 07 00 00 04 00 7F 02 00 00 7F F7",
         "F0 00 00 50 29 07 00 00 04 00 7F 02 00 00 7F F7"},
        {"GG gg", "00 FF"},
    };
    for (const auto& [line, sent] : cases) {
        EXPECT_EQ(hexLine(ruleBytesForSending(line)), sent) << line;
    }
}

TEST(RuleSending, TheExtractorSendsEntriesWithTheCataloguesReading) {
    const TextCatalogue* catalogue = textCatalogue("Vantrel");
    ASSERT_NE(catalogue, nullptr);
    const std::vector<std::string> document{
        "F0 00 00 50 29 00 F7",
        "{ Clear All Settings - allow all MIDI events not specified below to pass through "
        "unchanged }",
        "",
        "F0 00 00 50 29 07 00 00 04 00 7F 02 00 00 7F F7",
        "F0 43 10 XX F7",
        "{ Setting #1: With the incoming System Exclusive event F0 43 10 XX F7 ... }",
    };
    MessageExtractor extractor(
        document, [&](std::string_view line) { return catalogue->bytesForSending(line); });
    std::vector<std::string> sent;
    while (extractor.getmtext()) {
        sent.push_back(hexLine(toWireForm(extractor.currentMessage())));
    }
    EXPECT_EQ(sent, (std::vector<std::string>{"F0 00 00 50 29 00 F7",
                                              "F0 00 00 50 29 07 00 00 04 00 7F 02 00 00 7F F7",
                                              "F0 43 10 00 F7"}));
}

TEST(RuleCatalogue, RegisteredForBothUnits) {
    for (const RuleProfile* profile : {&vantrelProfile(), &sodrinProfile()}) {
        const TextCatalogue* catalogue = textCatalogue(profile->productName);
        ASSERT_NE(catalogue, nullptr);
        ASSERT_EQ(catalogue->settingMenu().size(), 1u);
        EXPECT_EQ(catalogue->settingMenu()[0].caption, "Generate Setting...");
        EXPECT_EQ(catalogue->settingMenu()[0].dialog, profile->settingWindow);
        const RuleLines lines =
            encodeRule(*profile, map(ev(NoteOn, 1, AX(), AY()), ev(NoteOn, 2, AX(), AY())));
        EXPECT_EQ(catalogue->dialogFor(bytes(lines.messageLine)), profile->settingWindow);
        EXPECT_EQ(catalogue->eventLineCount(bytes(lines.messageLine)), 2);
        const Bytes clearAll{0xF0, 0x00, 0x00, 0x50, profile->deviceId, 0x00, 0xF7};
        EXPECT_EQ(catalogue->dialogFor(clearAll), "");
        EXPECT_EQ(catalogue->eventLineCount(clearAll), 0);
    }
    EXPECT_EQ(textCatalogue("Vantrel")->dialogFor(bytes("F0 00 00 50 28 01 00 7F F7")), "");
}

}  // namespace
}  // namespace corlinth
