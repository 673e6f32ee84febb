#include <gtest/gtest.h>

#include "core/app/MessageBoxLayout.h"

namespace corlinth {
namespace {

struct LayoutRow {
    const char* what;
    MessageKind kind;
    bool smf;
    int textWidth;
    int textHeight;
    int width;
    int height;
    const char* shown;  // the captions of the visible buttons, by position
    int firstLeft;
};

TEST(MessageBoxLayout, FitsTheTextAndCentresTheButtons) {
    const LayoutRow rows[] = {
        {"question", MessageKind::Question, false, 300, 32, 390, 142, "Yes No Cancel", 77},
        {"smf question", MessageKind::Question, true, 780, 144, 870, 254, "Yes No", 357},
        {"warning", MessageKind::Warning, false, 200, 16, 290, 126, "OK", 107},
        {"information", MessageKind::Information, false, 411, 80, 501, 190, "OK", 213},
        // A short text would cut the buttons off; the box stays as wide as they need.
        {"short question", MessageKind::Question, false, 40, 16, 255, 126, "Yes No Cancel", 10},
    };
    for (const LayoutRow& row : rows) {
        const MessageBoxGeometry box =
            layoutMessageBox(row.kind, row.smf, row.textWidth, row.textHeight);
        EXPECT_EQ(box.width, row.width) << row.what;
        EXPECT_EQ(box.height, row.height) << row.what;
        std::string shown;
        int left = row.firstLeft;
        for (const MessageButtonPlacement& button : box.buttons) {
            if (!button.visible) {
                continue;
            }
            shown += (shown.empty() ? "" : " ") + std::string(button.caption);
            EXPECT_EQ(button.left, left) << row.what << " " << button.caption;
            EXPECT_EQ(button.top, row.height - 65) << row.what;
            left += 75 + 5;
        }
        EXPECT_EQ(shown, row.shown) << row.what;
    }
}

TEST(MessageBoxAnswer, OkMeansYesAndOnlyTheQuestionAndWarningPresetCancel) {
    EXPECT_EQ(answerOfButton("Yes"), Answer::Yes);
    EXPECT_EQ(answerOfButton("OK"), Answer::Yes);
    EXPECT_EQ(answerOfButton("No"), Answer::No);
    EXPECT_EQ(answerOfButton("Cancel"), Answer::Cancel);
    EXPECT_TRUE(presetsCancel(MessageKind::Question));
    EXPECT_TRUE(presetsCancel(MessageKind::Warning));
    EXPECT_FALSE(presetsCancel(MessageKind::Information));
    EXPECT_EQ(messageCaption(MessageKind::Question), "Warning");
    EXPECT_EQ(messageCaption(MessageKind::Warning), "Warning");
    EXPECT_EQ(messageCaption(MessageKind::Information), "Information");
    EXPECT_FALSE(suppressesBeep(MessageKind::Warning, PlatformMode::Windows));
    EXPECT_TRUE(suppressesBeep(MessageKind::Warning, PlatformMode::Mac));
    EXPECT_TRUE(suppressesBeep(MessageKind::Information, PlatformMode::Mac));
    EXPECT_FALSE(suppressesBeep(MessageKind::Question, PlatformMode::Mac));
}

TEST(CentredOn, KeepsLeftAndTopOnTheScreen) {
    EXPECT_EQ(centredOn(400, 300, 200, 100), (TopLeft{300, 250}));
    EXPECT_EQ(centredOn(50, 300, 200, 100), (TopLeft{0, 250}));
    EXPECT_EQ(centredOn(400, 20, 200, 100), (TopLeft{300, 0}));
    EXPECT_EQ(centredOn(-500, -500, 200, 100), (TopLeft{0, 0}));
}

}  // namespace
}  // namespace corlinth
