#pragma once

#include "gui/app/ManagedWindow.h"

namespace corlinth::gui {

// A product window whose class has not been registered: it has its name, level and place in
// the stacking, and shows its name as its title.
class PlainWindow : public ManagedWindow {
    Q_OBJECT
  public:
    PlainWindow(Shell& shell, std::string_view name);
};

}  // namespace corlinth::gui
