#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/app/ProductRegistry.h"

namespace corlinth::gui {

class ManagedWindow;
class Shell;

// Creates a product's window by its name. The window's class hands itself to the shell in its
// constructor, so a creator simply returns `new TheWindow(shell, ...)`.
using WindowCreator = std::function<ManagedWindow*(Shell& shell, const ProductRecord& product,
                                                   std::string_view windowName)>;

// The window classes by window name. A main window's class derives from ProductMainWindow.
// A name no class has been registered for gets a plain window with that name (an empty
// editor window for a main window), so that every product can be opened while its windows
// are being built.
class WindowFactory {
  public:
    void registerWindow(std::string_view windowName, WindowCreator creator);
    bool hasClass(std::string_view windowName) const;
    ManagedWindow* create(Shell& shell, const ProductRecord& product,
                          std::string_view windowName) const;

  private:
    std::map<std::string, WindowCreator, std::less<>> m_creators;
};

// Registers the window classes of every product; each editor and dialog adds its line in
// ProductWindows.cpp.
void registerProductWindows(WindowFactory& factory);

}  // namespace corlinth::gui
