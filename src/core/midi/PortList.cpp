#include "core/midi/PortList.h"

#include <algorithm>
#include <string_view>

namespace corlinth {
namespace {

// The platform's own software synthesiser; units are never behind it.
constexpr std::string_view kSoftwareSynthesiser = "Microsoft GS Wavetable";

}  // namespace

PortListRefresh refreshmidioutputlist(std::span<const MidiPort> onScreen,
                                      std::span<const MidiPort> found, const MidiPort& chosen,
                                      bool firstRefresh) {
    std::vector<MidiPort> ports;
    for (const MidiPort& port : found) {
        if (!port.name.starts_with(kSoftwareSynthesiser)) {
            ports.push_back(port);
        }
    }
    PortListRefresh refresh;
    refresh.chosen = chosen;
    if (!firstRefresh && std::ranges::equal(ports, onScreen)) {
        refresh.entries.assign(onScreen.begin(), onScreen.end());
        return refresh;
    }
    refresh.rebuilt = true;
    refresh.entries = std::move(ports);
    if (refresh.entries.empty()) {
        return refresh;
    }
    std::size_t selected = 0;
    for (std::size_t i = 0; i < refresh.entries.size(); ++i) {
        if (refresh.entries[i].name == chosen.name) {
            selected = i;
        }
    }
    refresh.selected = selected;
    refresh.chosen = refresh.entries[selected];
    return refresh;
}

}  // namespace corlinth
