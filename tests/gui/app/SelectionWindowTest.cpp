#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <map>

#include <QMenu>
#include "core/app/ProductRegistry.h"
#include "core/app/ShellTexts.h"

#include "gui/app/PlainMainWindow.h"
#include "gui/app/ProductPictureWidget.h"
#include "gui/app/QtText.h"
#include "gui/app/ShellFixture.h"
#include "gui/app/TextEditorMain.h"
#include "gui/document/TextEditorWindow.h"

namespace corlinth::gui {
namespace {

using testing::eventually;
using testing::ShellRun;

class SelectionWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        run.provideValidConfiguration();
        run.start();
        ASSERT_TRUE(eventually([&] { return run.child("Sodrin")->isVisible(); }));
    }
    QPushButton* button(const char* name) const {
        return run.selection().findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QWidget* picture(const char* name) const {
        return run.selection().findChild<QWidget*>(QString::fromLatin1(name) + "Picture");
    }
    ShellRun run;
};

TEST_F(SelectionWindow, ShowsElevenButtonsWithPicturesInTwoColumns) {
    const int width = run.selection().width();
    const int left = (width - 758) / 2;
    std::map<int, int> perColumn;
    for (const ProductRecord& product : allProducts()) {
        QPushButton* b = button(product.selectionButton.data());
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), qt(product.displayName));
        EXPECT_EQ(b->size(), QSize(375, 57));
        EXPECT_TRUE(b->x() == left || b->x() == left + 383) << product.displayName;
        ++perColumn[b->x()];
        QWidget* p = picture(product.selectionButton.data());
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(p->isVisible());
        EXPECT_EQ(p->geometry(), b->geometry().adjusted(4, 4, -4, -4));
    }
    EXPECT_EQ(perColumn[left], 6);
    EXPECT_EQ(perColumn[left + 383], 5);
    EXPECT_EQ(button("Kelto")->y(), button("Brannic")->y());
    EXPECT_LT(button("Ombrel")->y(), button("Kelto")->y());
    EXPECT_EQ(run.selection().height(), 600);
    EXPECT_TRUE(run.selection().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(run.selection().windowFlags() & Qt::WindowStaysOnTopHint);

    // The picture of the screen is kept for people to look at.
    const QString folder = QStringLiteral(CORLINTH_BINARY_DIR) + "/screenshots";
    QDir().mkpath(folder);
    EXPECT_TRUE(run.selection().grab().save(folder + "/ProductSelect.png"));
}

TEST_F(SelectionWindow, OnlyTheFirstChoiceCountsAndOpensThatProductsEditor) {
    button("Pirrow")->click();
    // While the 10 ms timer runs, a press on another product's picture changes nothing.
    QTest::mousePress(picture("Kelto"), Qt::LeftButton);
    button("Gavrel")->click();
    EXPECT_EQ(run.shell->selectedProduct(), "Pirrow");
    EXPECT_FALSE(picture("Kelto")->isVisible());
    EXPECT_TRUE(picture("Pirrow")->isVisible());
    ASSERT_TRUE(eventually([&] { return run.shell->productOpen(); }));

    EXPECT_EQ(run.shell->selectedProduct(), "Pirrow");
    EXPECT_EQ(run.window("TKeltoMain"), nullptr);
    EXPECT_EQ(run.window("TGavrelMain"), nullptr);
    EXPECT_FALSE(run.selection().isVisible());
    // The text products get the document editor, with the Program caption set by the shell.
    auto* main = dynamic_cast<TextEditorMain*>(run.shell->mainWindow());
    ASSERT_NE(main, nullptr);
    TextEditorWindow& editor = main->editor();
    EXPECT_EQ(editor.objectName(), QStringLiteral("TPirrowMain"));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Quarnell Pirrow Corlinth - [Untitled]"));
    QMenu* program = editor.findChild<QMenu*>(QStringLiteral("Program1"));
    ASSERT_NE(program, nullptr);
    ASSERT_FALSE(program->actions().isEmpty());
    EXPECT_EQ(program->actions().front()->text(),
              QStringLiteral("     Program the Pirrow...        "));
    EXPECT_TRUE(editor.isVisible());

    // The product's windows follow the four of the start, in the table's order, and each has
    // its level; the dialogs are prepared and hidden again.
    const std::vector<QWidget*>& windows = run.shell->windows();
    const ProductRecord& pirrow = *findProduct("Pirrow");
    ASSERT_EQ(windows.size(), 4 + 1 + pirrow.companionWindows.size());
    EXPECT_EQ(windows[4], &editor);
    for (std::size_t i = 0; i < pirrow.companionWindows.size(); ++i) {
        EXPECT_EQ(windows[5 + i]->objectName().toStdString(), pirrow.companionWindows[i]);
        EXPECT_FALSE(windows[5 + i]->isVisible());
        EXPECT_FALSE(WindowMark::of(*windows[5 + i])->reshowMark());
    }
    const std::map<std::string, int> levels{
        {"TProductSelect", 0}, {"TAboutBox", 1},      {"TMsgBox", 3},       {"TMacMIDI", 0},
        {"TPirrowMain", 0},    {"TTransportForm", 1}, {"TPirrowNoteOn", 1}, {"TPirrowSysPop", 2}};
    for (const auto& [name, level] : levels) {
        ASSERT_NE(run.window(name.c_str()), nullptr) << name;
        EXPECT_EQ(run.mark(name.c_str()).level(), level) << name;
    }

    // Closing the selection window now asks the editor to close; its document is unchanged,
    // so the run ends.
    EXPECT_EQ(run.programEnds, 0);
    run.selection().close();
    EXPECT_EQ(run.programEnds, 1);
}

TEST_F(SelectionWindow, AProductWithoutItsEditorYetOpensAPlainWindowOfTheRightName) {
    button("Daskin")->click();
    ASSERT_TRUE(eventually([&] { return run.shell->productOpen(); }));
    auto* main = dynamic_cast<PlainMainWindow*>(run.shell->mainWindow());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->objectName(), QStringLiteral("TForm2"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Quarnell Daskin Corlinth - [Untitled]"));
    EXPECT_EQ(main->programMenuCaption(), QStringLiteral("     Program the Daskin...        "));
    EXPECT_EQ(run.mark("TBtnBottomDlg").level(), 1);
    EXPECT_EQ(run.mark("TTransportForm").level(), 1);
    main->close();
    EXPECT_EQ(run.programEnds, 1);
}

TEST(SelectionWindowSwitches, HennicShowsTheFirmwareMenuOnlyWithTheSwitch) {
    for (const bool switchOn : {false, true}) {
        ShellRun run;
        run.provideValidConfiguration();
        run.start(PlatformMode::Windows, switchOn);
        run.recordMainWindow("Hennic");
        ASSERT_TRUE(eventually([&] { return run.child("Hennic")->isVisible(); }));
        testing::RecordingMainWindow* main = run.openProduct("Hennic");
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->firmwareMenu, switchOn);
        EXPECT_EQ(main->caption, QStringLiteral("     Program the Hennic...        "));
    }
}

}  // namespace
}  // namespace corlinth::gui
