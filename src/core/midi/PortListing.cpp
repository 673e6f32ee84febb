#include "core/midi/PortListing.h"

namespace corlinth {
namespace {

constexpr std::string_view kSoftwareSynthesiser = "Microsoft GS Wavetable";

}  // namespace

std::vector<MidiPort> macModePortChoices(const std::vector<MidiPort>& ports) {
    std::vector<MidiPort> choices;
    for (const MidiPort& port : ports) {
        if (port.id != 0) {
            choices.push_back(port);
        }
    }
    return choices;
}

bool isSoftwareSynthesiser(std::string_view portName) {
    return portName.substr(0, kSoftwareSynthesiser.size()) == kSoftwareSynthesiser;
}

std::vector<MidiPort> transmissionPortChoices(const std::vector<MidiPort>& ports) {
    std::vector<MidiPort> choices;
    for (const MidiPort& port : ports) {
        if (!isSoftwareSynthesiser(port.name)) {
            choices.push_back(port);
        }
    }
    return choices;
}

PortListRefresh refreshPortList(const std::vector<MidiPort>& onScreen,
                                const std::vector<MidiPort>& collected,
                                std::string_view chosenPortName, bool firstRefresh) {
    PortListRefresh refresh;
    if (!firstRefresh && onScreen == collected) {
        return refresh;
    }
    refresh.rebuild = true;
    if (collected.empty()) {
        return refresh;
    }
    refresh.selected = 0;
    for (std::size_t i = 0; i < collected.size(); ++i) {
        if (collected[i].name == chosenPortName) {
            refresh.selected = i;
        }
    }
    return refresh;
}

}  // namespace corlinth
