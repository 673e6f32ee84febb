#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/CommandLine.h"

namespace corlinth {
namespace {

TEST(CommandLine, ReadsTheSwitchesAndTheMidiSystem) {
    struct Row {
        std::vector<std::string> arguments;
        const char* variable;
        CommandLineOptions expected;
        const char* error;  // the start of the error, or "" when accepted
    };
    const PlatformMode W = PlatformMode::Windows;
    const PlatformMode M = PlatformMode::Mac;
    const Row rows[] = {
        {{}, "", {W, false, MidiApi::Alsa}, ""},
        {{"--mac-mode"}, "", {M, false, MidiApi::Alsa}, ""},
        {{"--firmware-update-menu", "--mac-mode"}, "", {M, true, MidiApi::Alsa}, ""},
        {{"--midi-api", "jack"}, "", {W, false, MidiApi::Jack}, ""},
        {{"--midi-api=jack"}, "", {W, false, MidiApi::Jack}, ""},
        {{}, "jack", {W, false, MidiApi::Jack}, ""},
        {{"--midi-api", "alsa"}, "jack", {W, false, MidiApi::Alsa}, ""},
        {{"--midi-api", "alsa"}, "pulse", {W, false, MidiApi::Alsa}, ""},
        {{}, "JACK", {}, "CORLINTH_MIDI_API: unknown MIDI system \"JACK\""},
        {{"--midi-api", "coremidi"}, "", {}, "--midi-api: unknown MIDI system \"coremidi\""},
        {{"--midi-api"}, "", {}, "--midi-api needs a value"},
        {{"--mac"}, "", {}, "unknown option \"--mac\""},
    };
    for (const Row& row : rows) {
        const CommandLineParse parse = parseCommandLine(row.arguments, row.variable);
        const std::string what = row.arguments.empty() ? row.variable : row.arguments[0];
        if (*row.error == 0) {
            EXPECT_EQ(parse.error, "") << what;
            EXPECT_EQ(parse.options, row.expected) << what;
        } else {
            EXPECT_EQ(parse.error.substr(0, std::string(row.error).size()), row.error) << what;
        }
    }
    EXPECT_TRUE(parseCommandLine(std::vector<std::string>{"--help"}, "").showUsage);
}

}  // namespace
}  // namespace corlinth
