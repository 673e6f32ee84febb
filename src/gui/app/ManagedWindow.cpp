#include "gui/app/ManagedWindow.h"

#include <QEvent>

#include "core/app/MessageBoxLayout.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"

namespace corlinth::gui {

ManagedWindow::ManagedWindow(Shell& shell, std::string_view name)
    : QWidget(nullptr, Qt::Window), m_shell(shell) {
    setObjectName(qt(name));
    m_shell.adopt(*this);
}

ManagedWindow::~ManagedWindow() {
    m_shell.release(*this);
}

void ManagedWindow::hideForMessage() {
    m_reshowMark = true;
    hide();
}

void ManagedWindow::centreOn(QPoint centre) {
    const QSize frame = frameGeometry().size();
    const TopLeft place = centredOn(centre.x(), centre.y(), frame.width(), frame.height());
    move(place.left, place.top);
}

void ManagedWindow::centreOver(const QWidget& other) {
    centreOn(other.frameGeometry().center());
}

void ManagedWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

QPoint ManagedWindow::centrePoint() const {
    return frameGeometry().center();
}

void ManagedWindow::showEvent(QShowEvent* event) {
    m_shownAgain = m_reshowMark;
    QWidget::showEvent(event);
}

void ManagedWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        m_shell.windowDeactivated(*this);
    }
}

}  // namespace corlinth::gui
