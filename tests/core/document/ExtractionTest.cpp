#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/Extraction.h"

namespace corlinth {
namespace {

struct Extracted {
    std::string bytes;
    bool systemExclusive;
    bool blankBefore;
    std::size_t line;
};

std::vector<Extracted> extractAll(const std::vector<std::string>& lines,
                                  std::size_t* byteCount = nullptr) {
    MessageExtractor extractor(lines);
    extractor.setLineCursor(0);
    std::vector<Extracted> out;
    while (extractor.getmtext()) {
        out.push_back({hexLine(extractor.currentMessage()), extractor.isSystemExclusive(),
                       extractor.blankLineSeen(), extractor.messageLine()});
        EXPECT_LT(out.size(), 1000u);
    }
    EXPECT_TRUE(extractor.atEnd());
    if (byteCount)
        *byteCount = extractor.byteCount();
    return out;
}

TEST(Extraction, SystemExclusiveGetsItsLengthInFileForm) {
    const auto messages = extractAll({"F0 00 00 50 04 00 01 00 F7"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].bytes, "F0 08 00 00 50 04 00 01 00 F7");
    EXPECT_TRUE(messages[0].systemExclusive);
}

TEST(Extraction, ShortMessagesStandAsWritten) {
    const auto messages = extractAll({"B0 07 00"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].bytes, "B0 07 00");
    EXPECT_FALSE(messages[0].systemExclusive);
}

TEST(Extraction, SkipsCommentsAndBlankLinesAndNotesThem) {
    const std::vector<std::string> document{
        "{ free comment }",
        "F0 00 00 50 04 02 40 7F 00 F7",
        "( Control Change comment )",
        "[ bracket ]",
        "",
        "",
        "f0 00 00 50 04 00 f7 { trailing comment 12 34 }",
        "B0 07 00",
        "",
        "90 3C 40",
        "{ end }",
    };
    std::size_t count = 0;
    const auto messages = extractAll(document, &count);
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].bytes, "F0 09 00 00 50 04 02 40 7F 00 F7");
    EXPECT_FALSE(messages[0].blankBefore);
    EXPECT_EQ(messages[0].line, 1u);
    EXPECT_EQ(messages[1].bytes, "F0 06 00 00 50 04 00 F7");
    EXPECT_TRUE(messages[1].blankBefore);
    EXPECT_TRUE(messages[1].systemExclusive);
    EXPECT_EQ(messages[1].line, 6u);
    EXPECT_EQ(messages[2].bytes, "B0 07 00");
    EXPECT_FALSE(messages[2].blankBefore);
    EXPECT_EQ(messages[3].bytes, "90 3C 40");
    EXPECT_TRUE(messages[3].blankBefore);
    // 10 + 7 + 3 + 3 bytes, and one length byte for each of the two System Exclusive messages.
    EXPECT_EQ(count, 10u + 7u + 3u + 3u + 2u);
}

TEST(Extraction, ALeadingSpaceDoesNotCostTheLength) {
    const auto messages = extractAll({" F0 00 00 50 04 00 F7"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].bytes, "F0 06 00 00 50 04 00 F7");
    EXPECT_TRUE(messages[0].systemExclusive);
}

TEST(Extraction, DocumentWithoutMessagesEndsAtOnce) {
    EXPECT_TRUE(extractAll({}).empty());
    EXPECT_TRUE(extractAll({"{ only }", "", "( comments )", "", ""}).empty());
}

TEST(Extraction, TwentyEmptyLinesEndTheDocument) {
    std::vector<std::string> nineteen{"B0 07 00"};
    nineteen.insert(nineteen.end(), 19, "");
    nineteen.push_back("90 3C 40");
    EXPECT_EQ(extractAll(nineteen).size(), 2u);

    std::vector<std::string> twenty{"B0 07 00"};
    twenty.insert(twenty.end(), 20, "");
    twenty.push_back("90 3C 40");
    EXPECT_EQ(extractAll(twenty).size(), 1u);

    // A comment in between starts the count of empty lines afresh.
    std::vector<std::string> split{"B0 07 00"};
    split.insert(split.end(), 15, "");
    split.push_back("{ note }");
    split.insert(split.end(), 15, "");
    split.push_back("90 3C 40");
    EXPECT_EQ(extractAll(split).size(), 2u);
}

TEST(Extraction, LongLinesTakeTheTwoByteLength) {
    std::string line = "F0";
    for (int i = 0; i < 128; ++i)
        line += " 01";  // 129 bytes in all
    std::size_t count = 0;
    const auto messages = extractAll({line}, &count);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].bytes.substr(0, 8), "F0 81 00");
    EXPECT_EQ(count, 129u + 2u);
}

TEST(Extraction, CursorCanRestartAPass) {
    const std::vector<std::string> document{"B0 07 00", "", "90 3C 40"};
    MessageExtractor extractor(document);
    ASSERT_TRUE(extractor.getmtext());
    ASSERT_TRUE(extractor.getmtext());
    EXPECT_FALSE(extractor.getmtext());
    extractor.setLineCursor(0);
    ASSERT_TRUE(extractor.getmtext());
    EXPECT_EQ(hexLine(extractor.currentMessage()), "B0 07 00");
}

}  // namespace
}  // namespace corlinth
