#pragma once

#include "gui/app/ProductMainWindow.h"

class QAction;

namespace corlinth::gui {

// The editor window of a product whose editor class has not been registered: an empty window
// with the editor's name and title and its Program menu item, which the program can open and
// close like any editor.
class PlainMainWindow : public ProductMainWindow {
    Q_OBJECT
  public:
    PlainMainWindow(Shell& shell, const ProductRecord& product);

    void mainjump(int code, MessageAnswer answer) override;
    void setProgramMenuCaption(const QString& caption) override;
    QString programMenuCaption() const;

  private:
    QAction* m_programItem;
};

}  // namespace corlinth::gui
