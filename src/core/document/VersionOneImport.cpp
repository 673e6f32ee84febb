#include "core/document/VersionOneImport.h"

#include <algorithm>
#include <cstdint>

#include "core/document/Utf8.h"

namespace corlinth {
namespace {

constexpr std::size_t kTextEventIndex = 37;
constexpr std::size_t kSkippedBlockIndex = 36;
constexpr std::size_t kSkippedBlockLength = 32;
constexpr Byte kRestoredTempoByte = 0x20;

// A text length past anything a file can hold; the read stops at the end of the file anyway.
constexpr std::uint64_t kLengthCap = std::uint64_t{1} << 40;

enum class ReadState { Image, SkippedBlock, TextType, TextLength, TextBytes };

}  // namespace

VersionOneReading readVersionOneFile(std::span<const Byte> file) {
    VersionOneReading reading;
    std::string text;
    bool textSeen = false;

    // The bound shrinks by every byte of the text event and once more when its length is
    // complete; for a file with one 00 before its text event it falls exactly on the end.
    std::int64_t bound = static_cast<std::int64_t>(file.size()) - 32;
    ReadState state = ReadState::Image;
    std::size_t skipped = 0;
    std::uint64_t textLeft = 0;
    std::size_t next = 0;

    for (;;) {
        if (static_cast<std::int64_t>(reading.image.size()) >= bound) {
            reading.complete = true;
            break;
        }
        if (next >= file.size()) {
            break;  // the file ended first: the caller's test fails it
        }
        const Byte b = file[next++];
        switch (state) {
            case ReadState::Image:
                if (reading.image.size() == kTextEventIndex && b == 0xFF) {
                    --bound;
                    textSeen = true;
                    state = ReadState::TextType;
                } else if (reading.image.size() == kTextEventIndex && b == 0x00) {
                    // the zero delta before the text event
                } else if (reading.image.size() == kSkippedBlockIndex) {
                    skipped = 1;
                    state = ReadState::SkippedBlock;
                } else {
                    reading.image.push_back(b);
                }
                break;
            case ReadState::SkippedBlock:
                if (++skipped > kSkippedBlockLength) {
                    reading.image.push_back(kRestoredTempoByte);
                    state = ReadState::Image;
                }
                break;
            case ReadState::TextType:
                --bound;
                textLeft = 0;
                state = ReadState::TextLength;
                break;
            case ReadState::TextLength:
                --bound;
                textLeft = std::min(textLeft * 128 + (b & 0x7F), kLengthCap);
                if ((b & 0x80) == 0) {
                    --bound;
                    state = textLeft > 0 ? ReadState::TextBytes : ReadState::Image;
                }
                break;
            case ReadState::TextBytes:
                --bound;
                if (b != '\r') {
                    text.push_back(static_cast<char>(b));
                }
                if (--textLeft == 0) {
                    state = ReadState::Image;
                }
                break;
        }
    }

    if (textSeen) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t lf = text.find('\n', start);
            const std::string_view line =
                std::string_view(text).substr(start, lf == std::string::npos ? lf : lf - start);
            reading.commentLines.push_back(cp1252ToUtf8(line));
            if (lf == std::string::npos) {
                break;
            }
            start = lf + 1;
        }
    }
    return reading;
}

std::optional<VersionOneImage> checkVersionOneHeader(Bytes bytes) {
    VersionOneImage image(std::move(bytes));
    const bool header = image.holds(0, {0x4D, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00,
                                        0x00, 0x01, 0x00, 0x60, 0x4D, 0x54, 0x72, 0x6B}) &&
                        image.holds(22, {0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}) &&
                        image.holds(30, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    if (!header) {
        return std::nullopt;
    }
    // A controller event with the delta after it, which some files carry before the first
    // setting, is taken out so that the products' records start at 38 either way.
    if (image.size() > 42 && image.at(38) == Byte{0xB0}) {
        Bytes shorter = image.bytes();
        shorter.erase(shorter.begin() + 38, shorter.begin() + 42);
        return VersionOneImage(std::move(shorter));
    }
    return image;
}

std::optional<std::vector<ImportedSetting>> goodtest(const VersionOneReading& reading,
                                                     const VersionOneProduct& product) {
    if (!reading.complete) {
        return std::nullopt;
    }
    std::optional<VersionOneImage> image = checkVersionOneHeader(reading.image);
    if (!image) {
        return std::nullopt;
    }
    image->seek(versionOne::productPartStart);
    return product.importSettings(*image);
}

RichDocument buildImportedDocument(std::span<const ImportedSetting> settings,
                                   std::span<const std::string> commentLines, PlatformMode mode) {
    RichDocument document;
    auto addLine = [&document](std::string_view text, bool bold) {
        RichLine line;
        line.append(text, bold);
        document.lines.push_back(std::move(line));
    };

    for (const ImportedSetting& setting : settings) {
        addLine(setting.messageLine, true);
        if (!setting.secondLine.empty()) {
            addLine(setting.secondLine, true);
        }
        std::string comment = setting.comment;
        if (setting.editHint) {
            comment += "  ";
            comment += editHintSuffix(mode);
        }
        addLine(comment, false);
        addLine("", false);
    }

    // The old notes go below the settings, each line a comment. The first version stopped
    // bracing at the first run of five empty lines and left whatever followed as it stood,
    // where it would read as message lines and be sent to the unit; here every line of the
    // notes becomes a comment, and only the empty lines at their end are left out.
    std::size_t end = commentLines.size();
    while (end > 0 && commentLines[end - 1].empty()) {
        --end;
    }
    for (std::size_t i = 0; i < end; ++i) {
        if (commentLines[i].empty()) {
            addLine("", false);
        } else {
            addLine("{ " + commentLines[i] + " }", false);
        }
    }
    // The text ends with a line break, as every document the editor starts does.
    addLine("", false);
    return document;
}

VersionOneImport importVersionOneFile(std::span<const Byte> file, const VersionOneProduct& product,
                                      PlatformMode mode) {
    const VersionOneReading reading = readVersionOneFile(file);
    const std::optional<std::vector<ImportedSetting>> settings = goodtest(reading, product);
    if (!settings) {
        return {std::nullopt, product.invalidFileText()};
    }
    return {buildImportedDocument(*settings, reading.commentLines, mode), {}};
}

}  // namespace corlinth
