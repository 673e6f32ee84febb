#include "core/products/controller/ControllerCatalogue.h"

#include <algorithm>

#include "core/products/controller/ControllerForms.h"

namespace corlinth {

ControllerCatalogue::ControllerCatalogue(const ControllerProfile& profile)
    : m_profile(profile),
      m_forms{controller::deviceForm(profile), controller::messageTypeForm(profile)},
      // The message type's caption has always ended in a blank.
      m_menu{{{"Device Parameters...", m_forms[0].windowName},
              {"Message Type... ", m_forms[1].windowName}}} {}

std::string_view ControllerCatalogue::dialogFor(const Bytes& line) const {
    static constexpr std::array<Byte, 4> kHeader{0xF0, 0x00, 0x00, 0x50};
    if (line.size() < 6 || !std::equal(kHeader.begin(), kHeader.end(), line.begin()) ||
        line[4] != m_profile.deviceId) {
        return {};
    }
    if (line[5] == 0x00) {
        return m_forms[0].windowName;
    }
    if (line[5] != 0x01) {
        return {};
    }
    // A message type the dialog cannot show is no setting it can edit; a System Exclusive type
    // needs its varying byte inside the message.
    const int type = line.size() > 6 ? line[6] : -1;
    const int varyingByte = line.size() > 7 ? line[7] : -1;
    if (type < controller::kControlChange || type > controller::kSystemExclusive) {
        return {};
    }
    if (type == controller::kSystemExclusive && (varyingByte < controller::kFirstVaryingByte ||
                                                 varyingByte > controller::kLastVaryingByte)) {
        return {};
    }
    return m_forms[1].windowName;
}

std::span<const SettingMenuItem> ControllerCatalogue::settingMenu() const {
    return m_menu;
}

const SettingForm* ControllerCatalogue::settingForm(std::string_view windowName) const {
    for (const SettingForm& form : m_forms) {
        if (form.windowName == windowName) {
            return &form;
        }
    }
    return nullptr;
}

const ControllerCatalogue* controllerCatalogue(std::string_view product) {
    const ControllerProfile* profile = controllerProfile(product);
    if (profile == nullptr) {
        return nullptr;
    }
    static const std::array<ControllerCatalogue, 2> catalogues{
        ControllerCatalogue(*controllerProfile("Gavrel")),
        ControllerCatalogue(*controllerProfile("Hennic"))};
    for (const ControllerCatalogue& catalogue : catalogues) {
        if (catalogue.profile().product == product) {
            return &catalogue;
        }
    }
    return nullptr;
}

}  // namespace corlinth
