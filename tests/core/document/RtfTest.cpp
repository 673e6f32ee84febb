#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/document/RtfReader.h"
#include "core/document/RtfWriter.h"

namespace corlinth {
namespace {

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(CORLINTH_TEST_DATA_DIR) + "/rtf/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

RichLine line(std::initializer_list<TextRun> runs) {
    return RichLine{runs};
}

std::vector<bool> boldLines(const RichDocument& doc) {
    std::vector<bool> out;
    for (const RichLine& l : doc.lines) {
        bool allBold = !l.runs.empty();
        for (const TextRun& r : l.runs)
            allBold = allBold && r.bold;
        out.push_back(allBold);
    }
    return out;
}

TEST(Rtf, WrittenThenReadGivesTheSameLinesAndBoldRuns) {
    RichDocument doc;
    doc.lines = {
        line({{"F0 00 00 50 04 00 01 00 F7", true}}),
        line({{"{ Program Echo \\ {braces} \ttab  (right-click to edit) }", false}}),
        line({}),
        line({{"F0 00 00 50 04 06 00 F7", true}}),
        line({{"F0 41 10 F7", true}}),
        line({{"{ caf\xC3\xA9 \xE2\x82\xAC \xE2\x86\x92 \xF0\x9F\x8E\xB9 ", false},
              {"bold", true},
              {" plain 12", false}}),
        line({{" leading space", false}}),
        line({{"12", true}, {"34", false}}),
        line({}),
    };
    const std::string rtf = writeRtf(doc, "Tahoma", 9);
    const DocumentReading back = readDocumentFile(rtf);
    EXPECT_TRUE(back.wasRtf);
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.document, doc);
}

TEST(Rtf, WriterUsesTheClassicLayout) {
    RichDocument doc;
    doc.lines = {line({{"F0 00 00 50 04 00 01 00 F7", true}}), line({{"{ caf\xC3\xA9 }", false}}),
                 line({})};
    EXPECT_EQ(writeRtf(doc, "Tahoma", 9),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\r\n"
              "\\viewkind4\\uc1\\pard\\f0\\fs18 \\b F0 00 00 50 04 00 01 00 F7\\b0\\par\r\n"
              "\\{ caf\\'e9 \\}\\par\r\n"
              "}\r\n");
    EXPECT_NE(writeRtf(doc, "Arial", 10).find("Arial;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 "),
              std::string::npos);
}

TEST(Rtf, ReadsClassicRichEditFiles) {
    const DocumentReading reading = readDocumentFile(fixture("richedit.rtf"));
    ASSERT_TRUE(reading.complete);
    const std::vector<std::string> expected{
        "F0 00 00 50 04 00 01 00 F7",
        "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI Out"
        "  (right-click to edit) }",
        "",
        "F0 00 00 50 04 02 40 7F 00 F7",
        "{ Send Control Change #64 with value 127 on MIDI channel 1 \xE2\x80\x93 caf\xC3\xA9 "
        "\xE2\x82\xAC  (right-click to edit) }",
        "",
        "{ a free comment in another font }",
        "B0 07 00\t",
        "",
    };
    EXPECT_EQ(reading.document.plainLines(), expected);
    EXPECT_EQ(boldLines(reading.document),
              (std::vector<bool>{true, false, false, true, false, false, false, false, false}));
    EXPECT_EQ(reading.document.lines[7].runs[0], (TextRun{"B0 07 00", true}));
}

TEST(Rtf, ReadsLibreOfficeWriterFiles) {
    const DocumentReading reading = readDocumentFile(fixture("libreoffice-writer.rtf"));
    ASSERT_TRUE(reading.complete);
    // LibreOffice's own plain-text export of the same file is the reference for the text.
    std::vector<std::string> expected;
    std::stringstream text(fixture("libreoffice-writer.expected.txt"));
    for (std::string l; std::getline(text, l);)
        expected.push_back(l);
    expected.push_back("");  // the text ends with a line break
    EXPECT_EQ(reading.document.plainLines(), expected);
    EXPECT_EQ(boldLines(reading.document),
              (std::vector<bool>{true, false, false, true, true, false, false, false}));
}

struct FragmentCase {
    const char* name;
    const char* rtf;
    std::vector<std::string> lines;
    bool complete;
};

void PrintTo(const FragmentCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfFragmentTest : public ::testing::TestWithParam<FragmentCase> {};

TEST_P(RtfFragmentTest, ReadsToTheExpectedLines) {
    const DocumentReading reading = readRtf(GetParam().rtf);
    EXPECT_EQ(reading.document.plainLines(), GetParam().lines);
    EXPECT_EQ(reading.complete, GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfFragmentTest,
    ::testing::Values(
        FragmentCase{"UnicodeSkipsItsFallback",
                     "{\\rtf1 a\\u8364?b\\uc2\\u8364??c\\uc0\\u233 d}",
                     {"a\xE2\x82\xAC"
                      "b\xE2\x82\xAC"
                      "c\xC3\xA9"
                      "d"},
                     true},
        FragmentCase{"UnicodeFallbackIsHexEscape", "{\\rtf1 \\u233\\'e9x}", {"\xC3\xA9x"}, true},
        FragmentCase{"NegativeUnicode", "{\\rtf1 \\u-4064?}", {"\xEF\x80\xA0"}, true},
        FragmentCase{"SurrogatePair", "{\\rtf1 \\u-10180?\\u-8263?}", {"\xF0\x9F\x8E\xB9"}, true},
        FragmentCase{"LoneSurrogate", "{\\rtf1 \\u-10179?x}", {"\xEF\xBF\xBDx"}, true},
        FragmentCase{"UnknownDestinationsAreSkipped",
                     "{\\rtf1{\\*\\unknown hidden}{\\fonttbl{\\f0 Tahoma;}}{\\info{\\title T}}"
                     "{\\pict\\pngblip 89504e47}{\\stylesheet{\\s0 Normal;}}shown}",
                     {"shown"},
                     true},
        FragmentCase{"KnownControlWordsInside",
                     "{\\rtf1 a\\line b\\tab c\\par\\par d}",
                     {"a", "b\tc", "", "d"},
                     true},
        FragmentCase{"ControlSymbols",
                     "{\\rtf1 \\\\ \\{ \\} a\\~b\\-c}",
                     {"\\ { } a\xC2\xA0"
                      "bc"},
                     true},
        FragmentCase{"RawLineBreaksAreIgnored", "{\\rtf1 a\r\nb\nc}", {"abc"}, true},
        FragmentCase{"HiddenText", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", {"abd"}, true},
        FragmentCase{"BinaryData", "{\\rtf1 a{\\bin3 }}}b}}", {"ab"}, true},
        FragmentCase{"HugeBinaryLength", "{\\rtf1 a\\bin99999999999 b}", {"a"}, false},
        FragmentCase{"TruncatedText", "{\\rtf1 abc", {"abc"}, false},
        FragmentCase{"TruncatedGroup", "{\\rtf1 abc{\\b de", {"abcde"}, false},
        FragmentCase{"TruncatedControlWord", "{\\rtf1 abc\\", {"abc"}, false},
        FragmentCase{"TruncatedHex", "{\\rtf1 abc\\'4", {"abc\x04"}, false},
        FragmentCase{"TruncatedUnicode", "{\\rtf1 abc\\u", {"abc"}, false},
        FragmentCase{"ExtraClosingBraces", "{\\rtf1 a}}}b", {"a"}, true},
        FragmentCase{"HugeParameter", "{\\rtf1 \\uc99999999999999999999 \\u65 xyz}", {"A"}, true},
        FragmentCase{"HugeNumberedWord", "{\\rtf1 \\fs-99999999999999999999 ok}", {"ok"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rtf, BoldFollowsGroupsAndPlain) {
    const DocumentReading reading = readRtf("{\\rtf1 a{\\b b}c\\b d\\plain e\\b1 f\\b0 g}");
    ASSERT_EQ(reading.document.lines.size(), 1u);
    EXPECT_EQ(reading.document.lines[0].runs, (std::vector<TextRun>{{"a", false},
                                                                    {"b", true},
                                                                    {"c", false},
                                                                    {"d", true},
                                                                    {"e", false},
                                                                    {"f", true},
                                                                    {"g", false}}));
}

TEST(Rtf, DeepNestingDoesNotExhaustTheStack) {
    std::string deep = "{\\rtf1 ";
    deep += std::string(200000, '{');
    deep += "x";
    const DocumentReading reading = readRtf(deep);
    EXPECT_EQ(reading.document.plainLines(), std::vector<std::string>{"x"});
    EXPECT_FALSE(reading.complete);
}

struct PlainCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(PlainText, SplitsAtEveryKindOfLineBreakAndGuessesTheEncoding) {
    for (const PlainCase& c : std::initializer_list<PlainCase>{
             {"CrLf", "F0 00 F7\r\n{ c }\r\n", {"F0 00 F7", "{ c }", ""}},
             {"Lf", "a\nb", {"a", "b"}},
             {"Cr", "a\rb\r", {"a", "b", ""}},
             {"Utf8", "caf\xC3\xA9", {"caf\xC3\xA9"}},
             {"Utf8Bom",
              "\xEF\xBB\xBF"
              "a",
              {"a"}},
             {"Cp1252", "caf\xE9 \x80", {"caf\xC3\xA9 \xE2\x82\xAC"}},
             {"Empty", "", {""}},
             {"NotQuiteRtf", "{\\rt1 x}", {"{\\rt1 x}"}}}) {
        const DocumentReading reading = readDocumentFile(c.bytes);
        EXPECT_FALSE(reading.wasRtf) << c.name;
        EXPECT_EQ(reading.document.plainLines(), c.lines) << c.name;
    }
}

}  // namespace
}  // namespace corlinth
