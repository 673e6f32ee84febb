#include "gui/app/WindowFactory.h"

namespace corlinth::gui {

// One line per window class, keyed by the window names of the product table:
//     factory.registerWindow("TPirrowNoteOn", [](Shell& s, const ProductRecord& p,
//                                                std::string_view name) { ... });
// Names without a line here get a plain window of that name.
void registerProductWindows(WindowFactory& factory) {
    (void)factory;
}

}  // namespace corlinth::gui
