#include <string>

#include "core/document/SettingLine.h"
#include "core/products/footswitch/FootswitchForms.h"

namespace corlinth::footswitch {
namespace {

constexpr std::string_view kMessage = "Edit1";
constexpr std::string_view kWhen = "ComboBox1";
constexpr int kDepressed = 0;

// The editor hands over "xx" when the setting has no second line, and the line after a header
// written with an empty field is the comment; neither is a message for the field.
std::string messageOf(const std::string& secondLine) {
    if (secondLine == "xx" || lineKind(secondLine) != LineKind::Message) {
        return {};
    }
    return secondLine;
}

}  // namespace

SettingForm systemExclusiveForm(const FootswitchProfile& profile) {
    const std::string product(profile.product);
    SettingForm form;
    form.windowName = profile.windowName("Sysex");
    form.caption = caption(profile, "System Exclusive Setting");
    // The input units' heading has always ended in a blank.
    form.heading =
        actionHeading(profile, profile.hasInputs() ? " generate the System Exclusive message... "
                                                   : " generate the System Exclusive message...");
    FormField message;
    message.name = std::string(kMessage);
    message.kind = FieldKind::TextField;
    message.entryPopup = profile.windowName("SysPop");
    form.fields = withInput(
        profile, {message, listField(std::string(kWhen), "Send message when footswitch is:",
                                     {"depressed", "released"}, kDepressed)});
    form.notes = {"The " + product +
                  " will accept one depress and one release System Exclusive setting" +
                  (profile.hasInputs() ? " per footswitch input" : "")};
    // The dialog's OK writes the field as it stands: the entry popup has tested what it put
    // there, and text typed straight into the field is the user's own.
    form.encode = [profile](const FormChoices& c) {
        const bool depressed = c.item(kWhen) == kDepressed;
        SettingHandover out;
        out.messageLine = hexLine(actionMessage(profile, 0x06, c, {Byte(depressed ? 0x01 : 0x00)}));
        out.secondLine = c.text(kMessage);
        out.comment = {"{ " + programThe(profile) + " generate the System Exclusive message ",
                       c.text(kMessage),
                       " " + whenIs(profile, c) + (depressed ? " depressed }" : " released }")};
        return out;
    };
    form.decode = [profile](const ParsedSetting& setting, FormChoices& c) {
        const SettingReader reader(setting.bytes);
        decodeInput(profile, reader, c);
        if (const auto flag = reader.data(profile.dataStart())) {
            c.setItem(kWhen, *flag != 0x00 ? kDepressed : 1);
        }
        c.setText(kMessage, messageOf(setting.secondLine));
    };
    return form;
}

}  // namespace corlinth::footswitch
