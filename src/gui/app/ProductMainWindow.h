#pragma once

#include <QString>

#include "core/app/MessageBoxLayout.h"
#include "core/app/ProductRegistry.h"
#include "gui/app/ManagedWindow.h"

class QCloseEvent;

namespace corlinth::gui {

// What the shell needs of a product's editor window (the nine text editors, TForm2 and
// TForm5). The window is created when the product is chosen and lives to the end of the run;
// closing it ends the program.
class ProductMainWindow : public ManagedWindow {
    Q_OBJECT
  public:
    ProductMainWindow(Shell& shell, const ProductRecord& product);

    const ProductRecord& product() const { return m_product; }

    // The pending action: what the question or message being shown is about. The editor and
    // its dialogs set it before they ask; the codes and their meaning are the editor's.
    int pendingAction() const { return m_pendingAction; }
    void setPendingAction(int code) { m_pendingAction = code; }

    // The continuation: called every time the shared message box closes, after the window
    // that made room for the message has been shown again, with the pending action and the
    // answer ("Cancel" when the box was closed by its frame).
    virtual void mainjump(int code, MessageAnswer answer) = 0;

    // The Program menu's item reads "     Program the " + name + "...        ".
    virtual void setProgramMenuCaption(const QString& caption) = 0;

    // Only Hennic's editor has a "Firmware Update" menu; it is shown when the hidden switch is
    // on. Editors without the menu have nothing to show.
    virtual void setFirmwareUpdateMenuVisible(bool visible) { (void)visible; }

    // The program stopped being the active application (Mac mode): the editor leaves its
    // command-key state. Editors without one have nothing to leave.
    virtual void applicationDeactivated() {}

  protected:
    // Closing the editor ends the program. An editor that asks before closing ignores the
    // event while it asks and calls this when the close goes through.
    void closeEvent(QCloseEvent* event) override;

  private:
    const ProductRecord& m_product;
    int m_pendingAction = 0;
};

}  // namespace corlinth::gui
