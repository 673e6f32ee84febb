#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/MidiFileExport.h"
#include "core/document/SettingLine.h"
#include "core/document/VersionOneImport.h"

namespace corlinth {
namespace {

// A product of the tests' own: records F0 n 00 00 50 7E cmd data F7, each followed by a delta
// of 01, 02 or 7F, the last by the end of track. A record with command 06 takes the next
// System Exclusive event as its second line; command 00 is a clear-all whose comment gets no
// edit hint.
class FixtureProduct : public VersionOneProduct {
  public:
    std::string_view invalidFileText() const override { return "Not a valid Fixture file."; }

    std::optional<std::vector<ImportedSetting>> importSettings(
        VersionOneImage& image) const override {
        std::vector<ImportedSetting> settings;
        image.seek(38);
        for (;;) {
            const std::optional<Bytes> record = event(image);
            if (!record || record->size() < 7 ||
                !(Bytes(record->begin() + 1, record->begin() + 5) ==
                  Bytes{0x00, 0x00, 0x50, 0x7E})) {
                return std::nullopt;
            }
            const Byte command = (*record)[5];
            ImportedSetting setting{hexLine(*record), {}, {}, command != 0x00};
            if (command == 0x00) {
                setting.comment = "{ Fixture Clear All Settings }";
            } else {
                setting.comment =
                    "{ Fixture setting " + hexLine(Bytes(record->begin() + 6, record->end() - 1));
            }
            std::optional<Byte> delta = image.getchar();
            if (command == 0x06) {
                if (delta != Byte{0x02}) {
                    return std::nullopt;
                }
                const std::optional<Bytes> second = event(image);
                if (!second) {
                    return std::nullopt;
                }
                setting.secondLine = hexLine(*second);
                delta = image.getchar();
            }
            settings.push_back(std::move(setting));
            if (delta == Byte{0x00}) {
                if (image.getchar() == Byte{0xFF} && image.getchar() == Byte{0x2F} &&
                    image.getchar() == Byte{0x00} && image.atEnd()) {
                    return settings;
                }
                return std::nullopt;
            }
            if (delta != Byte{0x01} && delta != Byte{0x02} && delta != Byte{0x7F}) {
                return std::nullopt;
            }
        }
    }

  private:
    // F0, a one-byte length, then that many bytes ending in F7; the line form has no length.
    static std::optional<Bytes> event(VersionOneImage& image) {
        if (image.getchar() != Byte{0xF0}) {
            return std::nullopt;
        }
        const std::optional<Byte> length = image.getchar();
        if (!length) {
            return std::nullopt;
        }
        Bytes bytes{0xF0};
        for (int i = 0; i < *length; ++i) {
            const std::optional<Byte> b = image.getchar();
            if (!b) {
                return std::nullopt;
            }
            bytes.push_back(*b);
        }
        if (bytes.back() != 0xF7) {
            return std::nullopt;
        }
        return bytes;
    }
};

void append(Bytes& out, const Bytes& more) {
    out.insert(out.end(), more.begin(), more.end());
}

// A file as the first version wrote it: the fixed header, tempo and copyright events, the
// zero delta and the text event with the notes, then the records.
struct FileShape {
    bool textEvent = true;
    int zerosBeforeText = 1;
};

Bytes versionOneFile(std::string_view notes, const Bytes& records, FileShape shape = {}) {
    Bytes file{'M',  'T',  'h',  'd', 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00,
               0x01, 0x00, 0x60, 'M', 'T',  'r',  'k',  0x00, 0x00, 0x00, 0x00};
    append(file, {0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08});
    append(file, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    const std::string notice = "Quarnell Corlinth version 1.";
    EXPECT_EQ(notice.size(), 28u);
    append(file, {0x00, 0xFF, 0x02, 0x1C});
    file.insert(file.end(), notice.begin(), notice.end());
    file.insert(file.end(), static_cast<std::size_t>(shape.zerosBeforeText), 0x00);
    if (shape.textEvent) {
        append(file, {0xFF, 0x01});
        append(file, variableLengthQuantity(static_cast<std::uint32_t>(notes.size())));
        file.insert(file.end(), notes.begin(), notes.end());
    }
    append(file, records);
    const std::size_t length = file.size() - 22;
    file[18] = static_cast<Byte>(length >> 24);
    file[19] = static_cast<Byte>(length >> 16);
    file[20] = static_cast<Byte>(length >> 8);
    file[21] = static_cast<Byte>(length);
    return file;
}

// Delta 20, the sustain-off and delta 2, as the first version put them before the records.
const Bytes kControllerGroup{0x14, 0xB0, 0x40, 0x00, 0x02};
const Bytes kRecords{0xF0, 0x06, 0x00, 0x00, 0x50, 0x7E, 0x00, 0xF7,  // clear-all
                     0x02, 0xF0, 0x08, 0x00, 0x00, 0x50, 0x7E, 0x01, 0x3C, 0x40,
                     0xF7,                                                        // setting 01
                     0x7F, 0xF0, 0x07, 0x00, 0x00, 0x50, 0x7E, 0x06, 0x01, 0xF7,  // setting 06 ...
                     0x02, 0xF0, 0x04, 0x43, 0x10, 0x01, 0xF7,  // ... and its message
                     0x00, 0xFF, 0x2F, 0x00};

Bytes records(const Bytes& lead) {
    Bytes out = lead;
    append(out, kRecords);
    return out;
}

struct Line {
    std::string text;
    bool bold;
};

std::vector<Line> linesOf(const RichDocument& document) {
    std::vector<Line> out;
    for (const RichLine& line : document.lines) {
        EXPECT_LE(line.runs.size(), 1u) << line.text();
        out.push_back({line.text(), !line.runs.empty() && line.runs.front().bold});
    }
    return out;
}

struct ImportCase {
    const char* name;
    Bytes file;
    PlatformMode mode;
    std::vector<Line> expected;
};

const std::vector<Line> kSettingLines{
    {"F0 00 00 50 7E 00 F7", true},
    {"{ Fixture Clear All Settings }", false},
    {"", false},
    {"F0 00 00 50 7E 01 3C 40 F7", true},
    {"{ Fixture setting 3C 40  (right-click to edit) }", false},
    {"", false},
    {"F0 00 00 50 7E 06 01 F7", true},
    {"F0 43 10 01 F7", true},
    {"{ Fixture setting 01  (right-click to edit) }", false},
    {"", false},
};

std::vector<Line> settingsThen(std::vector<Line> notes) {
    std::vector<Line> out = kSettingLines;
    out.insert(out.end(), notes.begin(), notes.end());
    return out;
}

std::string longNote() {
    std::string note(150, 'x');
    return note;
}

class VersionOneImportFile : public testing::TestWithParam<ImportCase> {};

TEST_P(VersionOneImportFile, BuildsSettingsAboveTheNotes) {
    const ImportCase& c = GetParam();
    const VersionOneImport result = importVersionOneFile(c.file, FixtureProduct(), c.mode);
    ASSERT_TRUE(result.document.has_value()) << result.message;
    const std::vector<Line> lines = linesOf(*result.document);
    ASSERT_EQ(lines.size(), c.expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, c.expected[i].text) << "line " << i;
        EXPECT_EQ(lines[i].bold, c.expected[i].bold) << "line " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionOneImportFile,
    testing::Values(
        ImportCase{
            "NotesInBraces",
            versionOneFile("Gig setup\r\n\r\nSong two: {loud}\r\n", records(kControllerGroup)),
            PlatformMode::Windows,
            settingsThen({{"{ Gig setup }", false},
                          {"", false},
                          {"{ Song two: {loud} }", false},
                          {"", false}})},
        ImportCase{"WithoutTheControllerEvent", versionOneFile("LF only\nline", records({0x02})),
                   PlatformMode::Windows,
                   settingsThen({{"{ LF only }", false}, {"{ line }", false}, {"", false}})},
        ImportCase{"MacModeHint",
                   versionOneFile("", records(kControllerGroup)),
                   PlatformMode::Mac,
                   {{"F0 00 00 50 7E 00 F7", true},
                    {"{ Fixture Clear All Settings }", false},
                    {"", false},
                    {"F0 00 00 50 7E 01 3C 40 F7", true},
                    {"{ Fixture setting 3C 40  (control-click to edit) }", false},
                    {"", false},
                    {"F0 00 00 50 7E 06 01 F7", true},
                    {"F0 43 10 01 F7", true},
                    {"{ Fixture setting 01  (control-click to edit) }", false},
                    {"", false},
                    {"", false}}},
        ImportCase{"NoTextEvent",
                   versionOneFile("", records(kControllerGroup),
                                  {.textEvent = false, .zerosBeforeText = 0}),
                   PlatformMode::Windows, settingsThen({{"", false}})},
        // Text after five empty lines stays a comment too, instead of becoming message lines.
        ImportCase{"TextAfterFiveEmptyLines",
                   versionOneFile("top\r\n\r\n\r\n\r\n\r\n\r\nBE EF after\r\n\r\n\r\n",
                                  records(kControllerGroup)),
                   PlatformMode::Windows,
                   settingsThen({{"{ top }", false},
                                 {"", false},
                                 {"", false},
                                 {"", false},
                                 {"", false},
                                 {"", false},
                                 {"{ BE EF after }", false},
                                 {"", false}})},
        // A text of more than 127 bytes has a two-byte length; code page 1252 becomes UTF-8.
        ImportCase{"LongTextInCodePage1252",
                   versionOneFile(longNote() + "\r\nCaf\xE9 \x80", records(kControllerGroup)),
                   PlatformMode::Windows,
                   settingsThen({{"{ " + longNote() + " }", false},
                                 {"{ Caf\xC3\xA9 \xE2\x82\xAC }", false},
                                 {"", false}})}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    Bytes file;
};

class VersionOneRefusedFile : public testing::TestWithParam<RefusedCase> {};

TEST_P(VersionOneRefusedFile, GivesTheProductsText) {
    const VersionOneImport result =
        importVersionOneFile(GetParam().file, FixtureProduct(), PlatformMode::Windows);
    EXPECT_FALSE(result.document.has_value());
    EXPECT_EQ(result.message, "Not a valid Fixture file.");
}

Bytes withByte(Bytes file, std::size_t offset, Byte value) {
    file[offset] = value;
    return file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionOneRefusedFile,
    testing::Values(
        // Without the 00 the bound falls one byte short: the end of track loses its last byte.
        RefusedCase{"NoZeroBeforeTheText",
                    versionOneFile("notes", records(kControllerGroup), {.zerosBeforeText = 0})},
        // With two the reading would want a byte past the end of the file.
        RefusedCase{"TwoZerosBeforeTheText",
                    versionOneFile("notes", records(kControllerGroup), {.zerosBeforeText = 2})},
        RefusedCase{"FormatOne",
                    withByte(versionOneFile("notes", records(kControllerGroup)), 9, 0x01)},
        RefusedCase{"OtherDivision",
                    withByte(versionOneFile("notes", records(kControllerGroup)), 13, 0x78)},
        RefusedCase{"OtherTempo",
                    withByte(versionOneFile("notes", records(kControllerGroup)), 34, 0xA2)},
        // The device byte of the first record: the product's part says no.
        RefusedCase{"ProductPartFails",
                    withByte(versionOneFile("notes", records(kControllerGroup)), 88, 0x04)},
        RefusedCase{"Empty", {}},
        RefusedCase{
            "OnlyTheHeaderChunk",
            {'M', 'T', 'h', 'd', 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x60}}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// The program's own export has the same header but not the first version's spacing: the
// delta after its first message is 88 00.
TEST(VersionOneImport, OwnExportIsRefused) {
    const std::vector<std::string> document{
        "F0 00 00 50 7E 00 F7",       "{ Fixture Clear All }", "",
        "F0 00 00 50 7E 01 3C 40 F7", "{ setting }",           ""};
    const Bytes file =
        exportMidiFile(document, midiExportProfile(*editorProfile("Pirrow")), parseLine);
    const VersionOneReading reading = readVersionOneFile(file);
    EXPECT_TRUE(reading.complete);
    ASSERT_TRUE(checkVersionOneHeader(reading.image).has_value());
    const VersionOneImport result =
        importVersionOneFile(file, FixtureProduct(), PlatformMode::Windows);
    EXPECT_FALSE(result.document.has_value());
    EXPECT_EQ(result.message, "Not a valid Fixture file.");
}

TEST(VersionOneImport, EveryShortenedFileIsRefused) {
    const Bytes file = versionOneFile("a note\r\n", records(kControllerGroup));
    ASSERT_TRUE(importVersionOneFile(file, FixtureProduct(), PlatformMode::Windows).document);
    for (std::size_t size = 0; size < file.size(); ++size) {
        const Bytes shorter(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(
            importVersionOneFile(shorter, FixtureProduct(), PlatformMode::Windows).document)
            << size;
    }
}

TEST(VersionOneImport, ReadingTakesOutTheCopyrightBlockAndTheText) {
    const Bytes file = versionOneFile("one\r\ntwo", records(kControllerGroup));
    const VersionOneReading reading = readVersionOneFile(file);
    EXPECT_TRUE(reading.complete);
    EXPECT_EQ(reading.commentLines, (std::vector<std::string>{"one", "two"}));
    // Header, time signature, tempo with its last byte restored, then the records from 37.
    Bytes expected(file.begin(), file.begin() + 36);
    expected.push_back(0x20);
    append(expected, records(kControllerGroup));
    EXPECT_EQ(hexLine(reading.image), hexLine(expected));
}

// The bound counts on exactly one 00 before the text event: without it the last byte of the
// file is never read; with two the file ends before the bound.
TEST(VersionOneImport, BoundCountsOnOneZeroBeforeTheText) {
    // The images from the time signature on; the track lengths of the three files differ.
    auto events = [](const VersionOneReading& reading) {
        return hexLine(Bytes(reading.image.begin() + 22, reading.image.end()));
    };
    const VersionOneReading one = readVersionOneFile(versionOneFile("x", records({0x02})));
    const VersionOneReading none =
        readVersionOneFile(versionOneFile("x", records({0x02}), {.zerosBeforeText = 0}));
    const VersionOneReading two =
        readVersionOneFile(versionOneFile("x", records({0x02}), {.zerosBeforeText = 2}));
    EXPECT_TRUE(one.complete);
    EXPECT_TRUE(none.complete);
    EXPECT_EQ(events(none) + " 00", events(one));
    EXPECT_FALSE(two.complete);
    EXPECT_EQ(events(two), events(one));
}

// The shared header checks, on images: every checked byte matters, the track length does not.
TEST(VersionOneImport, HeaderChecksEveryFixedByte) {
    Bytes image{'M',  'T',  'h',  'd',  0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00,
                0x01, 0x00, 0x60, 'M',  'T',  'r',  'k',  0x12, 0x34, 0x56, 0x78,
                0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08, 0x00, 0xFF, 0x51,
                0x03, 0x07, 0xA1, 0x20, 0x02, 0xF0, 0x05, 0x06, 0x07, 0xF7};
    ASSERT_TRUE(checkVersionOneHeader(image).has_value());
    for (std::size_t position = 0; position < 37; ++position) {
        Bytes changed = image;
        changed[position] ^= 0x01;
        const bool unchecked = position >= 18 && position <= 21;
        EXPECT_EQ(checkVersionOneHeader(changed).has_value(), unchecked) << position;
    }
    EXPECT_FALSE(checkVersionOneHeader(Bytes(image.begin(), image.begin() + 36)).has_value());
}

TEST(VersionOneImport, ControllerEventAt38IsTakenOutOfLongerImages) {
    Bytes image{'M',  'T',  'h',  'd',  0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00,
                0x60, 'M',  'T',  'r',  'k',  0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x58, 0x04,
                0x04, 0x02, 0x18, 0x08, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x14};
    Bytes exactly42 = image;
    append(exactly42, {0xB0, 0x40, 0x00, 0x02});
    EXPECT_EQ(checkVersionOneHeader(exactly42)->size(), 42u);

    Bytes longer = exactly42;
    longer.push_back(0xF0);
    const std::optional<VersionOneImage> checked = checkVersionOneHeader(longer);
    ASSERT_TRUE(checked.has_value());
    EXPECT_EQ(checked->size(), 39u);
    EXPECT_EQ(checked->at(38), Byte{0xF0});

    Bytes otherEvent = longer;
    otherEvent[38] = 0xC0;
    EXPECT_EQ(checkVersionOneHeader(otherEvent)->size(), 43u);
}

TEST(VersionOneImage, NeverReadsPastTheEnd) {
    VersionOneImage image(Bytes{0x01, 0x02});
    EXPECT_EQ(image.at(1), Byte{0x02});
    EXPECT_FALSE(image.at(2).has_value());
    EXPECT_TRUE(image.holds(1, {0x02}));
    EXPECT_FALSE(image.holds(1, {0x02, 0x03}));
    EXPECT_FALSE(image.holds(5, {}));
    image.seek(1);
    EXPECT_EQ(image.getchar(), Byte{0x02});
    EXPECT_FALSE(image.getchar().has_value());
    EXPECT_EQ(image.readPosition(), 2u);
    image.seek(100);
    EXPECT_FALSE(image.getchar().has_value());
}

}  // namespace
}  // namespace corlinth
