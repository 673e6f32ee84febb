#pragma once

#include "gui/document/EditorEnvironment.h"

namespace corlinth::gui {

class Shell;

// The text editors' view of the program, answered by the shell: the platform mode, the
// folders the start-up worked out, the chosen port, the shared message box, the product's
// windows by name, the about window and the beep.
class ShellEditorEnvironment : public EditorEnvironment {
  public:
    explicit ShellEditorEnvironment(Shell& shell) : m_shell(shell) {}

    PlatformMode mode() const override;
    QString documentsRoot() const override;
    QString programFolder() const override;
    bool firmwareMenuEnabled() const override;
    bool hasChosenPort() const override;
    void question(const QString& text, QPoint centre) override;
    void warning(const QString& text, QPoint centre) override;
    void information(const QString& text, QPoint centre) override;
    bool messageShowing() const override;
    QWidget* window(std::string_view name) const override;
    void showAbout(QPoint centre) override;
    void beep() override;

  private:
    Shell& m_shell;
};

}  // namespace corlinth::gui
