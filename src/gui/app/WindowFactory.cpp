#include "gui/app/WindowFactory.h"

#include "gui/app/PlainMainWindow.h"
#include "gui/app/PlainWindow.h"

namespace corlinth::gui {

void WindowFactory::registerWindow(std::string_view windowName, WindowCreator creator) {
    m_creators.insert_or_assign(std::string(windowName), std::move(creator));
}

bool WindowFactory::hasClass(std::string_view windowName) const {
    return m_creators.find(windowName) != m_creators.end();
}

ManagedWindow* WindowFactory::create(Shell& shell, const ProductRecord& product,
                                     std::string_view windowName) const {
    if (const auto found = m_creators.find(windowName); found != m_creators.end()) {
        return found->second(shell, product, windowName);
    }
    if (windowName == product.mainWindow) {
        return new PlainMainWindow(shell, product);
    }
    return new PlainWindow(shell, windowName);
}

}  // namespace corlinth::gui
