#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/midi/MidiOutput.h"

namespace corlinth {

// Which of the MIDI system's output ports the program offers. Port IDs are the system's own
// numbering (the position in its listing), which the lists keep beside the names so that a
// skipped port does not shift the others.

// The Mac-mode start-up list: every port but device 0, the first of the system's numbering.
std::vector<MidiPort> macModePortChoices(const std::vector<MidiPort>& ports);

// Windows' software synthesiser answers as a MIDI output but plays the messages instead of
// passing them on; it is never offered. Compared by its first 22 characters, as it reports
// its name with varying endings.
bool isSoftwareSynthesiser(std::string_view portName);

// The list of the transmission window: every port but the software synthesiser.
std::vector<MidiPort> transmissionPortChoices(const std::vector<MidiPort>& ports);

struct PortListRefresh {
    bool rebuild = false;
    // The entry that becomes the chosen port after a rebuild; none when the list is empty
    // (the chosen port then stays as it was).
    std::optional<std::size_t> selected;
};

// The transmission window refreshes its list every 500 ms; it rebuilds only when something
// changed (or on the first refresh after opening), so that an open drop-down is left alone.
// After a rebuild the entry named like the chosen port is selected (the last one when names
// repeat), or else the first.
PortListRefresh refreshPortList(const std::vector<MidiPort>& onScreen,
                                const std::vector<MidiPort>& collected,
                                std::string_view chosenPortName, bool firstRefresh);

}  // namespace corlinth
