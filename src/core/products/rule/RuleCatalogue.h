#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/products/TextCatalogue.h"
#include "core/products/rule/RuleProfile.h"

namespace corlinth {

// The settings catalogue of a rule unit: which entries the setting dialog edits, how many event
// lines follow a message line, and how lines are read for sending, where the placeholders of
// System Exclusive event lines go out as 00.
class RuleCatalogue final : public TextCatalogue {
  public:
    explicit RuleCatalogue(const RuleProfile& profile);

    std::string_view dialogFor(const Bytes& settingLine) const override;
    std::span<const SettingMenuItem> settingMenu() const override { return m_menu; }
    int eventLineCount(const Bytes& settingLine) const override;
    Bytes bytesForSending(std::string_view line) const override;

    const RuleProfile& profile() const { return m_profile; }

  private:
    const RuleProfile& m_profile;
    std::array<SettingMenuItem, 1> m_menu;
};

const RuleCatalogue& vantrelCatalogue();
const RuleCatalogue& sodrinCatalogue();
// The catalogue of a rule unit by its display name; nullptr for every other product.
const RuleCatalogue* ruleCatalogue(std::string_view productName);

// A line as it is sent: pairs of characters as for any line, but a pair that begins with X, Y or
// V is a placeholder and goes out as 00.
Bytes ruleBytesForSending(std::string_view line);

}  // namespace corlinth
