#include "core/midi/TransportLayout.h"

namespace corlinth {
namespace {

// The window as designed, before the adjustment.
constexpr int kDesignedHeight = 228;
constexpr int kDesignedListTop = 96;
constexpr int kDesignedButtonTop = 136;
constexpr int kMargin = 50;
constexpr int kEmptyLineHeight = 16;
constexpr int kPortListHeight = 36;

void dropTrailingSpaces(std::string& line) {
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
}

}  // namespace

TransportLayout layoutTransportWindow(const std::array<std::string, 2>& texts, int windowWidth,
                                      const TextWidth& width, PlatformMode mode) {
    TransportLayout layout;
    layout.lines = {texts[0], texts[1], std::string(), std::string()};
    const int limit = windowWidth - kMargin;
    for (std::size_t i = 0; i + 1 < layout.lines.size(); ++i) {
        std::string& line = layout.lines[i];
        std::string& next = layout.lines[i + 1];
        while (width(line) > limit) {
            dropTrailingSpaces(line);
            const std::size_t lastSpace = line.rfind(' ');
            if (lastSpace == std::string::npos) {
                break;  // one word wider than the whole line stays where it is
            }
            // The space before the word stays behind; the next round drops it if the line
            // is still too wide.
            next = line.substr(lastSpace + 1) + " " + next;
            line.erase(lastSpace + 1);
        }
    }
    int reduction = 0;
    if (layout.lines[2].empty()) {
        reduction += kEmptyLineHeight;
    }
    if (layout.lines[3].empty()) {
        reduction += kEmptyLineHeight;
    }
    layout.portListVisible = mode != PlatformMode::Mac;
    if (!layout.portListVisible) {
        reduction += kPortListHeight;
    }
    layout.windowHeight = kDesignedHeight - reduction;
    layout.listTop = kDesignedListTop - reduction;
    layout.buttonTop = kDesignedButtonTop - reduction;
    return layout;
}

}  // namespace corlinth
