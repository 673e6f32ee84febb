#include <gtest/gtest.h>

#include "core/document/Extraction.h"
#include "core/document/SettingLine.h"

namespace corlinth {
namespace {

struct ParseCase {
    const char* line;
    const char* bytes;  // as written by hexLine
};

TEST(SettingLine, ParsesLinesByTheDigitPairRule) {
    for (const ParseCase& c : std::initializer_list<ParseCase>{
             {"F0 00 00 50 04 F7 { text }", "F0 00 00 50 04 F7"},
             {"F0 00 00 50 04 F7{ text }", "F0 00 00 50 04 F7"},
             {"F0 00 00 50 04 F7 (text 12)", "F0 00 00 50 04 F7"},
             {"B0 07 00 [12 34]", "B0 07 00"},
             {"ABC", "AB BC"},
             {"A", ""},
             {"A B C", ""},
             {"", ""},
             {"f0 00 00 50 04 00 f7", "F0 00 00 50 04 00 F7"},
             {"GG gg", "00 FF"},
             {"zz ~~ !!", "FF FF 00"},
             {"  90 3C 40  ", "90 3C 40"},
             {"90\t3C", "90 00 03 3C"},  // a tab is not a separator, so it pairs by the rule
             {"{ F0 00 }", ""},
             {"9\xC3\xA9", "9F"},  // a non-ASCII character counts once
         }) {
        EXPECT_EQ(hexLine(parseLine(c.line)), c.bytes) << '"' << c.line << '"';
    }
}

TEST(SettingLine, DigitValuesClampIntoRange) {
    struct DigitCase {
        char32_t c;
        int value;
    };
    for (const DigitCase& c : std::initializer_list<DigitCase>{{U'0', 0},
                                                               {U'9', 9},
                                                               {U'A', 10},
                                                               {U'F', 15},
                                                               {U'a', 10},
                                                               {U'f', 15},
                                                               {U'G', 0},
                                                               {U'g', 15},
                                                               {U' ', 0},
                                                               {U':', 3},
                                                               {U'@', 9},
                                                               {U'Z', 3},
                                                               {U'`', 9},
                                                               {U'z', 15},
                                                               {0xE9, 15}}) {
        EXPECT_EQ(hexDigitValue(c.c), c.value) << static_cast<int>(c.c);
    }
}

TEST(SettingLine, LineKinds) {
    EXPECT_EQ(lineKind(""), LineKind::Blank);
    EXPECT_EQ(lineKind("{ comment }"), LineKind::Comment);
    EXPECT_EQ(lineKind("( comment )"), LineKind::Comment);
    EXPECT_EQ(lineKind("[ comment ]"), LineKind::Comment);
    EXPECT_EQ(lineKind(" { not a comment"), LineKind::Message);
    EXPECT_EQ(lineKind("B0 07 00"), LineKind::Message);
    EXPECT_TRUE(isSettingLine("F0 00 00 50 04 00 01 00 F7"));
    EXPECT_FALSE(isSettingLine("f0 00 00 50 04 00 01 00 F7"));
    EXPECT_FALSE(isSettingLine("F0 00 00 51 04"));
    EXPECT_TRUE(isSystemExclusiveLine("f0 7e"));
    EXPECT_FALSE(isSystemExclusiveLine("F 0"));
}

TEST(FileForm, LengthAfterTheLeadingF0) {
    Bytes line129(129, 0x01);
    line129.front() = 0xF0;
    const Bytes form129 = toFileForm(line129);
    EXPECT_EQ(form129[1], 0x81);
    EXPECT_EQ(form129[2], 0x00);
    EXPECT_EQ(form129.size(), 131u);

    Bytes line128(128, 0x01);
    line128.front() = 0xF0;
    EXPECT_EQ(toFileForm(line128)[1], 0x7F);
    EXPECT_EQ(toFileForm(line128).size(), 129u);

    Bytes line256(256, 0x01);
    line256.front() = 0xF0;
    EXPECT_EQ(toFileForm(line256)[1], 0x81);
    EXPECT_EQ(toFileForm(line256)[2], 0x7F);

    // Beyond 256 bytes the length simply gets the longer variable-length quantity it needs.
    Bytes line300(300, 0x01);
    line300.front() = 0xF0;
    const Bytes form300 = toFileForm(line300);
    EXPECT_EQ(form300[1], 0x82);
    EXPECT_EQ(form300[2], 0x2B);  // 299 = 2 * 128 + 43
    EXPECT_EQ(toWireForm(form300), line300);

    Bytes line20000(20000, 0x01);
    line20000.front() = 0xF0;
    const Bytes form20000 = toFileForm(line20000);
    EXPECT_EQ(hexLine(Bytes(form20000.begin(), form20000.begin() + 4)), "F0 81 9C 1F");
    EXPECT_EQ(toWireForm(form20000), line20000);

    // An F0 inside the line is data, not the start of another message.
    EXPECT_EQ(hexLine(toFileForm({0xF0, 0x01, 0xF0, 0xF7})), "F0 03 01 F0 F7");
    EXPECT_EQ(hexLine(toFileForm({0xB0, 0x07, 0x00})), "B0 07 00");
    EXPECT_EQ(hexLine(toWireForm({0xF0, 0x03, 0x01, 0x02, 0xF7})), "F0 01 02 F7");
    EXPECT_EQ(hexLine(toWireForm({0x90, 0x3C, 0x40})), "90 3C 40");
}

}  // namespace
}  // namespace corlinth
