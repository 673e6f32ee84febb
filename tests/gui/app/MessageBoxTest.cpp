#include <QApplication>
#include <QPushButton>

#include "core/app/FixedTexts.h"
#include "core/app/MessageBoxLayout.h"
#include "gui/app/QtText.h"
#include "gui/app/ShellFixture.h"

namespace corlinth::gui {
namespace {

using testing::eventually;
using testing::RecordingMainWindow;
using testing::ShellRun;

// A product is open with an editor that records its continuations.
class MessageBox : public ::testing::Test {
  protected:
    void SetUp() override {
        run.provideValidConfiguration();
        run.start();
        run.recordMainWindow("Pirrow");
        ASSERT_TRUE(eventually([&] { return run.child("Pirrow")->isVisible(); }));
        main = run.openProduct("Pirrow");
        ASSERT_NE(main, nullptr);
    }
    QPushButton* button(const char* name) const {
        return run.messageBox().findChild<QPushButton*>(QString::fromLatin1(name));
    }
    ShellRun run;
    RecordingMainWindow* main = nullptr;
};

struct AnswerCase {
    const char* what;
    MessageKind kind;
    const char* press;  // a button's name, or nullptr for the frame's close box
    Answer before;
    Answer expected;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.what;
}

class MessageBoxAnswers : public MessageBox, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(MessageBoxAnswers, ContinueTheEditorWithTheAnswer) {
    const AnswerCase& c = GetParam();
    run.messageBox().setAnswer(c.before);
    const QString text = QStringLiteral("The text has changed. Do you want to save the changes?");
    switch (c.kind) {
        case MessageKind::Question:
            run.messageBox().MsgQuestion(text, *main);
            break;
        case MessageKind::Warning:
            run.messageBox().MsgWarning(text, *main);
            break;
        case MessageKind::Information:
            run.messageBox().MsgInfo(text, *main);
            break;
    }
    ASSERT_TRUE(run.messageBox().isVisible());
    EXPECT_TRUE(main->calls.empty());
    if (c.press != nullptr) {
        run.press(c.press);
    } else {
        // The box hides itself instead of letting the close go through.
        run.messageBox().close();
    }
    EXPECT_FALSE(run.messageBox().isVisible());
    ASSERT_EQ(main->calls.size(), 1u);
    EXPECT_EQ(main->calls[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, MessageBoxAnswers,
    ::testing::Values(
        AnswerCase{"QuestionYes", MessageKind::Question, "YesButton", Answer::No, Answer::Yes},
        AnswerCase{"QuestionNo", MessageKind::Question, "NoButton", Answer::Yes, Answer::No},
        AnswerCase{"QuestionCancel", MessageKind::Question, "CancelButton", Answer::Yes,
                   Answer::Cancel},
        AnswerCase{"QuestionClosedByFrame", MessageKind::Question, nullptr, Answer::Yes,
                   Answer::Cancel},
        AnswerCase{"WarningOkMeansYes", MessageKind::Warning, "YesButton", Answer::No, Answer::Yes},
        AnswerCase{"WarningClosedByFrame", MessageKind::Warning, nullptr, Answer::Yes,
                   Answer::Cancel},
        AnswerCase{"InformationKeepsAnEarlierAnswer", MessageKind::Information, nullptr, Answer::No,
                   Answer::No}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(MessageBox, SmfWarningAsksWithoutCancel) {
    run.messageBox().MsgQuestion(qt(smfWarningText()), *main);
    EXPECT_EQ(run.messageBox().windowTitle(), QStringLiteral("Warning"));
    EXPECT_TRUE(button("YesButton")->isVisible());
    EXPECT_TRUE(button("NoButton")->isVisible());
    EXPECT_FALSE(button("CancelButton")->isVisible());
    // "Yes" and "No" are centred as a pair, 5 pixels apart, 65 pixels above the bottom.
    const int width = run.messageBox().width();
    EXPECT_EQ(button("NoButton")->x(), button("YesButton")->x() + 75 + 5);
    EXPECT_EQ(button("YesButton")->x(), (width - (2 * 75 + 5)) / 2);
    EXPECT_EQ(button("YesButton")->y(), run.messageBox().height() - 65);

    run.press("NoButton");
    run.messageBox().MsgQuestion(QStringLiteral("Proceed?"), *main);
    EXPECT_TRUE(button("CancelButton")->isVisible());
    EXPECT_EQ(button("YesButton")->text(), QStringLiteral("Yes"));
    run.messageBox().MsgWarning(QStringLiteral("Invalid System Exclusive message."), *main);
    EXPECT_EQ(button("YesButton")->text(), QStringLiteral("OK"));
    EXPECT_FALSE(button("NoButton")->isVisible());
    EXPECT_FALSE(button("CancelButton")->isVisible());
    EXPECT_EQ(button("YesButton")->x(), (run.messageBox().width() - 75) / 2);
}

TEST_F(MessageBox, IsCentredOnTheCallerButNeverAboveOrLeftOfTheScreen) {
    run.messageBox().MsgInfo(QStringLiteral("No MIDI interfaces detected"), QPoint(400, 300));
    const QRect box = run.messageBox().frameGeometry();
    EXPECT_LE(std::abs(box.center().x() - 400), 1);
    EXPECT_LE(std::abs(box.center().y() - 300), 1);
    run.press("YesButton");
    run.messageBox().MsgInfo(QStringLiteral("No MIDI interfaces detected"), QPoint(10, 5));
    EXPECT_EQ(run.messageBox().pos(), QPoint(0, 0));
}

TEST_F(MessageBox, BringsBackTheLevelTwoDialogBeforeTheLevelOneDialog) {
    QWidget* dialog = run.window("TPirrowSysex");
    QWidget* popup = run.window("TPirrowSysPop");
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(popup, nullptr);
    Shell::showInFront(*dialog);
    Shell::hideForMessage(*dialog);
    Shell::showInFront(*popup);
    Shell::hideForMessage(*popup);

    run.messageBox().MsgWarning(QStringLiteral("Invalid System Exclusive message."), *popup);
    run.press("YesButton");
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(run.mark("TPirrowSysPop").shownAgain());
    EXPECT_FALSE(run.mark("TPirrowSysPop").reshowMark());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(run.mark("TPirrowSysex").reshowMark());

    // The popup closes; the next message brings the dialog back, and only it.
    popup->hide();
    run.messageBox().MsgInfo(QStringLiteral("Done"), *main);
    run.press("YesButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(run.mark("TPirrowSysex").reshowMark());
    ASSERT_EQ(main->calls.size(), 2u);
}

TEST_F(MessageBox, TheNextMessageCanBeShownFromTheContinuation) {
    // A continuation that asks again leaves the box on the screen with the new question.
    run.messageBox().MsgQuestion(QStringLiteral("Save first?"), *main);
    QObject::connect(button("YesButton"), &QPushButton::clicked, main, [this] {
        if (main->calls.size() == 1) {
            run.messageBox().MsgWarning(
                QStringLiteral("This file is set to read-only. Try saving with a different "
                               "file name."),
                *main);
        }
    });
    run.press("YesButton");
    ASSERT_EQ(main->calls.size(), 1u);
    EXPECT_TRUE(run.messageBox().isVisible());
    EXPECT_EQ(button("YesButton")->text(), QStringLiteral("OK"));
}

}  // namespace
}  // namespace corlinth::gui
