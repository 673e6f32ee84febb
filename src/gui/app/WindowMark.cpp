#include "gui/app/WindowMark.h"

#include <QEvent>
#include <QWidget>

#include "gui/app/Shell.h"

namespace corlinth::gui {

WindowMark::WindowMark(Shell& shell, QWidget& window)
    : QObject(&window), m_shell(shell), m_window(window) {
    setObjectName(QStringLiteral("WindowMark"));
    window.installEventFilter(this);
}

WindowMark* WindowMark::of(const QWidget& window) {
    return window.findChild<WindowMark*>(QString(), Qt::FindDirectChildrenOnly);
}

bool WindowMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window) {
        // The filter sees the show before the window's own showEvent does.
        if (event->type() == QEvent::Show) {
            m_shownAgain = m_reshowMark;
        } else if (event->type() == QEvent::ActivationChange && !m_window.isActiveWindow()) {
            m_shell.windowDeactivated(m_window);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corlinth::gui
