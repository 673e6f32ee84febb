#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/midi/PortList.h"
#include "core/midi/TransmissionTexts.h"
#include "core/midi/TransportLayout.h"

namespace corlinth {
namespace {

struct TextCase {
    const char* name;
    PlatformMode mode;
    const char* product;
    bool firmware;
    const char* caption;
    const char* first;
    const char* second;
};

class TransportTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(TransportTexts, NameTheProductAndInMacModeThePort) {
    const TextCase& c = GetParam();
    EXPECT_EQ(transportWindowCaption(c.product, c.firmware), c.caption);
    const auto texts = instructionTexts(c.mode, c.product, "USB MIDI", c.firmware);
    EXPECT_EQ(texts[0], c.first);
    EXPECT_EQ(texts[1], c.second);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransportTexts,
    ::testing::Values(
        TextCase{"Windows", PlatformMode::Windows, "Pirrow", false, "Program the Pirrow",
                 "Select a MIDI interface below, connect the MIDI Out of the MIDI interface to the "
                 "MIDI In of the Pirrow,",
                 "then click the button below to transmit the settings. The Pirrow's LED will "
                 "flash to indicate it is receiving the settings."},
        TextCase{
            "Mac", PlatformMode::Mac, "Kelto", false, "Program the Kelto",
            "Connect the MIDI Out of the USB MIDI MIDI interface to the MIDI In of the Kelto, "
            "then click the button below to",
            "transmit the settings. The Kelto's LED will flash to indicate it is receiving the "
            "settings."},
        TextCase{"WindowsFirmware", PlatformMode::Windows, "Hennic", true, "Hennic Firmware Update",
                 "First disconnect the Hennic and allow it to power down. Select a MIDI interface "
                 "below, then click the button below, and then connect the MIDI Out of",
                 "the MIDI interface to the MIDI In of the Hennic within 10 seconds. The Hennic's "
                 "LED will flash rapidly when the firmware update is complete."},
        TextCase{"MacFirmware", PlatformMode::Mac, "Hennic", true, "Hennic Firmware Update",
                 "First disconnect the Hennic and allow it to power down. Then click the button "
                 "below, and then connect the MIDI Out of the USB MIDI MIDI",
                 "interface to the MIDI In of the Hennic within 10 seconds. The Hennic's LED will "
                 "flash rapidly when the firmware update is complete."}),
    [](const auto& info) { return std::string(info.param.name); });

struct LayoutCase {
    const char* name;
    std::array<std::string, 2> texts;
    int windowWidth;  // text is measured one pixel a character
    PlatformMode mode;
    std::array<std::string, 4> lines;
    int height, listTop, buttonTop;
};

class TransportWindowLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TransportWindowLayout, MovesWordsDownAndShortensTheWindow) {
    const LayoutCase& c = GetParam();
    const TransportLayout layout = layoutTransportWindow(
        c.texts, c.windowWidth, [](std::string_view s) { return static_cast<int>(s.size()); },
        c.mode);
    EXPECT_EQ(layout.lines, c.lines);
    EXPECT_EQ(layout.windowHeight, c.height);
    EXPECT_EQ(layout.listTop, c.listTop);
    EXPECT_EQ(layout.buttonTop, c.buttonTop);
    EXPECT_EQ(layout.portListVisible, c.mode == PlatformMode::Windows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TransportWindowLayout,
    ::testing::Values(
        LayoutCase{"BothFit",
                   {"aaa bbb", "ccc"},
                   100,
                   PlatformMode::Windows,
                   {"aaa bbb", "ccc", "", ""},
                   196,
                   64,
                   104},
        LayoutCase{"MacModeHasNoPortList",
                   {"aaa bbb", "ccc"},
                   100,
                   PlatformMode::Mac,
                   {"aaa bbb", "ccc", "", ""},
                   160,
                   28,
                   68},
        // Eight pixels of room: the space before a moved word stays behind while it fits.
        LayoutCase{"IntoTheThirdLine",
                   {"aaa bbb ccc", "ddd eee"},
                   58,
                   PlatformMode::Windows,
                   {"aaa bbb ", "ccc ddd ", "eee ", ""},
                   212,
                   80,
                   120},
        LayoutCase{"AWordWiderThanTheLineStays",
                   {"aaaaaaaaaaaa bb", "cc"},
                   58,
                   PlatformMode::Windows,
                   {"aaaaaaaaaaaa", "bb cc", "", ""},
                   196,
                   64,
                   104},
        // The fourth line has nowhere to go and keeps what it gets.
        LayoutCase{"AllFourLines",
                   {"a b c d e f", ""},
                   53,
                   PlatformMode::Windows,
                   {"a ", "b ", "c ", "d e f "},
                   228,
                   96,
                   136}),
    [](const auto& info) { return std::string(info.param.name); });

struct PortListCase {
    const char* name;
    std::vector<MidiPort> onScreen;
    std::vector<MidiPort> found;
    MidiPort chosen;
    bool firstRefresh;
    bool rebuilt;
    std::vector<MidiPort> entries;
    std::optional<std::size_t> selected;
    MidiPort chosenAfter;
};

void PrintTo(const PortListCase& c, std::ostream* os) {
    *os << c.name;
}

class PortListRefreshTest : public ::testing::TestWithParam<PortListCase> {};

TEST_P(PortListRefreshTest, RebuildsOnlyOnChangeAndKeepsThePortByName) {
    const PortListCase& c = GetParam();
    const PortListRefresh r = refreshmidioutputlist(c.onScreen, c.found, c.chosen, c.firstRefresh);
    EXPECT_EQ(r.rebuilt, c.rebuilt);
    EXPECT_EQ(r.entries, c.entries);
    EXPECT_EQ(r.selected, c.selected);
    EXPECT_EQ(r.chosen, c.chosenAfter);
}

const MidiPort kUsb{"USB MIDI", 1};
const MidiPort kThru{"MIDI Thru", 2};

INSTANTIATE_TEST_SUITE_P(
    Table, PortListRefreshTest,
    ::testing::Values(
        PortListCase{"FirstRefreshAlwaysRebuilds",
                     {kUsb, kThru},
                     {kUsb, kThru},
                     kThru,
                     true,
                     true,
                     {kUsb, kThru},
                     1,
                     kThru},
        // An open drop-down is left alone.
        PortListCase{"UnchangedIsLeftAlone",
                     {kUsb, kThru},
                     {kUsb, kThru},
                     kThru,
                     false,
                     false,
                     {kUsb, kThru},
                     std::nullopt,
                     kThru},
        PortListCase{"ANewNumberRebuilds",
                     {kUsb, kThru},
                     {kUsb, {"MIDI Thru", 3}},
                     kThru,
                     false,
                     true,
                     {kUsb, {"MIDI Thru", 3}},
                     1,
                     {"MIDI Thru", 3}},
        PortListCase{"TheChosenPortGoneTheFirstIsChosen",
                     {kUsb, kThru},
                     {kUsb},
                     kThru,
                     false,
                     true,
                     {kUsb},
                     0,
                     kUsb},
        PortListCase{"TheLastOfEqualNames",
                     {},
                     {{"Synth", 1}, {"Synth", 4}, kThru},
                     {"Synth", 1},
                     true,
                     true,
                     {{"Synth", 1}, {"Synth", 4}, kThru},
                     1,
                     {"Synth", 4}},
        PortListCase{"TheSoftwareSynthesiserIsNotOffered",
                     {kUsb},
                     {{"Microsoft GS Wavetable Synth", 0}, kUsb},
                     kUsb,
                     false,
                     false,
                     {kUsb},
                     std::nullopt,
                     kUsb},
        PortListCase{
            "NoPortsKeepTheChosenOne", {kUsb}, {}, kUsb, false, true, {}, std::nullopt, kUsb},
        PortListCase{
            "NothingChosenYet", {}, {kUsb, kThru}, {}, true, true, {kUsb, kThru}, 0, kUsb}));

}  // namespace
}  // namespace corlinth
