#include "gui/app/ProductSelectWindow.h"

namespace corlinth::gui {

ProductSelectWindow::ProductSelectWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TProductSelect"));
    setWindowTitle(QStringLiteral("Select Product..."));
    resize(800, 600);
}

}  // namespace corlinth::gui
