#include "core/midi/StartupPortChoices.h"

namespace corlinth {

std::vector<MidiPort> macModePortChoices(const std::vector<MidiPort>& ports) {
    std::vector<MidiPort> choices;
    for (const MidiPort& port : ports) {
        if (port.id != 0) {
            choices.push_back(port);
        }
    }
    return choices;
}

}  // namespace corlinth
