#include "gui/app/ManagedWindow.h"

#include "gui/app/QtText.h"
#include "gui/app/Shell.h"
#include "gui/app/WindowMark.h"

namespace corlinth::gui {

ManagedWindow::ManagedWindow(Shell& shell, std::string_view name)
    : QWidget(nullptr, Qt::Window), m_shell(shell), m_mark(shell.manage(*this, name)) {}

int ManagedWindow::level() const {
    return m_mark.level();
}

bool ManagedWindow::reshowMark() const {
    return m_mark.reshowMark();
}

void ManagedWindow::setReshowMark(bool mark) {
    m_mark.setReshowMark(mark);
}

bool ManagedWindow::shownAgain() const {
    return m_mark.shownAgain();
}

void ManagedWindow::hideForMessage() {
    Shell::hideForMessage(*this);
}

void ManagedWindow::centreOn(QPoint centre) {
    Shell::centreOn(*this, centre);
}

void ManagedWindow::centreOver(const QWidget& other) {
    Shell::centreOn(*this, other.frameGeometry().center());
}

void ManagedWindow::showInFront() {
    Shell::showInFront(*this);
}

QPoint ManagedWindow::centrePoint() const {
    return frameGeometry().center();
}

}  // namespace corlinth::gui
