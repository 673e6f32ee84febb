#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/app/FixedTexts.h"

namespace corlinth {

// Every text the transmission window and the firmware update show, in one place.
namespace transmissionTexts {
// Button captions.
inline constexpr std::string_view transmitSettings = "Transmit Settings";
inline constexpr std::string_view counting = "-";
inline constexpr std::string_view transmitting = "Transmitting...  (click to cancel)";
inline constexpr std::string_view transmitComplete = "T r a n s m i t   C o m p l e t e !";
inline constexpr std::string_view startFirmwareUpdate = "Start Firmware Update";
inline constexpr std::string_view transmittingFirmwareUpdate = "Transmitting Firmware Update...";

// Messages: the first is an information, the others are warnings.
inline constexpr std::string_view noMidiInterfaces = "No MIDI interfaces detected";
inline constexpr std::string_view errorOpening = "Error opening MIDI output device";
inline constexpr std::string_view errorSending = "Error sending MIDI data";
inline constexpr std::string_view errorClosing = "Error closing MIDI output device";

// The "Load File..." dialog of the firmware update.
inline constexpr std::string_view firmwareDialogTitle = "Select Firmware Update File";
inline constexpr std::string_view firmwareDialogFilter =
    "Firmware Update Files (*.dat)|*.dat|All Files (*.*)|*.*";
inline constexpr std::string_view firmwareDefaultExtension = "dat";
}  // namespace transmissionTexts

// "Sending 2 of 3  (click to cancel)"
std::string sendingCaption(int step, int total);
// "Starting in 10 seconds..." down to "Starting in 1 seconds..."
std::string startingInCaption(int seconds);

// The window's title: "Program the Pirrow", or "Hennic Firmware Update" in firmware mode.
std::string transportWindowCaption(std::string_view productName, bool firmwareMode);
// The button's caption at rest.
std::string_view restCaption(bool firmwareMode);

// "Not a valid Hennic Firmware Update File."
std::string invalidFirmwareText(std::string_view productName);

// The two instruction sentences above the port list; the layout spreads them over the
// window's four text lines. In Mac mode they name the port chosen at start-up.
std::array<std::string, 2> instructionTexts(PlatformMode mode, std::string_view productName,
                                            std::string_view portName, bool firmwareMode);

}  // namespace corlinth
