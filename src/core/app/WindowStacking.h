#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace corlinth {

// How the program's windows stack. Level 0 are the windows that stand on their own (the
// selection window, the interface window, the editors), level 1 the dialogs opened from an
// editor, level 2 the dialogs opened from a dialog, level 3 the shared message box.
namespace windowLevel {
inline constexpr int standalone = 0;
inline constexpr int dialog = 1;
inline constexpr int dialogOfDialog = 2;
inline constexpr int message = 3;
}  // namespace windowLevel

// The level of a window by its name (the names are the windows' objectName).
int windowLevelOf(std::string_view windowName);

// What `reenableforms` needs to know of each window, in creation order.
struct StackedWindow {
    int level = 0;
    bool reshowMark = false;
};

// The window to show again after a message: the most recently created level 2 window that
// hid itself for the message, otherwise the most recently created such level 1 window. At most
// one window comes back.
std::optional<std::size_t> windowToShowAgain(std::span<const StackedWindow> windows);

}  // namespace corlinth
