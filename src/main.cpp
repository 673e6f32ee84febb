#include <QApplication>

#include "core/app/FixedTexts.h"
#include "gui/app/ProductSelectWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(corlinth::texts::applicationTitle.data(),
                          static_cast<int>(corlinth::texts::applicationTitle.size())));
    corlinth::gui::ProductSelectWindow selection;
    selection.show();
    return QApplication::exec();
}
