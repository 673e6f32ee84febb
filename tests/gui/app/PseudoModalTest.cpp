#include <QApplication>
#include <QEvent>

#include "gui/app/ShellFixture.h"

namespace corlinth::gui {
namespace {

using testing::eventually;
using testing::ShellRun;

// A setting dialog is open over the editor, and the user clicks the editor.
class PseudoModal : public ::testing::TestWithParam<PlatformMode> {
  protected:
    void SetUp() override {
        run.provideValidConfiguration();
        run.start(GetParam());
        if (GetParam() == PlatformMode::Mac) {
            ASSERT_TRUE(eventually([&] { return run.child("Button1")->isVisible(); }));
            QMetaObject::invokeMethod(run.child("Button1"), "click");
        }
        ASSERT_TRUE(eventually([&] { return run.child("Pirrow")->isVisible(); }));
        run.openProduct("Pirrow");
        main = &run.shell->mainWindow()->window();
        dialog = run.window("TPirrowNoteOn");
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(eventually([&] { return main->isActiveWindow(); }));
        dialog->installEventFilter(&deactivations);
        Shell::showInFront(*dialog);
        ASSERT_TRUE(eventually([&] { return dialog->isActiveWindow(); }));
    }
    // The user clicks the editor; the dialog loses the activation and takes it back.
    void clickEditor() {
        const int before = deactivations.count;
        main->activateWindow();
        ASSERT_TRUE(eventually([&] { return deactivations.count > before; }));
        ASSERT_TRUE(eventually([&] { return dialog->isActiveWindow(); }));
    }
    struct DeactivationCounter : QObject {
        int count = 0;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowDeactivate) {
                ++count;
            }
            return QObject::eventFilter(watched, event);
        }
    } deactivations;
    ShellRun run;
    QWidget* main = nullptr;
    QWidget* dialog = nullptr;
};

TEST_P(PseudoModal, ADialogComesBackToTheFrontWithABeep) {
    const bool mac = GetParam() == PlatformMode::Mac;
    clickEditor();
    EXPECT_EQ(run.beeps, 1);
    clickEditor();
    // Mac mode beeps only on every second time.
    EXPECT_EQ(run.beeps, mac ? 1 : 2);

    // A window shown by the program itself may take the activation silently once.
    run.shell->suppressNextBeep();
    const int before = run.beeps;
    clickEditor();
    EXPECT_EQ(run.beeps, before);
    EXPECT_FALSE(run.shell->nextBeepSuppressed());
}

TEST_P(PseudoModal, AWindowAboveTheDialogMayTakeTheActivation) {
    QWidget* popup = run.window("TPirrowSysPop");
    Shell::showInFront(*popup);
    ASSERT_TRUE(eventually([&] { return popup->isActiveWindow(); }));
    QTest::qWait(20);
    EXPECT_TRUE(popup->isActiveWindow());
    EXPECT_EQ(run.beeps, 0);
    // A dialog that hid itself does not come back on its own.
    popup->hide();
    dialog->hide();
    main->activateWindow();
    ASSERT_TRUE(eventually([&] { return main->isActiveWindow(); }));
    QTest::qWait(20);
    EXPECT_TRUE(main->isActiveWindow());
    EXPECT_EQ(run.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(BothModes, PseudoModal,
                         ::testing::Values(PlatformMode::Windows, PlatformMode::Mac),
                         [](const auto& info) {
                             return info.param == PlatformMode::Mac ? "Mac" : "Windows";
                         });

}  // namespace
}  // namespace corlinth::gui
