#pragma once

#include <string_view>

namespace corlinth::texts::velocity {

// The "User Curve" dialog.
inline constexpr std::string_view userCurveTitle = "User Curve";
inline constexpr std::string_view increase = "Increase Velocities";
inline constexpr std::string_view decrease = "Decrease Velocities";
inline constexpr std::string_view scaleUp = "Scale Up";
inline constexpr std::string_view scaleDown = "Scale Down";
inline constexpr std::string_view bendUp = "Bend Up";
inline constexpr std::string_view bendDown = "Bend Down";
inline constexpr std::string_view twistClockwise = "Twist Clockwise";
inline constexpr std::string_view twistCounterclockwise = "Twist Counterclockwise";
inline constexpr std::string_view smooth = "Smooth";
inline constexpr std::string_view reset = "Reset Curve";
inline constexpr std::string_view importPreset = "Import Preset Curve...";
inline constexpr std::string_view limitToOne = "Limit minimum velocity to 1";
inline constexpr std::string_view inputVelocity = "Input Velocity";

// The curve dialog in its two modes.
inline constexpr std::string_view curveAssignTitle = "Curve Assign";
inline constexpr std::string_view importPresetTitle = "Import Preset Curve";
inline constexpr std::string_view curveNumber = "Curve Number:";
inline constexpr std::string_view applyToAll = "Apply to All Channels";
// The first item of the curve list and of the controller list, and the box of a channel
// without a curve.
inline constexpr std::string_view none = "none";
inline constexpr std::string_view userCurveItem = "user";

// The document window.
inline constexpr std::string_view assignmentsGroup = "MIDI CHANNEL CURVE ASSIGNMENTS";
inline constexpr std::string_view assignmentsHint = "Double-click to change curve assignment";
inline constexpr std::string_view boxUser = " user";
inline constexpr std::string_view boxPresetPrefix = "  ";  // + the preset's number
inline constexpr std::string_view boxControlChange = "CC";
inline constexpr std::string_view userCurveGroup = "USER CURVE";
inline constexpr std::string_view editUserCurve = "Edit...";
inline constexpr std::string_view controlChangeGroup = "CONTROL CHANGE";
inline constexpr std::string_view assignByController =
    "Assign velocities based on incoming Control Change number:";
inline constexpr std::string_view offsetBefore = "Add an offset of";
inline constexpr std::string_view offsetAfter = "to the Control Change value";
inline constexpr std::string_view ccChannel = "MIDI Channel:";
inline constexpr std::string_view notValidFile = "Not a valid Ombrel file.";

}  // namespace corlinth::texts::velocity
