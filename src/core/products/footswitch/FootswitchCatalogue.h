#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "core/products/TextCatalogue.h"
#include "core/products/common/SettingForm.h"
#include "core/products/footswitch/FootswitchProfile.h"

namespace corlinth {

// The setting catalogue of one footswitch unit: its dialogs, its Setting menu and which of its
// lines can be edited with which dialog.
class FootswitchCatalogue : public TextCatalogue {
  public:
    explicit FootswitchCatalogue(const FootswitchProfile& profile);
    // The menu points into the forms, so a catalogue stays where it was built.
    FootswitchCatalogue(const FootswitchCatalogue&) = delete;
    ~FootswitchCatalogue() override;
    FootswitchCatalogue& operator=(const FootswitchCatalogue&) = delete;

    std::string_view dialogFor(const Bytes& settingLine) const override;
    std::span<const SettingMenuItem> settingMenu() const override;
    const SettingForm* settingForm(std::string_view windowName) const override;
    // Pirrow's import of the first version's files; nullptr for the other two units.
    const VersionOneProduct* versionOneProduct() const override;

    const std::vector<SettingForm>& forms() const { return m_forms; }
    const FootswitchProfile& profile() const { return m_profile; }

  private:
    FootswitchProfile m_profile;
    std::vector<SettingForm> m_forms;  // never resized after construction: the menu points in
    std::vector<SettingMenuItem> m_menu;
    std::unique_ptr<VersionOneProduct> m_versionOne;
};

// The catalogue of Pirrow, Strayne or Kelto; nullptr for every other product.
const FootswitchCatalogue* footswitchCatalogue(std::string_view product);

}  // namespace corlinth
