#pragma once

#include <string_view>

namespace corlinth {

// The echo choice of the units' device settings and its comment pieces; the footswitch units and
// the expression-pedal units word it alike.
namespace echoTexts {
inline constexpr std::string_view caption = "Echo:";
inline constexpr std::string_view onItem = "ON (messages are echoed from MIDI In to MIDI Out)";
inline constexpr std::string_view offItem =
    "OFF (messages are not echoed from MIDI In to MIDI Out)";
inline constexpr std::string_view commentStart = "{ Program Echo to ";
inline constexpr std::string_view onPiece =
    "ON so that messages received at the MIDI In are echoed to the MIDI Out, ";
inline constexpr std::string_view offPiece =
    "OFF so that messages received at the MIDI In are NOT echoed to the MIDI Out, ";
}  // namespace echoTexts

}  // namespace corlinth
