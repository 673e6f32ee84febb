#include <gtest/gtest.h>

#include <set>

#include "FootswitchTestSupport.h"
#include "core/document/SettingLine.h"

namespace corlinth {
namespace {

using testing::chosen;
using testing::footswitchForm;
using testing::Items;

struct DecodeCase {
    const char* product;
    const char* window;
    const char* line;
    Items changed;      // what decoding changes in the dialog's current choices
    Items before = {};  // the choices before, over the defaults
    std::string secondLine = "xx";
    std::string textBefore = {};
    std::string textAfter = {};
};

void expectDecodes(const std::vector<DecodeCase>& cases) {
    for (const DecodeCase& c : cases) {
        const SettingForm& form = footswitchForm(c.product, c.window);
        FormChoices choices = chosen(form, c.before, c.textBefore);
        FormChoices expected = choices;
        for (const auto& [name, item] : c.changed) {
            expected.setItem(name, item);
        }
        if (form.field("Edit1") != nullptr) {
            expected.setText("Edit1", c.textAfter);
        }
        ParsedSetting setting{parseLine(c.line), c.secondLine, {}, {}};
        const ParsedSetting untouched = setting;
        decodeSetting(form, setting, choices);
        EXPECT_EQ(choices, expected) << c.window << ": " << c.line;
        EXPECT_EQ(setting, untouched);
    }
}

TEST(FootswitchDecode, PirrowDeviceParameters) {
    const Items forcedAndSent{{"ComboBox3", 2}, {"ComboBox4", 1}};
    expectDecodes({
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 01 00 11 F7",
         {{"ComboBox3", 0}, {"ComboBox4", 1}}},
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 01 00 01 11 F7",
         {{"ComboBox3", 2}, {"ComboBox4", 1}}},
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 00 01 00 F7",
         {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 1}, {"ComboBox4", 0}}},
        // Polarity and power-up are reset first, so a short line brings back their defaults.
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 05 00 F7",
         {{"ComboBox1", 0}, {"ComboBox3", 0}, {"ComboBox4", 0}},
         forcedAndSent},
        // Ten bytes with 01 at byte 8 and no 11: forced closed, nothing sent.
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 01 00 01 F7",
         {{"ComboBox3", 2}, {"ComboBox4", 0}}},
        // Eleven bytes but byte 9 is not 11: the state is not sent.
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 01 00 00 12 F7",
         {{"ComboBox3", 1}, {"ComboBox4", 0}}},
        // Byte 8 of 02 or more is the power-up byte whatever its value.
        {"Pirrow",
         "TPirrowDevice",
         "F0 00 00 50 04 00 01 00 05 F7",
         {{"ComboBox3", 0}, {"ComboBox4", 1}}},
    });
}

TEST(FootswitchDecode, PirrowActions) {
    expectDecodes({
        {"Pirrow",
         "TPirrowPitch",
         "F0 00 00 50 04 13 05 64 7F F7",
         {{"ComboBox1", 16}, {"ComboBox2", 5}, {"ComboBox3", 100}, {"ComboBox4", 1}}},
        {"Pirrow",
         "TPirrowPitch",
         "F0 00 00 50 04 03 00 40 03 F7",
         {{"ComboBox1", 3}, {"ComboBox4", 0}},
         {{"ComboBox4", 1}}},
        {"Pirrow", "TPirrowProgram", "F0 00 00 50 04 04 0A 00 F7", {{"ComboBox2", 10}}},
        {"Pirrow",
         "TPirrowIncDec",
         "F0 00 00 50 04 07 00 0F F7",
         {{"ComboBox1", 1}, {"ComboBox2", 15}}},
        {"Pirrow",
         "TPirrowIncDec",
         "F0 00 00 50 04 07 02 00 F7",
         {{"ComboBox1", 0}},
         {{"ComboBox1", 1}}},
        {"Pirrow",
         "TPirrowRechannel",
         "F0 00 00 50 04 09 7F F7",
         {{"ComboBox1", 16}, {"ComboBox2", 0}},
         {{"ComboBox2", 5}}},
        {"Pirrow",
         "TPirrowRechannel",
         "F0 00 00 50 04 09 7F 0F F7",
         {{"ComboBox1", 16}, {"ComboBox2", 16}}},
        {"Pirrow", "TPirrowTranspose", "F0 00 00 50 04 0A 7F F7", {{"ComboBox1", 16}}},
        {"Pirrow", "TPirrowNoteOnFilter", "F0 00 00 50 04 0C 08 F7", {{"ComboBox1", 8}}},
        {"Pirrow", "TPirrowStartStop", "F0 00 00 50 04 05 F7", {}},
        {"Pirrow", "TPirrowTempo", "F0 00 00 50 04 0B F7", {}},
    });
}

TEST(FootswitchDecode, PirrowSystemExclusive) {
    expectDecodes({
        {"Pirrow",
         "TPirrowSysex",
         "F0 00 00 50 04 06 00 F7",
         {{"ComboBox1", 1}},
         {},
         "F0 7F 01 F7",
         "F0 00 F7",
         "F0 7F 01 F7"},
        {"Pirrow",
         "TPirrowSysex",
         "F0 00 00 50 04 06 01 F7",
         {{"ComboBox1", 0}},
         {{"ComboBox1", 1}},
         "F0 43 10 F7",
         "",
         "F0 43 10 F7"},
        // No second line, or the comment standing where the message would: the field is empty,
        // so the entry popup opens for a message.
        {"Pirrow", "TPirrowSysex", "F0 00 00 50 04 06 01 F7", {}, {}, "xx", "F0 00 F7", ""},
        {"Pirrow",
         "TPirrowSysex",
         "F0 00 00 50 04 06 01 F7",
         {},
         {},
         "{ Program the Pirrow to generate the System Exclusive message  when the footswitch is "
         "depressed  (right-click to edit) }",
         "F0 00 F7",
         ""},
        {"Pirrow", "TPirrowSysex", "F0 00 00 50 04 06 01 F7", {}, {}, "", "F0 00 F7", ""},
    });
}

TEST(FootswitchDecode, PirrowNoteOnAndControlChange) {
    // The further events as decoding leaves them when the line carries none.
    const Items noFurtherEvents{{"ComboBox6", 0},   {"ComboBox5", 64},  {"ComboBox7", 0},
                                {"ComboBox8", 64},  {"ComboBox9", 0},   {"ComboBox10", 64},
                                {"ComboBox11", 0},  {"ComboBox12", 64}, {"ComboBox13", 0},
                                {"ComboBox14", 64}, {"ComboBox15", 0},  {"ComboBox16", 64},
                                {"ComboBox17", 0},  {"ComboBox18", 64}};
    const Items someEvents{{"ComboBox6", 9}, {"ComboBox5", 1}, {"ComboBox9", 4}, {"ComboBox18", 3}};
    auto with = [&](Items items) {
        items.insert(items.begin(), noFurtherEvents.begin(), noFurtherEvents.end());
        return items;
    };
    expectDecodes({
        {"Pirrow", "TPirrowNoteOn", "F0 00 00 50 04 31 00 00 3C 40 00 F7",
         with({{"ComboBox19", 3}, {"ComboBox20", 127}, {"ComboBox21", 1}}), someEvents},
        {"Pirrow", "TPirrowNoteOn", "F0 00 00 50 04 21 01 3C 40 00 F7",
         with({{"ComboBox19", 2}, {"ComboBox20", 0}})},
        {"Pirrow", "TPirrowNoteOn", "F0 00 00 50 04 41 00 7F 3C 40 00 F7",
         with({{"ComboBox19", 4}, {"ComboBox20", 127}, {"ComboBox21", 128}})},
        // Mode codes: 1 is item 0, 0 (and anything out of range) item 1.
        {"Pirrow", "TPirrowNoteOn", "F0 00 00 50 04 11 30 7F 05 F7",
         with({{"ComboBox19", 0}, {"ComboBox2", 48}, {"ComboBox3", 127}, {"ComboBox1", 5}})},
        {"Pirrow",
         "TPirrowNoteOn",
         "F0 00 00 50 04 01 3C 40 00 F7",
         with({{"ComboBox19", 1}}),
         {{"ComboBox19", 4}}},
        // Outside duration modes the duration lists keep what they showed.
        {"Pirrow",
         "TPirrowNoteOn",
         "F0 00 00 50 04 61 3C 40 7F F7",
         with({{"ComboBox19", 6}, {"ComboBox1", 16}}),
         {{"ComboBox20", 127}, {"ComboBox21", 9}}},
        // The second pair shows as event 2; events 3 to 8 are None at velocity 64.
        {"Pirrow", "TPirrowNoteOn", "F0 00 00 50 04 01 3C 40 00 48 64 F7",
         with({{"ComboBox6", 73}, {"ComboBox5", 100}}), someEvents},
        {"Pirrow", "TPirrowNoteOn",
         "F0 00 00 50 04 01 3C 40 7F 3D 41 3E 42 3F 43 40 44 41 45 42 46 43 47 F7",
         testing::kEightNotesOnAllChannels},
        {"Pirrow", "TPirrowControl", "F0 00 00 50 04 52 07 7F 00 0A 20 F7",
         with({{"ComboBox19", 5},
               {"ComboBox2", 7},
               {"ComboBox3", 127},
               {"ComboBox6", 11},
               {"ComboBox5", 32}})},
        {"Pirrow", "TPirrowControl", "F0 00 00 50 04 22 7D 40 7F 00 F7",
         with({{"ComboBox19", 2}, {"ComboBox20", 124}, {"ComboBox2", 64}, {"ComboBox3", 127}})},
    });
}

TEST(FootswitchDecode, InputUnitsReadEverythingOneByteLater) {
    expectDecodes({
        {"Kelto",
         "TKeltoProgram",
         "F0 00 00 50 24 04 07 07 00 F7",
         {{"ComboBoxInput", 7}, {"ComboBox2", 7}}},
        {"Strayne",
         "TStrayneProgram",
         "F0 00 00 50 14 04 01 05 01 F7",
         {{"ComboBoxInput", 1}, {"ComboBox2", 5}, {"ComboBox1", 1}}},
        {"Strayne",
         "TStrayneNoteOn",
         "F0 00 00 50 14 21 00 01 3C 40 00 F7",
         {{"ComboBoxInput", 0}, {"ComboBox19", 2}, {"ComboBox20", 0}},
         {{"ComboBoxInput", 1}}},
        {"Kelto",
         "TKeltoControl",
         "F0 00 00 50 24 42 06 00 05 40 7F 03 0B 50 F7",
         {{"ComboBoxInput", 6},
          {"ComboBox19", 4},
          {"ComboBox20", 127},
          {"ComboBox21", 6},
          {"ComboBox2", 64},
          {"ComboBox3", 127},
          {"ComboBox1", 3},
          {"ComboBox6", 12},
          {"ComboBox5", 80}}},
        {"Strayne", "TStrayneStartStop", "F0 00 00 50 14 05 01 F7", {{"ComboBoxInput", 1}}},
        {"Kelto", "TKeltoTempo", "F0 00 00 50 24 0B 04 F7", {{"ComboBoxInput", 4}}},
        {"Strayne",
         "TStraynePitch",
         "F0 00 00 50 14 13 01 7F 00 0F F7",
         {{"ComboBoxInput", 1},
          {"ComboBox2", 127},
          {"ComboBox3", 0},
          {"ComboBox1", 15},
          {"ComboBox4", 1}}},
        {"Strayne",
         "TStrayneRechannel",
         "F0 00 00 50 14 09 01 00 02 F7",
         {{"ComboBoxInput", 1}, {"ComboBox1", 0}, {"ComboBox2", 3}}},
        {"Strayne",
         "TStrayneSysex",
         "F0 00 00 50 14 06 01 00 F7",
         {{"ComboBoxInput", 1}, {"ComboBox1", 1}},
         {},
         "F0 7F 01 F7",
         "",
         "F0 7F 01 F7"},
        {"Strayne",
         "TStrayneEcho",
         "F0 00 00 50 14 00 01 00 01 F7",
         {{"ComboBox1", 1}, {"ComboBox4", 1}}},
        // F7 where the power-up byte would be: nothing is sent.
        {"Strayne",
         "TStrayneEcho",
         "F0 00 00 50 14 00 01 01 F7",
         {{"ComboBox1", 0}, {"ComboBox4", 0}},
         {{"ComboBox1", 1}, {"ComboBox4", 1}}},
        {"Strayne",
         "TStrayneToggle",
         "F0 00 00 50 14 00 02 01 01 00 01 F7",
         {{"ComboBoxInput", 1}, {"ComboBox2", 0}, {"ComboBox3", 2}}},
        {"Kelto",
         "TKeltoToggle",
         "F0 00 00 50 24 00 02 02 00 01 00 F7",
         {{"ComboBoxInput", 2}, {"ComboBox2", 1}, {"ComboBox3", 0}},
         {{"ComboBox3", 1}}},
        {"Kelto", "TKeltoToggle", "F0 00 00 50 24 00 02 00 00 00 00 F7", {{"ComboBox3", 1}}},
        // Neither auto nor a closed byte of 00 or 01: the polarity stays as it was.
        {"Kelto", "TKeltoToggle", "F0 00 00 50 24 00 02 00 00 00 05 F7", {}, {{"ComboBox3", 2}}},
    });
}

// Hand-edited lines: a byte beyond a list selects its last item, and a byte the line does
// not carry leaves its choice as it was.
TEST(FootswitchDecode, HandEditedLinesGiveRealChoices) {
    expectDecodes({
        {"Pirrow",
         "TPirrowProgram",
         "F0 00 00 50 04 04 80 10 F7",
         {{"ComboBox2", 127}, {"ComboBox1", 16}}},
        {"Pirrow",
         "TPirrowProgram",
         "F0 00 00 50 04 04 FF 45 F7",
         {{"ComboBox2", 127}, {"ComboBox1", 16}}},
        {"Pirrow",
         "TPirrowProgram",
         "F0 00 00 50 04 04 F7",
         {},
         {{"ComboBox1", 3}, {"ComboBox2", 9}}},
        {"Pirrow",
         "TPirrowProgram",
         "F0 00 00 50 04 04 05",
         {{"ComboBox2", 5}},
         {{"ComboBox1", 3}}},
        {"Strayne",
         "TStrayneProgram",
         "F0 00 00 50 14 04 05 01 02 F7",
         {{"ComboBoxInput", 1}, {"ComboBox2", 1}, {"ComboBox1", 2}}},
        {"Kelto", "TKeltoTempo", "F0 00 00 50 24 0B 7F F7", {{"ComboBoxInput", 7}}},
        {"Pirrow",
         "TPirrowRechannel",
         "F0 00 00 50 04 09 01 20 F7",
         {{"ComboBox1", 1}, {"ComboBox2", 16}}},
        {"Pirrow",
         "TPirrowNoteOn",
         "F0 00 00 50 04 21 90 FF 80 30 F7",
         {{"ComboBox19", 2},
          {"ComboBox20", 126},
          {"ComboBox2", 127},
          {"ComboBox3", 127},
          {"ComboBox1", 16}}},
        {"Pirrow",
         "TPirrowNoteOn",
         "F0 00 00 50 04 31 00 85 3C 40 00 FF 99 F7",
         {{"ComboBox19", 3},
          {"ComboBox20", 127},
          {"ComboBox21", 128},
          {"ComboBox6", 128},
          {"ComboBox5", 127}}},
        // A lone byte after the pairs is no event.
        {"Pirrow",
         "TPirrowNoteOn",
         "F0 00 00 50 04 01 3C 40 00 3E F7",
         {{"ComboBox6", 0}},
         {{"ComboBox6", 5}}},
    });
}

TEST(FootswitchDecode, DecodingTheSameLineTwiceGivesTheSameChoices) {
    const SettingForm& form = footswitchForm("Kelto", "TKeltoControl");
    const ParsedSetting setting{
        parseLine("F0 00 00 50 24 32 03 00 09 07 64 05 0A 20 F7"), "xx", {}, {}};
    FormChoices once = chosen(form, {{"ComboBox11", 9}});
    decodeSetting(form, setting, once);
    FormChoices twice = once;
    decodeSetting(form, setting, twice);
    EXPECT_EQ(once, twice);
    EXPECT_EQ(encodeSetting(form, once).messageLine,
              "F0 00 00 50 24 32 03 00 09 07 64 05 0A 20 F7");
}

// For every dialog of the three units: choices encoded, the message parsed and decoded into a
// fresh dialog give the same choices back and the same setting again.
struct RoundTrip {
    const char* role;
    Items items;
    const char* text = "";
};

TEST(FootswitchDecode, EveryDialogRoundTripsOnEveryUnit) {
    const std::vector<RoundTrip> trips{
        {"Device", {{"ComboBox1", 1}, {"ComboBox2", 0}, {"ComboBox3", 2}, {"ComboBox4", 1}}},
        {"Device", {{"ComboBox3", 1}}},
        {"Device", {{"ComboBox4", 1}}},
        {"Echo", {{"ComboBox1", 1}, {"ComboBox4", 1}}},
        {"Echo", {}},
        {"Toggle", {{"ComboBox2", 0}, {"ComboBox3", 1}}},
        {"Toggle", {{"ComboBox3", 2}}},
        {"NoteOn",
         {{"ComboBox19", 2},
          {"ComboBox20", 12},
          {"ComboBox2", 0},
          {"ComboBox3", 1},
          {"ComboBox6", 128},
          {"ComboBox5", 127},
          {"ComboBox7", 1},
          {"ComboBox8", 0}}},
        {"NoteOn", {{"ComboBox19", 4}, {"ComboBox20", 127}, {"ComboBox21", 6}, {"ComboBox1", 16}}},
        {"NoteOn",
         {{"ComboBox19", 0},
          {"ComboBox1", 9},
          {"ComboBox6", 2},
          {"ComboBox7", 3},
          {"ComboBox9", 4},
          {"ComboBox11", 5},
          {"ComboBox13", 6},
          {"ComboBox15", 7},
          {"ComboBox17", 8},
          {"ComboBox18", 100},
          {"ComboBox14", 10}}},
        {"NoteOn", {{"ComboBox19", 5}}},
        {"Control", {{"ComboBox19", 3}, {"ComboBox20", 127}, {"ComboBox21", 1}, {"ComboBox2", 64}}},
        {"Control", {{"ComboBox19", 6}, {"ComboBox1", 16}, {"ComboBox6", 8}, {"ComboBox5", 3}}},
        {"Control", {{"ComboBox19", 1}, {"ComboBox2", 127}, {"ComboBox3", 0}}},
        {"Pitch", {{"ComboBox1", 16}, {"ComboBox2", 5}, {"ComboBox3", 100}, {"ComboBox4", 1}}},
        {"Pitch", {{"ComboBox1", 4}}},
        {"Program", {{"ComboBox1", 9}, {"ComboBox2", 127}}},
        {"StartStop", {}},
        {"Sysex", {{"ComboBox1", 1}}, "F0 7F 01 F7"},
        {"Sysex", {}, "F0 43 10 4C 00 00 7E 00 F7"},
        {"IncDec", {{"ComboBox1", 1}, {"ComboBox2", 16}}},
        {"Rechannel", {{"ComboBox1", 16}, {"ComboBox2", 16}}},
        {"Rechannel", {{"ComboBox1", 3}, {"ComboBox2", 0}}},
        {"Transpose", {{"ComboBox1", 16}}},
        {"Tempo", {}},
        {"NoteOnFilter", {{"ComboBox1", 15}}},
    };
    for (const char* product : {"Pirrow", "Strayne", "Kelto"}) {
        const FootswitchCatalogue& catalogue = *footswitchCatalogue(product);
        const FootswitchProfile& profile = catalogue.profile();
        std::set<std::string> covered;
        for (const RoundTrip& trip : trips) {
            const SettingForm* form = catalogue.settingForm(profile.windowName(trip.role));
            if (form == nullptr) {
                continue;  // the device settings differ between the units
            }
            covered.insert(form->windowName);
            Items items = trip.items;
            if (form->field("ComboBoxInput") != nullptr) {
                items.emplace_back("ComboBoxInput", profile.inputs - 1);
            }
            const FormChoices original = chosen(*form, items, trip.text);
            const SettingHandover out = encodeSetting(*form, original);
            const ParsedSetting setting{
                parseLine(out.messageLine), out.secondLine.empty() ? "xx" : out.secondLine, {}, {}};
            EXPECT_EQ(catalogue.dialogFor(setting.bytes), form->windowName) << out.messageLine;
            FormChoices decoded = defaultChoices(*form);
            decodeSetting(*form, setting, decoded);
            EXPECT_EQ(decoded, original) << form->windowName << ": " << out.messageLine;
            EXPECT_EQ(encodeSetting(*form, decoded), out) << form->windowName;
        }
        for (const SettingForm& form : catalogue.forms()) {
            EXPECT_TRUE(covered.count(form.windowName)) << form.windowName << " has no round trip";
        }
    }
}

}  // namespace
}  // namespace corlinth
