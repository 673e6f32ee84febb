#include "gui/app/PlainMainWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/document/EditorTexts.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"

namespace corlinth::gui {

PlainMainWindow::PlainMainWindow(Shell& shell, const ProductRecord& product)
    : ManagedWindow(shell, product.mainWindow) {
    setWindowTitle(qt(editor_texts::windowTitle(product.displayName, "")));
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    auto* menus = new QMenuBar(this);
    layout->setMenuBar(menus);
    QMenu* program = menus->addMenu(qt(editor_texts::programMenu));
    m_programItem = program->addAction(QString());
    m_programItem->setObjectName(QStringLiteral("Program2"));
    // Sending needs the product's editor; until it is there the item cannot be chosen.
    m_programItem->setEnabled(false);
}

void PlainMainWindow::mainjump(Answer answer) {
    (void)answer;
}

void PlainMainWindow::setProgramMenuCaption(const QString& caption) {
    m_programItem->setText(caption);
}

QString PlainMainWindow::programMenuCaption() const {
    return m_programItem->text();
}

void PlainMainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    shell().endProgram();
}

}  // namespace corlinth::gui
