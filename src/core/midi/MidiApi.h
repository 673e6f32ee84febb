#pragma once

#include <optional>
#include <string_view>

namespace corlinth {

// The MIDI system the output goes through on Linux: the ALSA sequencer unless JACK is asked
// for.
enum class MidiApi { Alsa, Jack };

// "alsa" or "jack"; no value for anything else.
std::optional<MidiApi> midiApiNamed(std::string_view name);

}  // namespace corlinth
