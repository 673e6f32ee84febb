#include "gui/app/ProductMainWindow.h"

#include <QCloseEvent>

#include "gui/app/Shell.h"

namespace corlinth::gui {

ProductMainWindow::ProductMainWindow(Shell& shell, const ProductRecord& product)
    : ManagedWindow(shell, product.mainWindow), m_product(product) {}

void ProductMainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    shell().endProgram();
}

}  // namespace corlinth::gui
