#include "core/app/ProductRegistry.h"
#include "gui/app/TextEditorMain.h"
#include "gui/app/WindowFactory.h"

namespace corlinth::gui {

// One registration per window class, keyed by the window names of the product table. Names
// without one get a plain window of that name.
void registerProductWindows(WindowFactory& factory) {
    for (const ProductRecord& product : allProducts()) {
        if (product.editorKind == EditorKind::Text) {
            factory.registerMainWindow(product.mainWindow,
                                       [](Shell& shell, const ProductRecord& record) {
                                           return new TextEditorMain(shell, record);
                                       });
        }
    }
}

}  // namespace corlinth::gui
