#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "core/app/Configuration.h"
#include "core/app/FixedTexts.h"
#include "core/app/ShellTexts.h"
#include "gui/app/MacMidiWindow.h"
#include "gui/app/QtText.h"
#include "gui/app/ShellFixture.h"

namespace corlinth::gui {
namespace {

using testing::eventually;
using testing::ShellRun;

bool readOnlyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

TEST(Startup, FirstRunInstallsThenTheNextRunGoesStraightToTheButtons) {
    ShellRun run;
    run.provideAllResources();
    run.start();
    EXPECT_EQ(run.selection().configurationState(), ConfigurationState::Absent);

    // The start-up timer writes the configuration and shows the preparing texts.
    ASSERT_TRUE(eventually([&] { return run.timer("InstallTimer")->isActive(); }));
    QFile config(run.configPath());
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    EXPECT_EQ(config.readAll().toStdString(), configurationFileBytes());
    auto* preparing = qobject_cast<QLabel*>(run.child("PreparingLabel"));
    auto* more = qobject_cast<QLabel*>(run.child("PreparingMoreLabel"));
    ASSERT_NE(preparing, nullptr);
    EXPECT_TRUE(preparing->isVisible());
    EXPECT_EQ(preparing->text(), qt(texts::preparingFirstRun));
    EXPECT_EQ(more->text(), qt(texts::preparingMayTakeAMinute));
    EXPECT_FALSE(run.child("Sodrin")->isVisible());

    // The installation writes every document, read-only, then shows the tip alone.
    run.hurryInstallation();
    ASSERT_TRUE(eventually([&] { return run.messageBox().isVisible(); }));
    EXPECT_EQ(run.messageBox().windowTitle(), qt(texts::informationCaption));
    EXPECT_EQ(run.messageBox().text(), qt(tipText()).replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_FALSE(run.selection().isVisible());
    const QString program = run.programFolder();
    EXPECT_TRUE(readOnlyFile(program + "/Pirrow/Example (Sustain message).rtf"));
    EXPECT_TRUE(
        readOnlyFile(program + "/Vantrel/Example 20 (Mapping from CC to NRPN messages).rtf"));
    EXPECT_TRUE(readOnlyFile(program + "/Daskin/Example 3 (Splitting a keyboard).mid"));
    EXPECT_TRUE(readOnlyFile(program + "/Ombrel Corlinth Help.pdf"));
    QFile example(program + "/Hennic/Example (Breath controller message).rtf");
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    EXPECT_EQ(example.readAll(), QByteArray("HennicExample"));

    // Closing the tip brings the selection window with its buttons.
    run.press("YesButton");
    EXPECT_TRUE(run.selection().isVisible());
    EXPECT_TRUE(run.child("Sodrin")->isVisible());
    EXPECT_TRUE(run.child("Sodrin")->isEnabled());
    EXPECT_TRUE(run.child("Heading")->isVisible());
    EXPECT_FALSE(preparing->isVisible());

    // The next run finds the file valid and installs nothing.
    run.restart();
    EXPECT_EQ(run.selection().configurationState(), ConfigurationState::Valid);
    ASSERT_TRUE(eventually([&] { return run.child("Sodrin")->isVisible(); }));
    EXPECT_FALSE(run.timer("InstallTimer")->isActive());
    EXPECT_FALSE(run.messageBox().isVisible());
    EXPECT_TRUE(run.child("Sodrin")->hasFocus() || !run.selection().isActiveWindow());
}

}  // namespace
}  // namespace corlinth::gui

namespace corlinth::gui {
namespace {

TEST(Startup, ReportsDocumentsThatCouldNotBeWrittenThenShowsTheTip) {
    testing::ShellRun run;
    run.provideAllResources();
    QFile::remove(run.resourceFolder() + "/KeltoExample");
    // A folder where the Gavrel example should go makes that file impossible to write.
    QDir(run.programFolder()).mkpath("Gavrel/Example (Channel volume message).rtf");
    run.start();
    ASSERT_TRUE(testing::eventually([&] { return run.timer("InstallTimer")->isActive(); }));
    run.hurryInstallation();
    ASSERT_TRUE(testing::eventually([&] { return run.messageBox().isVisible(); }));

    EXPECT_EQ(run.messageBox().windowTitle(), QStringLiteral("Warning"));
    const QString report = run.messageBox().text();
    EXPECT_TRUE(report.startsWith(qt(texts::installFailed))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("Resource KeltoExample not found")));
    EXPECT_TRUE(report.contains(QStringLiteral("Example (Channel volume message).rtf")));
    // Everything else was written all the same.
    EXPECT_TRUE(QFile::exists(run.programFolder() + "/Kelto Corlinth Help.pdf"));
    EXPECT_TRUE(QFile::exists(run.programFolder() + "/Ombrel Corlinth Help.pdf"));

    run.press("YesButton");
    EXPECT_EQ(run.messageBox().windowTitle(), QStringLiteral("Information"));
    EXPECT_TRUE(run.messageBox().isVisible());
    run.press("YesButton");
    EXPECT_TRUE(run.child("Sodrin")->isVisible());
}

TEST(Startup, ClosingTheSelectionWindowBeforeAChoiceEndsTheRun) {
    testing::ShellRun run;
    run.provideValidConfiguration();
    run.start();
    ASSERT_TRUE(testing::eventually([&] { return run.child("Sodrin")->isVisible(); }));
    EXPECT_TRUE(run.selection().close());
    EXPECT_EQ(run.programEnds, 1);
}

}  // namespace
}  // namespace corlinth::gui
