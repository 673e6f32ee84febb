#include "core/app/SelectionLayout.h"

#include <array>

namespace corlinth {
namespace {

constexpr int kHeadingTop = 128;
constexpr int kHeadingHeight = 24;
constexpr int kFirstRowTop = 158;
constexpr int kRowStep = 63;
constexpr int kFamilyHeadingTop = kFirstRowTop + 5 * kRowStep;  // 473
constexpr int kLastRowTop = kFamilyHeadingTop + 30;             // 503

struct DesignedButton {
    std::string_view product;
    int column;  // 0 left, 1 right
    int top;
};

constexpr std::array<DesignedButton, 11> kDesign{{
    {"Sodrin", 0, kFirstRowTop},
    {"Pirrow", 0, kFirstRowTop + kRowStep},
    {"Gavrel", 0, kFirstRowTop + 2 * kRowStep},
    {"Tessol", 0, kFirstRowTop + 3 * kRowStep},
    {"Ombrel", 0, kFirstRowTop + 4 * kRowStep},
    {"Kelto", 0, kLastRowTop},
    {"Vantrel", 1, kFirstRowTop},
    {"Strayne", 1, kFirstRowTop + kRowStep},
    {"Hennic", 1, kFirstRowTop + 2 * kRowStep},
    {"Daskin", 1, kFirstRowTop + 3 * kRowStep},
    {"Brannic", 1, kLastRowTop},
}};

}  // namespace

std::vector<SelectionButtonPlace> selectionButtonLayout(int windowWidth) {
    using namespace selectionWindow;
    const int leftColumn = (windowWidth - columnsWidth) / 2;
    std::vector<SelectionButtonPlace> places;
    places.reserve(kDesign.size());
    for (const DesignedButton& design : kDesign) {
        const PixelRect button{leftColumn + design.column * columnStep, design.top, buttonWidth,
                               buttonHeight};
        const PixelRect picture{button.left + pictureInset, button.top + pictureInset,
                                button.width - 2 * pictureInset, button.height - 2 * pictureInset};
        places.push_back({design.product, button, picture});
    }
    return places;
}

PixelRect processorsHeadingPlace(int windowWidth) {
    return {0, kHeadingTop, windowWidth, kHeadingHeight};
}

PixelRect familyHeadingPlace(int windowWidth) {
    return {0, kFamilyHeadingTop, windowWidth, kHeadingHeight};
}

}  // namespace corlinth
