#include "core/products/common/Durations.h"

#include <algorithm>

namespace corlinth {

Bytes durationBytes(const Duration& duration) {
    if (duration.ticks > 0) {
        return {static_cast<Byte>(duration.ticks)};
    }
    return {0x00, static_cast<Byte>(duration.seconds)};
}

std::string durationText(const Duration& duration) {
    if (duration.ticks == 0) {
        return std::to_string(duration.seconds) + "s";
    }
    const int d = duration.ticks;
    const int whole = d >= 125 ? 1 : 0;
    const int milliseconds = 8 * d - 1000 * whole;
    // The zeros pad the milliseconds to three places, except that a round second is "1.0".
    std::string zeros;
    if (d == 1 || d == 126) {
        zeros = "00";
    } else if ((d >= 2 && d <= 12) || d == 127) {
        zeros = "0";
    }
    return std::to_string(whole) + "." + zeros + std::to_string(milliseconds) + "s";
}

std::vector<std::string> DurationLists::shortItems() const {
    std::vector<std::string> items;
    for (int d = 1; d <= 127; ++d) {
        const int milliseconds = 8 * d;
        std::string fraction = std::to_string(1000 + milliseconds % 1000).substr(1);
        items.push_back(std::to_string(milliseconds / 1000) + "." + fraction);
    }
    items.emplace_back("longer durations...");
    return items;
}

std::vector<std::string> DurationLists::longItems() const {
    std::vector<std::string> items{"shorter durations..."};
    for (int s = m_firstSecond; s <= 127; ++s) {
        items.push_back(std::to_string(s));
    }
    return items;
}

void DurationLists::shortItemChosen(int shortItem, int& longItem) const {
    if (shortItem == kLongerItem) {
        longItem = oneSecondLongItem();
    }
}

void DurationLists::longItemChosen(int longItem, int& shortItem) const {
    if (longItem == kShorterItem) {
        shortItem = kOneSecondShortItem;
    }
}

Duration DurationLists::duration(int shortItem, int longItem) const {
    if (!longListShown(shortItem)) {
        return {std::clamp(shortItem, 0, kLongerItem - 1) + 1, 0};
    }
    if (longItem == kShorterItem) {
        // Not reachable through the lists, which switch back to the short list at once.
        return {kOneSecondShortItem + 1, 0};
    }
    return {0, std::min(longItem - 1 + m_firstSecond, 127)};
}

void DurationLists::select(const Duration& duration, int& shortItem, int& longItem) const {
    if (duration.ticks > 0) {
        shortItem = std::min(duration.ticks, 127) - 1;
        return;
    }
    shortItem = kLongerItem;
    longItem = std::clamp(duration.seconds, m_firstSecond, 127) - m_firstSecond + 1;
}

}  // namespace corlinth
