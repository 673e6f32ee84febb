#include "core/app/CommandLine.h"

namespace corlinth {
namespace {

constexpr std::string_view kMidiApiOption = "--midi-api";

std::string unknownMidiApi(std::string_view where, std::string_view value) {
    return std::string(where) + ": unknown MIDI system \"" + std::string(value) +
           "\" (alsa or jack)";
}

}  // namespace

CommandLineParse parseCommandLine(std::span<const std::string> arguments,
                                  std::string_view midiApiVariable) {
    CommandLineParse parse;
    bool midiApiGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--mac-mode") {
            parse.options.mode = PlatformMode::Mac;
        } else if (argument == "--firmware-update-menu") {
            parse.options.firmwareUpdateMenu = true;
        } else if (argument == "--help" || argument == "-h") {
            parse.showUsage = true;
        } else if (argument == kMidiApiOption ||
                   argument.substr(0, kMidiApiOption.size() + 1) == "--midi-api=") {
            std::string_view value;
            if (argument == kMidiApiOption) {
                if (i + 1 == arguments.size()) {
                    parse.error = "--midi-api needs a value (alsa or jack)";
                    return parse;
                }
                value = arguments[++i];
            } else {
                value = argument.substr(kMidiApiOption.size() + 1);
            }
            if (const auto api = midiApiNamed(value)) {
                parse.options.midiApi = *api;
                midiApiGiven = true;
            } else {
                parse.error = unknownMidiApi(kMidiApiOption, value);
                return parse;
            }
        } else {
            parse.error = "unknown option \"" + std::string(argument) + "\"";
            return parse;
        }
    }
    if (!midiApiGiven && !midiApiVariable.empty()) {
        if (const auto api = midiApiNamed(midiApiVariable)) {
            parse.options.midiApi = *api;
        } else {
            parse.error = unknownMidiApi(commandLine::midiApiVariable, midiApiVariable);
        }
    }
    return parse;
}

}  // namespace corlinth
