#include "core/products/footswitch/FootswitchProfile.h"

#include <algorithm>
#include <array>

#include "core/app/ProductRegistry.h"
#include "core/products/common/MidiLists.h"

namespace corlinth {
namespace {

FootswitchProfile makeProfile(std::string_view product, int inputs) {
    return {product, findProduct(product)->deviceId, inputs};
}

const std::array<FootswitchProfile, 3>& profiles() {
    static const std::array<FootswitchProfile, 3> all{
        makeProfile("Pirrow", 0), makeProfile("Strayne", 2), makeProfile("Kelto", 8)};
    return all;
}

}  // namespace

std::string FootswitchProfile::windowName(std::string_view role) const {
    return "T" + std::string(product) + std::string(role);
}

const FootswitchProfile* footswitchProfile(std::string_view product) {
    for (const FootswitchProfile& profile : profiles()) {
        if (profile.product == product) {
            return &profile;
        }
    }
    return nullptr;
}

namespace footswitch {

FormField inputField(const FootswitchProfile& profile) {
    std::vector<std::string> items;
    for (int n = 1; n <= profile.inputs; ++n) {
        items.push_back("Fsw" + std::to_string(n));
    }
    return listField(std::string(kInputField), "Footswitch Input:", std::move(items));
}

std::vector<FormField> withInput(const FootswitchProfile& profile, std::vector<FormField> fields) {
    if (profile.hasInputs()) {
        fields.insert(fields.begin(), inputField(profile));
    }
    return fields;
}

int inputNumber(const FormChoices& choices) {
    return choices.item(kInputField) + 1;
}

void decodeInput(const FootswitchProfile& profile, const SettingReader& reader,
                 FormChoices& choices, std::size_t position) {
    if (!profile.hasInputs()) {
        return;
    }
    if (const auto b = reader.data(position)) {
        choices.setItem(kInputField, std::min<int>(*b, profile.inputs - 1));
    }
}

Bytes deviceMessage(const FootswitchProfile& profile, const Bytes& body) {
    Bytes message{0xF0, 0x00, 0x00, 0x50, profile.deviceId};
    message.insert(message.end(), body.begin(), body.end());
    message.push_back(0xF7);
    return message;
}

Bytes actionMessage(const FootswitchProfile& profile, Byte command, const FormChoices& choices,
                    const Bytes& data) {
    Bytes body{command};
    if (profile.hasInputs()) {
        body.push_back(static_cast<Byte>(choices.item(kInputField)));
    }
    body.insert(body.end(), data.begin(), data.end());
    return deviceMessage(profile, body);
}

std::string programThe(const FootswitchProfile& profile) {
    return "Program the " + std::string(profile.product) + " to";
}

std::string whenIs(const FootswitchProfile& profile, const FormChoices& choices) {
    if (!profile.hasInputs()) {
        return "when the footswitch is";
    }
    return "when Fsw" + std::to_string(inputNumber(choices)) + " is";
}

std::string actionHeading(const FootswitchProfile& profile, std::string_view rest) {
    const std::string start =
        profile.hasInputs() ? "Program an input of the " + std::string(profile.product) + " to"
                            : programThe(profile);
    return start + std::string(rest);
}

std::vector<std::string> overwriteNote(const FootswitchProfile& profile, bool split) {
    if (!profile.hasInputs()) {
        return {"The above setting will overwrite the previous " + std::string(profile.product) +
                " setting"};
    }
    if (split) {
        return {"The above setting will overwrite previous settings of the selected",
                "footswitch input"};
    }
    return {"The above setting will overwrite previous settings of the selected footswitch input"};
}

std::string caption(const FootswitchProfile& profile, std::string_view what) {
    return std::string(profile.product) + " " + std::string(what);
}

FormField channelField(std::string name, std::string caption) {
    return listField(std::move(name), std::move(caption), channelItems());
}

FormField valueField(std::string name, std::string caption, int defaultItem) {
    return listField(std::move(name), std::move(caption), valueItems(), defaultItem);
}

FormField operationLines(std::vector<std::string> lines) {
    FormField field = listField("Operation", "Operation:", std::move(lines));
    field.kind = FieldKind::Lines;
    return field;
}

void decodeChannel(const SettingReader& reader, std::size_t position, FormChoices& choices,
                   std::string_view field) {
    if (const auto b = reader.data(position)) {
        choices.setItem(field, channelItem(*b));
    }
}

void decodeValue(const SettingReader& reader, std::size_t position, FormChoices& choices,
                 std::string_view field) {
    if (const auto b = reader.data(position)) {
        choices.setItem(field, valueItem(*b));
    }
}

std::string channelPiece(int channel, bool capital) {
    if (channel == kAllChannelsItem) {
        return capital ? " on all MIDI Channels" : " on all MIDI channels";
    }
    return (capital ? " on MIDI Channel " : " on MIDI channel ") +
           std::to_string(channelNumber(channel));
}

}  // namespace footswitch
}  // namespace corlinth
