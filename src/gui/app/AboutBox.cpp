#include "gui/app/AboutBox.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "core/app/ProductRegistry.h"
#include "core/app/ShellTexts.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"

namespace corlinth::gui {

AboutBox::AboutBox(Shell& shell) : ManagedWindow(shell, windows::aboutBox) {
    setWindowTitle(qt(texts::aboutCaption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(6);

    auto* name = new QLabel(qt(texts::aboutProgramName), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSize(16);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(qt(versionLine()), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* notice = new QLabel(qt(texts::aboutNotice), this);
    notice->setObjectName(QStringLiteral("Copyright"));
    auto* address = new QLabel(qt(texts::aboutAddress), this);
    address->setObjectName(QStringLiteral("Address"));
    m_link = new QLabel(qt(texts::makerWebSiteCaption), this);
    m_link->setObjectName(QStringLiteral("WebSite"));
    QFont underlined = m_link->font();
    underlined.setUnderline(true);
    m_link->setFont(underlined);
    QPalette blue = m_link->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 204));
    m_link->setPalette(blue);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);

    auto* ok = new QPushButton(qt(texts::ok), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    for (QLabel* label : {name, version, notice, address, m_link}) {
        layout->addWidget(label, 0, Qt::AlignHCenter);
    }
    layout->addSpacing(10);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
}

void AboutBox::showOver(const QWidget& editor) {
    centreOver(editor);
    showInFront();
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_link && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        shell().openExternal(QUrl(qt(texts::makerWebSite)));
        return true;
    }
    return ManagedWindow::eventFilter(watched, event);
}

}  // namespace corlinth::gui
