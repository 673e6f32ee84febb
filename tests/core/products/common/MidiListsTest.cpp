#include <gtest/gtest.h>

#include "core/products/common/MidiLists.h"

namespace corlinth {
namespace {

TEST(MidiLists, ChannelsAreOneToSixteenAndAll) {
    const auto& items = channelItems();
    ASSERT_EQ(items.size(), 17u);
    EXPECT_EQ(items.front(), "1");
    EXPECT_EQ(items[15], "16");
    EXPECT_EQ(items.back(), "All");

    struct Case {
        int item;
        Byte byte;
        int number;
    };
    for (const Case& c : {Case{0, 0x00, 1}, Case{9, 0x09, 10}, Case{15, 0x0F, 16},
                          Case{kAllChannelsItem, 0x7F, 17}}) {
        EXPECT_EQ(channelByte(c.item), c.byte) << c.item;
        EXPECT_EQ(channelItem(c.byte), c.item) << c.item;
    }
    EXPECT_EQ(channelNumber(0), 1);
    EXPECT_EQ(channelNumber(15), 16);
}

TEST(MidiLists, BytesBeyondAListSelectItsLastItem) {
    for (const Byte b : {Byte{0x10}, Byte{0x45}, Byte{0x7E}, Byte{0x80}, Byte{0xF7}, Byte{0xFF}}) {
        EXPECT_EQ(channelItem(b), kAllChannelsItem) << int(b);
    }
    EXPECT_EQ(valueItem(0x7F), 127);
    EXPECT_EQ(valueItem(0x80), 127);
    EXPECT_EQ(valueItem(0xFF), 127);
    EXPECT_EQ(valueItem(0x00), 0);
}

TEST(MidiLists, NoteNamesAreNumberInFourColumnsThenName) {
    const auto& notes = noteItems();
    ASSERT_EQ(notes.size(), 128u);
    struct Case {
        int n;
        const char* text;
    };
    for (const Case& c : {Case{0, "0   - C-2"}, Case{1, "1   - C#-2"}, Case{10, "10  - A#-2"},
                          Case{11, "11  - B-2"}, Case{12, "12  - C-1"}, Case{24, "24  - C0"},
                          Case{59, "59  - B2"}, Case{60, "60  - middle C"}, Case{61, "61  - C#3"},
                          Case{99, "99  - D#6"}, Case{100, "100 - E6"}, Case{127, "127 - G8"}}) {
        EXPECT_EQ(notes[static_cast<std::size_t>(c.n)], c.text);
    }
    const auto& withNone = noteItemsWithNone();
    ASSERT_EQ(withNone.size(), 129u);
    EXPECT_EQ(withNone[0], "None");
    EXPECT_EQ(withNone[61], "60  - middle C");
}

TEST(MidiLists, ControllerNamesAsTheProgramSpellsThem) {
    const auto& controllers = controllerItems();
    ASSERT_EQ(controllers.size(), 128u);
    struct Case {
        int n;
        const char* text;
    };
    for (const Case& c : {
             Case{0, "0 - Bank Select"},
             Case{1, "1 - Modulation Wheel or lever"},
             Case{2, "2 - Breath Controller"},
             Case{3, "3 - Undefined"},
             Case{4, "4 - Foot Controller"},
             Case{7, "7 - Main volume"},
             Case{11, "11 - Expression Controller"},
             Case{15, "15 - Undefined"},
             Case{16, "16 - General Purpose Controller #1"},
             Case{19, "19 - General Purpose Controller #4"},
             Case{20, "20 - Undefined"},
             Case{31, "31 - Undefined"},
             Case{32, "32 - LSB value for Controller #0"},
             Case{63, "63 - LSB value for Controller #31"},
             Case{64, "64 - Damper pedal (sustain)"},
             Case{68, "68 - Legato Fsw (vv=00-3F: Normal, 40-7F: Legato)"},
             Case{69, "69 - Hold 2"},
             Case{70, "70 - Sound Controller 1 (default: Sound Variation)"},
             Case{74, "74 - Sound Controller 5 (default: Brightness)"},
             Case{75, "75 - Sound Controller 6 (no defaults)"},
             Case{79, "79 - Sound Controller 10 (no defaults)"},
             Case{80, "80 - General Purpose Controller #5"},
             Case{83, "83 - General Purpose Controller #8"},
             Case{84, "84 - Portamento Control"},
             Case{85, "85 - Undefined"},
             Case{90, "90 - Undefined"},
             Case{91, "91 - Effects 1 Depth (formerly External Effects Depth)"},
             Case{92, "92 - Effects 2 Depth (formerly Tremelo Depth)"},
             Case{94, "94 - Effects 4 Depth (formerly Celeste (Detune) Depth)"},
             Case{95, "95 - Effects 5 Depth (formerly Phaser Depth)"},
             Case{96, "96 - Data Increment"},
             Case{101, "101 - Registered Parameter Number MSB"},
             Case{102, "102 - Undefined"},
             Case{119, "119 - Undefined"},
             Case{120, "120 - All Sound Off"},
             Case{123, "123 - All Notes Off"},
             Case{127, "127 - Poly Mode On"},
         }) {
        EXPECT_EQ(controllers[static_cast<std::size_t>(c.n)], c.text);
    }
    EXPECT_EQ(controllerItemsWithNone()[0], "None");
    EXPECT_EQ(controllerItemsWithNone()[65], "64 - Damper pedal (sustain)");
}

}  // namespace
}  // namespace corlinth
