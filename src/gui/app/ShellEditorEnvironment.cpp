#include "gui/app/ShellEditorEnvironment.h"

#include "gui/app/AboutBox.h"
#include "gui/app/MessageBoxWindow.h"
#include "gui/app/ProductSelectWindow.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"

namespace corlinth::gui {

PlatformMode ShellEditorEnvironment::mode() const {
    return m_shell.platformMode();
}

QString ShellEditorEnvironment::documentsRoot() const {
    return qt(m_shell.selectionWindow().documentsRoot());
}

QString ShellEditorEnvironment::programFolder() const {
    return qt(m_shell.environment().currentDirectory);
}

bool ShellEditorEnvironment::firmwareMenuEnabled() const {
    return m_shell.firmwareUpdateMenuEnabled();
}

bool ShellEditorEnvironment::hasChosenPort() const {
    return !m_shell.chosenPort().name.empty();
}

void ShellEditorEnvironment::question(const QString& text, QPoint centre) {
    m_shell.messageBox().MsgQuestion(text, centre);
}

void ShellEditorEnvironment::warning(const QString& text, QPoint centre) {
    m_shell.messageBox().MsgWarning(text, centre);
}

void ShellEditorEnvironment::information(const QString& text, QPoint centre) {
    m_shell.messageBox().MsgInfo(text, centre);
}

bool ShellEditorEnvironment::messageShowing() const {
    return m_shell.messageBox().isVisible();
}

QWidget* ShellEditorEnvironment::window(std::string_view name) const {
    return m_shell.findWindow(name);
}

void ShellEditorEnvironment::showAbout(QPoint centre) {
    m_shell.aboutBox().centreOn(centre);
    m_shell.aboutBox().showInFront();
}

void ShellEditorEnvironment::beep() {
    m_shell.beep();
}

}  // namespace corlinth::gui
