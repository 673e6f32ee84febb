#include <gtest/gtest.h>

#include "core/midi/StartupPortChoices.h"

namespace corlinth {
namespace {

TEST(StartupPortChoices, MacModeNeverOffersDeviceZero) {
    EXPECT_TRUE(macModePortChoices({}).empty());
    EXPECT_TRUE(macModePortChoices({{"Midi Through Port-0", 0}}).empty());
    // A device whose name could not be read is missing from the listing; the others keep
    // their numbers.
    EXPECT_EQ(macModePortChoices({{"Midi Through Port-0", 0}, {"UM-ONE", 2}, {"MIDI Out", 3}}),
              (std::vector<MidiPort>{{"UM-ONE", 2}, {"MIDI Out", 3}}));
    EXPECT_EQ(macModePortChoices({{"UM-ONE", 1}}), (std::vector<MidiPort>{{"UM-ONE", 1}}));
}

}  // namespace
}  // namespace corlinth
