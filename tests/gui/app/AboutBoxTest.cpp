#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/app/ShellTexts.h"
#include "gui/app/AboutBox.h"
#include "gui/app/QtText.h"
#include "gui/app/ShellFixture.h"

namespace corlinth::gui {
namespace {

TEST(AboutBox, ShowsTheVersionAndOpensTheMakersSite) {
    testing::ShellRun run;
    run.provideValidConfiguration();
    run.start();
    AboutBox& about = run.shell->aboutBox();
    about.showOver(run.selection());
    auto* version = about.findChild<QLabel*>(QStringLiteral("Version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version 3.0.6"));
    auto* link = about.findChild<QLabel*>(QStringLiteral("WebSite"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(run.opened.size(), 1u);
    EXPECT_EQ(run.opened[0], QUrl(qt(texts::makerWebSite)));

    about.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace corlinth::gui
