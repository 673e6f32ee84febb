#pragma once

#include <optional>
#include <string>

#include "core/document/Bytes.h"

namespace corlinth {

// The routing unit's input data types, as the index of the dialog's type list. The type byte
// of a setting message is the type minus 1.
namespace routetype {
inline constexpr int empty = 0;
inline constexpr int noteRange = 1;
inline constexpr int polyPressureRange = 2;
inline constexpr int controlChangeRange = 3;
inline constexpr int programChangeRange = 4;
inline constexpr int channelPressureRange = 5;
inline constexpr int pitchBendRange = 6;
inline constexpr int channelMessageRange = 7;
inline constexpr int systemMessageRange = 8;
inline constexpr int keyboardRange = 9;
inline constexpr int count = 10;
}  // namespace routetype

namespace routeoutput {
inline constexpr int neither = 0;
inline constexpr int out1 = 1;
inline constexpr int out2 = 2;
inline constexpr int both = 3;
}  // namespace routeoutput

// A channel value of a setting: 0..15 for channels 1..16, or this for "All".
inline constexpr int allChannelsValue = 127;
inline constexpr int channelKindCount = 6;
inline constexpr int systemKindCount = 8;

// One routing setting: which data on which input channel goes to which outputs. A record
// read from a file may hold any combination the file format allows; the setting dialog keeps
// the stricter rules of `keepsDialogRules`.
struct RouteSetting {
    int dataType = routetype::empty;
    int inputChannel = 0;
    int outputChannel = 0;
    int outputSelect = routeoutput::both;
    int rangeLow = 0;
    int rangeHigh = 127;

    bool operator==(const RouteSetting&) const = default;
};

// The largest range value of a type: 5 and 7 for the two kind ranges, 127 otherwise.
int rangeMaximum(int dataType);

// Every field within the values the unit takes, as the file reader checks them: a known type,
// channels 0..15 or 127, an output 0..3, a range within the type's values and low <= high.
bool isValidRouteSetting(const RouteSetting& setting);

// The dialog's rules on top of validity: the output channel is "All" only while the input
// channel is "All" and the type is not Keyboard Range.
bool keepsDialogRules(const RouteSetting& setting);

// F0 00 00 50 01 00 F7, or F0 00 00 50 01 00 01 F7 when every matching setting is applied.
Bytes routeHeaderMessage(bool ignorePriority);

// The 13-byte setting message; nullopt for an empty setting, which sends nothing.
std::optional<Bytes> routeSettingMessage(const RouteSetting& setting);

// The English description the priority list shows for a setting.
std::string routeDescription(const RouteSetting& setting);

}  // namespace corlinth
