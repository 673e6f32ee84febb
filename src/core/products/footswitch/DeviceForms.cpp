#include <string>

#include "core/products/common/EchoTexts.h"
#include "core/products/footswitch/FootswitchForms.h"

namespace corlinth::footswitch {
namespace {

// The same four choices carry the same names in the three device dialogs, so their pieces are
// written once.
constexpr std::string_view kEcho = "ComboBox1";
constexpr std::string_view kToggle = "ComboBox2";
constexpr std::string_view kPolarity = "ComboBox3";
constexpr std::string_view kPowerUp = "ComboBox4";

constexpr int kOn = 0;  // ON is the first item of the echo and toggle lists
enum Polarity { kAuto = 0, kNormallyOpen = 1, kNormallyClosed = 2 };
constexpr int kSendState = 1;

FormField echoField() {
    return listField(std::string(kEcho), std::string(echoTexts::caption),
                     {std::string(echoTexts::onItem), std::string(echoTexts::offItem)}, kOn);
}

FormField toggleField() {
    return listField(std::string(kToggle), "Toggle:",
                     {"ON - footswitch toggles between depress and release operation",
                      "OFF - normal depress/release operation"},
                     1);
}

FormField polarityField() {
    return listField(std::string(kPolarity), "Polarity:",
                     {"Auto (polarity determined on power-up)", "Normally OPEN footswitch",
                      "Normally CLOSED footswitch"},
                     kAuto);
}

// The single-footswitch unit speaks of its input, the others of all their inputs.
std::string stateOnPowerUp(const FootswitchProfile& profile) {
    return std::string("state of footswitch input") + (profile.hasInputs() ? "s" : "") +
           " on power-up";
}
constexpr std::string_view kNothingOnPowerUp = "nothing on power-up";

FormField powerUpField(const FootswitchProfile& profile) {
    return listField(std::string(kPowerUp), "Power-up:",
                     {"Send " + std::string(kNothingOnPowerUp), "Send " + stateOnPowerUp(profile)});
}

Byte onByte(const FormChoices& choices, std::string_view field) {
    return choices.item(field) == kOn ? 0x01 : 0x00;
}

std::string echoPiece(const FormChoices& choices) {
    return std::string(choices.item(kEcho) == kOn ? echoTexts::onPiece : echoTexts::offPiece);
}

// Pirrow writes Toggle ON; the input units quote it: "Toggle ON".
std::string togglePiece(const FootswitchProfile& profile, const FormChoices& choices) {
    const std::string quote = profile.hasInputs() ? "\"" : "";
    if (choices.item(kToggle) == kOn) {
        return quote + "Toggle ON" + quote +
               " for toggle between the depress and release operation each time the footswitch "
               "is tapped, ";
    }
    return quote + "Toggle OFF" + quote + " for normal depress and release operation, ";
}

std::string polarityWords(const FormChoices& choices) {
    switch (choices.item(kPolarity)) {
        case kNormallyOpen:
            return "force Polarity of the footswitch to NORMALLY OPEN";
        case kNormallyClosed:
            return "force Polarity of the footswitch to NORMALLY CLOSED";
        default:
            return "Auto Polarity to ON to determine the polarity of the footswitch on power-up";
    }
}

std::string powerUpPiece(const FootswitchProfile& profile, const FormChoices& choices) {
    const std::string what = choices.item(kPowerUp) == kSendState ? stateOnPowerUp(profile)
                                                                  : std::string(kNothingOnPowerUp);
    return "and send " + what + " }";
}

}  // namespace

SettingForm deviceForm(const FootswitchProfile& profile) {
    SettingForm form;
    form.windowName = profile.windowName("Device");
    form.caption = caption(profile, "Device Parameters");
    form.heading = "Select the " + std::string(profile.product) + " Device Parameters...";
    form.fields = {echoField(), toggleField(), polarityField(), powerUpField(profile)};
    form.encode = [profile](const FormChoices& c) {
        Bytes body{0x00, onByte(c, kEcho), onByte(c, kToggle)};
        if (c.item(kPolarity) != kAuto) {
            body.push_back(c.item(kPolarity) == kNormallyClosed ? 0x01 : 0x00);
        }
        if (c.item(kPowerUp) == kSendState) {
            body.push_back(0x11);
        }
        SettingHandover out;
        out.messageLine = hexLine(deviceMessage(profile, body));
        out.comment = {std::string(echoTexts::commentStart),
                       echoPiece(c) + togglePiece(profile, c) + polarityWords(c) + ", ",
                       powerUpPiece(profile, c)};
        return out;
    };
    form.decode = [](const ParsedSetting& setting, FormChoices& c) {
        const Bytes& bytes = setting.bytes;
        const SettingReader reader(bytes);
        if (const auto echo = reader.data(6)) {
            c.setItem(kEcho, *echo != 0x00 ? kOn : 1);
        }
        if (const auto toggle = reader.data(7)) {
            c.setItem(kToggle, *toggle != 0x00 ? kOn : 1);
        }
        // The optional bytes tell themselves apart by value: 00 or 01 is a forced polarity,
        // 11 the power-up state, and only an eleven-byte line carries both.
        c.setItem(kPolarity, kAuto);
        c.setItem(kPowerUp, 0);
        if (bytes.size() >= 10) {
            if (bytes[8] <= 0x01) {
                c.setItem(kPolarity, bytes[8] == 0x01 ? kNormallyClosed : kNormallyOpen);
                if (bytes.size() == 11 && bytes[9] == 0x11) {
                    c.setItem(kPowerUp, kSendState);
                }
            } else {
                c.setItem(kPowerUp, kSendState);
            }
        }
    };
    return form;
}

SettingForm echoForm(const FootswitchProfile& profile) {
    SettingForm form;
    form.windowName = profile.windowName("Echo");
    form.caption = caption(profile, "Echo and Power-up Setting");
    form.heading =
        "Select the Echo and Power-up settings of the " + std::string(profile.product) + "...";
    form.fields = {echoField(), powerUpField(profile)};
    form.encode = [profile](const FormChoices& c) {
        Bytes body{0x00, 0x01, onByte(c, kEcho)};
        if (c.item(kPowerUp) == kSendState) {
            body.push_back(0x01);
        }
        SettingHandover out;
        out.messageLine = hexLine(deviceMessage(profile, body));
        out.comment = {"{ Program Echo of the " + std::string(profile.product) + " to ",
                       echoPiece(c), powerUpPiece(profile, c)};
        return out;
    };
    form.decode = [](const ParsedSetting& setting, FormChoices& c) {
        const SettingReader reader(setting.bytes);
        if (const auto echo = reader.data(7)) {
            c.setItem(kEcho, *echo == 0x01 ? kOn : 1);
        }
        c.setItem(kPowerUp, reader.data(8) == Byte{0x01} ? kSendState : 0);
    };
    return form;
}

SettingForm toggleForm(const FootswitchProfile& profile) {
    SettingForm form;
    form.windowName = profile.windowName("Toggle");
    form.caption = caption(profile, "Toggle and Polarity Settings");
    form.heading = "Select the Toggle and Polarity settings of an input of the " +
                   std::string(profile.product) + "...";
    form.fields = withInput(profile, {toggleField(), polarityField()});
    form.encode = [profile](const FormChoices& c) {
        const int polarity = c.item(kPolarity);
        const Bytes body{0x00,
                         0x02,
                         static_cast<Byte>(c.item(kInputField)),
                         onByte(c, kToggle),
                         Byte(polarity == kAuto ? 0x01 : 0x00),
                         Byte(polarity == kNormallyClosed ? 0x01 : 0x00)};
        SettingHandover out;
        out.messageLine = hexLine(deviceMessage(profile, body));
        out.comment = {"{ Program Fsw" + std::to_string(inputNumber(c)) + " of the " +
                           std::string(profile.product) + " to ",
                       togglePiece(profile, c), "and " + polarityWords(c) + " }"};
        return out;
    };
    form.decode = [profile](const ParsedSetting& setting, FormChoices& c) {
        const SettingReader reader(setting.bytes);
        decodeInput(profile, reader, c, 7);
        if (const auto toggle = reader.data(8)) {
            c.setItem(kToggle, *toggle != 0x00 ? kOn : 1);
        }
        // Auto wins; otherwise the closed byte decides, and a value it cannot mean leaves the
        // polarity as it was.
        const auto automatic = reader.data(9);
        const auto closed = reader.data(10);
        if (automatic == Byte{0x01}) {
            c.setItem(kPolarity, kAuto);
        } else if (automatic && closed == Byte{0x00}) {
            c.setItem(kPolarity, kNormallyOpen);
        } else if (automatic && closed == Byte{0x01}) {
            c.setItem(kPolarity, kNormallyClosed);
        }
    };
    return form;
}

}  // namespace corlinth::footswitch
