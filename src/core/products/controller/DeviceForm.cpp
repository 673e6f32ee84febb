#include <string>

#include "core/products/common/EchoTexts.h"
#include "core/products/common/MidiLists.h"
#include "core/products/common/SettingReader.h"
#include "core/products/controller/ControllerForms.h"

namespace corlinth::controller {
namespace {

constexpr std::string_view kAmount = "ComboBox1";  // its change shows or hides the direction
constexpr std::string_view kDirection = "ComboBox2";
constexpr std::string_view kBottom = "ComboBox3";
constexpr std::string_view kTop = "ComboBox4";
constexpr std::string_view kEcho = "ComboBox5";

constexpr int kEchoOn = 0;
constexpr int kNoCurvature = 0;
constexpr int kUpward = 0;
constexpr int kAutomatic = 0;

// "0" to "127" with the first item named for what 0 means.
std::vector<std::string> valuesFrom(std::string firstItem) {
    std::vector<std::string> items = valueItems();
    items.front() = std::move(firstItem);
    return items;
}

std::string curvaturePiece(const FormChoices& c) {
    const int amount = c.item(kAmount);
    if (amount == kNoCurvature) {
        return "no curvature (linear response), ";
    }
    return std::string(c.item(kDirection) == kUpward ? "upward" : "downward") + " curvature of " +
           std::to_string(amount) + ", ";
}

std::string bottomPiece(const FormChoices& c) {
    const int bottom = c.item(kBottom);
    if (bottom == kAutomatic) {
        return "automatic neutral range bottom, and ";
    }
    return "neutral range bottom of " + std::to_string(bottom) + ", and ";
}

std::string topPiece(const FormChoices& c) {
    const int top = c.item(kTop);
    if (top == kAutomatic) {
        return "automatic neutral range top }";
    }
    return "neutral range top of " + std::to_string(top) + " }";
}

SettingHandover encode(const ControllerProfile& profile, const FormChoices& c) {
    const int amount = c.item(kAmount);
    // Without curvature the unit reads no direction, and the byte is written 00.
    const Byte direction = amount != kNoCurvature && c.item(kDirection) == kUpward ? 0x01 : 0x00;
    const Bytes data{Byte(c.item(kEcho) == kEchoOn ? 0x01 : 0x00), static_cast<Byte>(amount),
                     direction, static_cast<Byte>(c.item(kBottom)),
                     static_cast<Byte>(c.item(kTop))};
    SettingHandover out;
    out.messageLine = hexLine(profile.message(0x00, data));
    out.comment = {
        std::string(echoTexts::commentStart),
        std::string(c.item(kEcho) == kEchoOn ? echoTexts::onPiece : echoTexts::offPiece) +
            curvaturePiece(c) + bottomPiece(c),
        topPiece(c)};
    return out;
}

void decode(const ParsedSetting& setting, FormChoices& c) {
    const SettingReader reader(setting.bytes);
    if (const auto echo = reader.data(6)) {
        c.setItem(kEcho, *echo != 0x00 ? kEchoOn : 1);
    }
    if (const auto amount = reader.data(7)) {
        c.setItem(kAmount, valueItem(*amount));
    }
    if (const auto direction = reader.data(8)) {
        c.setItem(kDirection, *direction != 0x00 ? kUpward : 1);
    }
    if (const auto bottom = reader.data(9)) {
        c.setItem(kBottom, valueItem(*bottom));
    }
    if (const auto top = reader.data(10)) {
        c.setItem(kTop, valueItem(*top));
    }
}

}  // namespace

SettingForm titledForm(const ControllerProfile& profile, std::string_view role,
                       std::string_view what) {
    const std::string title = std::string(profile.product) + " " + std::string(what);
    SettingForm form;
    form.windowName = profile.windowName(role);
    form.caption = title;
    form.heading = "Select the " + title + "...";
    return form;
}

SettingForm deviceForm(const ControllerProfile& profile) {
    SettingForm form = titledForm(profile, "Device", "Device Parameters");
    form.fields = {
        listField(std::string(kEcho), std::string(echoTexts::caption),
                  {std::string(echoTexts::onItem), std::string(echoTexts::offItem)}, kEchoOn),
        listField(std::string(kAmount),
                  "Curvature Amount:", valuesFrom("no curvature (linear response)"), kNoCurvature),
        listField(std::string(kDirection), "Curvature Direction", {"upward", "downward"}, kUpward),
        // The program has always spelt the top's label so.
        listField(std::string(kBottom), "Neutral Range Bottom:", valuesFrom("0 (automatic)"),
                  kAutomatic),
        listField(std::string(kTop), "Nuetral Range Top:", valuesFrom("0 (automatic)"), kAutomatic),
    };
    // The direction list and its label only while there is a curvature to direct.
    form.visibility = [names = fieldNames(form)](const FormChoices& c) {
        std::vector<bool> shown;
        for (const std::string& name : names) {
            shown.push_back(name != kDirection || c.item(kAmount) != kNoCurvature);
        }
        return shown;
    };
    form.encode = [profile](const FormChoices& c) { return encode(profile, c); };
    form.decode = decode;
    return form;
}

}  // namespace corlinth::controller
