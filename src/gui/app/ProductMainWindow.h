#pragma once

#include <QString>

#include "core/app/Answer.h"

class QWidget;

namespace corlinth::gui {

// What the shell needs of a product's editor window (the nine text editors, TForm2 and
// TForm5), whatever widget class the window is. The window is created when the product is
// chosen and lives to the end of the run; closing it ends the program (the editor calls
// Shell::endProgram() when its close goes through).
//
// The object implementing this lives as long as its window: it is the window itself, or a
// QObject child of it.
class ProductMainWindow {
  public:
    virtual ~ProductMainWindow() = default;

    virtual QWidget& window() = 0;

    // `mainjump`, the continuation: called every time the shared message box closes while
    // the product is open, after the window that made room for the message has been shown
    // again, with the answer ("Cancel" when the box was closed by its frame). The pending
    // action the answer belongs to is the editor's own.
    virtual void mainjump(Answer answer) = 0;

    // The Program menu's item reads "     Program the " + name + "...        ".
    virtual void setProgramMenuCaption(const QString& caption) = 0;

    // Only Hennic's editor has a "Firmware Update" menu; it is shown when the hidden switch
    // is on. Editors without the menu have nothing to show.
    virtual void setFirmwareUpdateMenuVisible(bool visible) { (void)visible; }

    // The program stopped being the active application (Mac mode): the editor leaves its
    // command-key state. Editors without one have nothing to leave.
    virtual void applicationDeactivated() {}
};

}  // namespace corlinth::gui
