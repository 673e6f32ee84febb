#include <gtest/gtest.h>

#include "core/products/routing/RouteDocument.h"

namespace corlinth {
namespace {

const RouteSetting kNotes{1, 0, 0, 3, 60, 72};
const RouteSetting kController{3, 127, 127, 0, 123, 123};
const RouteSetting kSystem{8, 0, 0, 1, 0, 2};

// A document with settings at positions 0, 1 and 4 (slots 1, 2 and 5) and nothing to undo.
class RouteDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RouteFileContents contents;
        contents.byPriority[0] = kNotes;
        contents.byPriority[1] = kController;
        contents.byPriority[4] = kSystem;
        doc.load(contents);
    }

    std::array<int, 10> order() const { return doc.priorityOrder(); }

    RouteDocument doc;
};

TEST_F(RouteDocumentTest, EditAndUndoTwice) {
    doc.editSetting(4, kNotes);
    EXPECT_TRUE(doc.canUndo());
    EXPECT_TRUE(doc.settingsChanged());
    EXPECT_EQ(doc.undo(), 4);
    EXPECT_EQ(doc.settingAt(4), kSystem);
    EXPECT_EQ(doc.undo(), 4);  // the second Undo redoes the edit
    EXPECT_EQ(doc.settingAt(4), kNotes);
    EXPECT_EQ(doc.changePrompt(), "The settings have changed. Do you want to save the changes?");
}

TEST_F(RouteDocumentTest, MovesAndTheirUndo) {
    struct Drop {
        int from;
        int boundary;
        std::optional<int> to;
        std::array<int, 10> order;
    };
    for (const Drop& d : std::initializer_list<Drop>{
             {0, 3, 2, {2, 3, 1, 4, 5, 6, 7, 8, 9, 10}},
             {4, 0, 0, {5, 1, 2, 3, 4, 6, 7, 8, 9, 10}},
             {0, 10, 9, {2, 3, 4, 5, 6, 7, 8, 9, 10, 1}},
             {9, 0, 0, {10, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
             {5, 5, std::nullopt, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},  // the boundary above
             {5, 6, std::nullopt, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},  // the boundary below
         }) {
        SetUp();
        EXPECT_EQ(doc.dropRow(d.from, d.boundary), d.to) << d.from << " to " << d.boundary;
        EXPECT_EQ(order(), d.order) << d.from << " to " << d.boundary;
        if (!d.to) {
            EXPECT_FALSE(doc.settingsChanged());
            EXPECT_FALSE(doc.canUndo());
            continue;
        }
        EXPECT_EQ(doc.undo(), d.from);
        EXPECT_EQ(order(), (std::array<int, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(doc.undo(), *d.to);  // the second Undo repeats the move
        EXPECT_EQ(order(), d.order);
    }
}

TEST_F(RouteDocumentTest, SettingsMoveWithTheirRows) {
    ASSERT_TRUE(doc.dropRow(4, 0));
    EXPECT_EQ(doc.settingAt(0), kSystem);
    EXPECT_EQ(doc.slotAt(0), 5);
    EXPECT_EQ(doc.descriptionAt(1), "Note Range 60 - 72 on Channel 1: Routed to Both Outputs");
    // Saving writes the settings by their new priorities.
    const RouteFileContents contents = doc.fileContents();
    EXPECT_EQ(contents.byPriority[0], kSystem);
    EXPECT_EQ(contents.byPriority[1], kNotes);
    EXPECT_EQ(contents.byPriority[2], kController);
}

TEST_F(RouteDocumentTest, CutPasteAndTheClipboardText) {
    const std::string text = doc.cut(1);
    EXPECT_EQ(text, "Control Change Range 123 - 123 on All Channels: Routed to Neither Output");
    EXPECT_EQ(doc.descriptionAt(1), "- Empty -");
    EXPECT_EQ(doc.settingAt(1).outputChannel, 127);  // only the type went
    EXPECT_TRUE(doc.clipboardHoldsSetting());

    EXPECT_FALSE(doc.paste(7, "other text"));  // the clipboard changed since
    EXPECT_EQ(doc.settingAt(7).dataType, 0);
    EXPECT_TRUE(doc.paste(7, text));
    EXPECT_EQ(doc.settingAt(7), kController);
    EXPECT_EQ(doc.undo(), 7);
    EXPECT_EQ(doc.settingAt(7).dataType, 0);

    doc.commentsTextCopied();
    EXPECT_FALSE(doc.paste(7, text));
}

TEST_F(RouteDocumentTest, CopyAndTheTwoDeletes) {
    const std::string copied = doc.copy(0);
    EXPECT_FALSE(doc.settingsChanged());
    EXPECT_FALSE(doc.canUndo());

    // The Delete key leaves the clipboard and the remembered text alone.
    doc.deleteByKey(1);
    EXPECT_EQ(doc.settingAt(1).dataType, 0);
    EXPECT_TRUE(doc.paste(9, copied));
    EXPECT_EQ(doc.settingAt(9), kNotes);

    // The menu's Delete puts the deleted description on the clipboard, but what Paste
    // inserts is still the setting copied last.
    const std::string deleted = doc.deleteFromMenu(4);
    EXPECT_EQ(deleted, "Sysex, SPP, and SS Messages: Routed to Out1");
    EXPECT_FALSE(doc.paste(8, copied));
    EXPECT_TRUE(doc.paste(8, deleted));
    EXPECT_EQ(doc.settingAt(8), kNotes);
    EXPECT_EQ(doc.undo(), 8);
    EXPECT_EQ(doc.settingAt(8).dataType, 0);
}

TEST_F(RouteDocumentTest, CommentsUndoAndPrompts) {
    EXPECT_EQ(doc.changePrompt(), std::nullopt);
    doc.enterComments();
    doc.editComments("a");
    doc.editComments("ab");
    EXPECT_EQ(doc.changePrompt(), "The comments has changed. Do you want to save the changes?");
    EXPECT_EQ(doc.undo(), std::nullopt);
    EXPECT_EQ(doc.comments(), "a");
    doc.undo();
    EXPECT_EQ(doc.comments(), "ab");
    doc.undo();
    doc.editComments("ax");  // typing after an Undo goes back one keystroke on the next Undo
    doc.undo();
    EXPECT_EQ(doc.comments(), "a");

    doc.setIgnorePriority(true);  // no Undo, but a reason to save
    EXPECT_EQ(doc.lastChange(), RouteDocument::Change::CommentsChange);
    EXPECT_EQ(doc.changePrompt(), "The settings have changed. Do you want to save the changes?");

    doc.editComments("");
    doc.markSaved();
    EXPECT_EQ(doc.changePrompt(), std::nullopt);
    EXPECT_FALSE(doc.canUndo());
    EXPECT_TRUE(doc.ignorePriority());
}

TEST_F(RouteDocumentTest, SettingChangeClearsTheFlagChange) {
    doc.setIgnorePriority(true);
    EXPECT_TRUE(doc.priorityFlagChanged());
    doc.editSetting(2, kNotes);
    EXPECT_FALSE(doc.priorityFlagChanged());
    EXPECT_TRUE(doc.settingsChanged());
}

TEST_F(RouteDocumentTest, NewDocumentKeepsTheClipboard) {
    const std::string copied = doc.copy(0);
    doc.editSetting(3, kController);
    doc.clear();
    EXPECT_EQ(order(), (std::array<int, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    for (int position = 0; position < 10; ++position) {
        EXPECT_EQ(doc.descriptionAt(position), "- Empty -");
    }
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.settingsChanged());
    EXPECT_TRUE(doc.clipboardHoldsSetting());
    EXPECT_TRUE(doc.paste(0, copied));
}

TEST_F(RouteDocumentTest, SendingStepsRunFromPriorityTenToOne) {
    doc.setIgnorePriority(true);
    ASSERT_TRUE(doc.dropRow(0, 10));  // the note setting now has priority 10
    const std::vector<std::optional<Bytes>> steps = doc.sendingSteps();
    ASSERT_EQ(steps.size(), 11u);
    EXPECT_EQ(hexLine(*steps[0]), "F0 00 00 50 01 00 01 F7");
    EXPECT_EQ(hexLine(*steps[1]), "F0 00 00 50 01 02 00 00 3C 48 00 03 F7");
    for (int step = 2; step <= 6; ++step) {
        EXPECT_FALSE(steps[static_cast<std::size_t>(step)]) << step;
    }
    EXPECT_EQ(hexLine(*steps[7]), "F0 00 00 50 01 02 07 00 00 02 00 01 F7");  // position 3
    EXPECT_FALSE(steps[8]);
    EXPECT_FALSE(steps[9]);
    EXPECT_EQ(hexLine(*steps[10]), "F0 00 00 50 01 02 02 7F 7B 7B 7F 00 F7");  // position 0
}

TEST(RouteList, Geometry) {
    EXPECT_EQ(routelist::rowAt(0), 0);
    EXPECT_EQ(routelist::rowAt(12), 0);
    EXPECT_EQ(routelist::rowAt(13), 1);
    EXPECT_EQ(routelist::rowAt(129), 9);
    EXPECT_EQ(routelist::rowAt(130), std::nullopt);
    EXPECT_EQ(routelist::rowAt(-1), std::nullopt);
    EXPECT_EQ(routelist::boundaryAt(6), 0);
    EXPECT_EQ(routelist::boundaryAt(7), 1);
    EXPECT_EQ(routelist::boundaryAt(-50), 0);
    EXPECT_EQ(routelist::boundaryAt(500), 10);
    EXPECT_FALSE(routelist::isBoundaryMarked(3, 3));
    EXPECT_FALSE(routelist::isBoundaryMarked(4, 3));
    EXPECT_TRUE(routelist::isBoundaryMarked(2, 3));
    EXPECT_TRUE(routelist::isBoundaryMarked(5, 3));
}

}  // namespace
}  // namespace corlinth
