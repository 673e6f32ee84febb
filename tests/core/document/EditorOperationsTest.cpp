#include <gtest/gtest.h>

#include "core/document/EditorOperations.h"
#include "core/document/EditorProfile.h"
#include "core/products/TextCatalogue.h"

namespace corlinth {
namespace {

using Lines = std::vector<std::string>;
constexpr std::string_view kHint = "(right-click to edit) }";

SettingHandover setting(std::string message, std::string comment, std::string second = "") {
    SettingHandover s;
    s.messageLine = std::move(message);
    s.secondLine = std::move(second);
    s.comment = {std::move(comment), "", ""};
    return s;
}

const SettingHandover kNew = setting("F0 00 00 50 04 05 F7", "{ new }");

struct InsertCase {
    const char* name;
    Lines before;
    std::size_t anchor;
    Lines after;
    std::size_t caret;
};

void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class InsertTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(InsertTest, PutsTheSettingAtTheNextEmptyLine) {
    const InsertCase& c = GetParam();
    const EditPlan plan = planInsert(c.before, c.anchor, kNew, kHint);
    Lines lines = c.before;
    applyEdits(lines, plan.edits);
    EXPECT_EQ(lines, c.after);
    EXPECT_EQ(plan.caretLine, c.caret);
}

const std::string kNewComment = "{ new  (right-click to edit) }";

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertTest,
    ::testing::Values(
        InsertCase{"EmptyDocument", {""}, 0, {"F0 00 00 50 04 05 F7", kNewComment, ""}, 2},
        InsertCase{"NoLinesAtAll", {}, 0, {"F0 00 00 50 04 05 F7", kNewComment, ""}, 2},
        InsertCase{"AfterTheLastSetting",
                   {"A", "{ a }", ""},
                   2,
                   {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, ""},
                   5},
        InsertCase{"TextWithoutFinalLineBreak",
                   {"A", "{ a }"},
                   1,
                   {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, ""},
                   5},
        InsertCase{"CaretOnFirstLineOfASettingGoesBeforeIt",
                   {"A", "{ a }", "", "B", "{ b }", ""},
                   3,
                   {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, "", "B", "{ b }", ""},
                   5},
        InsertCase{"CaretOnItsCommentGoesAfterIt",
                   {"A", "{ a }", "", "B", "{ b }", ""},
                   4,
                   {"A", "{ a }", "", "B", "{ b }", "", "F0 00 00 50 04 05 F7", kNewComment, ""},
                   8},
        InsertCase{"CaretOnTheFirstLineOfTheDocument",
                   {"A", "{ a }", ""},
                   0,
                   {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, ""},
                   5},
        InsertCase{"EmptyFirstLine",
                   {"", "A", "{ a }", ""},
                   0,
                   {"F0 00 00 50 04 05 F7", kNewComment, "", "A", "{ a }", ""},
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Insert, WritesBoldMessageLinesAndThePlainCommentWithTheHint) {
    SettingHandover twoLine = setting("F0 00 00 50 04 06 01 F7", "", "F0 41 10 F7");
    twoLine.comment = {"{ Program the Pirrow to generate ", "F0 41 10 F7", " }"};
    const EditPlan plan = planInsert({""}, 0, twoLine, "(control-click to edit) }");
    std::vector<RichLine> lines{RichLine{}};
    applyEdits(lines, plan.edits);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].runs, (std::vector<TextRun>{{"F0 00 00 50 04 06 01 F7", true}}));
    EXPECT_EQ(lines[1].runs, (std::vector<TextRun>{{"F0 41 10 F7", true}}));
    EXPECT_EQ(
        lines[2].runs,
        (std::vector<TextRun>{
            {"{ Program the Pirrow to generate F0 41 10 F7  (control-click to edit) }", false}}));
    EXPECT_TRUE(lines[3].runs.empty());
}

TEST(Insert, CommentPartsWithoutClosingBraceStayAsTheyAre) {
    SettingHandover s = setting("F0 00 00 50 04 05 F7", "{ open");
    s.comment[1] = " middle";
    s.comment[2] = " end }";
    EXPECT_EQ(commentWithHint(s, kHint), "{ open middle end  (right-click to edit) }");
    s.comment = {"{ no brace", " at all", ""};
    EXPECT_EQ(commentWithHint(s, kHint), "{ no brace at all");
    s.comment = {"{ a }", "{ b }", ""};  // each part on its own
    EXPECT_EQ(commentWithHint(s, kHint),
              "{ a  (right-click to edit) }{ b  (right-click to edit) }");
}

struct ReplaceCase {
    const char* name;
    Lines before;
    EditedSetting edited;
    Lines after;
    std::size_t caret;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, PutsTheNewSettingInPlaceOfTheOld) {
    const ReplaceCase& c = GetParam();
    const EditPlan plan = planReplace(c.before, c.edited, kNew, kHint);
    Lines lines = c.before;
    applyEdits(lines, plan.edits);
    EXPECT_EQ(lines, c.after);
    EXPECT_EQ(plan.caretLine, c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTest,
    ::testing::Values(
        ReplaceCase{"Middle",
                    {"A", "{ a }", "", "B", "{ b }", "", "C", "{ c }", ""},
                    {3, std::nullopt, false},
                    {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, "", "C", "{ c }", ""},
                    5},
        ReplaceCase{"FirstLineLeavesNoBlankLinesOnTop",
                    {"A", "{ a }", "", "B", "{ b }", ""},
                    {0, std::nullopt, false},
                    {"F0 00 00 50 04 05 F7", kNewComment, "", "B", "{ b }", ""},
                    2},
        ReplaceCase{"TwoLineSetting",
                    {"A", "{ a }", "", "F0 00 00 50 04 06 01 F7", "F0 41 F7", "{ s }", "", "C"},
                    {3, std::nullopt, false},
                    {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, "", "C", ""},
                    5},
        ReplaceCase{"LastSettingWithoutBlankLine",
                    {"A", "{ a }", "", "B", "{ b }"},
                    {3, std::nullopt, false},
                    {"A", "{ a }", "", "F0 00 00 50 04 05 F7", kNewComment, ""},
                    5},
        ReplaceCase{"SettingWithoutComment",
                    {"", "B", "", "C"},
                    {1, std::nullopt, false},
                    {"F0 00 00 50 04 05 F7", kNewComment, "", "C", ""},
                    2},
        ReplaceCase{"RuleEntryWithEventLines",
                    {"R", "B0 07 00", "B0 08 00", "{ r }", "", "S", "{ s }", ""},
                    {0, 2, true},
                    {"F0 00 00 50 04 05 F7", kNewComment, "", "S", "{ s }", ""},
                    2},
        ReplaceCase{"RuleEntryFurtherDown",
                    {"X", "{ x }", "", "R", "B0 07 00", "{ r }", ""},
                    {3, 1, true},
                    {"X", "{ x }", "", "F0 00 00 50 04 05 F7", kNewComment, ""},
                    5}),
    [](const auto& info) { return std::string(info.param.name); });

// A catalogue that edits every setting of device 04 except command 08.
class TestCatalogue : public TextCatalogue {
  public:
    std::string_view dialogFor(const Bytes& line) const override {
        if (line.size() > 5 && line[4] == 0x04 && line[5] != 0x08)
            return "TPirrowNoteOn";
        return {};
    }
    std::span<const SettingMenuItem> settingMenu() const override { return {}; }
};

class RuleTestCatalogue : public TestCatalogue {
  public:
    int eventLineCount(const Bytes& line) const override {
        return line.size() > 5 && line[5] == 0x02 ? 2 : 1;
    }
    std::string_view dialogFor(const Bytes& line) const override {
        return line.size() > 4 && line[4] == 0x29 ? "TVantrelSetting" : "";
    }
};

struct FindCase {
    const char* name;
    const char* product;
    Lines lines;
    std::size_t caret;
    bool found;
    bool blankBefore;
    std::size_t first;
    std::size_t count;
    const char* secondLine;
    bool editable;
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << c.name;
}

class FindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTest, FindsTheSettingUnderTheCaret) {
    const FindCase& c = GetParam();
    const EditorProfile* profile = editorProfile(c.product);
    ASSERT_NE(profile, nullptr);
    TestCatalogue catalogue;
    const auto find = findSettingForEdit(c.lines, c.caret, *profile, &catalogue);
    ASSERT_EQ(find.has_value(), c.found);
    if (!find)
        return;
    EXPECT_EQ(find->insertBlankLineBefore, c.blankBefore);
    EXPECT_EQ(find->firstLine, c.first);
    EXPECT_EQ(find->lineCount, c.count);
    EXPECT_EQ(find->parsed.secondLine, c.secondLine);
    EXPECT_EQ(!find->dialog.empty(), c.editable);
}

const Lines kTwoSettings{"F0 00 00 50 04 01 3C 40 00 F7", "{ one }", "",
                         "F0 00 00 50 04 02 40 7F 00 F7", "{ two }", ""};

INSTANTIATE_TEST_SUITE_P(
    Cases, FindTest,
    ::testing::Values(
        FindCase{"OnTheSettingLine", "Pirrow", kTwoSettings, 3, true, false, 3, 2, "xx", true},
        FindCase{"OnItsComment", "Pirrow", kTwoSettings, 4, true, false, 3, 2, "xx", true},
        FindCase{"BlankLineBetweenTwoEditsTheUpperOne",
                 "Pirrow",
                 {"{ c }", "F0 00 00 50 04 01 3C 40 00 F7", "", "F0 00 00 50 04 05 F7"},
                 2,
                 true,
                 true,
                 2,
                 1,
                 "xx",
                 true},
        FindCase{"FirstLineSeesOnlyItself",
                 "Pirrow",
                 {"{ c }", "F0 00 00 50 04 05 F7"},
                 0,
                 false,
                 false,
                 0,
                 0,
                 "xx",
                 false},
        FindCase{"SearchCoversTwiceTheCaretLine",
                 "Pirrow",
                 {"{ a }", "{ b }", "", "", "", "F0 00 00 50 04 05 F7"},
                 2,
                 false,
                 false,
                 0,
                 0,
                 "xx",
                 false},
        FindCase{"FarEnoughBelow",
                 "Pirrow",
                 {"{ a }", "{ b }", "", "", "F0 00 00 50 04 05 F7"},
                 2,
                 true,
                 false,
                 4,
                 1,
                 "xx",
                 true},
        FindCase{"TwoLineSettingKeepsItsSecondLine",
                 "Pirrow",
                 {"", "F0 00 00 50 04 06 01 F7", "F0 41 10 F7", "{ sysex }", ""},
                 2,
                 true,
                 false,
                 1,
                 3,
                 "F0 41 10 F7",
                 true},
        FindCase{"OtherCommandIsNotEditable",
                 "Pirrow",
                 {"F0 00 00 50 04 08 F7", "{ x }"},
                 1,
                 true,
                 false,
                 0,
                 2,
                 "xx",
                 false},
        FindCase{"KeltoClearAllLineShowsNothing",
                 "Kelto",
                 {"F0 00 00 50 24 00 00 F7", "{ Kelto Clear All Settings }", ""},
                 0,
                 false,
                 false,
                 0,
                 0,
                 "xx",
                 false},
        FindCase{"StrayneLineInAKeltoDocument",
                 "Kelto",
                 {"F0 00 00 50 14 00 00 F7", "{ Strayne Clear All Settings }", ""},
                 0,
                 true,
                 false,
                 0,
                 2,
                 "xx",
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindForEdit, RuleEntriesTakeTheirEventLines) {
    RuleTestCatalogue catalogue;
    const EditorProfile& vantrel = *editorProfile("Vantrel");
    const Lines doc{"F0 00 00 50 29 00 F7",
                    "{ clear }",
                    "",
                    "F0 00 00 50 29 02 00 01 03 00 7F 03 03 7F 00 F7",
                    "B0 01 00",
                    "B0 0D 00",
                    "{ map }",
                    ""};
    const auto find = findSettingForEdit(doc, 5, vantrel, &catalogue);
    ASSERT_TRUE(find);
    EXPECT_EQ(find->firstLine, 3u);
    EXPECT_EQ(find->lineCount, 4u);
    EXPECT_EQ(find->parsed.eventLines, (Lines{"B0 01 00", "B0 0D 00"}));
    EXPECT_EQ(hexLine(find->parsed.eventBytes[1]), "B0 0D 00");
    EXPECT_EQ(find->dialog, "TVantrelSetting");
    EXPECT_FALSE(findSettingForEdit(doc, 0, vantrel, &catalogue));  // the clear-all line
}

TEST(EditorProfile, InitialDocuments) {
    EXPECT_EQ(initialDocumentLines(*editorProfile("Pirrow"), kHint),
              (Lines{"F0 00 00 50 04 00 01 00 F7",
                     "{ Program Echo to ON so that messages received at the MIDI In are echoed to "
                     "the MIDI Out, Toggle OFF for normal depress and release operation, Auto "
                     "Polarity to ON to determine the polarity of the footswitch on power-up, and "
                     "send nothing on power-up  (right-click to edit) }",
                     ""}));
    EXPECT_EQ(initialDocumentLines(*editorProfile("Kelto"), kHint),
              (Lines{"F0 00 00 50 24 00 00 F7", "{ Kelto Clear All Settings }", ""}));
    EXPECT_EQ(initialDocumentLines(*editorProfile("Sodrin"), kHint)[1],
              "{ Clear All Settings - allow all MIDI events not specified below to pass through "
              "unchanged }");
    EXPECT_EQ(initialDocumentLines(*editorProfile("Gavrel"), kHint), (Lines{""}));
    EXPECT_EQ(editorProfile("Daskin"), nullptr);
    EXPECT_EQ(editorProfile("Vantrel")->exportDelayMs, 10);
    EXPECT_EQ(editorProfile("Sodrin")->exportDelayMs, 1000);
}

}  // namespace
}  // namespace corlinth
