#include <gtest/gtest.h>

#include "core/app/ClickHintRewrite.h"
#include "core/document/RtfReader.h"
#include "core/document/RtfWriter.h"

namespace corlinth {
namespace {

TEST(ClickHintRewrite, ReplacesExactlyElevenCharactersLeftToRight) {
    struct Row {
        const char* line;
        const char* expected;
    };
    const Row rows[] = {
        {"{ Sustain on  (right-click to edit) }", "{ Sustain on  (control-click to edit) }"},
        {"Right-click to edit", "Control-click to edit"},
        {"right-clickRight-click", "control-clickControl-click"},
        {"right-right-click", "right-control-click"},
        {"Right-clicks", "Control-clicks"},
        {"RIGHT-CLICK right-clic right click", "RIGHT-CLICK right-clic right click"},
        {"xright-click", "xcontrol-click"},
        {"", ""},
        {"caf\xC3\xA9 right-click", "caf\xC3\xA9 control-click"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(rewriteClickHints(row.line), row.expected) << row.line;
    }
}

TEST(ClickHintRewrite, KeepsTheBoldRunsAndFindsAHintAcrossTwoRuns) {
    RichLine line;
    line.append("F0 00 00 50 04 F7 ", true);
    line.append("Right-", true);
    line.append("click here, right-click", false);
    const RichLine rewritten = rewriteClickHints(line);
    ASSERT_EQ(rewritten.runs.size(), 2u);
    EXPECT_EQ(rewritten.runs[0], (TextRun{"F0 00 00 50 04 F7 Control-click", true}));
    EXPECT_EQ(rewritten.runs[1], (TextRun{" here, control-click", false}));
}

TEST(ClickHintRewrite, RewritesADocumentOnlyWhenItSaysRightClick) {
    RichDocument document;
    document.lines.resize(3);
    document.lines[0].append("F0 00 00 50 04 01 00 F7", true);
    document.lines[1].append("{ Device parameters  (right-click to edit) }", false);
    const std::string rtf = writeRtf(document, "Tahoma", 9);

    const auto rewritten = rewriteClickHintsInDocument(rtf, FontSpec{"Arial", 10});
    ASSERT_TRUE(rewritten.has_value());
    const DocumentReading reading = readRtf(*rewritten);
    ASSERT_EQ(reading.document.lines.size(), 3u);
    EXPECT_EQ(reading.document.lines[0], document.lines[0]);
    EXPECT_EQ(reading.document.lines[1].text(), "{ Device parameters  (control-click to edit) }");
    EXPECT_NE(rewritten->find("Arial"), std::string::npos);

    // Nothing to rewrite, or a document that breaks off: the file stays as shipped.
    EXPECT_FALSE(rewriteClickHintsInDocument(*rewritten, FontSpec{"Arial", 10}).has_value());
    EXPECT_FALSE(
        rewriteClickHintsInDocument("{\\rtf1 right-click {\\b", FontSpec{"Arial", 10}).has_value());
}

}  // namespace
}  // namespace corlinth
