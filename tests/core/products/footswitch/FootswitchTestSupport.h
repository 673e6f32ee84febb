#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/products/common/FormChoicesPrinter.h"
#include "core/products/common/SettingForm.h"
#include "core/products/footswitch/FootswitchCatalogue.h"

namespace corlinth::testing {

using Items = std::vector<std::pair<std::string_view, int>>;

// Notes 60 to 67 at velocities 64 to 71 on all channels: the Note-On dialog full.
inline const Items kEightNotesOnAllChannels{
    {"ComboBox1", 16},  {"ComboBox6", 62},  {"ComboBox5", 65},  {"ComboBox7", 63},
    {"ComboBox8", 66},  {"ComboBox9", 64},  {"ComboBox10", 67}, {"ComboBox11", 65},
    {"ComboBox12", 68}, {"ComboBox13", 66}, {"ComboBox14", 69}, {"ComboBox15", 67},
    {"ComboBox16", 70}, {"ComboBox17", 68}, {"ComboBox18", 71}};

inline const SettingForm& footswitchForm(std::string_view product, std::string_view window) {
    const FootswitchCatalogue* catalogue = footswitchCatalogue(product);
    EXPECT_NE(catalogue, nullptr) << product;
    const SettingForm* form = catalogue->settingForm(window);
    EXPECT_NE(form, nullptr) << window;
    return *form;
}

// The dialog's choices as created, then the named lists set to the given items.
inline FormChoices chosen(const SettingForm& form, const Items& items, std::string text = {}) {
    FormChoices choices = defaultChoices(form);
    for (const auto& [name, item] : items) {
        choices.setItem(name, item);
    }
    if (!text.empty()) {
        choices.setText("Edit1", std::move(text));
    }
    return choices;
}

inline std::string joinedComment(const SettingHandover& handover) {
    return handover.comment[0] + handover.comment[1] + handover.comment[2];
}

}  // namespace corlinth::testing
