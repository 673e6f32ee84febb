#include "core/products/footswitch/FootswitchCatalogue.h"

#include <algorithm>
#include <array>

#include "core/app/ProductRegistry.h"
#include "core/products/footswitch/FootswitchForms.h"
#include "core/products/footswitch/PirrowVersionOne.h"

namespace corlinth {
namespace {

using Builder = SettingForm (*)(const FootswitchProfile&);

struct MenuEntry {
    std::string_view caption;  // empty for the separator
    Builder build;
};

// The device settings above the separator, then the actions, in menu order. Three captions
// have always ended in a blank.
constexpr std::array<MenuEntry, 11> kActions{{
    {"Generate Note-On...", footswitch::noteOnForm},
    {"Generate Control Change... ", footswitch::controlChangeForm},
    {"Generate Pitch Bend...", footswitch::pitchBendForm},
    {"Generate Program Change... ", footswitch::programChangeForm},
    {"Generate Start/Stop... ", footswitch::startStopForm},
    {"Generate System Exclusive...", footswitch::systemExclusiveForm},
    {"Generate Program INC/DEC...", footswitch::incDecForm},
    {"Rechannelize...", footswitch::rechannelizeForm},
    {"Transpose...", footswitch::transposeForm},
    {"Tap Tempo...", footswitch::tapTempoForm},
    {"Note-On Filter...", footswitch::noteOnFilterForm},
}};
constexpr std::array<MenuEntry, 1> kSingleDevice{
    {{"Device Parameters...", footswitch::deviceForm}}};
constexpr std::array<MenuEntry, 2> kSplitDevice{{
    {"Echo and Power-up...", footswitch::echoForm},
    {"Toggle and Polarity...", footswitch::toggleForm},
}};

// The window role that edits an action command: Note-On and Control Change for the seven mode
// codes in the high nibble, Pitch Bend for its two release modes. Command 08 and all commands
// not listed are no setting of these units.
std::string_view actionRole(Byte command) {
    const int mode = command >> 4;
    const int kind = command & 0x0F;
    if (mode <= 6 && kind == 0x01) {
        return "NoteOn";
    }
    if (mode <= 6 && kind == 0x02) {
        return "Control";
    }
    if (command == 0x03 || command == 0x13) {
        return "Pitch";
    }
    switch (command) {
        case 0x04:
            return "Program";
        case 0x05:
            return "StartStop";
        case 0x06:
            return "Sysex";
        case 0x07:
            return "IncDec";
        case 0x09:
            return "Rechannel";
        case 0x0A:
            return "Transpose";
        case 0x0B:
            return "Tempo";
        case 0x0C:
            return "NoteOnFilter";
        default:
            return {};
    }
}

}  // namespace

FootswitchCatalogue::FootswitchCatalogue(const FootswitchProfile& profile) : m_profile(profile) {
    std::vector<MenuEntry> entries;
    if (profile.hasInputs()) {
        entries.assign(kSplitDevice.begin(), kSplitDevice.end());
    } else {
        entries.assign(kSingleDevice.begin(), kSingleDevice.end());
    }
    entries.push_back({"", nullptr});
    entries.insert(entries.end(), kActions.begin(), kActions.end());

    for (const MenuEntry& entry : entries) {
        if (entry.build != nullptr) {
            m_forms.push_back(entry.build(profile));
        }
    }
    std::size_t next = 0;
    for (const MenuEntry& entry : entries) {
        if (entry.build == nullptr) {
            m_menu.push_back({"", ""});
        } else {
            m_menu.push_back({entry.caption, m_forms[next++].windowName});
        }
    }
    if (findProduct(profile.product)->versionOneImportMenu) {
        m_versionOne = std::make_unique<PirrowVersionOne>(*this);
    }
}

std::string_view FootswitchCatalogue::dialogFor(const Bytes& line) const {
    static constexpr std::array<Byte, 4> kHeader{0xF0, 0x00, 0x00, 0x50};
    if (line.size() < 6 || !std::equal(kHeader.begin(), kHeader.end(), line.begin()) ||
        line[4] != m_profile.deviceId) {
        return {};
    }
    std::string_view role;
    if (line[5] != 0x00) {
        role = actionRole(line[5]);
    } else if (!m_profile.hasInputs()) {
        role = "Device";
    } else if (line.size() > 6 && line[6] == 0x01) {
        role = "Echo";
    } else if (line.size() > 6 && line[6] == 0x02) {
        role = "Toggle";
    }
    // Otherwise 00 00, the input units' clear line, or a device command without a dialog.
    if (role.empty()) {
        return {};
    }
    const SettingForm* form = settingForm(m_profile.windowName(role));
    return form != nullptr ? std::string_view(form->windowName) : std::string_view();
}

std::span<const SettingMenuItem> FootswitchCatalogue::settingMenu() const {
    return m_menu;
}

FootswitchCatalogue::~FootswitchCatalogue() = default;

const VersionOneProduct* FootswitchCatalogue::versionOneProduct() const {
    return m_versionOne.get();
}

const SettingForm* FootswitchCatalogue::settingForm(std::string_view windowName) const {
    for (const SettingForm& form : m_forms) {
        if (form.windowName == windowName) {
            return &form;
        }
    }
    return nullptr;
}

const FootswitchCatalogue* footswitchCatalogue(std::string_view product) {
    const FootswitchProfile* profile = footswitchProfile(product);
    if (profile == nullptr) {
        return nullptr;
    }
    static const std::array<FootswitchCatalogue, 3> catalogues{
        FootswitchCatalogue(*footswitchProfile("Pirrow")),
        FootswitchCatalogue(*footswitchProfile("Strayne")),
        FootswitchCatalogue(*footswitchProfile("Kelto"))};
    for (const FootswitchCatalogue& catalogue : catalogues) {
        if (catalogue.profile().product == product) {
            return &catalogue;
        }
    }
    return nullptr;
}

}  // namespace corlinth
