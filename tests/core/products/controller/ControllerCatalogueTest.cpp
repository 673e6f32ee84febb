#include <gtest/gtest.h>

#include <algorithm>

#include "ControllerTestSupport.h"
#include "core/app/ProductRegistry.h"
#include "core/document/EditorOperations.h"
#include "core/document/EditorProfile.h"
#include "core/document/SettingLine.h"
#include "core/products/TextCatalogue.h"

namespace corlinth {
namespace {

using testing::controllers::controllerForm;
using testing::controllers::deviceForm;
using testing::controllers::messageTypeForm;

struct EditCase {
    const char* product;
    const char* line;
    const char* dialog;  // empty: no "Edit Setting..."
};

TEST(ControllerCatalogue, WhichLinesOfferEditSettingAndWithWhichDialog) {
    for (const EditCase& c : std::initializer_list<EditCase>{
             {"Gavrel", "F0 00 00 50 16 00 01 00 00 00 00 F7", "TGavrelDevice"},
             {"Gavrel", "F0 00 00 50 16 00 F7", "TGavrelDevice"},
             {"Gavrel", "F0 00 00 50 16 01 00 07 00 00 7F F7", "TGavrelControl"},
             {"Gavrel", "F0 00 00 50 16 01 01 00 00 00 7F F7", "TGavrelControl"},
             {"Gavrel", "F0 00 00 50 16 01 02 00 00 0A 64 02 F7", "TGavrelControl"},
             // The varying byte of a System Exclusive type lies after F0 and before F7 of a
             // message of at most 20 bytes.
             {"Gavrel", "F0 00 00 50 16 01 03 01 00 00 7F F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 03 02 00 00 7F F7", "TGavrelControl"},
             {"Gavrel", "F0 00 00 50 16 01 03 13 00 00 7F F7", "TGavrelControl"},
             {"Gavrel", "F0 00 00 50 16 01 03 14 00 00 7F F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 03 F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 03", ""},
             // A type the dialog has no item for.
             {"Gavrel", "F0 00 00 50 16 01 04 07 00 00 7F F7", ""},
             {"Gavrel", "F0 00 00 50 16 01 F7", ""},
             {"Gavrel", "F0 00 00 50 16 02 00 F7", ""},
             {"Gavrel", "F0 00 00 50 16", ""},
             {"Gavrel", "F0 00 00 51 16 00 01 00 00 00 00 F7", ""},
             {"Gavrel", "F0 00 00 50 17 00 01 00 00 00 00 F7", ""},
             {"Gavrel", "F0 00 00 50 17 01 00 07 00 00 7F F7", ""},
             {"Hennic", "F0 00 00 50 17 00 01 00 00 00 00 F7", "THennicDevice"},
             {"Hennic", "F0 00 00 50 17 01 00 02 00 00 7F F7", "THennicControl"},
             {"Hennic", "F0 00 00 50 17 01 03 03 00 00 7F F7", "THennicControl"},
             {"Hennic", "F0 00 00 50 17 01 03 00 00 00 7F F7", ""},
             {"Hennic", "F0 00 00 50 16 00 01 00 00 00 00 F7", ""},
             {"Hennic", "F0 00 00 50 16 01 03 03 00 00 7F F7", ""},
             {"Pirrow", "F0 00 00 50 16 00 01 00 00 00 00 F7", ""},
         }) {
        const TextCatalogue* catalogue = textCatalogue(c.product);
        ASSERT_NE(catalogue, nullptr) << c.product;
        EXPECT_EQ(catalogue->dialogFor(parseLine(c.line)), c.dialog) << c.product << ": " << c.line;
    }
}

TEST(ControllerCatalogue, SettingMenusWithTheirExactCaptions) {
    for (const char* product : {"Gavrel", "Hennic"}) {
        const auto menu = textCatalogue(product)->settingMenu();
        ASSERT_EQ(menu.size(), 2u);
        EXPECT_EQ(menu[0].caption, "Device Parameters...");
        EXPECT_EQ(menu[0].dialog, "T" + std::string(product) + "Device");
        EXPECT_EQ(menu[1].caption, "Message Type... ");
        EXPECT_EQ(menu[1].dialog, "T" + std::string(product) + "Control");
    }
}

// Every dialog is one of the windows the product table creates, and the popup of the message
// field is the product's entry popup.
TEST(ControllerCatalogue, DialogsAreTheProductsWindows) {
    for (const char* product : {"Gavrel", "Hennic"}) {
        const ProductRecord* record = findProduct(product);
        const ControllerCatalogue* catalogue = controllerCatalogue(product);
        ASSERT_NE(catalogue, nullptr);
        ASSERT_EQ(catalogue->profile().deviceId, record->deviceId);
        for (const std::string_view window : record->companionWindows) {
            const bool isDialog = window != "TTransportForm" && !window.ends_with("SysPop");
            EXPECT_EQ(catalogue->settingForm(window) != nullptr, isDialog) << window;
        }
        const std::string popup = "T" + std::string(product) + "SysPop";
        const SettingForm& control = messageTypeForm(product);
        EXPECT_EQ(control.field("Edit5")->entryPopup, popup);
        EXPECT_EQ(control.popup.windowName, popup);
        EXPECT_NE(
            std::find(record->companionWindows.begin(), record->companionWindows.end(), popup),
            record->companionWindows.end());
        EXPECT_TRUE(deviceForm(product).popup.windowName.empty());
    }
    EXPECT_EQ(controllerCatalogue("Pirrow"), nullptr);
    EXPECT_EQ(controllerCatalogue(""), nullptr);
}

struct LabelCase {
    const char* window;
    const char* caption;
    const char* heading;
    std::vector<std::pair<const char*, const char*>> labels;  // field, caption
};

TEST(ControllerCatalogue, CaptionsHeadingsAndLabels) {
    for (const LabelCase& c : std::initializer_list<LabelCase>{
             {"TGavrelDevice",
              "Gavrel Device Parameters",
              "Select the Gavrel Device Parameters...",
              {{"ComboBox5", "Echo:"},
               {"ComboBox1", "Curvature Amount:"},
               {"ComboBox2", "Curvature Direction"},
               {"ComboBox3", "Neutral Range Bottom:"},
               {"ComboBox4", "Nuetral Range Top:"}}},
             {"THennicDevice",
              "Hennic Device Parameters",
              "Select the Hennic Device Parameters...",
              {{"ComboBox5", "Echo:"},
               {"ComboBox1", "Curvature Amount:"},
               {"ComboBox2", "Curvature Direction"},
               {"ComboBox3", "Neutral Range Bottom:"},
               {"ComboBox4", "Nuetral Range Top:"}}},
             {"TGavrelControl",
              "Gavrel Message Type",
              "Select the Gavrel Message Type...",
              {{"ComboBox4", "Message Type:"},
               {"ComboBox1", "Control Number:"},
               {"Edit5", "Message:"},
               {"ComboBox2", "Minimum Value Transmitted"},
               {"ComboBox3", "Maximum Value Transmitted"},
               {"ComboBox5", "MIDI Transmit Channels:"},
               {"ComboBox6", ""},
               {"ComboBox7", ""},
               {"ComboBox8", ""}}},
             {"THennicControl",
              "Hennic Message Type",
              "Select the Hennic Message Type...",
              {{"ComboBox4", "Message Type:"},
               {"ComboBox1", "Control Number:"},
               {"Edit5", "Message:"},
               {"ComboBox2", "Minimum Value Transmitted:"},
               {"ComboBox3", "Maximum Value Transmitted:"},
               {"ComboBox5", "MIDI Transmit Channels:"},
               {"ComboBox6", ""},
               {"ComboBox7", ""},
               {"ComboBox8", ""}}},
         }) {
        const std::string product = std::string(c.window).substr(1, 6);
        const SettingForm& form = controllerForm(product, c.window);
        EXPECT_EQ(form.caption, c.caption);
        EXPECT_EQ(form.heading, c.heading);
        ASSERT_EQ(form.fields.size(), c.labels.size()) << c.window;
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(form.fields[i].name, c.labels[i].first) << c.window;
            EXPECT_EQ(form.fields[i].caption, c.labels[i].second) << c.window;
        }
    }
}

// The lists the dialogs choose from, by their ends and defaults.
TEST(ControllerCatalogue, ListsAndDefaults) {
    const SettingForm& device = deviceForm("Gavrel");
    const FormField& echo = *device.field("ComboBox5");
    EXPECT_EQ(echo.items,
              (std::vector<std::string>{"ON (messages are echoed from MIDI In to MIDI Out)",
                                        "OFF (messages are not echoed from MIDI In to MIDI Out)"}));
    const FormField& amount = *device.field("ComboBox1");
    ASSERT_EQ(amount.items.size(), 128u);
    EXPECT_EQ(amount.items[0], "no curvature (linear response)");
    EXPECT_EQ(amount.items[1], "1");
    EXPECT_EQ(amount.items[127], "127");
    EXPECT_EQ(device.field("ComboBox2")->items, (std::vector<std::string>{"upward", "downward"}));
    for (const char* range : {"ComboBox3", "ComboBox4"}) {
        ASSERT_EQ(device.field(range)->items.size(), 128u);
        EXPECT_EQ(device.field(range)->items[0], "0 (automatic)");
        EXPECT_EQ(device.field(range)->items[127], "127");
    }

    const SettingForm& control = messageTypeForm("Hennic");
    EXPECT_EQ(control.field("ComboBox4")->items,
              (std::vector<std::string>{"Control Change", "Channel Pressure (Aftertouch)",
                                        "Pitch Bend", "System Exclusive"}));
    EXPECT_EQ(control.field("ComboBox1")->items.size(), 128u);
    EXPECT_EQ(control.field("ComboBox1")->items[7], "7 - Main volume");
    const FormField& first = *control.field("ComboBox5");
    ASSERT_EQ(first.items.size(), 16u);
    EXPECT_EQ(first.items.front(), "1");
    EXPECT_EQ(first.items.back(), "16");
    for (const char* further : {"ComboBox6", "ComboBox7", "ComboBox8"}) {
        const FormField& list = *control.field(further);
        ASSERT_EQ(list.items.size(), 17u);
        EXPECT_EQ(list.items.front(), "-");
        EXPECT_EQ(list.items.back(), "16");
        EXPECT_EQ(list.placement, Placement::Beside);
    }
    EXPECT_EQ(control.field("Edit5")->kind, FieldKind::TextField);
    EXPECT_EQ(control.field("Edit5")->placement, Placement::InPlace);
    EXPECT_EQ(control.popup.caption, "Enter System Exclusive Message");
    EXPECT_EQ(control.popup.lines,
              (std::vector<std::string>{"Enter System Exclusive message in the form F0 ... F7",
                                        "Use XX for the varying byte"}));

    const FormChoices defaults = defaultChoices(control);
    EXPECT_EQ(defaults.item("ComboBox4"), 0);
    EXPECT_EQ(defaults.item("ComboBox1"), 0);
    EXPECT_EQ(defaults.item("ComboBox2"), 0);
    EXPECT_EQ(defaults.item("ComboBox3"), 127);
    EXPECT_EQ(defaults.item("ComboBox5"), 0);
    EXPECT_EQ(defaults.item("ComboBox6"), 0);
    EXPECT_EQ(defaults.text("Edit5"), "");
}

// The editor's Edit Setting search with each unit's profile: a unit's own lines are offered
// for editing, the other unit's are not, and a System Exclusive type takes its second line.
TEST(ControllerCatalogue, EditSettingInAGavrelAndAHennicDocument) {
    const std::vector<std::string> doc{
        "F0 00 00 50 16 01 03 03 00 00 7F F7",
        "F0 7F 00 01 F7",
        "{ gavrel }",
        "",
        "F0 00 00 50 17 01 03 03 00 00 7F F7",
        "F0 7E 00 02 F7",
        "{ hennic }",
        "",
        "F0 00 00 50 16 00 01 00 00 00 00 F7",
        "{ gavrel device }",
        "",
        "F0 00 00 50 17 00 01 00 00 00 00 F7",
        "{ hennic device }",
        "",
    };
    struct FindCase {
        const char* product;
        std::size_t caret;
        const char* dialog;
        const char* secondLine;
        std::size_t lineCount;
    };
    for (const FindCase& c : std::initializer_list<FindCase>{
             {"Gavrel", 0, "TGavrelControl", "F0 7F 00 01 F7", 3},
             // Another unit's header is no two-line setting here: its message line stands alone.
             {"Gavrel", 4, "", "xx", 1},
             {"Gavrel", 8, "TGavrelDevice", "xx", 2},
             {"Gavrel", 11, "", "xx", 2},
             {"Hennic", 0, "", "xx", 1},
             {"Hennic", 4, "THennicControl", "F0 7E 00 02 F7", 3},
             {"Hennic", 8, "", "xx", 2},
             {"Hennic", 11, "THennicDevice", "xx", 2},
         }) {
        const EditorProfile* profile = editorProfile(c.product);
        ASSERT_NE(profile, nullptr);
        const auto find = findSettingForEdit(doc, c.caret, *profile, textCatalogue(c.product));
        ASSERT_TRUE(find) << c.product << " " << c.caret;
        EXPECT_EQ(find->dialog, c.dialog) << c.product << " " << c.caret;
        EXPECT_EQ(find->parsed.secondLine, c.secondLine) << c.product << " " << c.caret;
        EXPECT_EQ(find->lineCount, c.lineCount) << c.product << " " << c.caret;
    }
}

}  // namespace
}  // namespace corlinth
