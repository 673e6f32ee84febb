#include "core/products/ChannelList.h"

#include "core/products/StructuredTexts.h"

namespace corlinth {

std::vector<std::string> channelListItems(bool withAll) {
    std::vector<std::string> items;
    for (int channel = 1; channel <= 16; ++channel) {
        items.push_back(std::to_string(channel));
    }
    if (withAll) {
        items.emplace_back(texts::allChannels);
    }
    return items;
}

}  // namespace corlinth
