#include "core/app/WindowStacking.h"

#include "core/app/ProductRegistry.h"

namespace corlinth {

int windowLevelOf(std::string_view name) {
    if (name == windows::messageBox) {
        return windowLevel::message;
    }
    if (name.find("SysPop") != std::string_view::npos || name == "TBtnBottomDlg2") {
        return windowLevel::dialogOfDialog;
    }
    if (name == windows::productSelect || name == windows::macMidi ||
        name.find("Main") != std::string_view::npos || name == "TForm2" || name == "TForm5") {
        return windowLevel::standalone;
    }
    return windowLevel::dialog;
}

std::optional<std::size_t> windowToShowAgain(std::span<const StackedWindow> windows) {
    for (int level : {windowLevel::dialogOfDialog, windowLevel::dialog}) {
        for (std::size_t i = windows.size(); i-- > 0;) {
            if (windows[i].level == level && windows[i].reshowMark) {
                return i;
            }
        }
    }
    return std::nullopt;
}

}  // namespace corlinth
