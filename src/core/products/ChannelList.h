#pragma once

#include <string>
#include <vector>

namespace corlinth {

// The MIDI channel list of the dialogs: "1".."16", and "All" as a 17th entry when asked.
std::vector<std::string> channelListItems(bool withAll);

}  // namespace corlinth
