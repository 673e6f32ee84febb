#include "core/products/routing/RouteSetting.h"

#include <span>
#include <string_view>

#include "core/products/routing/RoutingTexts.h"

namespace corlinth {
namespace {

constexpr Byte kDeviceId = 0x01;
constexpr Byte kHeaderCommand = 0x00;
constexpr Byte kSettingCommand = 0x02;

bool isChannelValue(int channel) {
    return (channel >= 0 && channel <= 15) || channel == allChannelsValue;
}

std::string_view nameAt(std::span<const std::string_view> names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? names[static_cast<std::size_t>(index)]
               : std::string_view{};
}

// "A, B, and C Messages" from the kinds low..high of a kind range.
std::string kindList(std::span<const std::string_view> names, int low, int high) {
    std::string text;
    for (int kind = low; kind <= high; ++kind) {
        text += nameAt(names, kind);
        if (kind == high) {
            break;
        }
        if (kind + 1 == high) {
            text += high - low == 1 ? texts::routing::lastOfTwo : texts::routing::lastOfMany;
        } else {
            text += texts::routing::separator;
        }
    }
    text += texts::routing::messagesSuffix;
    return text;
}

std::string channelKindText(int low, int high) {
    if (low == 0 && high == channelKindCount - 1) {
        return std::string(texts::routing::allChannelMessages);
    }
    // Four or five kinds would not fit the list's row with the long names; up to three do,
    // and all six read "All Channel Messages".
    const int span = high - low;
    const bool shortNames = span == 3 || span == 4;
    return kindList(shortNames
                        ? std::span<const std::string_view>(texts::routing::channelKindsShort)
                        : std::span<const std::string_view>(texts::routing::channelKindsLong),
                    low, high);
}

std::string systemKindText(int low, int high) {
    if (low == 0 && high == systemKindCount - 1) {
        return std::string(texts::routing::allSystemMessages);
    }
    return kindList(texts::routing::systemKindsShort, low, high);
}

}  // namespace

int rangeMaximum(int dataType) {
    switch (dataType) {
        case routetype::channelMessageRange:
            return channelKindCount - 1;
        case routetype::systemMessageRange:
            return systemKindCount - 1;
        default:
            return 127;
    }
}

bool isValidRouteSetting(const RouteSetting& s) {
    return s.dataType >= 0 && s.dataType < routetype::count && isChannelValue(s.inputChannel) &&
           isChannelValue(s.outputChannel) && s.outputSelect >= routeoutput::neither &&
           s.outputSelect <= routeoutput::both && s.rangeLow >= 0 && s.rangeLow <= s.rangeHigh &&
           s.rangeHigh <= rangeMaximum(s.dataType);
}

bool keepsDialogRules(const RouteSetting& s) {
    if (!isValidRouteSetting(s)) {
        return false;
    }
    if (s.outputChannel != allChannelsValue) {
        return true;
    }
    return s.inputChannel == allChannelsValue && s.dataType != routetype::keyboardRange;
}

Bytes routeHeaderMessage(bool ignorePriority) {
    Bytes message{0xF0, 0x00, 0x00, 0x50, kDeviceId, kHeaderCommand};
    if (ignorePriority) {
        message.push_back(0x01);
    }
    message.push_back(0xF7);
    return message;
}

std::optional<Bytes> routeSettingMessage(const RouteSetting& s) {
    if (s.dataType == routetype::empty) {
        return std::nullopt;
    }
    return Bytes{0xF0,
                 0x00,
                 0x00,
                 0x50,
                 kDeviceId,
                 kSettingCommand,
                 static_cast<Byte>(s.dataType - 1),
                 static_cast<Byte>(s.inputChannel),
                 static_cast<Byte>(s.rangeLow),
                 static_cast<Byte>(s.rangeHigh),
                 static_cast<Byte>(s.outputChannel),
                 static_cast<Byte>(s.outputSelect),
                 0xF7};
}

std::string routeDescription(const RouteSetting& s) {
    if (s.dataType == routetype::empty) {
        return std::string(texts::routing::emptySetting);
    }
    const std::string_view output = nameAt(texts::routing::outputs, s.outputSelect);
    std::string text;
    switch (s.dataType) {
        case routetype::channelMessageRange:
            text = channelKindText(s.rangeLow, s.rangeHigh);
            break;
        case routetype::systemMessageRange:
            // System messages carry no channel, so the description ends with the output.
            text = systemKindText(s.rangeLow, s.rangeHigh);
            text += texts::routing::routedTo;
            text += output;
            return text;
        default:
            text = nameAt(texts::routing::rangePrefixes, s.dataType);
            text += std::to_string(s.rangeLow);
            text += texts::routing::rangeDash;
            text += std::to_string(s.rangeHigh);
            break;
    }
    if (s.inputChannel == allChannelsValue) {
        text += texts::routing::onAllChannels;
    } else {
        text += texts::routing::onChannel;
        text += std::to_string(s.inputChannel + 1);
        text += texts::routing::routedTo;
    }
    text += output;
    if (s.outputSelect != routeoutput::neither && s.outputChannel != allChannelsValue &&
        s.outputChannel != s.inputChannel) {
        text += texts::routing::onChannel;
        text += std::to_string(s.outputChannel + 1);
    }
    return text;
}

}  // namespace corlinth
