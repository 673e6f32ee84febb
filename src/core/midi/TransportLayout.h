#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/app/FixedTexts.h"

namespace corlinth {

// Where the transmission window's parts go once its instruction texts are known.
struct TransportLayout {
    std::array<std::string, 4> lines;  // the four text lines, top to bottom
    int windowHeight = 0;
    int listTop = 0;    // the port list, shown in Windows mode only
    int buttonTop = 0;  // the transmit button
    bool portListVisible = true;
};

// Pixel width of a text in the window's label font; the window measures, the core decides.
using TextWidth = std::function<int(std::string_view)>;

// Spreads the two instruction sentences over the four lines so that each fits the window
// width less 50 pixels, moving words down a line at a time, and shortens the window for the
// lines left empty (and for the port list, which Mac mode does not show).
TransportLayout layoutTransportWindow(const std::array<std::string, 2>& texts, int windowWidth,
                                      const TextWidth& width, PlatformMode mode);

}  // namespace corlinth
