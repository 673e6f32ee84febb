#pragma once

#include <QObject>

#include "core/app/ProductRegistry.h"
#include "gui/app/ProductMainWindow.h"

namespace corlinth::gui {

class Shell;
class TextEditorWindow;

// The shell's hold on a text product's editor: it creates the editor with the shell as its
// environment, passes the message box's answers and the menu captions on, and ends the
// program when the editor closes. It lives as a child of the editor window.
class TextEditorMain : public QObject, public ProductMainWindow {
    Q_OBJECT
  public:
    TextEditorMain(Shell& shell, const ProductRecord& product);

    QWidget& window() override;
    void mainjump(Answer answer) override;
    void setProgramMenuCaption(const QString& caption) override;
    void setFirmwareUpdateMenuVisible(bool visible) override;

    TextEditorWindow& editor() const { return *m_editor; }

  private:
    TextEditorWindow* m_editor;
};

}  // namespace corlinth::gui
