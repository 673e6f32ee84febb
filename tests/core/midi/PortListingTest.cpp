#include <gtest/gtest.h>

#include "core/midi/PortListing.h"

namespace corlinth {
namespace {

TEST(PortListing, MacModeNeverOffersDeviceZero) {
    EXPECT_TRUE(macModePortChoices({}).empty());
    EXPECT_TRUE(macModePortChoices({{"Midi Through Port-0", 0}}).empty());
    // A device whose name could not be read is missing from the listing; the others keep
    // their numbers.
    EXPECT_EQ(macModePortChoices({{"Midi Through Port-0", 0}, {"UM-ONE", 2}, {"MIDI Out", 3}}),
              (std::vector<MidiPort>{{"UM-ONE", 2}, {"MIDI Out", 3}}));
    EXPECT_EQ(macModePortChoices({{"UM-ONE", 1}}), (std::vector<MidiPort>{{"UM-ONE", 1}}));
}

TEST(PortListing, TheTransmissionListLeavesOutTheSoftwareSynthesiser) {
    EXPECT_EQ(transmissionPortChoices({{"Microsoft GS Wavetable Synth", 0},
                                       {"Microsoft GS Wavetable SW Synth", 1},
                                       {"UM-ONE", 2},
                                       {"Microsoft GS Wavetabl", 3}}),
              (std::vector<MidiPort>{{"UM-ONE", 2}, {"Microsoft GS Wavetabl", 3}}));
    EXPECT_TRUE(isSoftwareSynthesiser("Microsoft GS Wavetable"));
    EXPECT_FALSE(isSoftwareSynthesiser("microsoft GS Wavetable Synth"));
}

TEST(PortListing, RefreshRebuildsOnlyOnChangeAndSelectsTheChosenPortByName) {
    const std::vector<MidiPort> two{{"UM-ONE", 1}, {"MIDI Out", 2}};
    const std::vector<MidiPort> twins{{"MIDI Out", 1}, {"UM-ONE", 2}, {"MIDI Out", 3}};
    struct Row {
        const char* what;
        std::vector<MidiPort> onScreen;
        std::vector<MidiPort> collected;
        const char* chosen;
        bool first;
        bool rebuild;
        std::optional<std::size_t> selected;
    };
    const Row rows[] = {
        {"unchanged", two, two, "MIDI Out", false, false, std::nullopt},
        {"first refresh always rebuilds", two, two, "MIDI Out", true, true, 1},
        {"a port came", {{"UM-ONE", 1}}, two, "UM-ONE", false, true, 0},
        {"a number changed", {{"UM-ONE", 1}, {"MIDI Out", 3}}, two, "MIDI Out", false, true, 1},
        {"the chosen port went", two, {{"MIDI Out", 1}}, "UM-ONE", false, true, 0},
        {"twins: the later one", {}, twins, "MIDI Out", false, true, 2},
        {"nothing left", two, {}, "UM-ONE", false, true, std::nullopt},
        {"no port chosen yet", {}, two, "", true, true, 0},
    };
    for (const Row& row : rows) {
        const PortListRefresh refresh =
            refreshPortList(row.onScreen, row.collected, row.chosen, row.first);
        EXPECT_EQ(refresh.rebuild, row.rebuild) << row.what;
        EXPECT_EQ(refresh.selected, row.selected) << row.what;
    }
}

}  // namespace
}  // namespace corlinth
