#include <gtest/gtest.h>

#include "ControllerTestSupport.h"

namespace corlinth {
namespace {

using testing::controllers::chosen;
using testing::controllers::deviceForm;
using testing::controllers::Items;
using testing::controllers::joinedComment;
using testing::controllers::messageTypeForm;

struct EncodeCase {
    const char* product;
    Items items;
    const char* message;
    std::string comment;
    const char* field = "";       // the message field
    int varyingByte = 0;          // what the popup or the decoded line gave
    const char* secondLine = "";  // what the setting's second line holds
};

constexpr const char* kEchoOn =
    "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI Out, ";
constexpr const char* kEchoOff =
    "{ Program Echo to OFF so that messages received at the MIDI In are NOT echoed to the MIDI "
    "Out, ";

void expectEncodes(const std::vector<EncodeCase>& cases, bool messageType) {
    for (const EncodeCase& c : cases) {
        const SettingForm& form = messageType ? messageTypeForm(c.product) : deviceForm(c.product);
        FormChoices choices = chosen(form, c.items, c.field);
        if (messageType) {
            choices.keep("VaryingByte", c.varyingByte);
        }
        const SettingHandover out = encodeSetting(form, choices);
        EXPECT_EQ(out.messageLine, c.message) << c.comment;
        EXPECT_EQ(joinedComment(out), c.comment) << c.message;
        EXPECT_EQ(out.secondLine, c.secondLine) << c.message;
        EXPECT_TRUE(out.thirdLine.empty());
        EXPECT_EQ(out.comment[0].substr(0, 2), "{ ");
        EXPECT_TRUE(out.comment[2].ends_with(" }"));
    }
}

TEST(ControllerEncode, DeviceParameters) {
    const std::string off = kEchoOff;
    const std::string on = kEchoOn;
    const std::string automatic =
        "no curvature (linear response), automatic neutral range bottom, and automatic neutral "
        "range top }";
    expectEncodes(
        {
            {"Gavrel", {}, "F0 00 00 50 16 00 01 00 00 00 00 F7", on + automatic},
            {"Hennic", {}, "F0 00 00 50 17 00 01 00 00 00 00 F7", on + automatic},
            {"Gavrel",
             {{"ComboBox5", 1},
              {"ComboBox1", 5},
              {"ComboBox2", 1},
              {"ComboBox3", 3},
              {"ComboBox4", 120}},
             "F0 00 00 50 16 00 00 05 00 03 78 F7",
             off + "downward curvature of 5, neutral range bottom of 3, and neutral range top of "
                   "120 }"},
            {"Hennic",
             {{"ComboBox1", 127}, {"ComboBox3", 127}, {"ComboBox4", 1}},
             "F0 00 00 50 17 00 01 7F 01 7F 01 F7",
             on + "upward curvature of 127, neutral range bottom of 127, and neutral range top "
                  "of 1 }"},
            // Without curvature the direction is neither written nor told.
            {"Gavrel",
             {{"ComboBox1", 0}, {"ComboBox2", 0}, {"ComboBox4", 64}},
             "F0 00 00 50 16 00 01 00 00 00 40 F7",
             on + "no curvature (linear response), automatic neutral range bottom, and neutral "
                  "range top of 64 }"},
        },
        false);
}

TEST(ControllerEncode, MessageTypes) {
    expectEncodes(
        {
            {"Gavrel",
             {{"ComboBox1", 7}},
             "F0 00 00 50 16 01 00 07 00 00 7F F7",
             "{ Program the Gavrel to send Control Change #7 on MIDI channel 1, with a minimum "
             "value of 0 and maximum value of 127 }"},
            {"Gavrel",
             {{"ComboBox4", 2}, {"ComboBox6", 3}, {"ComboBox2", 10}, {"ComboBox3", 100}},
             "F0 00 00 50 16 01 02 00 00 0A 64 02 F7",
             "{ Program the Gavrel to send Pitch Bend on MIDI channels 1, 3, with a minimum value "
             "of 10 and maximum value of 100 }"},
            // The controller list keeps its choice but only Control Change writes it.
            {"Hennic",
             {{"ComboBox4", 1},
              {"ComboBox1", 64},
              {"ComboBox5", 15},
              {"ComboBox6", 16},
              {"ComboBox7", 1},
              {"ComboBox8", 9},
              {"ComboBox3", 0}},
             "F0 00 00 50 17 01 01 00 0F 00 00 0F 00 08 F7",
             "{ Program the Hennic to send Channel Pressure on MIDI channels 16, 16, 1, 9, with "
             "a minimum value of 0 and maximum value of 0 }"},
            // A list left at "-" leaves no gap: the lists after it move up.
            {"Hennic",
             {{"ComboBox1", 2}, {"ComboBox5", 4}, {"ComboBox8", 12}, {"ComboBox2", 127}},
             "F0 00 00 50 17 01 00 02 04 7F 7F 0B F7",
             "{ Program the Hennic to send Control Change #2 on MIDI channels 5, 12, with a "
             "minimum value of 127 and maximum value of 127 }"},
            // System Exclusive: the varying byte's number in byte 7, no further channels, and
            // the message with the byte written 00 on the second line.
            {"Gavrel",
             {{"ComboBox4", 3}, {"ComboBox5", 2}, {"ComboBox6", 5}},
             "F0 00 00 50 16 01 03 03 02 00 7F F7",
             "{ Program the Gavrel to send the System Exclusive message F0 7F XX 01 F7, with the "
             "byte XX varied in response to pedal movement, with a minimum value of 0 and "
             "maximum value of 127 }",
             "F0 7F XX 01 F7",
             3,
             "F0 7F 00 01 F7"},
            {"Hennic",
             {{"ComboBox4", 3}, {"ComboBox2", 20}, {"ComboBox3", 90}},
             "F0 00 00 50 17 01 03 13 00 14 5A F7",
             "{ Program the Hennic to send the System Exclusive message F0 01 02 03 04 05 06 07 "
             "08 09 0A 0B 0C 0D 0E 0F 10 11 XX F7, with the byte XX varied in response to pedal "
             "movement, with a minimum value of 20 and maximum value of 90 }",
             "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 XX F7",
             19,
             "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 00 F7"},
        },
        true);
}

}  // namespace
}  // namespace corlinth
