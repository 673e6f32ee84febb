#include <gtest/gtest.h>

#include "core/products/velocity/VelocityDocument.h"

namespace corlinth {
namespace {

using Change = VelocityDocument::Change;

TEST(VelocityDocumentTest, UndoRevertsOnlyTheLastChange) {
    VelocityDocument doc;
    EXPECT_FALSE(doc.canUndo());
    doc.setCcOffset(20);
    doc.setCcNumber(3);
    EXPECT_EQ(doc.undo(), Change::CcNumber);
    EXPECT_EQ(doc.ccNumber(), 0);
    EXPECT_EQ(doc.ccOffset(), 20);
    EXPECT_EQ(doc.undo(), Change::CcNumber);  // the second Undo restores it
    EXPECT_EQ(doc.ccNumber(), 3);
    EXPECT_EQ(doc.ccOffset(), 20);

    // The offset's copy was given up by that Undo: changing and undoing the offset now goes
    // back to 20, not to the 0 from before.
    doc.setCcOffset(30);
    EXPECT_EQ(doc.undo(), Change::CcOffset);
    EXPECT_EQ(doc.ccOffset(), 20);

    doc.assignCurve(4, 9);
    doc.assignCurveToAll(0);
    EXPECT_EQ(doc.undo(), Change::Assignments);
    EXPECT_EQ(doc.channelCurve(4), 9);
    EXPECT_EQ(doc.channelCurve(5), -1);

    UserCurve bent;
    bent.set(64, 100);
    doc.setUserCurve(bent);
    doc.setCcChannel(16);
    doc.undo();
    EXPECT_EQ(doc.userCurve(), bent);
    EXPECT_EQ(doc.ccChannel(), 0);
    EXPECT_TRUE(doc.settingsChanged());
}

TEST(VelocityDocumentTest, CommentsSavingAndPrompts) {
    VelocityDocument doc;
    EXPECT_EQ(doc.changePrompt(), std::nullopt);
    doc.setCcNumber(8);
    doc.enterComments();
    doc.editComments("x");
    EXPECT_EQ(doc.undo(), Change::Comments);
    EXPECT_EQ(doc.comments(), "");
    EXPECT_EQ(doc.ccNumber(), 8);  // Undo took the comments, not the setting
    EXPECT_EQ(doc.changePrompt(), "The settings have changed. Do you want to save the changes?");
    doc.markSaved();
    EXPECT_FALSE(doc.canUndo());
    EXPECT_EQ(doc.undo(), Change::None);
    EXPECT_EQ(doc.ccNumber(), 8);
    doc.editComments("y");
    EXPECT_EQ(doc.changePrompt(), "The comments has changed. Do you want to save the changes?");
}

TEST(VelocityDocumentTest, AssignmentBoxes) {
    VelocityDocument doc;
    doc.assignCurve(1, 9);
    doc.assignCurve(2, 40);
    doc.assignCurve(16, 0);
    EXPECT_EQ(doc.assignmentBoxText(1), "  9");
    EXPECT_EQ(doc.assignmentBoxText(2), "  40");
    EXPECT_EQ(doc.assignmentBoxText(3), "none");
    EXPECT_EQ(doc.assignmentBoxText(16), " user");

    doc.setCcNumber(3);  // channel 1 is the control-change channel
    EXPECT_EQ(doc.assignmentBoxText(1), "CC");
    EXPECT_EQ(doc.assignmentBoxText(2), "  40");
    doc.setCcChannel(16);
    for (int channel = 1; channel <= 16; ++channel) {
        EXPECT_EQ(doc.assignmentBoxText(channel), "CC") << channel;
    }
    doc.setCcNumber(0);
    EXPECT_EQ(doc.assignmentBoxText(1), "  9");
}

TEST(VelocityDocumentTest, AssignmentBoxHitRule) {
    struct Hit {
        int x;
        int y;
        std::optional<int> channel;
    };
    for (const Hit& h : std::initializer_list<Hit>{
             {9, 33, 1},
             {41, 50, 1},
             {42, 40, std::nullopt},
             {45, 40, std::nullopt},
             {46, 40, 2},
             {8, 40, std::nullopt},
             {564, 40, 16},
             {563, 40, std::nullopt},
             {596, 40, 16},
             {597, 40, std::nullopt},
             {700, 40, std::nullopt},
             {20, 32, std::nullopt},
             {20, 51, std::nullopt},
             {-5, 40, std::nullopt},
         }) {
        EXPECT_EQ(velocitywindow::assignmentBoxAt(h.x, h.y), h.channel) << h.x << "," << h.y;
    }
}

TEST(VelocityDocumentTest, SendingSteps) {
    VelocityDocument doc;
    std::vector<std::optional<Bytes>> steps = doc.sendingSteps();
    ASSERT_EQ(steps.size(), 146u);
    EXPECT_EQ(hexLine(*steps[0]), "F0 00 00 50 09 00 F7");
    for (std::size_t step = 1; step <= 17; ++step) {
        EXPECT_FALSE(steps[step]) << step;
    }
    EXPECT_EQ(hexLine(*steps[18]), "F0 00 00 50 09 02 F7");
    EXPECT_EQ(hexLine(*steps[19]), "B0 00 01");
    EXPECT_EQ(hexLine(*steps[145]), "B0 00 7F");

    UserCurve curve;
    curve.set(1, 0);
    curve.set(127, 100);
    doc.setUserCurve(curve);
    doc.assignCurve(1, 33);
    doc.assignCurve(16, 0);
    doc.setCcNumber(3);
    doc.setCcOffset(20);
    doc.setCcChannel(16);
    steps = doc.sendingSteps();
    ASSERT_EQ(steps.size(), 146u);
    EXPECT_EQ(hexLine(*steps[1]), "F0 00 00 50 09 01 21 00 F7");
    EXPECT_FALSE(steps[2]);
    EXPECT_EQ(hexLine(*steps[16]), "F0 00 00 50 09 01 00 0F F7");
    EXPECT_EQ(hexLine(*steps[17]), "F0 00 00 50 09 03 02 14 7F F7");
    EXPECT_EQ(hexLine(*steps[19]), "B0 00 00");
    EXPECT_EQ(hexLine(*steps[82]), "B0 00 40");  // input 64
    EXPECT_EQ(hexLine(*steps[145]), "B0 00 64");
}

TEST(VelocityDocumentTest, UserCurvePicture) {
    const std::vector<std::pair<int, int>> straight = velocitywindow::userCurvePicture({});
    ASSERT_EQ(straight.size(), 128u);
    EXPECT_EQ(straight[0], (std::pair{0, 83}));
    EXPECT_EQ(straight[1], (std::pair{0, 83}));  // 83 / 127 truncates to 0
    EXPECT_EQ(straight[64], (std::pair{41, 42}));
    EXPECT_EQ(straight[127], (std::pair{83, 0}));
}

}  // namespace
}  // namespace corlinth
