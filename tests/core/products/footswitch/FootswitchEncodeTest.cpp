#include <gtest/gtest.h>

#include "FootswitchTestSupport.h"
#include "core/document/EditorProfile.h"

namespace corlinth {
namespace {

using testing::chosen;
using testing::footswitchForm;
using testing::Items;
using testing::joinedComment;

struct EncodeCase {
    const char* product;
    const char* window;
    Items items;
    const char* message;
    const char* comment;
    const char* text = "";  // the System Exclusive dialog's message field
};

void expectEncodes(const std::vector<EncodeCase>& cases) {
    for (const EncodeCase& c : cases) {
        const SettingForm& form = footswitchForm(c.product, c.window);
        const SettingHandover out = encodeSetting(form, chosen(form, c.items, c.text));
        EXPECT_EQ(out.messageLine, c.message) << c.window << " " << c.comment;
        EXPECT_EQ(joinedComment(out), c.comment) << c.window << " " << c.message;
        EXPECT_EQ(out.secondLine, c.text) << c.window;
        EXPECT_TRUE(out.thirdLine.empty());
    }
}

TEST(FootswitchEncode, PirrowDeviceParameters) {
    expectEncodes({
        {"Pirrow",
         "TPirrowDevice",
         {},
         "F0 00 00 50 04 00 01 00 F7",
         "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI "
         "Out, Toggle OFF for normal depress and release operation, Auto Polarity to ON to "
         "determine the polarity of the footswitch on power-up, and send nothing on power-up }"},
        {"Pirrow",
         "TPirrowDevice",
         {{"ComboBox4", 1}},
         "F0 00 00 50 04 00 01 00 11 F7",
         "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI "
         "Out, Toggle OFF for normal depress and release operation, Auto Polarity to ON to "
         "determine the polarity of the footswitch on power-up, and send state of footswitch "
         "input on power-up }"},
        {"Pirrow",
         "TPirrowDevice",
         {{"ComboBox3", 2}, {"ComboBox4", 1}},
         "F0 00 00 50 04 00 01 00 01 11 F7",
         "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI "
         "Out, Toggle OFF for normal depress and release operation, force Polarity of the "
         "footswitch to NORMALLY CLOSED, and send state of footswitch input on power-up }"},
        {"Pirrow",
         "TPirrowDevice",
         {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 1}},
         "F0 00 00 50 04 00 00 01 00 F7",
         "{ Program Echo to OFF so that messages received at the MIDI In are NOT echoed to the "
         "MIDI Out, Toggle ON for toggle between the depress and release operation each time the "
         "footswitch is tapped, force Polarity of the footswitch to NORMALLY OPEN, and send "
         "nothing on power-up }"},
    });
}

TEST(FootswitchEncode, TheDefaultDeviceSettingIsTheNewDocument) {
    const SettingHandover out =
        encodeSetting(footswitchForm("Pirrow", "TPirrowDevice"),
                      defaultChoices(footswitchForm("Pirrow", "TPirrowDevice")));
    std::string line = joinedComment(out);
    ASSERT_EQ(line.substr(line.size() - 2), " }");
    line.replace(line.size() - 1, 1, " (right-click to edit) }");
    EXPECT_EQ(
        line,
        "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI "
        "Out, Toggle OFF for normal depress and release operation, Auto Polarity to ON to "
        "determine the polarity of the footswitch on power-up, and send nothing on "
        "power-up  (right-click to edit) }");
}

TEST(FootswitchEncode, PirrowSimpleActions) {
    expectEncodes({
        {"Pirrow",
         "TPirrowPitch",
         {},
         "F0 00 00 50 04 03 00 40 00 F7",
         "{ Program the Pirrow to generate Pitch Bend of value 0 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a value of zero when it is released }"},
        {"Pirrow",
         "TPirrowPitch",
         {{"ComboBox2", 0}, {"ComboBox3", 0}},
         "F0 00 00 50 04 03 00 00 00 F7",
         "{ Program the Pirrow to generate Pitch Bend of value -8192 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a value of zero when it is released }"},
        {"Pirrow",
         "TPirrowPitch",
         {{"ComboBox1", 16}, {"ComboBox2", 127}, {"ComboBox3", 127}, {"ComboBox4", 1}},
         "F0 00 00 50 04 13 7F 7F 7F F7",
         "{ Program the Pirrow to generate Pitch Bend of value 8191 on all MIDI Channels when "
         "the footswitch is depressed, and send nothing when it is released }"},
        {"Pirrow",
         "TPirrowProgram",
         {{"ComboBox2", 10}},
         "F0 00 00 50 04 04 0A 00 F7",
         "{ Program the Pirrow to generate Program Change #10 on MIDI Channel 1 when the "
         "footswitch is depressed }"},
        {"Pirrow",
         "TPirrowProgram",
         {{"ComboBox1", 16}, {"ComboBox2", 127}},
         "F0 00 00 50 04 04 7F 7F F7",
         "{ Program the Pirrow to generate Program Change #127 on all MIDI Channels when the "
         "footswitch is depressed }"},
        {"Pirrow",
         "TPirrowStartStop",
         {},
         "F0 00 00 50 04 05 F7",
         "{ Program the Pirrow to send out MIDI Start and Stop messages when the footswitch is "
         "depressed and released }"},
        {"Pirrow",
         "TPirrowIncDec",
         {},
         "F0 00 00 50 04 07 01 00 F7",
         "{ Program the Pirrow to increment and send Program Change on MIDI Channel 1 when the "
         "footswitch is depressed }"},
        {"Pirrow",
         "TPirrowIncDec",
         {{"ComboBox1", 1}, {"ComboBox2", 16}},
         "F0 00 00 50 04 07 00 7F F7",
         "{ Program the Pirrow to decrement and send Program Change on all MIDI Channels when "
         "the footswitch is depressed }"},
        {"Pirrow",
         "TPirrowRechannel",
         {{"ComboBox1", 16}},
         "F0 00 00 50 04 09 7F F7",
         "{ Program the Pirrow to rechannelize MIDI messages on all MIDI channels to the channel "
         "selected when the footswitch is depressed }"},
        {"Pirrow",
         "TPirrowRechannel",
         {{"ComboBox1", 16}, {"ComboBox2", 16}},
         "F0 00 00 50 04 09 7F 0F F7",
         "{ Program the Pirrow to rechannelize MIDI messages on all MIDI channels to channel 16 "
         "or the channel selected when the footswitch is depressed }"},
        {"Pirrow",
         "TPirrowRechannel",
         {{"ComboBox1", 2}, {"ComboBox2", 1}},
         "F0 00 00 50 04 09 02 00 F7",
         "{ Program the Pirrow to rechannelize MIDI messages on MIDI channel 3 to channel 1 or "
         "the channel selected when the footswitch is depressed }"},
        {"Pirrow",
         "TPirrowTranspose",
         {{"ComboBox1", 16}},
         "F0 00 00 50 04 0A 7F F7",
         "{ Program the Pirrow to transpose Note messages on all MIDI channels by the interval "
         "selected when the footswitch is depressed }"},
        {"Pirrow",
         "TPirrowTranspose",
         {{"ComboBox1", 4}},
         "F0 00 00 50 04 0A 04 F7",
         "{ Program the Pirrow to transpose Note messages on MIDI channel 5 by the interval "
         "selected when the footswitch is depressed }"},
        {"Pirrow",
         "TPirrowTempo",
         {},
         "F0 00 00 50 04 0B F7",
         "{ Program the Pirrow to generate MIDI Clock messages at the tempo corresponding to the "
         "taps received by the footswitch }"},
        {"Pirrow",
         "TPirrowNoteOnFilter",
         {},
         "F0 00 00 50 04 0C 00 F7",
         "{ Program the Pirrow to filter Note-On messages on MIDI channel 1 when the footswitch "
         "is depressed }"},
        {"Pirrow",
         "TPirrowNoteOnFilter",
         {{"ComboBox1", 16}},
         "F0 00 00 50 04 0C 7F F7",
         "{ Program the Pirrow to filter Note-On messages on all MIDI channels when the "
         "footswitch is depressed }"},
    });
}

TEST(FootswitchEncode, TransposeLeavesOneBlankBetweenHeadAndChannel) {
    const SettingForm& form = footswitchForm("Pirrow", "TPirrowTranspose");
    const SettingHandover out = encodeSetting(form, chosen(form, {{"ComboBox1", 16}}));
    EXPECT_EQ(out.comment[0], "{ Program the Pirrow to transpose Note messages");
    EXPECT_EQ(out.comment[1], " on all MIDI channels");
    EXPECT_EQ(out.comment[2], " by the interval selected when the footswitch is depressed }");
}

TEST(FootswitchEncode, PirrowSystemExclusive) {
    expectEncodes({
        {"Pirrow",
         "TPirrowSysex",
         {},
         "F0 00 00 50 04 06 01 F7",
         "{ Program the Pirrow to generate the System Exclusive message F0 7F 01 F7 when the "
         "footswitch is depressed }",
         "F0 7F 01 F7"},
        {"Pirrow",
         "TPirrowSysex",
         {{"ComboBox1", 1}},
         "F0 00 00 50 04 06 00 F7",
         "{ Program the Pirrow to generate the System Exclusive message F0 00 F7 when the "
         "footswitch is released }",
         "F0 00 F7"},
        // An empty field is written as it stands: no second line, two blanks in the comment.
        {"Pirrow",
         "TPirrowSysex",
         {},
         "F0 00 00 50 04 06 01 F7",
         "{ Program the Pirrow to generate the System Exclusive message  when the footswitch is "
         "depressed }"},
    });
}

TEST(FootswitchEncode, PirrowNoteOnAndControlChange) {
    expectEncodes({
        {"Pirrow",
         "TPirrowNoteOn",
         {},
         "F0 00 00 50 04 01 3C 40 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a Note-Off when it is released }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox2", 64}, {"ComboBox3", 127}},
         "F0 00 00 50 04 02 40 7F 00 F7",
         "{ Program the Pirrow to generate CC#64 of value 127 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a value of zero when it is released }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 2}, {"ComboBox20", 0}},
         "F0 00 00 50 04 21 01 3C 40 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a Note-Off after a duration of 0.008s }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 2}},
         "F0 00 00 50 04 21 7D 3C 40 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a Note-Off after a duration of 1.0s }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 3}, {"ComboBox20", 127}, {"ComboBox21", 1}},
         "F0 00 00 50 04 31 00 00 3C 40 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a Note-Off when the footswitch is released after a "
         "minimum duration of 0s }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 4}, {"ComboBox20", 127}, {"ComboBox21", 128}},
         "F0 00 00 50 04 41 00 7F 3C 40 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a Note-Off when the footswitch is released or after "
         "a maximum duration of 127s }"},
        // A long duration chosen for mode 2 stays chosen but is neither written nor named in
        // mode 5.
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 5}, {"ComboBox20", 127}, {"ComboBox21", 6}},
         "F0 00 00 50 04 51 3C 40 00 F7",
         "{ Program the Pirrow to cycle through Note#60 of velocity 64 on MIDI Channel 1 when "
         "the footswitch is depressed, and send a Note-Off when it is released }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 0}},
         "F0 00 00 50 04 11 3C 40 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send nothing when it is released }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 6}},
         "F0 00 00 50 04 61 3C 40 00 F7",
         "{ Program the Pirrow to cycle through Note#60 of velocity 64 on MIDI Channel 1 when "
         "the footswitch is depressed, and send nothing when it is released }"},
        {"Pirrow", "TPirrowNoteOn", testing::kEightNotesOnAllChannels,
         "F0 00 00 50 04 01 3C 40 7F 3D 41 3E 42 3F 43 40 44 41 45 42 46 43 47 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64, Note#61 of velocity 65, "
         "Note#62 of velocity 66, Note#63 of velocity 67, Note#64 of velocity 68, Note#65 of "
         "velocity 69, Note#66 of velocity 70, Note#67 of velocity 71 on all MIDI Channels when "
         "the footswitch is depressed, and send Note-Offs when it is released }"},
        // Events 2 and 3 left at None: event 4 moves up to the second pair.
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox9", 73}, {"ComboBox10", 100}},
         "F0 00 00 50 04 01 3C 40 00 48 64 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64, Note#72 of velocity 100 on "
         "MIDI Channel 1 when the footswitch is depressed, and send Note-Offs when it is "
         "released }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox19", 4}, {"ComboBox20", 25}, {"ComboBox6", 1}, {"ComboBox5", 0}},
         "F0 00 00 50 04 41 1A 3C 40 00 00 00 F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64, Note#0 of velocity 0 on MIDI "
         "Channel 1 when the footswitch is depressed, and send Note-Offs when the footswitch is "
         "released or after a maximum duration of 0.208s }"},
        // Only the Control Change comment for all channels spells it "footwitch".
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox1", 16}},
         "F0 00 00 50 04 02 01 40 7F F7",
         "{ Program the Pirrow to generate CC#1 of value 64 on all MIDI Channels when the "
         "footwitch is depressed, and send a value of zero when it is released }"},
        {"Pirrow",
         "TPirrowNoteOn",
         {{"ComboBox1", 16}},
         "F0 00 00 50 04 01 3C 40 7F F7",
         "{ Program the Pirrow to generate Note#60 of velocity 64 on all MIDI Channels when the "
         "footswitch is depressed, and send a Note-Off when it is released }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox19", 0},
          {"ComboBox2", 7},
          {"ComboBox3", 100},
          {"ComboBox6", 11},
          {"ComboBox5", 32}},
         "F0 00 00 50 04 12 07 64 00 0A 20 F7",
         "{ Program the Pirrow to generate CC#7 of value 100, CC#10 of value 32 on MIDI Channel "
         "1 when the footswitch is depressed, and send nothing when it is released }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox19", 5}, {"ComboBox6", 2}},
         "F0 00 00 50 04 52 01 40 00 01 40 F7",
         "{ Program the Pirrow to cycle through CC#1 of value 64, CC#1 of value 64 on MIDI "
         "Channel 1 when the footswitch is depressed, and send values of zero when it is "
         "released }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox19", 3}, {"ComboBox20", 11}, {"ComboBox6", 65}},
         "F0 00 00 50 04 32 0C 01 40 00 40 40 F7",
         "{ Program the Pirrow to generate CC#1 of value 64, CC#64 of value 64 on MIDI Channel 1 "
         "when the footswitch is depressed, and send values of zero when the footswitch is "
         "released after a minimum duration of 0.096s }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox19", 2}, {"ComboBox20", 125}},
         "F0 00 00 50 04 22 7E 01 40 00 F7",
         "{ Program the Pirrow to generate CC#1 of value 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a value of zero after a duration of 1.008s }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox19", 4}, {"ComboBox20", 12}},
         "F0 00 00 50 04 42 0D 01 40 00 F7",
         "{ Program the Pirrow to generate CC#1 of value 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send a value of zero when the footswitch is released or "
         "after a maximum duration of 0.104s }"},
        {"Pirrow",
         "TPirrowControl",
         {{"ComboBox19", 6}},
         "F0 00 00 50 04 62 01 40 00 F7",
         "{ Program the Pirrow to cycle through CC#1 of value 64 on MIDI Channel 1 when the "
         "footswitch is depressed, and send nothing when it is released }"},
    });
}

TEST(FootswitchEncode, NoteOnCommentPartsAreHeadListAndTail) {
    const SettingForm& form = footswitchForm("Pirrow", "TPirrowNoteOn");
    const SettingHandover out = encodeSetting(form, defaultChoices(form));
    EXPECT_EQ(out.comment[0], "{ Program the Pirrow to generate Note#");
    EXPECT_EQ(out.comment[1], "60 of velocity 64");
    EXPECT_EQ(out.comment[2],
              " on MIDI Channel 1 when the footswitch is depressed, and send a Note-Off when it "
              "is released }");
}

TEST(FootswitchEncode, StrayneNamesTheInput) {
    expectEncodes({
        {"Strayne",
         "TStrayneProgram",
         {{"ComboBoxInput", 1}, {"ComboBox1", 1}, {"ComboBox2", 5}},
         "F0 00 00 50 14 04 01 05 01 F7",
         "{ Program the Strayne to generate Program Change #5 on MIDI Channel 2 when Fsw2 is "
         "depressed }"},
        {"Strayne",
         "TStrayneNoteOn",
         {{"ComboBox19", 2}, {"ComboBox20", 0}},
         "F0 00 00 50 14 21 00 01 3C 40 00 F7",
         "{ Program the Strayne to generate Note#60 of velocity 64 on MIDI Channel 1 when Fsw1 "
         "is depressed, and send a Note-Off after a duration of 0.008s }"},
        {"Strayne",
         "TStrayneControl",
         {{"ComboBoxInput", 1}, {"ComboBox1", 16}},
         "F0 00 00 50 14 02 01 01 40 7F F7",
         "{ Program the Strayne to generate CC#1 of value 64 on all MIDI Channels when Fsw2 is "
         "depressed, and send a value of zero when it is released }"},
        {"Strayne",
         "TStrayneNoteOn",
         {{"ComboBoxInput", 1}, {"ComboBox1", 16}},
         "F0 00 00 50 14 01 01 3C 40 7F F7",
         "{ Program the Strayne to generate Note#60 of velocity 64 on all MIDI Channels when "
         "Fsw2 is depressed, and send a Note-Off when it is released }"},
        {"Strayne",
         "TStrayneControl",
         {{"ComboBox2", 64}, {"ComboBox3", 127}},
         "F0 00 00 50 14 02 00 40 7F 00 F7",
         "{ Program the Strayne to generate CC#64 of value 127 on MIDI Channel 1 when Fsw1 is "
         "depressed, and send a value of zero when it is released }"},
        {"Strayne",
         "TStrayneToggle",
         {{"ComboBoxInput", 1}, {"ComboBox2", 0}, {"ComboBox3", 2}},
         "F0 00 00 50 14 00 02 01 01 00 01 F7",
         "{ Program Fsw2 of the Strayne to \"Toggle ON\" for toggle between the depress and "
         "release operation each time the footswitch is tapped, and force Polarity of the "
         "footswitch to NORMALLY CLOSED }"},
        {"Strayne",
         "TStrayneToggle",
         {},
         "F0 00 00 50 14 00 02 00 00 01 00 F7",
         "{ Program Fsw1 of the Strayne to \"Toggle OFF\" for normal depress and release "
         "operation, and Auto Polarity to ON to determine the polarity of the footswitch on "
         "power-up }"},
        {"Strayne",
         "TStrayneToggle",
         {{"ComboBox3", 1}},
         "F0 00 00 50 14 00 02 00 00 00 00 F7",
         "{ Program Fsw1 of the Strayne to \"Toggle OFF\" for normal depress and release "
         "operation, and force Polarity of the footswitch to NORMALLY OPEN }"},
        {"Strayne",
         "TStrayneEcho",
         {},
         "F0 00 00 50 14 00 01 01 F7",
         "{ Program Echo of the Strayne to ON so that messages received at the MIDI In are "
         "echoed to the MIDI Out, and send nothing on power-up }"},
        {"Strayne",
         "TStrayneEcho",
         {{"ComboBox1", 1}, {"ComboBox4", 1}},
         "F0 00 00 50 14 00 01 00 01 F7",
         "{ Program Echo of the Strayne to OFF so that messages received at the MIDI In are NOT "
         "echoed to the MIDI Out, and send state of footswitch inputs on power-up }"},
        {"Strayne",
         "TStrayneIncDec",
         {},
         "F0 00 00 50 14 07 00 01 00 F7",
         "{ Program the Strayne to increment and send Program Change on MIDI Channel 1 when Fsw1 "
         "is depressed }"},
        {"Strayne",
         "TStrayneIncDec",
         {{"ComboBoxInput", 1}, {"ComboBox1", 1}},
         "F0 00 00 50 14 07 01 00 00 F7",
         "{ Program the Strayne to decrement and send Program Change on MIDI Channel 1 when Fsw2 "
         "is depressed }"},
        {"Strayne",
         "TStrayneStartStop",
         {{"ComboBoxInput", 1}},
         "F0 00 00 50 14 05 01 F7",
         "{ Program the Strayne to send out MIDI Start and Stop messages when Fsw2 is depressed "
         "and released }"},
        {"Strayne",
         "TStrayneTempo",
         {},
         "F0 00 00 50 14 0B 00 F7",
         "{ Program the Strayne to generate MIDI Clock messages at the tempo corresponding to "
         "the taps received at Fsw1 }"},
        {"Strayne",
         "TStrayneSysex",
         {{"ComboBoxInput", 1}, {"ComboBox1", 1}},
         "F0 00 00 50 14 06 01 00 F7",
         "{ Program the Strayne to generate the System Exclusive message F0 7F 01 F7 when Fsw2 "
         "is released }",
         "F0 7F 01 F7"},
        {"Strayne",
         "TStraynePitch",
         {{"ComboBoxInput", 1}},
         "F0 00 00 50 14 03 01 00 40 00 F7",
         "{ Program the Strayne to generate Pitch Bend of value 0 on MIDI Channel 1 when Fsw2 "
         "is depressed, and send a value of zero when it is released }"},
        {"Strayne",
         "TStrayneRechannel",
         {{"ComboBoxInput", 1}, {"ComboBox2", 3}},
         "F0 00 00 50 14 09 01 00 02 F7",
         "{ Program the Strayne to rechannelize MIDI messages on MIDI channel 1 to channel 3 or "
         "the channel selected when Fsw2 is depressed }"},
        {"Strayne",
         "TStrayneTranspose",
         {{"ComboBox1", 16}},
         "F0 00 00 50 14 0A 00 7F F7",
         "{ Program the Strayne to transpose Note messages on all MIDI channels by the interval "
         "selected when Fsw1 is depressed }"},
        {"Strayne",
         "TStrayneNoteOnFilter",
         {{"ComboBoxInput", 1}},
         "F0 00 00 50 14 0C 01 00 F7",
         "{ Program the Strayne to filter Note-On messages on MIDI channel 1 when Fsw2 is "
         "depressed }"},
    });
}

TEST(FootswitchEncode, KeltoHasEightInputs) {
    expectEncodes({
        {"Kelto",
         "TKeltoProgram",
         {{"ComboBoxInput", 7}, {"ComboBox2", 7}},
         "F0 00 00 50 24 04 07 07 00 F7",
         "{ Program the Kelto to generate Program Change #7 on MIDI Channel 1 when Fsw8 is "
         "depressed }"},
        {"Kelto",
         "TKeltoToggle",
         {{"ComboBoxInput", 2}},
         "F0 00 00 50 24 00 02 02 00 01 00 F7",
         "{ Program Fsw3 of the Kelto to \"Toggle OFF\" for normal depress and release "
         "operation, and Auto Polarity to ON to determine the polarity of the footswitch on "
         "power-up }"},
        {"Kelto",
         "TKeltoEcho",
         {{"ComboBox4", 1}},
         "F0 00 00 50 24 00 01 01 01 F7",
         "{ Program Echo of the Kelto to ON so that messages received at the MIDI In are echoed "
         "to the MIDI Out, and send state of footswitch inputs on power-up }"},
        {"Kelto",
         "TKeltoNoteOn",
         {{"ComboBoxInput", 7}, {"ComboBox19", 4}, {"ComboBox20", 127}, {"ComboBox21", 6}},
         "F0 00 00 50 24 41 07 00 05 3C 40 00 F7",
         "{ Program the Kelto to generate Note#60 of velocity 64 on MIDI Channel 1 when Fsw8 is "
         "depressed, and send a Note-Off when the footswitch is released or after a maximum "
         "duration of 5s }"},
        {"Kelto",
         "TKeltoTempo",
         {{"ComboBoxInput", 4}},
         "F0 00 00 50 24 0B 04 F7",
         "{ Program the Kelto to generate MIDI Clock messages at the tempo corresponding to the "
         "taps received at Fsw5 }"},
        {"Kelto",
         "TKeltoSysex",
         {{"ComboBoxInput", 5}},
         "F0 00 00 50 24 06 05 01 F7",
         "{ Program the Kelto to generate the System Exclusive message F0 00 F7 when Fsw6 is "
         "depressed }",
         "F0 00 F7"},
    });
}

}  // namespace
}  // namespace corlinth
