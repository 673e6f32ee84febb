#pragma once

#include <QObject>

class QWidget;

namespace corlinth::gui {

class Shell;

// What the shell keeps of each of the program's windows, attached to the window itself (a
// child object), so that any top-level widget can be managed: a ManagedWindow, the editor's
// main window or a dialog. It holds the stacking level (assigned by name once a product's
// windows exist) and the re-show mark, and it reports the window's deactivations to the shell.
class WindowMark : public QObject {
    Q_OBJECT
  public:
    WindowMark(Shell& shell, QWidget& window);

    // The mark of a managed window; nullptr for a window the shell does not manage.
    static WindowMark* of(const QWidget& window);

    QWidget& window() const { return m_window; }

    int level() const { return m_level; }
    void setLevel(int level) { m_level = level; }

    // Set when the window hides itself to make room for a message or a popup dialog; cleared
    // once `reenableforms` has shown it again.
    bool reshowMark() const { return m_reshowMark; }
    void setReshowMark(bool mark) { m_reshowMark = mark; }

    // Whether the window carried the re-show mark when it was last shown: a dialog shown again
    // after a message keeps its choices instead of setting itself up afresh. Valid from the
    // window's showEvent on.
    bool shownAgain() const { return m_shownAgain; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Shell& m_shell;
    QWidget& m_window;
    int m_level = 0;
    bool m_reshowMark = false;
    bool m_shownAgain = false;
};

}  // namespace corlinth::gui
