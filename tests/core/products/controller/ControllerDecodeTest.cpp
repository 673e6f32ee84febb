#include <gtest/gtest.h>

#include "ControllerTestSupport.h"
#include "core/document/SettingLine.h"

namespace corlinth {
namespace {

using testing::controllers::chosen;
using testing::controllers::deviceForm;
using testing::controllers::Items;
using testing::controllers::messageTypeForm;

struct DecodeCase {
    const char* product;
    const char* line;
    Items changed;      // what decoding changes in the dialog's current choices
    Items before = {};  // the choices before, over the defaults
    std::string secondLine = "xx";
    std::string fieldAfter = {};  // the message field; it starts empty
    int varyingByte = 0;          // what the next OK writes for a System Exclusive type
};

void expectDecodes(const std::vector<DecodeCase>& cases, bool messageType) {
    for (const DecodeCase& c : cases) {
        const SettingForm& form = messageType ? messageTypeForm(c.product) : deviceForm(c.product);
        FormChoices choices = chosen(form, c.before);
        FormChoices expected = choices;
        for (const auto& [name, item] : c.changed) {
            expected.setItem(name, item);
        }
        if (messageType) {
            expected.setText("Edit5", c.fieldAfter);
            expected.keep("VaryingByte", c.varyingByte);
            // Activation records the type shown, which a cancelled popup returns to.
            expected.keep("PreviousType", expected.item("ComboBox4"));
        }
        ParsedSetting setting{parseLine(c.line), c.secondLine, {}, {}};
        const ParsedSetting untouched = setting;
        decodeSetting(form, setting, choices);
        EXPECT_EQ(choices, expected) << c.product << ": " << c.line;
        EXPECT_EQ(setting, untouched);
    }
}

TEST(ControllerDecode, DeviceParameters) {
    const Items curved{
        {"ComboBox5", 1}, {"ComboBox1", 5}, {"ComboBox2", 1}, {"ComboBox3", 3}, {"ComboBox4", 120}};
    expectDecodes(
        {
            {"Gavrel", "F0 00 00 50 16 00 00 05 00 03 78 F7", curved},
            {"Hennic",
             "F0 00 00 50 17 00 01 7F 01 7F 01 F7",
             {{"ComboBox1", 127}, {"ComboBox2", 0}, {"ComboBox3", 127}, {"ComboBox4", 1}}},
            // The direction comes from its byte even without curvature, where it is 00.
            {"Gavrel",
             "F0 00 00 50 16 00 01 00 00 00 00 F7",
             {{"ComboBox5", 0},
              {"ComboBox1", 0},
              {"ComboBox2", 1},
              {"ComboBox3", 0},
              {"ComboBox4", 0}},
             curved},
            // Any byte but 00 is ON or upward; values beyond the lists select their last item.
            {"Hennic",
             "F0 00 00 50 17 00 05 80 02 FF 7F F7",
             {{"ComboBox5", 0},
              {"ComboBox1", 127},
              {"ComboBox2", 0},
              {"ComboBox3", 127},
              {"ComboBox4", 127}},
             curved},
            // A line cut short changes only what it carries.
            {"Gavrel", "F0 00 00 50 16 00 01 F7", {{"ComboBox5", 0}}, curved},
        },
        false);
}

TEST(ControllerDecode, MessageTypes) {
    const Items threeFurther{{"ComboBox6", 3}, {"ComboBox7", 4}, {"ComboBox8", 5}};
    expectDecodes(
        {
            {"Gavrel", "F0 00 00 50 16 01 00 07 00 00 7F F7", {{"ComboBox1", 7}}},
            // The further channels come from the message length; lists not filled show "-".
            {"Gavrel",
             "F0 00 00 50 16 01 02 00 00 0A 64 F7",
             {{"ComboBox4", 2},
              {"ComboBox2", 10},
              {"ComboBox3", 100},
              {"ComboBox6", 0},
              {"ComboBox7", 0},
              {"ComboBox8", 0}},
             threeFurther},
            {"Gavrel",
             "F0 00 00 50 16 01 02 00 00 0A 64 02 F7",
             {{"ComboBox4", 2},
              {"ComboBox2", 10},
              {"ComboBox3", 100},
              {"ComboBox6", 3},
              {"ComboBox7", 0},
              {"ComboBox8", 0}},
             threeFurther},
            {"Hennic",
             "F0 00 00 50 17 01 01 00 04 00 7F 02 0F F7",
             {{"ComboBox4", 1},
              {"ComboBox5", 4},
              {"ComboBox6", 3},
              {"ComboBox7", 16},
              {"ComboBox8", 0}},
             threeFurther},
            {"Hennic",
             "F0 00 00 50 17 01 00 40 0F 01 7E 00 01 02 F7",
             {{"ComboBox1", 64},
              {"ComboBox5", 15},
              {"ComboBox2", 1},
              {"ComboBox3", 126},
              {"ComboBox6", 1},
              {"ComboBox7", 2},
              {"ComboBox8", 3}}},
            // Channel bytes beyond 0F select "16".
            {"Gavrel",
             "F0 00 00 50 16 01 00 07 7F 00 7F 10 F7",
             {{"ComboBox1", 7}, {"ComboBox5", 15}, {"ComboBox6", 16}}},
            // Channel Pressure and Pitch Bend leave the controller list as it was.
            {"Gavrel",
             "F0 00 00 50 16 01 01 00 00 00 7F F7",
             {{"ComboBox4", 1}},
             {{"ComboBox1", 11}}},
            // System Exclusive: the XX stands again where byte 7 says, and the controller
            // list keeps its choice.
            {"Gavrel",
             "F0 00 00 50 16 01 03 03 00 00 7F F7",
             {{"ComboBox4", 3}},
             {{"ComboBox1", 11}},
             "F0 7F 00 01 F7",
             "F0 7F XX 01 F7",
             3},
            {"Hennic",
             "F0 00 00 50 17 01 03 02 01 05 06 F7",
             {{"ComboBox4", 3}, {"ComboBox5", 1}, {"ComboBox2", 5}, {"ComboBox3", 6}},
             {},
             "F0 00 F7",
             "F0 XX F7",
             2},
            // A second line too short for the byte is shown as it stands; the byte is kept.
            {"Gavrel",
             "F0 00 00 50 16 01 03 06 00 00 7F F7",
             {{"ComboBox4", 3}},
             {},
             "F0 7F 00 01 F7",
             "F0 7F 00 01 F7",
             6},
            // No second line, or the comment where it should stand: an empty field.
            {"Gavrel", "F0 00 00 50 16 01 03 03 00 00 7F F7", {{"ComboBox4", 3}}, {}, "xx", "", 3},
            {"Gavrel",
             "F0 00 00 50 16 01 03 03 00 00 7F F7",
             {{"ComboBox4", 3}},
             {},
             "{ Program the Gavrel to send the System Exclusive message }",
             "",
             3},
            // A type the dialog has no item for leaves the type as it was.
            {"Gavrel",
             "F0 00 00 50 16 01 04 07 00 00 7F F7",
             {{"ComboBox1", 7}},
             {{"ComboBox4", 0}}},
            // A line cut short after the type: the lists it does not reach stay, the further
            // channels are "-".
            {"Hennic",
             "F0 00 00 50 17 01 02 F7",
             {{"ComboBox4", 2}, {"ComboBox6", 0}, {"ComboBox7", 0}, {"ComboBox8", 0}},
             {{"ComboBox2", 9}, {"ComboBox6", 3}, {"ComboBox7", 4}, {"ComboBox8", 5}}},
        },
        true);
}

// Decoding a setting and pressing OK writes the setting again, on both units.
TEST(ControllerDecode, DecodeThenEncodeGivesTheSettingBack) {
    struct Setting {
        const char* product;
        const char* line;
        const char* secondLine;
    };
    for (const Setting& s : std::initializer_list<Setting>{
             {"Gavrel", "F0 00 00 50 16 00 01 00 00 00 00 F7", ""},
             {"Gavrel", "F0 00 00 50 16 00 00 05 00 03 78 F7", ""},
             {"Hennic", "F0 00 00 50 17 00 01 7F 01 7F 01 F7", ""},
             {"Hennic", "F0 00 00 50 17 00 00 01 00 40 00 F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 00 07 00 00 7F F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 02 00 00 0A 64 02 F7", ""},
             {"Hennic", "F0 00 00 50 17 01 01 00 0F 00 00 0F 00 08 F7", ""},
             {"Hennic", "F0 00 00 50 17 01 00 40 0F 01 7E 00 01 F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 03 03 00 00 7F F7", "F0 7F 00 01 F7"},
             {"Hennic", "F0 00 00 50 17 01 03 13 0A 14 5A F7",
              "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 00 F7"},
             {"Hennic", "F0 00 00 50 17 01 03 02 00 00 7F F7", "F0 00 F7"},
         }) {
        const Bytes bytes = parseLine(s.line);
        const TextCatalogue* catalogue = controllerCatalogue(s.product);
        const SettingForm& form = *catalogue->settingForm(catalogue->dialogFor(bytes));
        FormChoices choices = defaultChoices(form);
        decodeSetting(form, {bytes, *s.secondLine ? s.secondLine : "xx", {}, {}}, choices);
        const SettingHandover out = encodeSetting(form, choices);
        EXPECT_EQ(out.messageLine, s.line);
        EXPECT_EQ(out.secondLine, s.secondLine) << s.line;

        // And the dialog shows the same choices when the written setting is edited again.
        FormChoices again = defaultChoices(form);
        decodeSetting(form,
                      {parseLine(out.messageLine), *s.secondLine ? out.secondLine : "xx", {}, {}},
                      again);
        EXPECT_EQ(again, choices) << s.line;
    }
}

}  // namespace
}  // namespace corlinth
