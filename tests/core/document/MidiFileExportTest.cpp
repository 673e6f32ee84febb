#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/document/MidiFileExport.h"
#include "core/document/MidiFileSkeleton.h"
#include "core/document/SettingLine.h"

namespace corlinth {
namespace {

// The rule units read their lines for sending this way: each pair of non-space characters is
// a byte, and a pair starting X, Y or V (the placeholders XX, YY, V1..V8) is sent as 00.
Bytes sendingBytes(std::string_view line) {
    Bytes bytes;
    std::size_t i = 0;
    while (i + 1 < line.size()) {
        const char c = line[i];
        if (c == '{' || c == '(' || c == '[') {
            break;
        }
        if (c == ' ' || line[i + 1] == ' ') {
            ++i;
            continue;
        }
        if (c == 'X' || c == 'Y' || c == 'V') {
            bytes.push_back(0x00);
        } else {
            bytes.push_back(
                static_cast<Byte>(hexDigitValue(static_cast<unsigned char>(c)) * 16 +
                                  hexDigitValue(static_cast<unsigned char>(line[i + 1]))));
        }
        i += 2;
    }
    return bytes;
}

const MidiExportProfile& exportProfile(std::string_view product) {
    return midiExportProfile(*editorProfile(product));
}
const MidiExportProfile& textProduct() {
    return exportProfile("Pirrow");
}
const MidiExportProfile& ruleUnit() {
    return exportProfile("Vantrel");
}

// The track after the fixed events, with the checks every exported file must pass: the head
// as the skeleton writes it, and the counted length equal to the bytes that follow it.
std::string trackEvents(const Bytes& file, const std::vector<std::string>& lines,
                        const MidiExportProfile& profile) {
    EXPECT_GE(file.size(), midiFile::headSize);
    const std::uint32_t length = midiTrackLength(lines, profile, sendingBytes);
    EXPECT_EQ(length, file.size() - 22);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + midiFile::headSize), midiFileHead(length));
    return hexLine(Bytes(file.begin() + midiFile::headSize, file.end()));
}

TEST(MidiFileExport, PirrowInitialDocumentGivesExactlyTheseBytes) {
    const std::vector<std::string> document{
        "F0 00 00 50 04 00 01 00 F7",
        "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI "
        "Out, Toggle OFF for normal depress and release operation, Auto Polarity to ON to "
        "determine the polarity of the footswitch on power-up, and send nothing on power-up  "
        "(right-click to edit) }",
        ""};
    Bytes expected{0x4D, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00,
                   0x01, 0x00, 0x60, 0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x47,
                   0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08, 0x00, 0xFF, 0x51,
                   0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x02, 0x1C};
    const std::string notice = "Copyright Quarnell Corlinth.";
    expected.insert(expected.end(), notice.begin(), notice.end());
    const Bytes events{0x14, 0xB0, 0x40, 0x00, 0x02, 0xF0, 0x08, 0x00, 0x00, 0x50, 0x04, 0x00,
                       0x01, 0x00, 0xF7, 0x88, 0x00, 0xB0, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    expected.insert(expected.end(), events.begin(), events.end());
    EXPECT_EQ(hexLine(exportMidiFile(document, textProduct(), parseLine)), hexLine(expected));
}

struct ExportCase {
    const char* name;
    std::vector<std::string> document;
    const MidiExportProfile& profile;
    std::string events;  // the track after the fixed events
};

// Messages under each other, after blank lines and with comments, for both kinds of product.
const std::vector<std::string> kMixedDocument{"F0 00 00 50 04 00 01 00 F7",
                                              "{ comment }",
                                              "",
                                              "F0 00 00 50 04 02 40 7F 00 F7",
                                              "B0 07 00",
                                              "",
                                              "C0 05",
                                              "90 3C 40 { same-line comment }"};

class MidiFileExportTrack : public testing::TestWithParam<ExportCase> {};

TEST_P(MidiFileExportTrack, WritesTheDeltasAndNotes) {
    const ExportCase& c = GetParam();
    const Bytes file = exportMidiFile(c.document, c.profile, sendingBytes);
    EXPECT_EQ(trackEvents(file, c.document, c.profile), c.events);
}

INSTANTIATE_TEST_SUITE_P(
    TextProducts, MidiFileExportTrack,
    testing::Values(
        ExportCase{"NoMessages",
                   {"{ only a comment }", "", "( and another )", ""},
                   textProduct(),
                   "14 B0 40 00 02 B0 40 00 00 FF 2F 00"},
        ExportCase{"EmptyDocument", {}, textProduct(), "14 B0 40 00 02 B0 40 00 00 FF 2F 00"},
        // The second follows the first after 88 00; a third gets 82 00, as does the close.
        ExportCase{"SystemExclusiveWithoutBlankLines",
                   {"F0 00 00 50 04 00 01 00 F7", "F0 00 00 50 04 05 F7", "F0 00 00 50 04 0B F7"},
                   textProduct(),
                   "14 B0 40 00 02 F0 08 00 00 50 04 00 01 00 F7 88 00 F0 06 00 00 50 04 05 F7 "
                   "82 00 F0 06 00 00 50 04 0B F7 82 00 B0 40 00 00 FF 2F 00"},
        // A short message right under a message gets 00; after a blank line 82 00. The second
        // message has no delta of its own even after a blank line.
        ExportCase{"ShortMessagesUnderAndAfterBlankLines", kMixedDocument, textProduct(),
                   "14 B0 40 00 02 F0 08 00 00 50 04 00 01 00 F7 88 00 F0 09 00 00 50 04 02 40 7F "
                   "00 F7 00 B0 07 00 82 00 C0 05 00 90 3C 40 82 00 B0 40 00 00 FF 2F 00"},
        // Note lines under a setting mean nothing special to a text product.
        ExportCase{
            "TextProductAddsNoNotes",
            {"F0 00 00 50 04 01 3C 40 00 F7", "80 3C 40", "90 3C 7F", "", "F0 00 00 50 04 05 F7"},
            textProduct(),
            "14 B0 40 00 02 F0 09 00 00 50 04 01 3C 40 00 F7 88 00 80 3C 40 00 90 3C 7F "
            "82 00 F0 06 00 00 50 04 05 F7 82 00 B0 40 00 00 FF 2F 00"},
        // Twenty empty lines end the document for the export as for sending.
        ExportCase{"TwentyEmptyLinesEndIt",
                   {"C0 01", "", "", "", "", "", "", "", "", "", "",
                    "",      "", "", "", "", "", "", "", "", "", "C0 02"},
                   textProduct(),
                   "14 B0 40 00 02 C0 01 88 00 B0 40 00 00 FF 2F 00"}),
    [](const testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    RuleUnits, MidiFileExportTrack,
    testing::Values(
        ExportCase{"ShortMessagesUnderAndAfterBlankLines", kMixedDocument, ruleUnit(),
                   "14 B0 40 00 02 F0 08 00 00 50 04 00 01 00 F7 84 00 F0 09 00 00 50 04 02 40 7F "
                   "00 F7 04 B0 07 00 82 00 C0 05 04 90 3C 40 82 00 B0 40 00 00 FF 2F 00"},
        // A Note-Off event line gets a Note-On of velocity 1 before its setting.
        ExportCase{
            "NoteOffGetsACompanion",
            {"F0 00 00 50 29 01 01 F7", "80 3C 40", "{ filter }", "", "F0 00 00 50 29 00 F7"},
            ruleUnit(),
            "14 B0 40 00 02 90 3C 01 02 F0 07 00 00 50 29 01 01 F7 84 00 80 3C 40 82 00 "
            "F0 06 00 00 50 29 00 F7 82 00 B0 40 00 00 FF 2F 00"},
        // Two event lines: the first line's companion first, the second's next to the message;
        // a zero-velocity Note-On counts as a Note-Off, each on its own channel.
        ExportCase{"TwoCompanionsInLineOrder",
                   {"F0 00 00 50 29 00 F7", "{ clear }", "", "F0 00 00 50 29 02 01 F7", "91 40 00",
                    "82 41 00", "{ map }", ""},
                   ruleUnit(),
                   "14 B0 40 00 02 F0 06 00 00 50 29 00 F7 84 00 91 40 01 02 92 41 01 02 F0 07 00 "
                   "00 50 29 02 01 F7 04 91 40 00 04 82 41 00 82 00 B0 40 00 00 FF 2F 00"},
        // A Note-On event line is closed before the next setting, 256 ticks on.
        ExportCase{
            "NoteOnClosedBeforeTheNextSetting",
            {"F0 00 00 50 29 04 01 F7", "90 3C 7F", "{ trigger }", "", "F0 00 00 50 29 00 F7"},
            ruleUnit(),
            "14 B0 40 00 02 F0 07 00 00 50 29 04 01 F7 84 00 90 3C 7F 82 00 90 3C 00 02 F0 "
            "06 00 00 50 29 00 F7 82 00 B0 40 00 00 FF 2F 00"},
        // ... or before the closing sustain-off when the document ends.
        ExportCase{"NoteOnClosedAtTheEnd",
                   {"F0 00 00 50 29 00 F7", "", "F0 00 00 50 29 04 01 F7", "95 3C 7F", "{ t }"},
                   ruleUnit(),
                   "14 B0 40 00 02 F0 06 00 00 50 29 00 F7 84 00 F0 07 00 00 50 29 04 01 F7 04 95 "
                   "3C 7F 82 00 95 3C 00 02 B0 40 00 00 FF 2F 00"},
        // A hand-edited blank line between a setting and its event line: the note is still
        // closed only after it has started.
        ExportCase{"NoteOnAfterABlankLine",
                   {"F0 00 00 50 29 04 01 F7", "", "90 3C 7F", "", "F0 00 00 50 29 00 F7"},
                   ruleUnit(),
                   "14 B0 40 00 02 F0 07 00 00 50 29 04 01 F7 84 00 90 3C 7F 82 00 90 3C 00 02 F0 "
                   "06 00 00 50 29 00 F7 82 00 B0 40 00 00 FF 2F 00"},
        // A note the setting's own lines start and stop needs no closing note.
        ExportCase{"NoteStartedAndStoppedByTheSetting",
                   {"F0 00 00 50 29 02 01 F7", "90 3C 7F", "80 3C 00"},
                   ruleUnit(),
                   "14 B0 40 00 02 90 3C 01 02 F0 07 00 00 50 29 02 01 F7 84 00 90 3C 7F 04 80 3C "
                   "00 82 00 B0 40 00 00 FF 2F 00"},
        // Placeholders are read as they are sent: XX as note 00, a YY velocity as a Note-Off.
        ExportCase{"PlaceholdersReadAsSent",
                   {"F0 00 00 50 29 02 01 F7", "90 XX 00", "90 3C YY"},
                   ruleUnit(),
                   "14 B0 40 00 02 90 00 01 02 90 3C 01 02 F0 07 00 00 50 29 02 01 F7 84 00 90 00 "
                   "00 04 90 3C 00 82 00 B0 40 00 00 FF 2F 00"}),
    [](const testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });

// A System Exclusive line of 193 bytes: F0, the two length bytes 81 40, and 192 more.
std::string longSystemExclusiveLine() {
    std::string line = "F0";
    for (int i = 0; i < 191; ++i) {
        line += " 01";
    }
    return line + " F7";
}

TEST(MidiFileExport, TrackOfExactly256BytesHasLengthField00000100) {
    const std::vector<std::string> document{longSystemExclusiveLine()};
    const Bytes file = exportMidiFile(document, textProduct(), parseLine);
    EXPECT_EQ(hexLine(Bytes(file.begin() + 18, file.begin() + 22)), "00 00 01 00");
    EXPECT_EQ(file.size(), 22u + 256u);
    EXPECT_EQ(hexLine(Bytes(file.begin() + 74, file.begin() + 77)), "F0 81 40");
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> document;
    const MidiExportProfile& profile;
    std::optional<std::string_view> warning;
};

class MidiFileExportRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(MidiFileExportRefusal, GivesTheFirstWarningInOrder) {
    const RefusalCase& c = GetParam();
    EXPECT_EQ(midiExportRefusal(c.document, c.profile, sendingBytes), c.warning);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiFileExportRefusal,
    testing::Values(
        RefusalCase{"NothingToRefuse",
                    {"F0 00 00 50 29 04 01 F7", "90 3C 7F", "F0 F8 F7", "{ F8 }", "80 F8"},
                    ruleUnit(),
                    std::nullopt},
        RefusalCase{"SongPositionBeforeLaterOnes",
                    {"FC", "F0 00 00 50 29 01 01 F7", "F3 01", "F2 00 00"},
                    ruleUnit(),
                    "Cannot generate a Standard MIDI File that contains Song Position Pointer "
                    "events."},
        RefusalCase{"SongSelectWithPlaceholder",
                    {"F0 00 00 50 29 01 01 F7", "F3 XX", "FA"},
                    ruleUnit(),
                    "Cannot generate a Standard MIDI File that contains Song Select events."},
        RefusalCase{"Clock",
                    {"FB", "F8"},
                    ruleUnit(),
                    "Cannot generate a Standard MIDI File that contains MIDI Clock events."},
        RefusalCase{"Start",
                    {"FC", "", "FA"},
                    ruleUnit(),
                    "Cannot generate a Standard MIDI File that contains MIDI Start events."},
        RefusalCase{"Continue",
                    {"FC", "FB"},
                    ruleUnit(),
                    "Cannot generate a Standard MIDI File that contains MIDI Continue events."},
        RefusalCase{"Stop",
                    {"FC"},
                    exportProfile("Sodrin"),
                    "Cannot generate a Standard MIDI File that contains MIDI Stop events."},
        RefusalCase{"TextProductsRefuseNothing", {"F8", "FC"}, textProduct(), std::nullopt}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(MidiFileExport, FreeSpaceBelow65000BytesStopsIt) {
    EXPECT_EQ(freeSpaceWarning(64999), "Not enough disk space.");
    EXPECT_EQ(freeSpaceWarning(0), "Not enough disk space.");
    EXPECT_FALSE(freeSpaceWarning(65000).has_value());
}

}  // namespace
}  // namespace corlinth
