#pragma once

#include <array>
#include <string_view>

#include "core/products/TextCatalogue.h"
#include "core/products/common/SettingForm.h"
#include "core/products/controller/ControllerProfile.h"

namespace corlinth {

// The setting catalogue of one continuous controller unit: the device parameters and the
// message type, its Setting menu and which of its lines can be edited with which dialog.
class ControllerCatalogue : public TextCatalogue {
  public:
    explicit ControllerCatalogue(const ControllerProfile& profile);
    // The menu points into the forms, so a catalogue stays where it was built.
    ControllerCatalogue(const ControllerCatalogue&) = delete;
    ControllerCatalogue& operator=(const ControllerCatalogue&) = delete;

    std::string_view dialogFor(const Bytes& settingLine) const override;
    std::span<const SettingMenuItem> settingMenu() const override;
    const SettingForm* settingForm(std::string_view windowName) const override;

    const std::array<SettingForm, 2>& forms() const { return m_forms; }
    const ControllerProfile& profile() const { return m_profile; }

  private:
    ControllerProfile m_profile;
    std::array<SettingForm, 2> m_forms;  // the device parameters, then the message type
    std::array<SettingMenuItem, 2> m_menu;
};

// The catalogue of Gavrel or Hennic; nullptr for every other product.
const ControllerCatalogue* controllerCatalogue(std::string_view product);

}  // namespace corlinth
