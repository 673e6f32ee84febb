#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/app/FixedTexts.h"
#include "core/midi/MidiApi.h"

namespace corlinth {

// The program's switches. Mac mode and the firmware update menu are switches the shipped
// builds set inside the program; here they are options, as is the choice of MIDI system.
struct CommandLineOptions {
    PlatformMode mode = PlatformMode::Windows;
    bool firmwareUpdateMenu = false;
    MidiApi midiApi = MidiApi::Alsa;
    bool operator==(const CommandLineOptions&) const = default;
};

struct CommandLineParse {
    CommandLineOptions options;
    bool showUsage = false;  // --help
    std::string error;       // empty when the arguments were understood
};

namespace commandLine {
inline constexpr std::string_view midiApiVariable = "CORLINTH_MIDI_API";
inline constexpr std::string_view usage =
    "Usage: corlinth [--mac-mode] [--firmware-update-menu] [--midi-api alsa|jack]\n"
    "  --mac-mode              run as the macOS build does\n"
    "  --firmware-update-menu  show the Hennic editor's Firmware Update menu\n"
    "  --midi-api alsa|jack    the MIDI system to send through (default alsa; also the\n"
    "                          environment variable CORLINTH_MIDI_API)\n";
}  // namespace commandLine

// `arguments` without the program's name (the window toolkit has taken its own options out);
// `midiApiVariable` is the value of CORLINTH_MIDI_API, empty when it is not set. The option
// wins over the variable.
CommandLineParse parseCommandLine(std::span<const std::string> arguments,
                                  std::string_view midiApiVariable);

}  // namespace corlinth
