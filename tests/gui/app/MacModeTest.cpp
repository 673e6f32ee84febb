#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "core/app/ShellTexts.h"
#include "gui/app/MacMidiWindow.h"
#include "gui/app/QtText.h"
#include "gui/app/ShellFixture.h"

namespace corlinth::gui {
namespace {

using testing::eventually;
using testing::ShellRun;

class MacMode : public ::testing::Test {
  protected:
    // A second run in Mac mode, with the given MIDI ports.
    void startWith(std::vector<MidiPort> ports) {
        run.midi.ports = std::move(ports);
        run.provideValidConfiguration();
        run.start(PlatformMode::Mac);
        ASSERT_TRUE(eventually([&] { return run.shell->macMidiWindow().isVisible(); }));
    }
    QLabel* label(const char* name) const {
        return run.shell->macMidiWindow().findChild<QLabel*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) const {
        return run.shell->macMidiWindow().findChild<QPushButton*>(QString::fromLatin1(name));
    }
    ShellRun run;
};

TEST_F(MacMode, WithOnlyDeviceZeroAsksWhetherToGoOnWithoutAnInterface) {
    startWith({{"Midi Through Port-0", 0}});
    EXPECT_FALSE(run.selection().isVisible());
    EXPECT_EQ(run.shell->macMidiWindow().windowTitle(),
              QStringLiteral("Quarnell Corlinth Initialization"));
    EXPECT_EQ(label("Label1")->text(), qt(texts::macMidiNoneFirst));
    EXPECT_EQ(label("Label2")->text(), qt(texts::macMidiNoneSecond));
    EXPECT_EQ(button("Button1")->text(), QStringLiteral("Yes"));
    EXPECT_TRUE(button("Button2")->isVisible());
    EXPECT_EQ(button("Button2")->x(), button("Button1")->x() + button("Button1")->width() + 10);
    EXPECT_FALSE(run.shell->macMidiWindow().findChild<QComboBox*>()->isVisible());
    EXPECT_TRUE(run.shell->chosenPort().name.empty());

    // "No" ends the program.
    button("Button2")->click();
    EXPECT_EQ(run.programEnds, 1);
}

TEST_F(MacMode, OffersEveryDeviceButTheFirstAndKeepsTheChoice) {
    startWith({{"Midi Through Port-0", 0}, {"UM-ONE MIDI 1", 1}, {"MIDISPORT 2x2 Out A", 3}});
    auto* list = run.shell->macMidiWindow().findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("UM-ONE MIDI 1"));
    EXPECT_EQ(run.shell->chosenPort(), (MidiPort{"UM-ONE MIDI 1", 1}));
    EXPECT_EQ(button("Button1")->text(), QStringLiteral("OK"));
    EXPECT_FALSE(button("Button2")->isVisible());
    EXPECT_EQ(label("Label1")->text(), qt(texts::macMidiChoose));
    EXPECT_TRUE(label("Label2")->text().isEmpty());

    list->setCurrentIndex(1);
    EXPECT_EQ(run.shell->chosenPort(), (MidiPort{"MIDISPORT 2x2 Out A", 3}));

    // "OK" hides the window and shows the buttons, which were laid out behind it.
    button("Button1")->click();
    EXPECT_FALSE(run.shell->macMidiWindow().isVisible());
    EXPECT_TRUE(run.selection().isVisible());
    EXPECT_TRUE(run.child("Sodrin")->isVisible());
    EXPECT_TRUE(run.child("Sodrin")->isEnabled());
    EXPECT_EQ(run.programEnds, 0);
    EXPECT_EQ(run.shell->chosenPort().id, 3);
}

TEST_F(MacMode, FirstRunInstallsIntoTheDocumentsFolderThenAsksForTheInterface) {
    // The resource is found whatever the case of its name.
    run.provideAllResources();
    QFile::remove(run.resourceFolder() + "/PirrowExample");
    QFile example(run.resourceFolder() + "/pirrowexample");
    ASSERT_TRUE(example.open(QIODevice::WriteOnly));
    example.write(
        "{\\rtf1\\ansi {\\b F0 00 00 50 04 01 00 F7}\\par \\{ Sustain  (Right-click "
        "to edit) \\}\\par}");
    example.close();
    run.start(PlatformMode::Mac);
    ASSERT_TRUE(eventually([&] { return run.timer("InstallTimer")->isActive(); }));
    run.hurryInstallation();
    ASSERT_TRUE(eventually([&] { return run.messageBox().isVisible(); }));
    EXPECT_EQ(run.messageBox().windowTitle(), QStringLiteral("Information"));

    const QString root = run.documentsFolder() + "/Quarnell";
    QFile installed(root + "/Pirrow/Example (Sustain message).rtf");
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    const QByteArray bytes = installed.readAll();
    EXPECT_TRUE(bytes.contains("Control-click to edit")) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains("Right-click"));
    QFile help(run.programFolder() + "/Pirrow Corlinth Help.pdf");
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    EXPECT_EQ(help.readAll(), QByteArray("%PDF-1.4 PirrowHelp"));

    run.press("YesButton");
    EXPECT_TRUE(run.shell->macMidiWindow().isVisible());
}

}  // namespace
}  // namespace corlinth::gui

namespace corlinth::gui {
namespace {

TEST(MacModeWindows, ADialogShownAgainKeepsItsMarkUntilItIsVisibleAndDoesNotBeep) {
    testing::ShellRun run;
    run.midi.ports = {{"Midi Through Port-0", 0}, {"UM-ONE", 1}};
    run.provideValidConfiguration();
    run.start(PlatformMode::Mac);
    ASSERT_TRUE(testing::eventually([&] { return run.shell->macMidiWindow().isVisible(); }));
    run.shell->macMidiWindow().findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    run.recordMainWindow("Tessol");
    testing::RecordingMainWindow* main = run.openProduct("Tessol");
    ASSERT_NE(main, nullptr);
    QWidget* dialog = run.window("TTessolSysex");
    Shell::showInFront(*dialog);
    Shell::hideForMessage(*dialog);

    // A warning in Mac mode, and the window brought back after it, move the activation
    // without a beep.
    run.messageBox().MsgWarning(QStringLiteral("Invalid System Exclusive message."), *dialog);
    EXPECT_TRUE(run.shell->nextBeepSuppressed());
    run.press("YesButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(run.mark("TTessolSysex").shownAgain());
    EXPECT_TRUE(run.mark("TTessolSysex").reshowMark());
    EXPECT_TRUE(testing::eventually([&] { return !run.mark("TTessolSysex").reshowMark(); }));
    ASSERT_EQ(main->calls.size(), 1u);

    // Leaving the application gives the system beep back.
    run.shell->setSystemBeepEnabled(false);
    run.shell->applicationDeactivated();
    EXPECT_TRUE(run.shell->systemBeepEnabled());
}

}  // namespace
}  // namespace corlinth::gui
