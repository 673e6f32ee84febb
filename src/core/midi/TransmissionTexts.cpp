#include "core/midi/TransmissionTexts.h"

namespace corlinth {

std::string sendingCaption(int step, int total) {
    return "Sending " + std::to_string(step) + " of " + std::to_string(total) +
           "  (click to cancel)";
}

std::string startingInCaption(int seconds) {
    return "Starting in " + std::to_string(seconds) + " seconds...";
}

std::string transportWindowCaption(std::string_view productName, bool firmwareMode) {
    if (firmwareMode) {
        return std::string(productName) + " Firmware Update";
    }
    return "Program the " + std::string(productName);
}

std::string_view restCaption(bool firmwareMode) {
    return firmwareMode ? transmissionTexts::startFirmwareUpdate
                        : transmissionTexts::transmitSettings;
}

std::string invalidFirmwareText(std::string_view productName) {
    return "Not a valid " + std::string(productName) + " Firmware Update File.";
}

std::array<std::string, 2> instructionTexts(PlatformMode mode, std::string_view productName,
                                            std::string_view portName, bool firmwareMode) {
    const std::string p(productName);
    const std::string i(portName);
    if (firmwareMode) {
        const std::string tail = " within 10 seconds. The " + p +
                                 "'s LED will flash rapidly when the firmware update is complete.";
        if (mode == PlatformMode::Mac) {
            return {"First disconnect the " + p +
                        " and allow it to power down. Then click the button below, and then "
                        "connect the MIDI Out of the " +
                        i + " MIDI",
                    "interface to the MIDI In of the " + p + tail};
        }
        return {"First disconnect the " + p +
                    " and allow it to power down. Select a MIDI interface below, then click the "
                    "button below, and then connect the MIDI Out of",
                "the MIDI interface to the MIDI In of the " + p + tail};
    }
    const std::string tail = "transmit the settings. The " + p +
                             "'s LED will flash to indicate it is receiving the "
                             "settings.";
    if (mode == PlatformMode::Mac) {
        return {"Connect the MIDI Out of the " + i + " MIDI interface to the MIDI In of the " + p +
                    ", then click the button below to",
                tail};
    }
    return {
        "Select a MIDI interface below, connect the MIDI Out of the MIDI interface to the MIDI "
        "In of the " +
            p + ",",
        "then click the button below to " + tail};
}

}  // namespace corlinth
