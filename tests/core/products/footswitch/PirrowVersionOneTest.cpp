#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FootswitchTestSupport.h"
#include "core/document/SettingLine.h"
#include "core/document/VersionOneImport.h"
#include "core/products/TextCatalogue.h"

namespace corlinth {
namespace {

// A version 1 Pirrow file as the first version wrote it: the MIDI file header, time signature,
// tempo and the 28-byte copyright notice, a zero delta and the text event with the user's
// notes, then a delta, optionally the sustain-off controller, the device parameters, a delta,
// the setting and the end of track.
struct PirrowFile {
    Byte echo = 0x01;
    Byte toggle = 0x00;
    Bytes setting;  // from the setting's F0 up to the end of track
    bool controller = false;
    Byte delta = 0x02;
    Bytes device = {0xF0, 0x08, 0x00, 0x00, 0x50, 0x04, 0x00};  // up to the echo byte
    std::string notes = "Sustain pedal setup\r\nfor the Sunday set";

    Bytes bytes() const {
        Bytes track{0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08, 0x00, 0xFF,
                    0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x02, 0x1C};
        const std::string notice = "(c) Quarnell, version one   ";
        track.insert(track.end(), notice.begin(), notice.end());
        track.insert(track.end(), {0x00, 0xFF, 0x01});
        const Bytes length = variableLengthQuantity(static_cast<std::uint32_t>(notes.size()));
        track.insert(track.end(), length.begin(), length.end());
        track.insert(track.end(), notes.begin(), notes.end());
        if (controller) {
            track.insert(track.end(), {0x14, 0xB0, 0x40, 0x00, 0x02});
        } else {
            track.push_back(0x01);
        }
        track.insert(track.end(), device.begin(), device.end());
        track.insert(track.end(), {echo, toggle, 0xF7, delta});
        track.insert(track.end(), setting.begin(), setting.end());

        Bytes file{'M',  'T',  'h',  'd',  0x00, 0x00, 0x00, 0x06, 0x00,
                   0x00, 0x00, 0x01, 0x00, 0x60, 'M',  'T',  'r',  'k'};
        const auto size = static_cast<std::uint32_t>(track.size());
        for (const int shift : {24, 16, 8, 0}) {
            file.push_back(static_cast<Byte>(size >> shift));
        }
        file.insert(file.end(), track.begin(), track.end());
        EXPECT_EQ(notice.size(), 28u);
        return file;
    }
};

const Bytes kEndOfTrack{0x00, 0xFF, 0x2F, 0x00};

// The setting event of kind K with its parameters, then what follows it.
Bytes setting(Byte kind, const Bytes& parameters, const Bytes& after = kEndOfTrack) {
    Bytes event{0xF0, static_cast<Byte>(parameters.size() + 6), 0x00, 0x00, 0x50, 0x04, kind};
    event.insert(event.end(), parameters.begin(), parameters.end());
    event.push_back(0xF7);
    event.insert(event.end(), after.begin(), after.end());
    return event;
}

// A user's message as its own event after the delta 02: F0, a length, the bytes, F7.
Bytes message(const Bytes& data, const Bytes& after = kEndOfTrack) {
    Bytes event{0x02, 0xF0, static_cast<Byte>(data.size() + 1)};
    event.insert(event.end(), data.begin(), data.end());
    event.push_back(0xF7);
    event.insert(event.end(), after.begin(), after.end());
    return event;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

const VersionOneProduct& pirrow() {
    return *textCatalogue("Pirrow")->versionOneProduct();
}

const std::string kHint = "  (right-click to edit) }";
const std::string kDefaultDevice =
    "{ Program Echo to ON so that messages received at the MIDI In are echoed to the MIDI Out, "
    "Toggle OFF for normal depress and release operation, Auto Polarity to ON to determine the "
    "polarity of the footswitch on power-up, and send nothing on power-up" +
    kHint;

struct ImportCase {
    const char* name;
    PirrowFile file;
    std::vector<std::string> settingLines;  // after the device parameters and their blank line
    std::string deviceLine = "F0 00 00 50 04 00 01 00 F7";
    std::string deviceComment = kDefaultDevice;
};

void PrintTo(const ImportCase& c, std::ostream* os) {
    *os << c.name;
}

class PirrowImport : public ::testing::TestWithParam<ImportCase> {};

TEST_P(PirrowImport, WritesTheSettingsAboveTheNotes) {
    const ImportCase& c = GetParam();
    const VersionOneImport result =
        importVersionOneFile(c.file.bytes(), pirrow(), PlatformMode::Windows);
    ASSERT_TRUE(result.document.has_value()) << result.message;

    std::vector<std::string> expected{c.deviceLine, c.deviceComment, ""};
    expected.insert(expected.end(), c.settingLines.begin(), c.settingLines.end());
    expected.insert(expected.end(), {"", "{ Sustain pedal setup }", "{ for the Sunday set }", ""});
    EXPECT_EQ(result.document->plainLines(), expected);

    // Message lines in bold, comments plain; every imported setting opens in its dialog and
    // comes back from it unchanged.
    const FootswitchCatalogue& catalogue = *footswitchCatalogue("Pirrow");
    const std::vector<std::string> lines = result.document->plainLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const RichLine& line = result.document->lines[i];
        const bool message = lineKind(lines[i]) == LineKind::Message;
        for (const TextRun& run : line.runs) {
            EXPECT_EQ(run.bold, message) << lines[i];
        }
        if (!isSettingLine(lines[i])) {
            continue;
        }
        const std::string_view dialog = catalogue.dialogFor(parseLine(lines[i]));
        ASSERT_FALSE(dialog.empty()) << lines[i];
        const SettingForm& form = *catalogue.settingForm(dialog);
        const bool twoLines = lines[i].starts_with("F0 00 00 50 04 06");
        FormChoices choices = defaultChoices(form);
        decodeSetting(form, {parseLine(lines[i]), twoLines ? lines[i + 1] : "xx", {}, {}}, choices);
        const SettingHandover again = encodeSetting(form, choices);
        EXPECT_EQ(again.messageLine, lines[i]);
        if (twoLines) {
            EXPECT_EQ(again.secondLine, lines[i + 1]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PirrowImport,
    ::testing::Values(
        ImportCase{"ProgramChange",
                   {0x01, 0x00, setting(4, {0x0A, 0x00})},
                   {"F0 00 00 50 04 04 0A 00 F7",
                    "{ Program the Pirrow to generate Program Change #10 on MIDI Channel 1 when "
                    "the footswitch is depressed" +
                        kHint}},
        ImportCase{"AfterTheSustainOffController",
                   {0x01, 0x00, setting(4, {0x0A, 0x00}), true},
                   {"F0 00 00 50 04 04 0A 00 F7",
                    "{ Program the Pirrow to generate Program Change #10 on MIDI Channel 1 when "
                    "the footswitch is depressed" +
                        kHint}},
        ImportCase{"ControlChangeOnAllChannels",
                   {0x00, 0x01, setting(2, {0x40, 0x7F, 0x10}), false, 0x7F},
                   {"F0 00 00 50 04 02 40 7F 7F F7",
                    "{ Program the Pirrow to generate Control Change #64 of value 127 on all MIDI "
                    "Channels when the footswitch is depressed, and send a value of zero when it "
                    "is released" +
                        kHint},
                   "F0 00 00 50 04 00 00 01 F7",
                   "{ Program Echo to OFF so that messages received at the MIDI In are NOT echoed "
                   "to the MIDI Out, Toggle ON for toggle between the depress and release "
                   "operation each time the footswitch is tapped, Auto Polarity to ON to "
                   "determine the polarity of the footswitch on power-up, and send nothing on "
                   "power-up" +
                       kHint},
        ImportCase{"ControlChangeDropsTheSecondPair",
                   {0x01, 0x00, setting(2, {0x07, 0x64, 0x00, 0x0A, 0x20}), false, 0x01},
                   {"F0 00 00 50 04 02 07 64 00 F7",
                    "{ Program the Pirrow to generate Control Change #7 of value 100 on MIDI "
                    "Channel 1 when the footswitch is depressed, and send a value of zero when it "
                    "is released" +
                        kHint}},
        ImportCase{"NoteOnWithASecondNote",
                   {0x01, 0x00, setting(1, {0x3C, 0x40, 0x00, 0x3E, 0x50})},
                   {"F0 00 00 50 04 01 3C 40 00 3E 50 F7",
                    "{ Program the Pirrow to generate Note #60 of velocity 64, Note #62 of "
                    "velocity 80 on MIDI Channel 1 when the footswitch is depressed, and send a "
                    "Note-Off when it is released" +
                        kHint}},
        ImportCase{"NoteOn",
                   {0x01, 0x00, setting(1, {0x30, 0x7F, 0x05})},
                   {"F0 00 00 50 04 01 30 7F 05 F7",
                    "{ Program the Pirrow to generate Note #48 of velocity 127 on MIDI Channel 6 "
                    "when the footswitch is depressed, and send a Note-Off when it is released" +
                        kHint}},
        ImportCase{"PitchBendDropsTheFurtherValues",
                   {0x01, 0x00, setting(3, {0x00, 0x40, 0x03, 0x11, 0x22})},
                   {"F0 00 00 50 04 03 00 40 03 F7",
                    "{ Program the Pirrow to generate Pitch Bend of value 0 on MIDI Channel 4 when "
                    "the footswitch is depressed, and send a value of zero when it is released" +
                        kHint}},
        ImportCase{"PitchBendOnAllChannels",
                   {0x01, 0x00, setting(3, {0x7F, 0x7F, 0x7F})},
                   {"F0 00 00 50 04 03 7F 7F 7F F7",
                    "{ Program the Pirrow to generate Pitch Bend of value 8191 on all MIDI "
                    "Channels when the footswitch is depressed, and send a value of zero when it "
                    "is released" +
                        kHint}},
        ImportCase{"StartStop",
                   {0x01, 0x00, setting(5, {})},
                   {"F0 00 00 50 04 05 F7",
                    "{ Program the Pirrow to send out MIDI Start and Stop messages when the "
                    "footswitch is depressed and released" +
                        kHint}},
        ImportCase{"Increment",
                   {0x01, 0x00, setting(7, {0x05, 0x02})},
                   {"F0 00 00 50 04 07 01 02 F7",
                    "{ Program the Pirrow to increment Program Changes on MIDI Channel 3 when the "
                    "footswitch is depressed" +
                        kHint}},
        ImportCase{"Decrement",
                   {0x01, 0x00, setting(7, {0x00, 0x7F})},
                   {"F0 00 00 50 04 07 00 7F F7",
                    "{ Program the Pirrow to decrement Program Changes on all MIDI Channels when "
                    "the footswitch is depressed" +
                        kHint}},
        ImportCase{"Rechannelize",
                   {0x01, 0x00, setting(9, {})},
                   {"F0 00 00 50 04 09 7F F7",
                    "{ Program the Pirrow to rechannelize MIDI messages on all MIDI channels to "
                    "the channel selected when the footswitch is depressed" +
                        kHint}},
        ImportCase{"Transpose",
                   {0x01, 0x00, setting(10, {})},
                   {"F0 00 00 50 04 0A 7F F7",
                    "{ Program the Pirrow to transpose Note messages on all MIDI channels by the "
                    "interval selected when the footswitch is depressed" +
                        kHint}},
        ImportCase{"TapTempo",
                   {0x01, 0x00, setting(11, {})},
                   {"F0 00 00 50 04 0B F7",
                    "{ Program the Pirrow to generate MIDI Clock messages at the tempo "
                    "corresponding to the taps received by the footswitch" +
                        kHint}},
        ImportCase{"SystemExclusiveOnDepress",
                   {0x01, 0x00, setting(6, {0x01}, message({0x43, 0x10, 0x01}))},
                   {"F0 00 00 50 04 06 01 F7", "F0 43 10 01 F7",
                    "{ Program the Pirrow to generate the System Exlcusive message F0 43 10 01 F7 "
                    "when the footswitch is depressed" +
                        kHint}},
        ImportCase{"SystemExclusiveOnRelease",
                   {0x01, 0x00, setting(6, {0x00}, message({0x7F}))},
                   {"F0 00 00 50 04 06 00 F7", "F0 7F F7",
                    "{ Program the Pirrow to generate the System Exlcusive message F0 7F F7 when "
                    "the footswitch is released" +
                        kHint}},
        ImportCase{
            "SystemExclusiveOnDepressAndRelease",
            {0x01, 0x00,
             setting(6, {0x01},
                     message({0x43, 0x10, 0x01},
                             concat({{0x7F}, setting(6, {0x00}, message({0x43, 0x10, 0x00}))})))},
            {"F0 00 00 50 04 06 01 F7", "F0 43 10 01 F7",
             "{ Program the Pirrow to generate the System Exlcusive message F0 43 10 01 F7 "
             "when the footswitch is depressed" +
                 kHint,
             "", "F0 00 00 50 04 06 00 F7", "F0 43 10 00 F7",
             "{ Program the Pirrow to generate the System Exlcusive message F0 43 10 00 F7 "
             "when the footswitch is released" +
                 kHint}}),
    [](const ::testing::TestParamInfo<ImportCase>& info) { return info.param.name; });

struct RefusedCase {
    const char* name;
    PirrowFile file;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class PirrowRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(PirrowRefused, IsNotAValidPirrowFile) {
    const VersionOneImport result =
        importVersionOneFile(GetParam().file.bytes(), pirrow(), PlatformMode::Windows);
    EXPECT_FALSE(result.document.has_value());
    EXPECT_EQ(result.message, "Not a valid Pirrow file.");
}

Bytes longMessage(std::size_t bytes) {
    return message(Bytes(bytes, 0x11));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, PirrowRefused,
    ::testing::Values(
        RefusedCase{"KindZero", {0x01, 0x00, setting(0, {})}},
        RefusedCase{"KindEight", {0x01, 0x00, setting(8, {})}},
        RefusedCase{"KindTwelve", {0x01, 0x00, setting(12, {})}},
        RefusedCase{"AnotherDeviceAt43",
                    {0x01,
                     0x00,
                     setting(4, {0x0A, 0x00}),
                     false,
                     0x02,
                     {0xF0, 0x08, 0x00, 0x00, 0x50, 0x14, 0x00}}},
        RefusedCase{
            "AnotherDeviceAt54",
            {0x01,
             0x00,
             {0xF0, 0x08, 0x00, 0x00, 0x50, 0x06, 0x04, 0x0A, 0x00, 0xF7, 0x00, 0xFF, 0x2F, 0x00}}},
        RefusedCase{"DeviceEventLength",
                    {0x01,
                     0x00,
                     setting(4, {0x0A, 0x00}),
                     false,
                     0x02,
                     {0xF0, 0x09, 0x00, 0x00, 0x50, 0x04, 0x00}}},
        RefusedCase{"EchoTwo", {0x02, 0x00, setting(4, {0x0A, 0x00})}},
        RefusedCase{"ToggleTwo", {0x01, 0x02, setting(4, {0x0A, 0x00})}},
        RefusedCase{"DeltaThree", {0x01, 0x00, setting(4, {0x0A, 0x00}), false, 0x03}},
        RefusedCase{"DeltaZero", {0x01, 0x00, setting(4, {0x0A, 0x00}), false, 0x00}},
        RefusedCase{"ProgramChangeWithOneMoreByte", {0x01, 0x00, setting(4, {0x0A, 0x00, 0x01})}},
        RefusedCase{"StartStopWithAByte", {0x01, 0x00, setting(5, {0x00})}},
        RefusedCase{"NoEndOfTrack",
                    {0x01, 0x00, setting(4, {0x0A, 0x00}, {0x00, 0xFF, 0x2F, 0x01})}},
        // Bytes of 80 and more would put status bytes into the messages sent to the unit.
        RefusedCase{"NoteAbove7F", {0x01, 0x00, setting(1, {0x90, 0x40, 0x00})}},
        RefusedCase{"SecondVelocityAbove7F",
                    {0x01, 0x00, setting(1, {0x3C, 0x40, 0x00, 0x3E, 0x90})}},
        RefusedCase{"ProgramAbove7F", {0x01, 0x00, setting(4, {0x80, 0x00})}},
        RefusedCase{"MessageByteAbove7F",
                    {0x01, 0x00, setting(6, {0x01}, message({0x43, 0x90, 0x01}))}},
        RefusedCase{"SystemExclusiveFlagTwo", {0x01, 0x00, setting(6, {0x02}, message({0x43}))}},
        RefusedCase{"SystemExclusiveWithoutItsMessage", {0x01, 0x00, setting(6, {0x01})}},
        RefusedCase{
            "SecondHeaderFlagOne",
            {0x01, 0x00,
             setting(6, {0x01},
                     message({0x43}, concat({{0x02}, setting(6, {0x01}, message({0x44}))})))}},
        RefusedCase{
            "SecondHeaderOfAnotherCommand",
            {0x01, 0x00,
             setting(6, {0x01},
                     message({0x43}, concat({{0x02}, setting(7, {0x00}, message({0x44}))})))}},
        RefusedCase{
            "DeltaOneAfterTheMessage",
            {0x01, 0x00,
             setting(6, {0x01},
                     message({0x43}, concat({{0x01}, setting(6, {0x00}, message({0x44}))})))}},
        RefusedCase{"MessageEndingPastPosition499",
                    {0x01, 0x00, setting(6, {0x01}, longMessage(439))}},
        RefusedCase{"MessageWithoutF7",
                    {0x01, 0x00, setting(6, {0x01}, {0x02, 0xF0, 0x05, 0x43, 0x10})}}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(PirrowImportLimits, TheLongestMessageEndsAtPosition499) {
    // The message starts at image position 61, so 438 bytes put its F7 at 499.
    const VersionOneImport accepted =
        importVersionOneFile(PirrowFile{0x01, 0x00, setting(6, {0x01}, longMessage(438))}.bytes(),
                             pirrow(), PlatformMode::Windows);
    ASSERT_TRUE(accepted.document.has_value());
    EXPECT_EQ(accepted.document->plainLines()[4].size(), 3u * 440 - 1);
}

TEST(PirrowImportLimits, ASecondNoteShowsAsEventTwoInTheNoteOnDialog) {
    const VersionOneImport result = importVersionOneFile(
        PirrowFile{0x01, 0x00, setting(1, {0x3C, 0x40, 0x00, 0x3E, 0x50})}.bytes(), pirrow(),
        PlatformMode::Windows);
    ASSERT_TRUE(result.document.has_value());
    const SettingForm& form = testing::footswitchForm("Pirrow", "TPirrowNoteOn");
    FormChoices choices = defaultChoices(form);
    decodeSetting(form, {parseLine(result.document->plainLines()[3]), "xx", {}, {}}, choices);
    EXPECT_EQ(
        form.field("ComboBox6")->items.at(static_cast<std::size_t>(choices.item("ComboBox6"))),
        "62  - D3");
    EXPECT_EQ(choices.item("ComboBox5"), 80);
}

TEST(PirrowImportLimits, OnlyPirrowOffersTheImport) {
    EXPECT_NE(textCatalogue("Pirrow")->versionOneProduct(), nullptr);
    EXPECT_EQ(textCatalogue("Strayne")->versionOneProduct(), nullptr);
    EXPECT_EQ(textCatalogue("Kelto")->versionOneProduct(), nullptr);
}

}  // namespace
}  // namespace corlinth
