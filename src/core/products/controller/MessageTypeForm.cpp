#include <algorithm>
#include <array>
#include <string>

#include "core/document/SettingLine.h"
#include "core/products/common/MidiLists.h"
#include "core/products/common/SettingReader.h"
#include "core/products/common/SysexEntry.h"
#include "core/products/controller/ControllerForms.h"
#include "core/products/controller/VaryingSysexEntry.h"

namespace corlinth::controller {
namespace {

constexpr std::string_view kType = "ComboBox4";
constexpr std::string_view kController = "ComboBox1";
constexpr std::string_view kMessage = "Edit5";
constexpr std::string_view kMinimum = "ComboBox2";
constexpr std::string_view kMaximum = "ComboBox3";
constexpr std::string_view kFirstChannel = "ComboBox5";
constexpr std::array<std::string_view, 3> kFurtherChannels{"ComboBox6", "ComboBox7", "ComboBox8"};
constexpr int kNoChannel = 0;  // "-", the first item of the further channel lists

// The type shown before the entry popup opened, which Cancel returns to, and the varying
// byte's number, which the popup or the decoded line gives and the next OK writes.
constexpr std::string_view kPreviousType = "PreviousType";
constexpr std::string_view kVaryingByte = "VaryingByte";

// The editor's pending action while the popup is shown; the dialog opens it with this code
// both when System Exclusive is chosen and when the message field is clicked.
constexpr int kPopupAction = 4;

constexpr int kLastChannelItem = 15;  // "16"

std::vector<std::string> firstChannelItems() {
    const std::vector<std::string>& all = channelItems();
    return {all.begin(), all.begin() + kLastChannelItem + 1};  // without "All"
}

std::vector<std::string> furtherChannelItems() {
    std::vector<std::string> items = firstChannelItems();
    items.insert(items.begin(), "-");
    return items;
}

std::vector<FormField> fields(const ControllerProfile& profile) {
    const std::string limitEnd(profile.limitLabelEnd);
    std::vector<FormField> out;
    out.push_back(listField(
        std::string(kType), "Message Type:",
        {"Control Change", "Channel Pressure (Aftertouch)", "Pitch Bend", "System Exclusive"},
        kControlChange));
    out.push_back(listField(std::string(kController), "Control Number:", controllerItems()));
    FormField message;
    message.name = std::string(kMessage);
    message.kind = FieldKind::TextField;
    message.caption = "Message:";
    message.placement = Placement::InPlace;
    message.entryPopup = profile.windowName("SysPop");
    out.push_back(std::move(message));
    out.push_back(
        listField(std::string(kMinimum), "Minimum Value Transmitted" + limitEnd, valueItems(), 0));
    out.push_back(listField(std::string(kMaximum), "Maximum Value Transmitted" + limitEnd,
                            valueItems(), 127));
    out.push_back(
        listField(std::string(kFirstChannel), "MIDI Transmit Channels:", firstChannelItems()));
    for (const std::string_view name : kFurtherChannels) {
        out.push_back(listField(std::string(name), "", furtherChannelItems(), kNoChannel));
        out.back().placement = Placement::Beside;
    }
    return out;
}

bool isFurtherChannel(std::string_view name) {
    return std::find(kFurtherChannels.begin(), kFurtherChannels.end(), name) !=
           kFurtherChannels.end();
}

// The controller list only for Control Change, the message field only for System Exclusive,
// the channels for everything but System Exclusive. Each label goes with its control.
std::vector<bool> visibility(const std::vector<std::string>& names, const FormChoices& c) {
    const int type = c.item(kType);
    std::vector<bool> shown;
    for (const std::string& name : names) {
        if (name == kController) {
            shown.push_back(type == kControlChange);
        } else if (name == kMessage) {
            shown.push_back(type == kSystemExclusive);
        } else if (name == kFirstChannel || isFurtherChannel(name)) {
            shown.push_back(type != kSystemExclusive);
        } else {
            shown.push_back(true);
        }
    }
    return shown;
}

// The unit's copy of the message: the varying byte written 00.
std::string storedMessage(std::string text) {
    std::replace(text.begin(), text.end(), 'X', '0');
    std::replace(text.begin(), text.end(), 'x', '0');
    return text;
}

std::string typePiece(const FormChoices& c) {
    switch (c.item(kType)) {
        case kChannelPressure:
            return "Channel Pressure";
        case kPitchBend:
            return "Pitch Bend";
        case kSystemExclusive:
            // Both units have always spoken of a pedal here.
            return "the System Exclusive message " + c.text(kMessage) +
                   ", with the byte XX varied in response to pedal movement";
        default:
            return "Control Change #" + std::to_string(c.item(kController));
    }
}

SettingHandover encode(const ControllerProfile& profile, const FormChoices& c) {
    const int type = c.item(kType);
    Byte parameter = 0x00;
    if (type == kControlChange) {
        parameter = static_cast<Byte>(c.item(kController));
    } else if (type == kSystemExclusive) {
        parameter = static_cast<Byte>(c.keptValue(kVaryingByte));
    }
    Bytes data{static_cast<Byte>(type), parameter, static_cast<Byte>(c.item(kFirstChannel)),
               static_cast<Byte>(c.item(kMinimum)), static_cast<Byte>(c.item(kMaximum))};

    SettingHandover out;
    std::string channels;
    if (type == kSystemExclusive) {
        out.secondLine = storedMessage(c.text(kMessage));
    } else {
        std::string further;
        for (const std::string_view name : kFurtherChannels) {
            const int item = c.item(name);
            if (item != kNoChannel) {
                data.push_back(static_cast<Byte>(item - 1));
                further += ", " + std::to_string(item);
            }
        }
        channels = " on MIDI channel" + std::string(further.empty() ? "" : "s") + " " +
                   std::to_string(c.item(kFirstChannel) + 1) + further;
    }
    out.messageLine = hexLine(profile.message(0x01, data));
    out.comment = {"{ Program the " + std::string(profile.product) + " to send " + typePiece(c),
                   channels,
                   ", with a minimum value of " + std::to_string(c.item(kMinimum)) +
                       " and maximum value of " + std::to_string(c.item(kMaximum)) + " }"};
    return out;
}

bool isVaryingByte(int number) {
    return number >= kFirstVaryingByte && number <= kLastVaryingByte;
}

// The message field as the user wrote it: the stored message with XX in the varying byte's
// two places. The editor hands over "xx" when there is no second line, and the line after the
// header may be the comment when the message line was deleted; neither is a message. A line
// too short for the byte is shown as it stands, and the byte is still written as it was.
std::string fieldText(const std::string& secondLine, int varyingByte) {
    if (secondLine == "xx" || lineKind(secondLine) != LineKind::Message) {
        return {};
    }
    std::string text = secondLine;
    const std::size_t at = 3 * static_cast<std::size_t>(varyingByte - 1);
    if (at + 2 <= text.size()) {
        text.replace(at, 2, "XX");
    }
    return text;
}

void decode(const ParsedSetting& setting, FormChoices& c) {
    const SettingReader reader(setting.bytes);
    // A type the dialog does not know leaves its own; no such line is offered for editing.
    if (const auto type = reader.data(6); type && *type <= kSystemExclusive) {
        c.setItem(kType, *type);
    }
    if (const auto channel = reader.data(8)) {
        c.setItem(kFirstChannel, std::min<int>(*channel, kLastChannelItem));
    }
    if (const auto minimum = reader.data(9)) {
        c.setItem(kMinimum, valueItem(*minimum));
    }
    if (const auto maximum = reader.data(10)) {
        c.setItem(kMaximum, valueItem(*maximum));
    }
    const auto parameter = reader.data(7);
    if (c.item(kType) == kControlChange && parameter) {
        c.setItem(kController, valueItem(*parameter));
    }
    if (c.item(kType) == kSystemExclusive && parameter && isVaryingByte(*parameter)) {
        c.keep(kVaryingByte, *parameter);
        c.setText(kMessage, fieldText(setting.secondLine, *parameter));
    }
    // The further channels are the bytes between the maximum and the closing F7.
    std::size_t position = 11;
    for (const std::string_view name : kFurtherChannels) {
        const auto channel = reader.data(position++);
        c.setItem(name, channel ? std::min<int>(*channel, kLastChannelItem) + 1 : kNoChannel);
    }
    c.keep(kPreviousType, c.item(kType));
}

std::optional<PopupRequest> opensPopup(const FormChoices& c, std::string_view event) {
    const bool chosen = event == kType && c.item(kType) == kSystemExclusive;
    if (!chosen && event != kMessage) {
        return std::nullopt;
    }
    return PopupRequest{std::string(kMessage), kPopupAction, c.text(kMessage)};
}

// `syspop4`: a good entry fills the message field and gives the varying byte; Cancel returns
// to the type shown before. The entry is tested again, so that nothing but a good entry moves
// the byte that the next OK writes.
AfterPopup popupClosed(FormChoices& c, int pendingAction, const std::optional<std::string>& entry) {
    if (pendingAction != kPopupAction) {
        return AfterPopup::Stay;
    }
    std::string text = entry.value_or("");
    const VaryingEntryResult result = checkVaryingEntry(text);
    if (entry && result.valid) {
        c.setText(kMessage, text);
        c.keep(kVaryingByte, result.varyingByte());
    } else {
        c.setItem(kType, c.keptValue(kPreviousType));
    }
    c.keep(kPreviousType, c.item(kType));
    return AfterPopup::Stay;
}

EntryPopupForm entryPopup(const ControllerProfile& profile) {
    EntryPopupForm popup;
    popup.windowName = profile.windowName("SysPop");
    popup.caption = std::string(sysexEntryTexts::caption);
    popup.lines = {std::string(sysexEntryTexts::prompt), std::string(varyingEntryTexts::hint)};
    popup.check = [](std::string& text) {
        const VaryingEntryResult result = checkVaryingEntry(text);
        return result.valid ? std::string() : std::string(varyingEntryWarning(result));
    };
    return popup;
}

}  // namespace

SettingForm messageTypeForm(const ControllerProfile& profile) {
    SettingForm form = titledForm(profile, "Control", "Message Type");
    form.fields = fields(profile);
    form.kept = {{std::string(kPreviousType), kControlChange}, {std::string(kVaryingByte), 0}};
    form.popup = entryPopup(profile);
    form.visibility = [names = fieldNames(form)](const FormChoices& c) {
        return visibility(names, c);
    };
    // Any type but System Exclusive takes effect at once; System Exclusive waits for the popup.
    form.changed = [](FormChoices& c, std::string_view field) {
        if (field == kType && c.item(kType) != kSystemExclusive) {
            c.keep(kPreviousType, c.item(kType));
        }
    };
    form.encode = [profile](const FormChoices& c) { return encode(profile, c); };
    form.decode = decode;
    form.opensPopup = opensPopup;
    form.popupClosed = popupClosed;
    return form;
}

}  // namespace corlinth::controller
