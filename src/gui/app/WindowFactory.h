#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/app/ProductRegistry.h"

class QWidget;

namespace corlinth::gui {

class ProductMainWindow;
class Shell;

// Creates a product's companion window (a dialog, the transmission window) by its name. The
// window may be any top-level widget; the shell manages it once it is created (a
// ManagedWindow manages itself).
using WindowCreator = std::function<QWidget*(Shell& shell, const ProductRecord& product,
                                             std::string_view windowName)>;

// Creates a product's editor window. The returned object lives as long as its window.
using MainWindowCreator =
    std::function<ProductMainWindow*(Shell& shell, const ProductRecord& product)>;

// The window classes by window name. A name no class has been registered for gets a plain
// window with that name (an empty editor window for a main window), so that every product can
// be opened while its windows are being built.
class WindowFactory {
  public:
    void registerWindow(std::string_view windowName, WindowCreator creator);
    void registerMainWindow(std::string_view windowName, MainWindowCreator creator);
    bool hasClass(std::string_view windowName) const;

    QWidget* create(Shell& shell, const ProductRecord& product, std::string_view windowName) const;
    ProductMainWindow* createMain(Shell& shell, const ProductRecord& product) const;

  private:
    std::map<std::string, WindowCreator, std::less<>> m_creators;
    std::map<std::string, MainWindowCreator, std::less<>> m_mainCreators;
};

// Registers the window classes of every product (ProductWindows.cpp).
void registerProductWindows(WindowFactory& factory);

}  // namespace corlinth::gui
