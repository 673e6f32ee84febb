#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/midi/MidiOutput.h"

namespace corlinth {

// What one refresh of the transmission window's port list does.
struct PortListRefresh {
    bool rebuilt = false;                 // the entries on screen were replaced
    std::vector<MidiPort> entries;        // the list as it stands afterwards
    std::optional<std::size_t> selected;  // the entry to select after a rebuild
    MidiPort chosen;                      // the chosen port afterwards
};

// `refreshmidioutputlist`: compares the ports found with the list on screen and rebuilds it
// only when something changed (or on the first refresh after the window opened), so that an
// open drop-down is left alone between changes. A rebuild selects the chosen port by name,
// the last of several equal names, else the first entry, and makes the selection the chosen
// port; an empty list keeps the chosen port as it was. The platform's software synthesiser
// is never offered.
PortListRefresh refreshmidioutputlist(std::span<const MidiPort> onScreen,
                                      std::span<const MidiPort> found, const MidiPort& chosen,
                                      bool firstRefresh);

}  // namespace corlinth
