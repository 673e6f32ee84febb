#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzForms.h"
#include "core/document/SettingLine.h"
#include "core/document/VersionOneImport.h"
#include "core/products/common/SysexEntry.h"
#include "core/products/footswitch/FootswitchCatalogue.h"

namespace {

using corlinth::Byte;
using corlinth::Bytes;

// A hand-edited line decoded by every dialog of a unit: the choices are real choices, and the
// setting they write decodes to the same choices again.
void decodeEverywhere(const corlinth::FootswitchCatalogue& catalogue, const Bytes& line,
                      const std::string& secondLine) {
    const corlinth::ParsedSetting setting{line, secondLine, {}, {}};
    for (const corlinth::SettingForm& form : catalogue.forms()) {
        corlinth::FormChoices choices = corlinth::defaultChoices(form);
        corlinth::decodeSetting(form, setting, choices);
        checkListsShowItems(form, choices);
        const corlinth::SettingHandover out = corlinth::encodeSetting(form, choices);
        if (out.secondLine.empty()) {
            checkDataBytes(out.messageLine);
        }
        corlinth::FormChoices again = corlinth::defaultChoices(form);
        corlinth::decodeSetting(form,
                                {corlinth::parseLine(out.messageLine),
                                 out.secondLine.empty() ? "xx" : out.secondLine,
                                 {},
                                 {}},
                                again);
        if (corlinth::encodeSetting(form, again) != out) {
            __builtin_trap();
        }
    }
}

}  // namespace

// The first byte picks what the rest is: a setting line for one of the three units, an entry
// for the System Exclusive popup, or a version 1 Pirrow file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const Byte> rest(data + 1, size - 1);
    switch (data[0] % 5) {
        case 0:
        case 1:
        case 2: {
            static constexpr const char* kProducts[] = {"Pirrow", "Strayne", "Kelto"};
            const auto* catalogue = corlinth::footswitchCatalogue(kProducts[data[0] % 5]);
            Bytes line{0xF0, 0x00, 0x00, 0x50, catalogue->profile().deviceId};
            line.insert(line.end(), rest.begin(), rest.end());
            (void)catalogue->dialogFor(line);
            decodeEverywhere(*catalogue, line, std::string(rest.begin(), rest.end()));
            break;
        }
        case 3: {
            std::string text(rest.begin(), rest.end());
            if (corlinth::systest(text).valid) {
                const Bytes bytes = corlinth::parseLine(text);
                if (bytes.size() < 3 || bytes.size() > 20 || bytes.front() != 0xF0 ||
                    bytes.back() != 0xF7 || corlinth::hexLine(bytes) != text) {
                    __builtin_trap();
                }
                for (std::size_t i = 1; i + 1 < bytes.size(); ++i) {
                    if (bytes[i] >= 0x80) {
                        __builtin_trap();
                    }
                }
            }
            break;
        }
        default: {
            const auto& catalogue = *corlinth::footswitchCatalogue("Pirrow");
            const corlinth::VersionOneImport result = corlinth::importVersionOneFile(
                rest, *catalogue.versionOneProduct(), corlinth::PlatformMode::Windows);
            if (!result.document) {
                break;
            }
            // Every imported setting line is one the Pirrow dialogs edit, with data bytes only.
            for (const std::string& line : result.document->plainLines()) {
                if (corlinth::isSettingLine(line)) {
                    if (catalogue.dialogFor(corlinth::parseLine(line)).empty()) {
                        __builtin_trap();
                    }
                    checkDataBytes(line);
                }
            }
            break;
        }
    }
    return 0;
}
