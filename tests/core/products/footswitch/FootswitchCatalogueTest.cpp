#include <gtest/gtest.h>

#include <algorithm>

#include "FootswitchTestSupport.h"
#include "core/app/ProductRegistry.h"
#include "core/document/SettingLine.h"
#include "core/products/TextCatalogue.h"

namespace corlinth {
namespace {

using testing::chosen;
using testing::footswitchForm;

struct EditCase {
    const char* product;
    const char* line;
    const char* dialog;  // empty: no "Edit Setting..."
};

TEST(FootswitchCatalogue, WhichLinesOfferEditSettingAndWithWhichDialog) {
    for (const EditCase& c : std::initializer_list<EditCase>{
             {"Pirrow", "F0 00 00 50 04 00 01 00 F7", "TPirrowDevice"},
             {"Pirrow", "F0 00 00 50 04 01 3C 40 00 F7", "TPirrowNoteOn"},
             {"Pirrow", "F0 00 00 50 04 11 3C 40 00 F7", "TPirrowNoteOn"},
             {"Pirrow", "F0 00 00 50 04 61 3C 40 00 F7", "TPirrowNoteOn"},
             {"Pirrow", "F0 00 00 50 04 02 40 7F 00 F7", "TPirrowControl"},
             {"Pirrow", "F0 00 00 50 04 42 00 05 40 7F 00 F7", "TPirrowControl"},
             {"Pirrow", "F0 00 00 50 04 62 40 7F 00 F7", "TPirrowControl"},
             {"Pirrow", "F0 00 00 50 04 03 00 40 00 F7", "TPirrowPitch"},
             {"Pirrow", "F0 00 00 50 04 13 00 40 00 F7", "TPirrowPitch"},
             {"Pirrow", "F0 00 00 50 04 04 0A 00 F7", "TPirrowProgram"},
             {"Pirrow", "F0 00 00 50 04 05 F7", "TPirrowStartStop"},
             {"Pirrow", "F0 00 00 50 04 06 01 F7", "TPirrowSysex"},
             {"Pirrow", "F0 00 00 50 04 07 01 00 F7", "TPirrowIncDec"},
             {"Pirrow", "F0 00 00 50 04 09 7F F7", "TPirrowRechannel"},
             {"Pirrow", "F0 00 00 50 04 0A 7F F7", "TPirrowTranspose"},
             {"Pirrow", "F0 00 00 50 04 0B F7", "TPirrowTempo"},
             {"Pirrow", "F0 00 00 50 04 0C 00 F7", "TPirrowNoteOnFilter"},
             {"Pirrow", "F0 00 00 50 04 08 F7", ""},
             {"Pirrow", "F0 00 00 50 04 0D 00 F7", ""},
             {"Pirrow", "F0 00 00 50 04 14 00 F7", ""},
             {"Pirrow", "F0 00 00 50 04 23 00 F7", ""},
             {"Pirrow", "F0 00 00 50 04 33 00 F7", ""},
             {"Pirrow", "F0 00 00 50 04 71 3C 40 00 F7", ""},
             {"Pirrow", "F0 00 00 50 04 72 3C 40 00 F7", ""},
             {"Pirrow", "F0 00 00 50 04 F7", ""},
             {"Pirrow", "F0 00 00 50 04", ""},
             {"Pirrow", "F0 00 00 50 14 04 00 0A 00 F7", ""},
             {"Pirrow", "F0 00 00 50 06 04 0A 00 F7", ""},
             {"Strayne", "F0 00 00 50 14 00 00 F7", ""},
             {"Strayne", "F0 00 00 50 14 00 01 01 F7", "TStrayneEcho"},
             {"Strayne", "F0 00 00 50 14 00 02 00 00 01 00 F7", "TStrayneToggle"},
             {"Strayne", "F0 00 00 50 14 00 03 F7", ""},
             {"Strayne", "F0 00 00 50 14 00 F7", ""},
             {"Strayne", "F0 00 00 50 14 04 01 05 01 F7", "TStrayneProgram"},
             {"Strayne", "F0 00 00 50 14 21 00 01 3C 40 00 F7", "TStrayneNoteOn"},
             {"Strayne", "F0 00 00 50 14 06 00 01 F7", "TStrayneSysex"},
             {"Strayne", "F0 00 00 50 14 08 00 F7", ""},
             {"Strayne", "F0 00 00 50 04 04 0A 00 F7", ""},
             {"Kelto", "F0 00 00 50 24 00 00 F7", ""},
             {"Kelto", "F0 00 00 50 24 00 01 01 F7", "TKeltoEcho"},
             {"Kelto", "F0 00 00 50 24 00 02 02 00 01 00 F7", "TKeltoToggle"},
             {"Kelto", "F0 00 00 50 24 04 07 07 00 F7", "TKeltoProgram"},
             {"Kelto", "F0 00 00 50 24 0C 07 00 F7", "TKeltoNoteOnFilter"},
             {"Kelto", "F0 00 00 50 14 04 01 05 01 F7", ""},
             {"Kelto", "F0 00 00 50 14 00 01 01 F7", ""},
         }) {
        const TextCatalogue* catalogue = textCatalogue(c.product);
        ASSERT_NE(catalogue, nullptr) << c.product;
        EXPECT_EQ(catalogue->dialogFor(parseLine(c.line)), c.dialog) << c.product << ": " << c.line;
    }
}

struct MenuCase {
    const char* caption;
    const char* dialog;
};

void expectMenu(std::string_view product, const std::vector<MenuCase>& expected) {
    const auto menu = textCatalogue(product)->settingMenu();
    ASSERT_EQ(menu.size(), expected.size()) << product;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(menu[i].caption, expected[i].caption) << product << " " << i;
        EXPECT_EQ(menu[i].dialog, expected[i].dialog) << product << " " << i;
    }
}

TEST(FootswitchCatalogue, SettingMenusWithTheirExactCaptions) {
    expectMenu("Pirrow", {{"Device Parameters...", "TPirrowDevice"},
                          {"", ""},
                          {"Generate Note-On...", "TPirrowNoteOn"},
                          {"Generate Control Change... ", "TPirrowControl"},
                          {"Generate Pitch Bend...", "TPirrowPitch"},
                          {"Generate Program Change... ", "TPirrowProgram"},
                          {"Generate Start/Stop... ", "TPirrowStartStop"},
                          {"Generate System Exclusive...", "TPirrowSysex"},
                          {"Generate Program INC/DEC...", "TPirrowIncDec"},
                          {"Rechannelize...", "TPirrowRechannel"},
                          {"Transpose...", "TPirrowTranspose"},
                          {"Tap Tempo...", "TPirrowTempo"},
                          {"Note-On Filter...", "TPirrowNoteOnFilter"}});
    expectMenu("Kelto", {{"Echo and Power-up...", "TKeltoEcho"},
                         {"Toggle and Polarity...", "TKeltoToggle"},
                         {"", ""},
                         {"Generate Note-On...", "TKeltoNoteOn"},
                         {"Generate Control Change... ", "TKeltoControl"},
                         {"Generate Pitch Bend...", "TKeltoPitch"},
                         {"Generate Program Change... ", "TKeltoProgram"},
                         {"Generate Start/Stop... ", "TKeltoStartStop"},
                         {"Generate System Exclusive...", "TKeltoSysex"},
                         {"Generate Program INC/DEC...", "TKeltoIncDec"},
                         {"Rechannelize...", "TKeltoRechannel"},
                         {"Transpose...", "TKeltoTranspose"},
                         {"Tap Tempo...", "TKeltoTempo"},
                         {"Note-On Filter...", "TKeltoNoteOnFilter"}});
    EXPECT_EQ(textCatalogue("Strayne")->settingMenu()[0].dialog, "TStrayneEcho");
    EXPECT_EQ(textCatalogue("Strayne")->settingMenu()[13].dialog, "TStrayneNoteOnFilter");
}

// Every dialog is one of the windows the product table creates, and every such window but
// the transmission window and the entry popup is a dialog described here.
TEST(FootswitchCatalogue, DialogsAreTheProductsWindows) {
    for (const char* product : {"Pirrow", "Strayne", "Kelto"}) {
        const ProductRecord* record = findProduct(product);
        const FootswitchCatalogue* catalogue = footswitchCatalogue(product);
        ASSERT_NE(record, nullptr);
        ASSERT_EQ(catalogue->profile().deviceId, record->deviceId);
        for (const std::string_view window : record->companionWindows) {
            const bool isDialog = window != "TTransportForm" && !window.ends_with("SysPop");
            EXPECT_EQ(catalogue->settingForm(window) != nullptr, isDialog) << window;
        }
        const std::string popup = "T" + std::string(product) + "SysPop";
        const SettingForm& sysex = *catalogue->settingForm("T" + std::string(product) + "Sysex");
        EXPECT_EQ(sysex.field("Edit1")->entryPopup, popup);
        EXPECT_NE(
            std::find(record->companionWindows.begin(), record->companionWindows.end(), popup),
            record->companionWindows.end());
    }
    EXPECT_EQ(textCatalogue("Daskin"), nullptr);
    EXPECT_EQ(footswitchCatalogue("Tessol"), nullptr);
}

struct TitleCase {
    const char* window;
    const char* caption;
    const char* heading;
};

TEST(FootswitchCatalogue, CaptionsAndHeadings) {
    for (const TitleCase& c : std::initializer_list<TitleCase>{
             {"TPirrowDevice", "Pirrow Device Parameters",
              "Select the Pirrow Device Parameters..."},
             {"TPirrowNoteOn", "Pirrow Note-On Setting",
              "Program the Pirrow to generate up to eight Note-On messages..."},
             {"TPirrowControl", "Pirrow Control Change Setting",
              "Program the Pirrow to generate up to eight Control Change messages..."},
             {"TPirrowPitch", "Pirrow Pitch Bend Setting",
              "Program the Pirrow to generate a Pitch Bend message when the footswitch is "
              "depressed..."},
             {"TPirrowProgram", "Pirrow Program Change Setting",
              "Program the Pirrow to generate a Program Change message when the footswitch is "
              "depressed..."},
             {"TPirrowStartStop", "Pirrow Start/Stop Setting",
              "Program the Pirrow to send out MIDI Start and Stop messages..."},
             {"TPirrowSysex", "Pirrow System Exclusive Setting",
              "Program the Pirrow to generate the System Exclusive message..."},
             {"TPirrowIncDec", "Pirrow Program INC/DEC Setting",
              "Program the Pirrow to INC/DEC and send Program Change..."},
             {"TPirrowRechannel", "Pirrow Rechannelize Setting",
              "Program the Pirrow to rechannelize MIDI messages when the footswitch is "
              "depressed..."},
             {"TPirrowTranspose", "Pirrow Transpose Setting",
              "Program the Pirrow to operate in Transpose mode..."},
             {"TPirrowTempo", "Pirrow Tap Tempo Setting",
              "Program the Pirrow to generate MIDI Clock..."},
             {"TPirrowNoteOnFilter", "Pirrow Note-On Filter Setting",
              "Program the Pirrow to filter Note-On messages on a selected MIDI channel when the "
              "footswitch is depressed..."},
             {"TStrayneEcho", "Strayne Echo and Power-up Setting",
              "Select the Echo and Power-up settings of the Strayne..."},
             {"TStrayneToggle", "Strayne Toggle and Polarity Settings",
              "Select the Toggle and Polarity settings of an input of the Strayne..."},
             {"TStrayneNoteOn", "Strayne Note-On Setting",
              "Program an input of the Strayne to generate up to eight Note-On messages..."},
             {"TStraynePitch", "Strayne Pitch Bend Setting",
              "Program an input of the Strayne to generate a Pitch Bend message when the "
              "footswitch is depressed..."},
             {"TStrayneSysex", "Strayne System Exclusive Setting",
              "Program an input of the Strayne to generate the System Exclusive message... "},
             {"TStrayneTranspose", "Strayne Transpose Setting",
              "Program the Strayne to transpose notes by the interval selected when the following "
              "footswitch is depressed..."},
             {"TStrayneTempo", "Strayne Tap Tempo Setting",
              "Program an input of the Strayne to control MIDI Clock tempo..."},
             {"TKeltoEcho", "Kelto Echo and Power-up Setting",
              "Select the Echo and Power-up settings of the Kelto..."},
             {"TKeltoIncDec", "Kelto Program INC/DEC Setting",
              "Program an input of the Kelto to INC/DEC and send Program Change..."},
             {"TKeltoTranspose", "Kelto Transpose Setting",
              "Program the Kelto to transpose notes by the interval selected when the following "
              "footswitch is depressed..."},
         }) {
        const std::string window = c.window;
        const std::string product = window.starts_with("TPirrow")    ? "Pirrow"
                                    : window.starts_with("TStrayne") ? "Strayne"
                                                                     : "Kelto";
        const SettingForm& form = footswitchForm(product, window);
        EXPECT_EQ(form.caption, c.caption);
        EXPECT_EQ(form.heading, c.heading);
    }
}

struct NotesCase {
    const char* product;
    const char* window;
    std::vector<std::string> notes;
};

TEST(FootswitchCatalogue, NotesUnderTheDialogs) {
    const std::string pirrow = "The above setting will overwrite the previous Pirrow setting";
    const std::string input =
        "The above setting will overwrite previous settings of the selected footswitch input";
    for (const NotesCase& c : std::initializer_list<NotesCase>{
             {"Pirrow", "TPirrowNoteOn", {pirrow}},
             {"Pirrow", "TPirrowTempo", {pirrow}},
             {"Pirrow", "TPirrowNoteOnFilter", {pirrow}},
             {"Pirrow", "TPirrowDevice", {}},
             {"Pirrow",
              "TPirrowSysex",
              {"The Pirrow will accept one depress and one release System Exclusive setting"}},
             {"Strayne", "TStrayneProgram", {input}},
             {"Strayne",
              "TStrayneTempo",
              {"The above setting will overwrite previous settings of the selected",
               "footswitch input"}},
             {"Strayne", "TStrayneEcho", {}},
             {"Strayne", "TStrayneToggle", {}},
             {"Strayne",
              "TStrayneSysex",
              {"The Strayne will accept one depress and one release System Exclusive setting per "
               "footswitch input"}},
             {"Kelto",
              "TKeltoSysex",
              {"The Kelto will accept one depress and one release System Exclusive setting per "
               "footswitch input"}},
             {"Kelto", "TKeltoRechannel", {input}},
         }) {
        EXPECT_EQ(footswitchForm(c.product, c.window).notes, c.notes) << c.window;
    }
}

TEST(FootswitchCatalogue, ExplanatoryLinesDifferBetweenTheUnits) {
    auto lines = [](std::string_view product, std::string_view window) {
        return footswitchForm(product, window).field("Operation")->items;
    };
    EXPECT_EQ(lines("Pirrow", "TPirrowStartStop"),
              (std::vector<std::string>{
                  "Programming the Pirrow with this setting causes it to send out a ",
                  "Start message when the footswitch is depressed and a Stop message when it is "
                  "released.",
                  "It is also possible to toggle between sending Start and Stop messages each time "
                  "the footswitch",
                  "is depressed by programming the Pirrow's Toggle parameter to ON."}));
    const std::vector<std::string> inputStartStop{
        "Programming a footswitch input with this setting causes it to send out a ",
        "Start message when the footswitch is depressed and a Stop message when it is ",
        "released. It is also possible to toggle between sending Start and  Stop messages each ",
        "time the footswitch is depressed by programming the Toggle parameter for the above",
        "footswitch to ON."};
    EXPECT_EQ(lines("Strayne", "TStrayneStartStop"), inputStartStop);
    EXPECT_EQ(lines("Kelto", "TKeltoStartStop"), inputStartStop);
    EXPECT_EQ(lines("Pirrow", "TPirrowTempo"),
              (std::vector<std::string>{
                  "The Pirrow continuously sends out MIDI Clock ",
                  "messages at a tempo corresponding to the most recent taps of the footswitch."}));
    EXPECT_EQ(lines("Strayne", "TStrayneTempo"),
              (std::vector<std::string>{
                  "The Strayne continuously sends out MIDI Clock messages at a ",
                  "tempo corresponding to the most recent taps of the footswitch."}));
    EXPECT_EQ(lines("Kelto", "TKeltoTempo")[0],
              "The Kelto continuously sends out MIDI Clock messages at a ");
    const std::vector<std::string> rechannel{
        "To specify the outgoing MIDI channel depress the footswitch, play the number of notes ",
        "corresponding to the channel to be sent out (these notes are not echoed to the MIDI "
        "Out), and release the ",
        "footswitch. If no notes are received while the footswitch is depressed then the outgoing "
        "MIDI channel is set to",
        "the preset MIDI channel specified above. After this operation has been performed once it "
        "is possible to toggle ",
        "between the original and the new MIDI channel by simply tapping the footswitch."};
    EXPECT_EQ(lines("Pirrow", "TPirrowRechannel"), rechannel);
    EXPECT_EQ(lines("Kelto", "TKeltoRechannel"), rechannel);
    EXPECT_EQ(lines("Strayne", "TStrayneTranspose"),
              (std::vector<std::string>{
                  "To specify the transpose interval depress the footswitch, play the note above "
                  "or below middle C corresponding",
                  "to the transpose interval (this note is not echoed to the MIDI Out), and "
                  "release the footswitch. After this operation has been ",
                  "performed once it is possible to toggle between the original and transposed "
                  "interval by simply tapping the footswitch."}));
    EXPECT_EQ(footswitchForm("Pirrow", "TPirrowTempo").field("Operation")->caption, "Operation:");
}

struct FieldCase {
    const char* product;
    const char* window;
    const char* field;
    const char* caption;
    std::size_t items;
    int defaultItem;
    const char* defaultText;
};

TEST(FootswitchCatalogue, FieldsWithTheirCaptionsListsAndDefaults) {
    for (const FieldCase& c : std::initializer_list<FieldCase>{
             {"Pirrow", "TPirrowDevice", "ComboBox1", "Echo:", 2, 0,
              "ON (messages are echoed from MIDI In to MIDI Out)"},
             {"Pirrow", "TPirrowDevice", "ComboBox2", "Toggle:", 2, 1,
              "OFF - normal depress/release operation"},
             {"Pirrow", "TPirrowDevice", "ComboBox3", "Polarity:", 3, 0,
              "Auto (polarity determined on power-up)"},
             {"Pirrow", "TPirrowDevice", "ComboBox4", "Power-up:", 2, 0,
              "Send nothing on power-up"},
             {"Strayne", "TStrayneEcho", "ComboBox4", "Power-up:", 2, 0,
              "Send nothing on power-up"},
             {"Strayne", "TStrayneToggle", "ComboBoxInput", "Footswitch Input:", 2, 0, "Fsw1"},
             {"Kelto", "TKeltoToggle", "ComboBoxInput", "Footswitch Input:", 8, 0, "Fsw1"},
             {"Kelto", "TKeltoTempo", "ComboBoxInput", "Footswitch Input:", 8, 0, "Fsw1"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox2", "Note Number:", 128, 60, "60  - middle C"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox3", "Note-On Velocity:", 128, 64, "64"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox1", "MIDI Channel:", 17, 0, "1"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox6", "", 129, 0, "None"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox18", "", 128, 64, "64"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox19", "Mode:", 7, 1,
              "Send Note-Offs on release of the footswitch"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox20", "Duration (in seconds):", 128, 124, "1.000"},
             {"Pirrow", "TPirrowNoteOn", "ComboBox21", "Duration (in seconds):", 129, 0,
              "shorter durations..."},
             {"Pirrow", "TPirrowControl", "ComboBox2", "Control Number:", 128, 1,
              "1 - Modulation Wheel or lever"},
             {"Pirrow", "TPirrowControl", "ComboBox3", "Control Value:", 128, 64, "64"},
             {"Pirrow", "TPirrowControl", "ComboBox17", "", 129, 0, "None"},
             {"Pirrow", "TPirrowControl", "ComboBox19", "Mode:", 7, 1,
              "Reset the above CC messages to zero on release of the footswitch"},
             {"Pirrow", "TPirrowPitch", "ComboBox2", "Pitch Bend LSB value:", 128, 0, "0"},
             {"Pirrow", "TPirrowPitch", "ComboBox3", "Pitch Bend MSB value:", 128, 64, "64"},
             {"Pirrow", "TPirrowPitch", "ComboBox4", "Mode:", 2, 0,
              "Send above values when the footswitch is depressed and zero when the footswitch "
              "is released"},
             {"Pirrow", "TPirrowProgram", "ComboBox2", "Program Number:", 128, 0, "0"},
             {"Pirrow", "TPirrowIncDec", "ComboBox1", "INC/DEC Select:", 2, 0,
              "INC - Increment Program Change number"},
             {"Pirrow", "TPirrowRechannel", "ComboBox1",
              "Incoming MIDI Channel to rechannelize:", 17, 0, "1"},
             {"Pirrow", "TPirrowRechannel", "ComboBox2",
              "Preset MIDI Channel to rechannelize to:", 17, 0, "none"},
             {"Pirrow", "TPirrowTranspose", "ComboBox1", "MIDI Channel to transpose:", 17, 0, "1"},
             {"Pirrow", "TPirrowSysex", "ComboBox1", "Send message when footswitch is:", 2, 0,
              "depressed"},
         }) {
        const FormField* field = footswitchForm(c.product, c.window).field(c.field);
        ASSERT_NE(field, nullptr) << c.window << " " << c.field;
        EXPECT_EQ(field->caption, c.caption) << c.window << " " << c.field;
        EXPECT_EQ(field->items.size(), c.items) << c.window << " " << c.field;
        EXPECT_EQ(field->defaultItem, c.defaultItem) << c.window << " " << c.field;
        EXPECT_EQ(field->items.at(static_cast<std::size_t>(field->defaultItem)), c.defaultText);
    }
    const auto& modes = footswitchForm("Pirrow", "TPirrowControl").field("ComboBox19")->items;
    EXPECT_EQ(modes[5],
              "Cycle through above CC messages on each footswitch depression, send corresponding "
              "CC values of 0 on release");
    EXPECT_EQ(footswitchForm("Strayne", "TStrayneEcho").field("ComboBox4")->items[1],
              "Send state of footswitch inputs on power-up");
    EXPECT_EQ(footswitchForm("Pirrow", "TPirrowDevice").field("ComboBox4")->items[1],
              "Send state of footswitch input on power-up");
    // The single-footswitch unit has no input list.
    EXPECT_EQ(footswitchForm("Pirrow", "TPirrowProgram").field("ComboBoxInput"), nullptr);
}

// The duration lists share one place and switch into each other.
TEST(FootswitchCatalogue, DurationListsFollowTheModeAndSwitch) {
    const SettingForm& form = footswitchForm("Pirrow", "TPirrowNoteOn");
    auto shown = [&](const FormChoices& c, std::string_view name) {
        const std::vector<bool> visible = visibleFields(form, c);
        for (std::size_t i = 0; i < form.fields.size(); ++i) {
            if (form.fields[i].name == name) {
                return static_cast<bool>(visible[i]);
            }
        }
        ADD_FAILURE() << name;
        return false;
    };
    FormChoices c = defaultChoices(form);
    for (const int mode : {0, 1, 5, 6}) {
        c.setItem("ComboBox19", mode);
        EXPECT_FALSE(shown(c, "ComboBox20")) << mode;
        EXPECT_FALSE(shown(c, "ComboBox21")) << mode;
        EXPECT_TRUE(shown(c, "ComboBox2"));
    }
    for (const int mode : {2, 3, 4}) {
        c.setItem("ComboBox19", mode);
        EXPECT_TRUE(shown(c, "ComboBox20")) << mode;
        EXPECT_FALSE(shown(c, "ComboBox21")) << mode;
    }

    c.setItem("ComboBox20", 127);  // "longer durations..."
    applyChange(form, c, "ComboBox20");
    EXPECT_EQ(c.item("ComboBox21"), 2);  // 1 second
    EXPECT_FALSE(shown(c, "ComboBox20"));
    EXPECT_TRUE(shown(c, "ComboBox21"));
    EXPECT_EQ(encodeSetting(form, c).messageLine, "F0 00 00 50 04 41 00 01 3C 40 00 F7");

    // The duration survives a change of mode and comes back with a duration mode.
    c.setItem("ComboBox19", 5);
    applyChange(form, c, "ComboBox19");
    EXPECT_FALSE(shown(c, "ComboBox21"));
    c.setItem("ComboBox19", 3);
    applyChange(form, c, "ComboBox19");
    EXPECT_TRUE(shown(c, "ComboBox21"));
    EXPECT_EQ(encodeSetting(form, c).messageLine, "F0 00 00 50 04 31 00 01 3C 40 00 F7");

    c.setItem("ComboBox21", 0);  // "shorter durations..."
    applyChange(form, c, "ComboBox21");
    EXPECT_EQ(c.item("ComboBox20"), 124);
    EXPECT_TRUE(shown(c, "ComboBox20"));
    EXPECT_FALSE(shown(c, "ComboBox21"));
    EXPECT_EQ(encodeSetting(form, c).messageLine, "F0 00 00 50 04 31 7D 3C 40 00 F7");

    // Decoding a long duration shows the seconds list.
    decodeSetting(form, {parseLine("F0 00 00 50 04 31 00 00 3C 40 00 F7"), "xx", {}, {}}, c);
    EXPECT_TRUE(shown(c, "ComboBox21"));
    EXPECT_EQ(form.field("ComboBox21")->items.at(static_cast<std::size_t>(c.item("ComboBox21"))),
              "0");
}

TEST(FootswitchCatalogue, TheSameChoicesOnEachUnitDifferOnlyByInputAndName) {
    // Kelto and Strayne write the same bytes after the device ID for the same choices.
    for (const char* role :
         {"NoteOn", "Control", "Pitch", "Program", "StartStop", "Sysex", "IncDec", "Rechannel",
          "Transpose", "Tempo", "NoteOnFilter", "Echo", "Toggle"}) {
        const SettingForm& strayne = footswitchForm("Strayne", "TStrayne" + std::string(role));
        const SettingForm& kelto = footswitchForm("Kelto", "TKelto" + std::string(role));
        testing::Items input;
        if (strayne.field("ComboBoxInput") != nullptr) {
            input.emplace_back("ComboBoxInput", 1);
        }
        const FormChoices choices =
            chosen(strayne, input, strayne.field("Edit1") ? "F0 00 F7" : "");
        FormChoices keltoChoices = defaultChoices(kelto);
        keltoChoices.fields = choices.fields;
        const SettingHandover s = encodeSetting(strayne, choices);
        const SettingHandover k = encodeSetting(kelto, keltoChoices);
        EXPECT_EQ(s.messageLine.substr(15), k.messageLine.substr(15)) << role;
        std::string comment = testing::joinedComment(k);
        for (std::size_t at = comment.find("Kelto"); at != std::string::npos;
             at = comment.find("Kelto")) {
            comment.replace(at, 5, "Strayne");
        }
        EXPECT_EQ(testing::joinedComment(s), comment) << role;
    }
}

}  // namespace
}  // namespace corlinth
