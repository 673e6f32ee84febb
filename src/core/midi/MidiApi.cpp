#include "core/midi/MidiApi.h"

namespace corlinth {

std::optional<MidiApi> midiApiNamed(std::string_view name) {
    if (name == "alsa") {
        return MidiApi::Alsa;
    }
    if (name == "jack") {
        return MidiApi::Jack;
    }
    return std::nullopt;
}

}  // namespace corlinth
