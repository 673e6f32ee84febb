#pragma once

#include <array>
#include <string_view>

namespace corlinth::texts::routing {

// The dialog's type list, indexed by `RouteSetting::dataType`.
inline constexpr std::array<std::string_view, 10> dataTypes{
    "- Empty -",
    "Note Range",
    "Polyphonic Pressure Range",
    "Control Change Range",
    "Program Change Range",
    "Channel Pressure Range",
    "Pitch Bend Range",
    "Channel Message Range",
    "System Message Range",
    "Keyboard Range",
};
inline constexpr std::string_view emptySetting = dataTypes[0];

// Output names, indexed by `RouteSetting::outputSelect`; the dialog's list and the
// descriptions use the same words.
inline constexpr std::array<std::string_view, 4> outputs{"Neither Output", "Out1", "Out2",
                                                         "Both Outputs"};

// The kinds of the two kind ranges, as the dialog lists them.
inline constexpr std::array<std::string_view, 6> channelKinds{
    "Notes",          "Polyphonic Pressure", "Control Change",
    "Program Change", "Channel Pressure",    "Pitch Bend"};
inline constexpr std::array<std::string_view, 8> systemKinds{
    "System Exclusive", "Song Position Pointer",
    "Song Select",      "MIDI Time Code",
    "Timing Clock",     "Start",
    "Continue",         "Stop"};

// Description pieces. The range prefixes are indexed by `dataType` (types 1..6 and 9).
inline constexpr std::array<std::string_view, 10> rangePrefixes{"",
                                                                "Note Range ",
                                                                "Polyphonic Pressure Range ",
                                                                "Control Change Range ",
                                                                "Program Change Range ",
                                                                "Channel Pressure Range ",
                                                                "Pitch Bend msb Range ",
                                                                "",
                                                                "",
                                                                "Keyboard Range "};
inline constexpr std::array<std::string_view, 6> channelKindsLong{
    "Note", "Poly Pressure", "Control Change", "Program", "Chan. Pressure", "Pitch Bend"};
inline constexpr std::array<std::string_view, 6> channelKindsShort{"Note", "Poly",  "Con",
                                                                   "Prog", "Press", "Pitch"};
inline constexpr std::array<std::string_view, 8> systemKindsShort{
    "Sysex", "SPP", "SS", "MTC", "Clock", "Start", "Continue", "Stop"};
inline constexpr std::string_view rangeDash = " - ";
inline constexpr std::string_view separator = ", ";
inline constexpr std::string_view lastOfTwo = " and ";
inline constexpr std::string_view lastOfMany = ", and ";
inline constexpr std::string_view messagesSuffix = " Messages";
inline constexpr std::string_view allChannelMessages = "All Channel Messages";
inline constexpr std::string_view allSystemMessages = "All System Messages";
inline constexpr std::string_view onAllChannels = " on All Channels: Routed to ";
inline constexpr std::string_view onChannel = " on Channel ";
inline constexpr std::string_view routedTo = ": Routed to ";

// The setting dialog.
inline constexpr std::string_view dialogTitle = "Daskin Setting #";  // + priority 1..10
inline constexpr std::string_view inputHeading = "Input Data:";
inline constexpr std::string_view outputHeading = "Routed to:";
inline constexpr std::string_view inputDataType = "Input Data Type:";
inline constexpr std::string_view inputChannel = "Input MIDI Channel:";
inline constexpr std::string_view outputSelect = "Output Select:";
inline constexpr std::string_view outputChannel = "Output MIDI Channel:";
inline constexpr std::string_view sameAsInput = "All (same as input channel)";
inline constexpr std::string_view noteRange = "Input Note Range:";
inline constexpr std::string_view programRange = "Input Program Change Range:";
inline constexpr std::string_view pressureRange = "Input Pressure Range:";
inline constexpr std::string_view pitchBendRange = "Input Pitch Bend Range (msb):";
inline constexpr std::string_view rangeTo = "to";
inline constexpr std::string_view controllerRange = "Control Change Range:";
inline constexpr std::string_view controllerFrom = "From:";
inline constexpr std::string_view controllerTo = "To:";
inline constexpr std::string_view channelMessages = "Channel messages:";
// The system kind list has no caption of its own in the unit's documentation; it is
// labelled like its channel counterpart.
inline constexpr std::string_view systemMessages = "System messages:";
inline constexpr std::string_view keyboardNotice =
    "All MIDI messages other than notes are sent out on both input and output MIDI channels.";
inline constexpr std::string_view middleC = "Middle C";
inline constexpr std::string_view singleToAllRefused =
    "Cannot assign a single input channel to \"All\" output channels";

// The document window.
inline constexpr std::string_view ignorePriority = " Ignore Priority (process all settings)";
inline constexpr std::string_view settingsHeading = "SETTINGS:";
inline constexpr std::string_view highestPriority = "Highest Priority";
inline constexpr std::string_view lowestPriority = "Lowest Priority";
inline constexpr std::string_view notValidFile = "Not a valid Daskin file.";

}  // namespace corlinth::texts::routing
