#include "gui/app/TextEditorMain.h"

#include "gui/app/Shell.h"
#include "gui/app/ShellEditorEnvironment.h"
#include "gui/document/TextEditorWindow.h"

namespace corlinth::gui {

TextEditorMain::TextEditorMain(Shell& shell, const ProductRecord& product)
    : m_editor(new TextEditorWindow(shell.editorEnvironment(), product)) {
    setParent(m_editor);
    connect(m_editor, &TextEditorWindow::editorClosed, &shell, &Shell::endProgram);
}

QWidget& TextEditorMain::window() {
    return *m_editor;
}

void TextEditorMain::mainjump(Answer answer) {
    m_editor->mainjump(answer);
}

void TextEditorMain::setProgramMenuCaption(const QString& caption) {
    m_editor->setProgramCaption(caption);
}

void TextEditorMain::setFirmwareUpdateMenuVisible(bool visible) {
    m_editor->setFirmwareMenuVisible(visible);
}

}  // namespace corlinth::gui
