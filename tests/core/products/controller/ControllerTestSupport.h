#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/products/common/FormChoicesPrinter.h"
#include "core/products/common/SettingForm.h"
#include "core/products/controller/ControllerCatalogue.h"

// The helpers have a namespace of their own: the footswitch tests, in the same program, have
// helpers of the same names.
namespace corlinth::testing::controllers {

using Items = std::vector<std::pair<std::string_view, int>>;

inline const SettingForm& controllerForm(std::string_view product, std::string_view window) {
    const ControllerCatalogue* catalogue = controllerCatalogue(product);
    EXPECT_NE(catalogue, nullptr) << product;
    const SettingForm* form = catalogue->settingForm(window);
    EXPECT_NE(form, nullptr) << window;
    return *form;
}

inline const SettingForm& deviceForm(std::string_view product) {
    return controllerForm(product, "T" + std::string(product) + "Device");
}

inline const SettingForm& messageTypeForm(std::string_view product) {
    return controllerForm(product, "T" + std::string(product) + "Control");
}

// The dialog's choices as created, then the named lists set and the message field filled.
inline FormChoices chosen(const SettingForm& form, const Items& items, std::string message = {}) {
    FormChoices choices = defaultChoices(form);
    for (const auto& [name, item] : items) {
        choices.setItem(name, item);
    }
    if (!message.empty()) {
        choices.setText("Edit5", std::move(message));
    }
    return choices;
}

inline std::string joinedComment(const SettingHandover& handover) {
    return handover.comment[0] + handover.comment[1] + handover.comment[2];
}

// Which fields the dialog shows, by name.
inline std::vector<std::string> shownFields(const SettingForm& form, const FormChoices& choices) {
    const std::vector<bool> shown = visibleFields(form, choices);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
        if (shown.at(i)) {
            names.push_back(form.fields[i].name);
        }
    }
    return names;
}

}  // namespace corlinth::testing::controllers
