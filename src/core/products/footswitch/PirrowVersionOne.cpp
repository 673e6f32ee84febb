#include "core/products/footswitch/PirrowVersionOne.h"

#include <string>
#include <utility>

#include "core/products/common/MidiLists.h"
#include "core/products/footswitch/FootswitchCatalogue.h"

namespace corlinth {
namespace {

// Record positions in the image.
constexpr std::size_t kDevice = 38;
constexpr std::size_t kEcho = 45;
constexpr std::size_t kToggle = 46;
constexpr std::size_t kDeviceEnd = 47;
constexpr std::size_t kDelta = 48;
constexpr std::size_t kSetting = 49;
constexpr std::size_t kKind = 55;
constexpr std::size_t kParameters = 56;
// A user's message must have ended by this position.
constexpr std::size_t kLastMessagePosition = 499;

bool isDelta(std::optional<Byte> b) {
    return b == Byte{0x01} || b == Byte{0x02} || b == Byte{0x7F};
}

bool isFlag(std::optional<Byte> b) {
    return b == Byte{0x00} || b == Byte{0x01};
}

// A byte that goes into a setting line as it stands: a MIDI data byte. The first version
// never wrote more; a larger one would put a status byte into the message sent to the unit.
bool isData(std::optional<Byte> b) {
    return b && *b < 0x80;
}

bool endOfTrackAt(const VersionOneImage& image, std::size_t position) {
    return image.holds(position, {0x00, 0xFF, 0x2F, 0x00});
}

// The first version's import wrote its own comments, without the closing brace (the edit
// hint brings it) and in places in other words than the dialogs.
std::string withoutClosingBrace(const SettingHandover& handover) {
    std::string comment = handover.comment[0] + handover.comment[1] + handover.comment[2];
    if (comment.ends_with(" }")) {
        comment.resize(comment.size() - 2);
    }
    return comment;
}

std::string channelWords(Byte channel) {
    return footswitch::channelPiece(channelItem(channel));
}

class Importer {
  public:
    Importer(const FootswitchCatalogue& catalogue, const VersionOneImage& image)
        : m_catalogue(catalogue), m_image(image) {}

    std::optional<std::vector<ImportedSetting>> run() {
        const Byte device = m_catalogue.profile().deviceId;
        const auto echo = m_image.at(kEcho);
        const auto toggle = m_image.at(kToggle);
        if (!m_image.holds(kDevice, {0xF0, 0x08, 0x00, 0x00, 0x50, device, 0x00}) ||
            !isFlag(echo) || !isFlag(toggle) || m_image.at(kDeviceEnd) != Byte{0xF7} ||
            !isDelta(m_image.at(kDelta)) || m_image.at(kSetting) != Byte{0xF0} ||
            !m_image.holds(kSetting + 2, {0x00, 0x00, 0x50, device})) {
            return std::nullopt;
        }
        m_settings.push_back(fromForm("Device", {{"ComboBox1", *echo == 0x01 ? 0 : 1},
                                                 {"ComboBox2", *toggle == 0x01 ? 0 : 1}}));
        const auto kind = m_image.at(kKind);
        const bool imported = kind && importKind(*kind);
        if (!imported) {
            return std::nullopt;
        }
        return std::move(m_settings);
    }

  private:
    using Items = std::vector<std::pair<std::string_view, int>>;

    const SettingForm& form(std::string_view role) const {
        return *m_catalogue.settingForm(m_catalogue.profile().windowName(role));
    }

    SettingHandover encode(std::string_view role, const Items& items,
                           const std::string& text = {}) const {
        const SettingForm& f = form(role);
        FormChoices choices = defaultChoices(f);
        for (const auto& [name, item] : items) {
            choices.setItem(name, item);
        }
        if (!text.empty()) {
            choices.setText("Edit1", text);
        }
        return encodeSetting(f, choices);
    }

    // A setting whose comment the first version worded as the dialog does.
    ImportedSetting fromForm(std::string_view role, const Items& items) const {
        const SettingHandover out = encode(role, items);
        return {out.messageLine, out.secondLine, withoutClosingBrace(out), true};
    }

    ImportedSetting withComment(std::string_view role, const Items& items,
                                std::string comment) const {
        return {encode(role, items).messageLine, {}, std::move(comment), true};
    }

    std::string programThePirrow() const {
        return "{ " + footswitch::programThe(m_catalogue.profile());
    }

    bool importKind(Byte kind) {
        switch (kind) {
            case 1:
            case 2:
            case 3:
                return importEvents(kind);
            case 4:
            case 7:
                return importWithChannel(kind);
            case 5:
            case 9:
            case 10:
            case 11:
                return importWithoutData(kind);
            case 6:
                return importSystemExclusive();
            default:
                return false;  // 0, 8 and 12 on are no setting of the first version
        }
    }

    // Note-On, Control Change and Pitch Bend: two values and the channel, then optionally two
    // more values (a second note; the other kinds' pair is not carried over).
    bool importEvents(Byte kind) {
        const auto first = m_image.at(kParameters);
        const auto second = m_image.at(kParameters + 1);
        const auto channel = m_image.at(kParameters + 2);
        const auto third = m_image.at(kParameters + 3);
        const bool pair = isData(third);
        const auto fourth = m_image.at(kParameters + 4);
        const std::size_t end = kParameters + (pair ? 5 : 3);
        if (!isData(first) || !isData(second) || !channel || (pair && !isData(fourth)) ||
            m_image.at(end) != Byte{0xF7} || !endOfTrackAt(m_image, end + 1)) {
            return false;
        }
        const int channelItemOf = channelItem(*channel);
        const std::string on = channelWords(*channel);
        if (kind == 3) {
            m_settings.push_back(fromForm(
                "Pitch",
                {{"ComboBox1", channelItemOf}, {"ComboBox2", *first}, {"ComboBox3", *second}}));
            return true;
        }
        Items items{{"ComboBox1", channelItemOf}, {"ComboBox2", *first}, {"ComboBox3", *second}};
        if (kind == 2) {
            m_settings.push_back(withComment(
                "Control", items,
                programThePirrow() + " generate Control Change #" + std::to_string(*first) +
                    " of value " + std::to_string(*second) + on +
                    " when the footswitch is depressed, and send a value of zero when it is "
                    "released"));
            return true;
        }
        std::string notes =
            "Note #" + std::to_string(*first) + " of velocity " + std::to_string(*second);
        if (pair) {
            items.emplace_back("ComboBox6", *third + 1);
            items.emplace_back("ComboBox5", *fourth);
            notes +=
                ", Note #" + std::to_string(*third) + " of velocity " + std::to_string(*fourth);
        }
        m_settings.push_back(withComment(
            "NoteOn", items,
            programThePirrow() + " generate " + notes + on +
                " when the footswitch is depressed, and send a Note-Off when it is released"));
        return true;
    }

    // Program Change and Program INC/DEC: one value and the channel.
    bool importWithChannel(Byte kind) {
        const auto value = m_image.at(kParameters);
        const auto channel = m_image.at(kParameters + 1);
        if (!value || !channel || m_image.at(kParameters + 2) != Byte{0xF7} ||
            !endOfTrackAt(m_image, kParameters + 3)) {
            return false;
        }
        if (kind == 4) {
            if (!isData(value)) {
                return false;
            }
            m_settings.push_back(
                fromForm("Program", {{"ComboBox1", channelItem(*channel)}, {"ComboBox2", *value}}));
            return true;
        }
        const bool increment = *value != 0x00;
        m_settings.push_back(withComment(
            "IncDec", {{"ComboBox1", increment ? 0 : 1}, {"ComboBox2", channelItem(*channel)}},
            programThePirrow() + " " + (increment ? "increment" : "decrement") +
                " Program Changes" + channelWords(*channel) + " when the footswitch is depressed"));
        return true;
    }

    // Start/Stop, Rechannelize, Transpose and Tap Tempo: no parameters; the first version's
    // Rechannelize and Transpose worked on all channels.
    bool importWithoutData(Byte kind) {
        if (m_image.at(kParameters) != Byte{0xF7} || !endOfTrackAt(m_image, kParameters + 1)) {
            return false;
        }
        switch (kind) {
            case 5:
                m_settings.push_back(fromForm("StartStop", {}));
                break;
            case 9:
                m_settings.push_back(fromForm("Rechannel", {{"ComboBox1", kAllChannelsItem}}));
                break;
            case 10:
                m_settings.push_back(fromForm("Transpose", {{"ComboBox1", kAllChannelsItem}}));
                break;
            default:
                m_settings.push_back(fromForm("Tempo", {}));
                break;
        }
        return true;
    }

    // The header's flag and F7, the delta 02, then the message as an event of its own: F0, a
    // length the first version did not keep to, the bytes up to F7. Returns the position
    // after the message's F7.
    std::optional<std::size_t> message(std::size_t flag, bool depressed) {
        if (m_image.at(flag + 1) != Byte{0xF7} || m_image.at(flag + 2) != Byte{0x02} ||
            m_image.at(flag + 3) != Byte{0xF0}) {
            return std::nullopt;
        }
        Bytes bytes{0xF0};
        std::size_t position = flag + 5;
        for (;; ++position) {
            const auto b = m_image.at(position);
            if (position > kLastMessagePosition || !b) {
                return std::nullopt;
            }
            if (*b == 0xF7) {
                break;
            }
            if (!isData(b)) {
                return std::nullopt;
            }
            bytes.push_back(*b);
        }
        bytes.push_back(0xF7);
        const std::string line = hexLine(bytes);
        const SettingHandover out = encode("Sysex", {{"ComboBox1", depressed ? 0 : 1}}, line);
        m_settings.push_back({out.messageLine, out.secondLine,
                              programThePirrow() + " generate the System Exlcusive message " +
                                  line + " when the footswitch is " +
                                  (depressed ? "depressed" : "released"),
                              true});
        return position + 1;
    }

    // One depress or release message, optionally followed by a release message.
    bool importSystemExclusive() {
        const auto flag = m_image.at(kParameters);
        if (!isFlag(flag)) {
            return false;
        }
        std::optional<std::size_t> next = message(kParameters, *flag == 0x01);
        if (!next) {
            return false;
        }
        if (m_image.at(*next) == Byte{0x02} || m_image.at(*next) == Byte{0x7F}) {
            const Byte device = m_catalogue.profile().deviceId;
            const std::size_t header = *next + 1;
            if (m_image.at(header) != Byte{0xF0} ||
                !m_image.holds(header + 2, {0x00, 0x00, 0x50, device, 0x06, 0x00})) {
                return false;
            }
            next = message(header + 7, false);
            if (!next) {
                return false;
            }
        }
        return endOfTrackAt(m_image, *next);
    }

    const FootswitchCatalogue& m_catalogue;
    const VersionOneImage& m_image;
    std::vector<ImportedSetting> m_settings;
};

}  // namespace

std::string_view PirrowVersionOne::invalidFileText() const {
    return "Not a valid Pirrow file.";
}

std::optional<std::vector<ImportedSetting>> PirrowVersionOne::importSettings(
    VersionOneImage& image) const {
    return Importer(m_catalogue, image).run();
}

}  // namespace corlinth
