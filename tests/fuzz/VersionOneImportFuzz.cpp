#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/document/SettingLine.h"
#include "core/document/VersionOneImport.h"

namespace {

// A product part that takes whatever follows the header: every F0 .. F7 run it finds by
// walking the image with getchar becomes a setting, the rest is skipped.
class AnyRecords : public corlinth::VersionOneProduct {
  public:
    std::string_view invalidFileText() const override { return "Not a valid file."; }

    std::optional<std::vector<corlinth::ImportedSetting>> importSettings(
        corlinth::VersionOneImage& image) const override {
        std::vector<corlinth::ImportedSetting> settings;
        corlinth::Bytes record;
        std::size_t steps = 0;
        while (const std::optional<corlinth::Byte> b = image.getchar()) {
            if (++steps > image.size()) {
                __builtin_trap();  // getchar must move on every time it yields a byte
            }
            if (*b == 0xF0) {
                record.assign(1, *b);
            } else if (!record.empty()) {
                record.push_back(*b);
                if (*b == 0xF7) {
                    settings.push_back({corlinth::hexLine(record), {}, "{ record", true});
                    record.clear();
                }
            }
        }
        if (image.at(image.size()).has_value() || !image.atEnd()) {
            __builtin_trap();
        }
        return settings;
    }
};

}  // namespace

// Whatever the bytes, reading ends inside the file, and nothing of the old notes can turn into
// a message line of the new document.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const corlinth::Byte> file(data, size);
    const corlinth::VersionOneReading reading = corlinth::readVersionOneFile(file);
    if (reading.image.size() > size) {
        __builtin_trap();
    }
    const corlinth::VersionOneImport result =
        corlinth::importVersionOneFile(file, AnyRecords(), corlinth::PlatformMode::Windows);
    if (!result.document) {
        return 0;
    }
    const std::optional<std::vector<corlinth::ImportedSetting>> settings =
        corlinth::goodtest(reading, AnyRecords());
    if (!settings) {
        __builtin_trap();
    }
    std::size_t settingLines = 0;
    for (const corlinth::ImportedSetting& setting : *settings) {
        settingLines += setting.secondLine.empty() ? 3 : 4;
    }
    const std::vector<std::string> lines = result.document->plainLines();
    for (std::size_t i = settingLines; i < lines.size(); ++i) {
        if (corlinth::lineKind(lines[i]) == corlinth::LineKind::Message) {
            __builtin_trap();
        }
    }
    return 0;
}
