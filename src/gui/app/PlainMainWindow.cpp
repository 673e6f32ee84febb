#include "gui/app/PlainMainWindow.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "core/app/ShellTexts.h"
#include "gui/app/QtText.h"

namespace corlinth::gui {

PlainMainWindow::PlainMainWindow(Shell& shell, const ProductRecord& product)
    : ProductMainWindow(shell, product) {
    setWindowTitle(qt(untitledEditorTitle(product.displayName)));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    QMenu* program = menus->addMenu(qt(texts::programMenu));
    m_programItem = program->addAction(QString());
    m_programItem->setObjectName(QStringLiteral("Program2"));
    // Sending needs the product's editor; until it is there the item cannot be chosen.
    m_programItem->setEnabled(false);
}

void PlainMainWindow::mainjump(int code, MessageAnswer answer) {
    (void)code;
    (void)answer;
    setPendingAction(0);
}

void PlainMainWindow::setProgramMenuCaption(const QString& caption) {
    m_programItem->setText(caption);
}

QString PlainMainWindow::programMenuCaption() const {
    return m_programItem->text();
}

}  // namespace corlinth::gui
