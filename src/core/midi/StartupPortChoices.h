#pragma once

#include <vector>

#include "core/midi/MidiOutput.h"

namespace corlinth {

// The ports Mac mode offers at start-up: every port but device 0, the first of the MIDI
// system's numbering. Port IDs are the system's own numbers (the position in its listing),
// kept beside the names, so that a port left out of the listing does not shift the others.
std::vector<MidiPort> macModePortChoices(const std::vector<MidiPort>& ports);

}  // namespace corlinth
