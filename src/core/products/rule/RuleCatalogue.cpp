#include "core/products/rule/RuleCatalogue.h"

#include "core/document/SettingLine.h"
#include "core/products/rule/RuleDecoder.h"

namespace corlinth {
namespace {

constexpr std::string_view kGenerateSetting = "Generate Setting...";

Byte pairForSending(char32_t first, char32_t second) {
    switch (first) {
        case U'X':
        case U'Y':
        case U'V':
        case U'x':
        case U'y':
        case U'v':
            return 0x00;
        default:
            return static_cast<Byte>(16 * hexDigitValue(first) + hexDigitValue(second));
    }
}

}  // namespace

RuleCatalogue::RuleCatalogue(const RuleProfile& profile)
    : m_profile(profile), m_menu{{{kGenerateSetting, profile.settingWindow}}} {}

std::string_view RuleCatalogue::dialogFor(const Bytes& settingLine) const {
    return verifyselection(m_profile, settingLine) ? m_profile.settingWindow : std::string_view();
}

int RuleCatalogue::eventLineCount(const Bytes& settingLine) const {
    return ruleEventLineCount(m_profile, settingLine);
}

Bytes RuleCatalogue::bytesForSending(std::string_view line) const {
    return ruleBytesForSending(line);
}

Bytes ruleBytesForSending(std::string_view line) {
    return parseLineWith(line, &pairForSending);
}

const RuleCatalogue& vantrelCatalogue() {
    static const RuleCatalogue catalogue(vantrelProfile());
    return catalogue;
}

const RuleCatalogue& sodrinCatalogue() {
    static const RuleCatalogue catalogue(sodrinProfile());
    return catalogue;
}

const RuleCatalogue* ruleCatalogue(std::string_view productName) {
    const RuleProfile* profile = ruleProfile(productName);
    if (profile == nullptr) {
        return nullptr;
    }
    return profile == &vantrelProfile() ? &vantrelCatalogue() : &sodrinCatalogue();
}

}  // namespace corlinth
