#pragma once

#include <QWidget>
#include <string>
#include <string_view>

namespace corlinth::gui {

class Shell;

// Every window of the program is one of these. It knows the shell it belongs to, its
// stacking level (assigned by name when a product's windows have been created) and its
// re-show mark, and it behaves as a modal dialog would without being one: a window of level 1
// or higher that loses the activation to a window of the program below it comes back to the
// front with a beep.
//
// The shell owns every managed window: the constructor hands the window to the shell, which
// deletes it when the program ends.
class ManagedWindow : public QWidget {
    Q_OBJECT
  public:
    // `name` becomes the objectName, by which the level is ranked and other windows find it.
    ManagedWindow(Shell& shell, std::string_view name);
    ~ManagedWindow() override;

    Shell& shell() const { return m_shell; }
    std::string name() const { return objectName().toStdString(); }

    int level() const { return m_level; }
    void setLevel(int level) { m_level = level; }

    // Set when the window hides itself to make room for a message (or a popup dialog) and
    // cleared once `reenableforms` has shown it again.
    bool reshowMark() const { return m_reshowMark; }
    void setReshowMark(bool mark) { m_reshowMark = mark; }

    // Whether the window carried the re-show mark when it was last shown: a dialog shown
    // again after a message keeps its choices instead of setting itself up afresh. Read it
    // from a showEvent or activation handler.
    bool shownAgain() const { return m_shownAgain; }

    // Hides the window so that a message or popup can take its place; it comes back when the
    // message box closes.
    void hideForMessage();

    // Centres the window on a point, or on another window, with left and top at least 0.
    void centreOn(QPoint centre);
    void centreOver(const QWidget& other);
    // Shows the window without making it modal and brings it to the front.
    void showInFront();

    // The centre of the window's frame on the screen, where its messages are centred.
    QPoint centrePoint() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Shell& m_shell;
    int m_level = 0;
    bool m_reshowMark = false;
    bool m_shownAgain = false;
};

}  // namespace corlinth::gui
