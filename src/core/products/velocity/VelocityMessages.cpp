#include "core/products/velocity/VelocityMessages.h"

#include <stdexcept>

#include "core/products/velocity/UserCurve.h"

namespace corlinth {
namespace {

constexpr Byte kDeviceId = 0x09;

Bytes unitMessage(std::initializer_list<Byte> body) {
    Bytes message;
    message.reserve(body.size() + 6);
    for (const Byte b : {Byte{0xF0}, Byte{0x00}, Byte{0x00}, Byte{0x50}, kDeviceId}) {
        message.push_back(b);
    }
    for (const Byte b : body) {
        message.push_back(b);
    }
    message.push_back(0xF7);
    return message;
}

Byte dataByte(int value) {
    if (value < 0 || value > 127) {
        throw std::out_of_range("a MIDI data byte outside 0..127");
    }
    return static_cast<Byte>(value);
}

}  // namespace

Bytes velocityStartMessage() {
    return unitMessage({0x00});
}

Bytes curveAssignmentMessage(int curve, int channel) {
    if (curve < curvenumber::user || curve > curvenumber::lastPreset || channel < 1 ||
        channel > 16) {
        throw std::out_of_range("curve outside 0..40 or channel outside 1..16");
    }
    return unitMessage({0x01, static_cast<Byte>(curve), static_cast<Byte>(channel - 1)});
}

Bytes controlChangeAssignmentMessage(int ccNumber, int ccOffset, int ccChannel) {
    if (ccNumber < 1 || ccNumber > 128 || ccChannel < 0 || ccChannel > ccChannelAll) {
        throw std::out_of_range("controller outside 1..128 or channel outside 0..16");
    }
    const Byte channel = ccChannel == ccChannelAll ? Byte{0x7F} : static_cast<Byte>(ccChannel);
    return unitMessage({0x03, dataByte(ccNumber - 1), dataByte(ccOffset), channel});
}

Bytes userCurveFollowsMessage() {
    return unitMessage({0x02});
}

Bytes userCurvePointMessage(int value) {
    return {0xB0, 0x00, dataByte(value)};
}

}  // namespace corlinth
