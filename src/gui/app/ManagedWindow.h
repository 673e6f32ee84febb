#pragma once

#include <QWidget>
#include <string>
#include <string_view>

namespace corlinth::gui {

class Shell;
class WindowMark;

// A window of the program built on QWidget. It hands itself to the shell when it is created
// (the shell deletes it when the program ends), so it has its stacking level and re-show mark
// and behaves as a modal dialog would without being one: a window of level 1 or higher that
// loses the activation to a window of the program below it comes back to the front with a
// beep. Windows built on other widget classes get the same through Shell::manage().
class ManagedWindow : public QWidget {
    Q_OBJECT
  public:
    // `name` becomes the objectName, by which the level is ranked and other windows find it.
    ManagedWindow(Shell& shell, std::string_view name);

    Shell& shell() const { return m_shell; }
    std::string name() const { return objectName().toStdString(); }
    WindowMark& mark() const { return m_mark; }

    int level() const;
    bool reshowMark() const;
    void setReshowMark(bool mark);
    bool shownAgain() const;

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

  private:
    Shell& m_shell;
    WindowMark& m_mark;
};

}  // namespace corlinth::gui
