#pragma once

#include <string_view>
#include <vector>

namespace corlinth {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// Where the product selection window puts its buttons. The window is designed 620 pixels high
// and loses 20 of them when it is created; the buttons' rows are fixed by the design, their
// columns follow the window's width.
namespace selectionWindow {
inline constexpr int designWidth = 800;
inline constexpr int designHeight = 620;
inline constexpr int heightReduction = 20;
inline constexpr int gradientTop = 120;  // the grey gradient runs from here to the bottom
inline constexpr int buttonWidth = 375;
inline constexpr int buttonHeight = 57;
inline constexpr int columnsWidth = 758;
inline constexpr int columnStep = 383;
inline constexpr int pictureInset = 4;
}  // namespace selectionWindow

struct SelectionButtonPlace {
    std::string_view product;  // display name, which is also the button's name
    PixelRect button;
    PixelRect picture;  // the panel holding the product's picture, inset on every side
};

// The eleven buttons: left column Sodrin, Pirrow, Gavrel, Tessol, Ombrel and, after the
// family heading, Kelto; right column Vantrel, Strayne, Hennic, Daskin and, after the heading,
// Brannic. Left column at (width - 758) / 2, the right one 383 pixels further.
std::vector<SelectionButtonPlace> selectionButtonLayout(int windowWidth);

// The heading "Processors" above the buttons and the family heading in the gap, each as wide
// as the window and centred.
PixelRect processorsHeadingPlace(int windowWidth);
PixelRect familyHeadingPlace(int windowWidth);

}  // namespace corlinth
