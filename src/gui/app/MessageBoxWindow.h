#pragma once

#include <QString>
#include <array>

#include "core/app/MessageBoxLayout.h"
#include "gui/app/ManagedWindow.h"

class QCloseEvent;
class QLabel;
class QPushButton;

namespace corlinth::gui {

// TMsgBox: the one message box of the program. It is never modal: the caller records what
// the message is about (the editor's pending action), shows the message and returns; when the
// box closes, the shell shows again the window that made room for it and calls the editor's
// `mainjump` with the answer. Before a product is chosen, closing it goes on with the
// start-up instead.
class MessageBoxWindow : public ManagedWindow {
    Q_OBJECT
  public:
    explicit MessageBoxWindow(Shell& shell);

    // "Yes", "No" and "Cancel" (only "Yes" and "No" for the smf warning), caption "Warning".
    void MsgQuestion(const QString& text, QPoint centre);
    // One "OK", caption "Warning".
    void MsgWarning(const QString& text, QPoint centre);
    // One "OK", caption "Information"; the answer stays as it was.
    void MsgInfo(const QString& text, QPoint centre);

    // The same, centred on the calling window.
    void MsgQuestion(const QString& text, const QWidget& caller);
    void MsgWarning(const QString& text, const QWidget& caller);
    void MsgInfo(const QString& text, const QWidget& caller);

    Answer answer() const { return m_answer; }
    // A continuation may change the answer it passes on (a refused save answers "Cancel").
    void setAnswer(Answer answer) { m_answer = answer; }
    MessageKind kind() const { return m_kind; }
    QString text() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void showMessage(MessageKind kind, const QString& text, QPoint centre);
    void answerWith(const QPushButton& button);
    void finish();

    QLabel* m_icon;
    QLabel* m_text;
    std::array<QPushButton*, 3> m_buttons{};
    MessageKind m_kind = MessageKind::Warning;
    Answer m_answer = Answer::Cancel;
};

}  // namespace corlinth::gui
