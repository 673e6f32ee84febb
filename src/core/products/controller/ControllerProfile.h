#pragma once

#include <string>
#include <string_view>

#include "core/document/Bytes.h"

namespace corlinth {

// What tells the expression-pedal unit and the breath sensor unit apart: the device ID, which
// every setting carries, and the colon that the breath unit's dialog puts after the labels of
// the value limits. Captions, headings and the message type comment name the product.
struct ControllerProfile {
    std::string_view product;  // the display name: "Gavrel"
    Byte deviceId;
    std::string_view limitLabelEnd;  // "" or ":"

    // The dialog's window name: "T" + product + role ("THennicControl").
    std::string windowName(std::string_view role) const;
    // F0 00 00 50, the device, the command, `data`, F7.
    Bytes message(Byte command, const Bytes& data) const;
};

// nullptr for every product that is no continuous controller unit.
const ControllerProfile* controllerProfile(std::string_view product);

}  // namespace corlinth
