#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzForms.h"
#include "core/document/SettingLine.h"
#include "core/products/controller/ControllerCatalogue.h"
#include "core/products/controller/VaryingSysexEntry.h"

namespace {

using corlinth::Byte;
using corlinth::Bytes;

// Edit Setting on a setting the dialog wrote, then OK.
corlinth::SettingHandover reencode(const corlinth::SettingForm& form,
                                   const corlinth::SettingHandover& written) {
    corlinth::FormChoices choices = corlinth::defaultChoices(form);
    corlinth::decodeSetting(form,
                            {corlinth::parseLine(written.messageLine),
                             written.secondLine.empty() ? "xx" : written.secondLine,
                             {},
                             {}},
                            choices);
    return corlinth::encodeSetting(form, choices);
}

// A hand-edited line decoded by both dialogs of a unit: the choices are real choices, the
// setting they write is made of data bytes and stands up to being edited again.
void decodeEverywhere(const corlinth::ControllerCatalogue& catalogue, const Bytes& line,
                      const std::string& secondLine) {
    const corlinth::ParsedSetting setting{line, secondLine, {}, {}};
    for (const corlinth::SettingForm& form : catalogue.forms()) {
        corlinth::FormChoices choices = corlinth::defaultChoices(form);
        corlinth::decodeSetting(form, setting, choices);
        checkListsShowItems(form, choices);
        (void)corlinth::visibleFields(form, choices);
        const corlinth::SettingHandover out = corlinth::encodeSetting(form, choices);
        checkDataBytes(out.messageLine);
        // The written setting is stable: it gives the same bytes when edited again, and from
        // then on the same comment too (a stray X of a hand-edited message shows in the first
        // comment, but the unit's copy has always held 0 there).
        const corlinth::SettingHandover again = reencode(form, out);
        fuzzCheck(again.messageLine == out.messageLine && again.secondLine == out.secondLine);
        fuzzCheck(reencode(form, again) == again);
    }
}

}  // namespace

// The first byte picks what the rest is: a setting line of Gavrel or Hennic with the text of
// its second line after a line feed, or an entry for the popup of the varying byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const Byte> rest(data + 1, size - 1);
    if (data[0] % 3 < 2) {
        const auto* catalogue =
            corlinth::controllerCatalogue(data[0] % 3 == 0 ? "Gavrel" : "Hennic");
        std::size_t split = 0;
        while (split < rest.size() && rest[split] != '\n') {
            ++split;
        }
        Bytes line{0xF0, 0x00, 0x00, 0x50, catalogue->profile().deviceId};
        line.insert(line.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(split));
        const std::string secondLine =
            split < rest.size()
                ? std::string(rest.begin() + static_cast<std::ptrdiff_t>(split) + 1, rest.end())
                : std::string("xx");
        (void)catalogue->dialogFor(line);
        decodeEverywhere(*catalogue, line, secondLine);
        return 0;
    }
    const std::string typed(rest.begin(), rest.end());
    std::string text = typed;
    const corlinth::controller::VaryingEntryResult result =
        corlinth::controller::checkVaryingEntry(text);

    // The entry handed to the message type dialog as its popup closes: a good one becomes the
    // setting, anything else leaves the type the dialog showed before.
    const corlinth::SettingForm& form =
        *corlinth::controllerCatalogue("Gavrel")->settingForm("TGavrelControl");
    corlinth::FormChoices choices = corlinth::defaultChoices(form);
    choices.setItem("ComboBox4", 3);
    corlinth::applyChange(form, choices, "ComboBox4");
    corlinth::completePopup(form, choices, 4, typed);
    const corlinth::SettingHandover out = corlinth::encodeSetting(form, choices);
    checkDataBytes(out.messageLine);
    fuzzCheck(out.secondLine.empty() != result.valid);

    if (result.valid) {
        fuzzCheck(corlinth::parseLine(out.messageLine).at(7) == result.varyingByte());
        // A good entry is a message of 3 to 20 bytes with one XX, at the byte it names.
        const std::size_t at = 3 * static_cast<std::size_t>(result.varyingByte() - 1);
        fuzzCheck(result.pairs == 1 && at + 2 <= text.size() && text.compare(at, 2, "XX") == 0);
        fuzzCheck(result.varyingByte() >= 2 && result.varyingByte() <= 19);
        std::string stored = text;
        stored.replace(at, 2, "00");
        fuzzCheck(out.secondLine == stored);
        const Bytes bytes = corlinth::parseLine(stored);
        fuzzCheck(bytes.size() >= 3 && bytes.size() <= 20 && corlinth::hexLine(bytes) == stored);
        fuzzCheck(bytes.front() == 0xF0 && bytes.back() == 0xF7);
        for (std::size_t i = 1; i + 1 < bytes.size(); ++i) {
            fuzzCheck(bytes[i] < 0x80);
        }
    }
    return 0;
}
