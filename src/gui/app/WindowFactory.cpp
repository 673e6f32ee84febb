#include "gui/app/WindowFactory.h"

#include "gui/app/PlainMainWindow.h"
#include "gui/app/PlainWindow.h"

namespace corlinth::gui {

void WindowFactory::registerWindow(std::string_view windowName, WindowCreator creator) {
    m_creators.insert_or_assign(std::string(windowName), std::move(creator));
}

void WindowFactory::registerMainWindow(std::string_view windowName, MainWindowCreator creator) {
    m_mainCreators.insert_or_assign(std::string(windowName), std::move(creator));
}

bool WindowFactory::hasClass(std::string_view windowName) const {
    return m_creators.find(windowName) != m_creators.end() ||
           m_mainCreators.find(windowName) != m_mainCreators.end();
}

QWidget* WindowFactory::create(Shell& shell, const ProductRecord& product,
                               std::string_view windowName) const {
    if (const auto found = m_creators.find(windowName); found != m_creators.end()) {
        return found->second(shell, product, windowName);
    }
    return new PlainWindow(shell, windowName);
}

ProductMainWindow* WindowFactory::createMain(Shell& shell, const ProductRecord& product) const {
    if (const auto found = m_mainCreators.find(product.mainWindow); found != m_mainCreators.end()) {
        return found->second(shell, product);
    }
    return new PlainMainWindow(shell, product);
}

}  // namespace corlinth::gui
