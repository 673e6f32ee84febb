#include "gui/app/PlainWindow.h"

#include "gui/app/QtText.h"

namespace corlinth::gui {

PlainWindow::PlainWindow(Shell& shell, std::string_view name) : ManagedWindow(shell, name) {
    setWindowTitle(qt(name));
    resize(360, 200);
}

}  // namespace corlinth::gui
