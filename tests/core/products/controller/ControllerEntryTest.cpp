#include <gtest/gtest.h>

#include "ControllerTestSupport.h"
#include "core/document/SettingLine.h"
#include "core/products/controller/VaryingSysexEntry.h"

namespace corlinth {
namespace {

using testing::controllers::chosen;
using testing::controllers::deviceForm;
using testing::controllers::messageTypeForm;
using testing::controllers::shownFields;

const std::string kTooLong = "Maximum length of System Exclusive message is 20 bytes.";
const std::string kMissing = "XX must appear in the System Exclusive message.";
const std::string kRepeated = "XX cannot appear more than once in the System Exclusive message.";
const std::string kInvalid = "Invalid System Exclusive message.";

struct EntryCase {
    std::string typed;
    std::string normalised;
    std::string warning;  // empty for a valid entry
    int varyingByte = 0;  // of a valid entry
};

TEST(ControllerEntry, TheVaryingByteTest) {
    const std::string twenty = "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 XX F7";
    const std::string twentyOne = "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 XX F7";
    for (const EntryCase& c : std::initializer_list<EntryCase>{
             {"F0 7F XX 01 F7", "F0 7F XX 01 F7", "", 3},
             {"f0  7f xx   01 f7 ", "F0 7F XX 01 F7", "", 3},
             {"F0 XX F7", "F0 XX F7", "", 2},
             {"FO XX O1 F7", "F0 XX 01 F7", "", 2},
             {twenty, twenty, "", 19},
             {"F0 7F 01 F7", "F0 7F 01 F7", kMissing},
             {"F0 XX XX F7", "F0 XX XX F7", kRepeated},
             {"F0 XX 00 XX F7", "F0 XX 00 XX F7", kRepeated},
             // Half a pair: an X as the second digit counts, as the first it does not.
             {"F0 7X 01 F7", "F0 7X 01 F7", kInvalid},
             {"F0 X7 01 F7", "F0 X7 01 F7", kMissing},
             {"F0 7X XX F7", "F0 7X XX F7", kRepeated},
             // The rest of the footswitch test still holds around the pair.
             {"F0 XX 80 F7", "F0 XX 80 F7", kInvalid},
             {"F0 XXX F7", "F0 XXX F7", kInvalid},
             {"F0 XX0 F7", "F0 XX0 F7", kInvalid},
             {"F0 XX F6", "F0 XX F6", kInvalid},
             {"FX XX F7", "FX XX F7", kInvalid},
             {"F0 XX FX", "F0 XX FX", kInvalid},
             {"F0 XX 0 F7", "F0 XX 0 F7", kInvalid},
             // Too short to be looked into, and an empty field: nothing holds an XX.
             {"F0 XX", "F0 XX", kMissing},
             {"F0XX F7", "F0XX F7", kMissing},
             {"F0 F7", "F0 F7", kMissing},
             {"", "", kMissing},
             {"   ", "", kMissing},
             {twentyOne, twentyOne, kTooLong},
             {twentyOne + " XX", twentyOne + " XX", kTooLong},
         }) {
        std::string text = c.typed;
        const controller::VaryingEntryResult result = controller::checkVaryingEntry(text);
        EXPECT_EQ(text, c.normalised) << '"' << c.typed << '"';
        EXPECT_EQ(result.valid, c.warning.empty()) << '"' << c.typed << '"';
        if (result.valid) {
            EXPECT_EQ(result.varyingByte(), c.varyingByte) << '"' << c.typed << '"';
        } else {
            EXPECT_EQ(controller::varyingEntryWarning(result), c.warning) << '"' << c.typed << '"';
        }
        // The popup's own OK says the same.
        std::string again = c.typed;
        EXPECT_EQ(messageTypeForm("Gavrel").popup.check(again), c.warning);
        EXPECT_EQ(again, c.normalised);
    }
}

// The count is that of the entry being tested, whatever came before.
TEST(ControllerEntry, EachEntryIsCountedAfresh) {
    std::string twice = "F0 XX XX F7";
    EXPECT_EQ(controller::varyingEntryWarning(controller::systest(twice)), kRepeated);
    for (std::string text : {"", "F0 F7", "F0 00 F7"}) {
        EXPECT_EQ(controller::varyingEntryWarning(controller::checkVaryingEntry(text)), kMissing);
    }
}

const std::vector<std::string> kControlChangeFields{"ComboBox4", "ComboBox1", "ComboBox2",
                                                    "ComboBox3", "ComboBox5", "ComboBox6",
                                                    "ComboBox7", "ComboBox8"};
const std::vector<std::string> kChannelTypeFields{
    "ComboBox4", "ComboBox2", "ComboBox3", "ComboBox5", "ComboBox6", "ComboBox7", "ComboBox8"};
const std::vector<std::string> kSysexFields{"ComboBox4", "Edit5", "ComboBox2", "ComboBox3"};

TEST(ControllerDialogs, WhatEachTypeShows) {
    const SettingForm& form = messageTypeForm("Gavrel");
    const std::vector<std::vector<std::string>> expected{kControlChangeFields, kChannelTypeFields,
                                                         kChannelTypeFields, kSysexFields};
    for (int type = 0; type < 4; ++type) {
        EXPECT_EQ(shownFields(form, chosen(form, {{"ComboBox4", type}})), expected.at(type))
            << type;
    }
    const SettingForm& device = deviceForm("Hennic");
    const std::vector<std::string> all{"ComboBox5", "ComboBox1", "ComboBox2", "ComboBox3",
                                       "ComboBox4"};
    const std::vector<std::string> noDirection{"ComboBox5", "ComboBox1", "ComboBox3", "ComboBox4"};
    EXPECT_EQ(shownFields(device, defaultChoices(device)), noDirection);
    EXPECT_EQ(shownFields(device, chosen(device, {{"ComboBox1", 1}})), all);
    // Decoding a curved setting brings the direction list back.
    FormChoices decoded = defaultChoices(device);
    decodeSetting(device, {parseLine("F0 00 00 50 17 00 01 05 01 00 00 F7"), "xx", {}, {}},
                  decoded);
    EXPECT_EQ(shownFields(device, decoded), all);
}

// The user changes a list; the dialog applies the change and asks whether the popup opens.
std::optional<PopupRequest> choose(const SettingForm& form, FormChoices& choices,
                                   std::string_view list, int item) {
    choices.setItem(list, item);
    applyChange(form, choices, list);
    return popupRequest(form, choices, list);
}

TEST(ControllerDialogs, ChoosingSystemExclusiveAndCancellingRestoresThePreviousType) {
    for (const char* product : {"Gavrel", "Hennic"}) {
        const SettingForm& form = messageTypeForm(product);
        FormChoices choices = defaultChoices(form);
        EXPECT_FALSE(choose(form, choices, "ComboBox4", 2));
        EXPECT_FALSE(choose(form, choices, "ComboBox6", 3));
        const auto request = choose(form, choices, "ComboBox4", 3);
        ASSERT_TRUE(request);
        EXPECT_EQ(*request, (PopupRequest{"Edit5", 4, ""}));

        EXPECT_EQ(completePopup(form, choices, 4, std::nullopt), AfterPopup::Stay);
        EXPECT_EQ(choices.item("ComboBox4"), 2);
        EXPECT_EQ(choices.item("ComboBox6"), 3);
        EXPECT_EQ(shownFields(form, choices), kChannelTypeFields);
        EXPECT_EQ(encodeSetting(form, choices).messageLine,
                  product == std::string("Gavrel") ? "F0 00 00 50 16 01 02 00 00 00 7F 02 F7"
                                                   : "F0 00 00 50 17 01 02 00 00 00 7F 02 F7");
    }
}

TEST(ControllerDialogs, AGoodEntryFillsTheFieldAndGivesTheVaryingByte) {
    const SettingForm& form = messageTypeForm("Gavrel");
    FormChoices choices = defaultChoices(form);
    ASSERT_TRUE(choose(form, choices, "ComboBox4", 3));
    EXPECT_EQ(completePopup(form, choices, 4, std::string("F0 7F XX 01 F7")), AfterPopup::Stay);
    EXPECT_EQ(shownFields(form, choices), kSysexFields);
    SettingHandover out = encodeSetting(form, choices);
    EXPECT_EQ(out.messageLine, "F0 00 00 50 16 01 03 03 00 00 7F F7");
    EXPECT_EQ(out.secondLine, "F0 7F 00 01 F7");

    // A click in the field opens the popup with its text; Cancel keeps System Exclusive and
    // the byte, a new entry moves it.
    const auto click = popupRequest(form, choices, "Edit5");
    ASSERT_TRUE(click);
    EXPECT_EQ(*click, (PopupRequest{"Edit5", 4, "F0 7F XX 01 F7"}));
    completePopup(form, choices, 4, std::nullopt);
    EXPECT_EQ(choices.item("ComboBox4"), 3);
    EXPECT_EQ(encodeSetting(form, choices), out);
    ASSERT_TRUE(popupRequest(form, choices, "Edit5"));
    completePopup(form, choices, 4, std::string("F0 41 10 42 12 XX F7"));
    out = encodeSetting(form, choices);
    EXPECT_EQ(out.messageLine, "F0 00 00 50 16 01 03 06 00 00 7F F7");
    EXPECT_EQ(out.secondLine, "F0 41 10 42 12 00 F7");

    // Back to Control Change: the controller list returns, the field hides; a later Cancel
    // of the popup returns to Control Change.
    EXPECT_FALSE(choose(form, choices, "ComboBox4", 0));
    EXPECT_EQ(shownFields(form, choices), kControlChangeFields);
    ASSERT_TRUE(choose(form, choices, "ComboBox4", 3));
    completePopup(form, choices, 4, std::nullopt);
    EXPECT_EQ(choices.item("ComboBox4"), 0);
    EXPECT_EQ(choices.text("Edit5"), "F0 41 10 42 12 XX F7");
}

// Only a good entry moves the byte the next OK writes, and only the dialog's own code.
TEST(ControllerDialogs, NothingButAGoodEntryOfItsOwnPopupCounts) {
    const SettingForm& form = messageTypeForm("Hennic");
    FormChoices choices = defaultChoices(form);
    decodeSetting(form,
                  {parseLine("F0 00 00 50 17 01 03 03 00 00 7F F7"), "F0 7F 00 01 F7", {}, {}},
                  choices);
    const FormChoices decoded = choices;
    EXPECT_EQ(choices.text("Edit5"), "F0 7F XX 01 F7");
    completePopup(form, choices, 5, std::string("F0 XX F7"));
    EXPECT_EQ(choices, decoded);
    completePopup(form, choices, 4, std::string("F0 XX XX F7"));
    EXPECT_EQ(encodeSetting(form, choices).messageLine, "F0 00 00 50 17 01 03 03 00 00 7F F7");
    EXPECT_EQ(choices.text("Edit5"), "F0 7F XX 01 F7");
}

TEST(ControllerDialogs, OnlyTheTypeListAndTheFieldOpenThePopup) {
    const SettingForm& form = messageTypeForm("Gavrel");
    FormChoices choices = chosen(form, {{"ComboBox4", 3}}, "F0 XX F7");
    for (const char* event :
         {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox5", "ComboBox6", kFormActivated.data()}) {
        EXPECT_FALSE(popupRequest(form, choices, event)) << event;
    }
    EXPECT_FALSE(popupRequest(deviceForm("Gavrel"), choices, "ComboBox1"));
}

}  // namespace
}  // namespace corlinth
