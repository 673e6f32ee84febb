#pragma once

#include "core/app/ProductRegistry.h"
#include "gui/app/ManagedWindow.h"
#include "gui/app/ProductMainWindow.h"

class QAction;
class QCloseEvent;

namespace corlinth::gui {

// The editor window of a product whose editor class has not been registered: an empty window
// with the editor's name and title and its Program menu item, which the program can open and
// close like any editor.
class PlainMainWindow : public ManagedWindow, public ProductMainWindow {
    Q_OBJECT
  public:
    PlainMainWindow(Shell& shell, const ProductRecord& product);

    QWidget& window() override { return *this; }
    void mainjump(Answer answer) override;
    void setProgramMenuCaption(const QString& caption) override;
    QString programMenuCaption() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* m_programItem;
};

}  // namespace corlinth::gui
