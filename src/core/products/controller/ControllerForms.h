#pragma once

#include "core/products/common/SettingForm.h"
#include "core/products/controller/ControllerProfile.h"

namespace corlinth::controller {

// The two setting dialogs of the continuous controller units, each described once for both.

// Device parameters (command 00): echo, curvature amount and direction, the neutral range.
SettingForm deviceForm(const ControllerProfile& profile);

// Message type (command 01): Control Change, Channel Pressure, Pitch Bend or a System
// Exclusive message with one varying byte, the value limits and up to four channels. The
// System Exclusive message is typed in the dialog's entry popup.
SettingForm messageTypeForm(const ControllerProfile& profile);

// A dialog's window name from its role, with the caption product + " " + `what` and the heading
// "Select the " + product + " " + `what` + "...".
SettingForm titledForm(const ControllerProfile& profile, std::string_view role,
                       std::string_view what);

// The message types as the setting's byte 6 carries them, the item of the type list.
enum MessageType { kControlChange = 0, kChannelPressure = 1, kPitchBend = 2, kSystemExclusive = 3 };

// Where a varying byte may stand, counted from 1 at F0: after F0 and before F7 of a message of
// at most 20 bytes.
inline constexpr int kFirstVaryingByte = 2;
inline constexpr int kLastVaryingByte = 19;

}  // namespace corlinth::controller
