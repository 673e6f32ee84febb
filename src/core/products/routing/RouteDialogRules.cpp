#include "core/products/routing/RouteDialogRules.h"

#include <algorithm>

#include "core/products/ChannelList.h"
#include "core/products/routing/RoutingTexts.h"

namespace corlinth {
namespace {

constexpr int kChannelCount = 16;

}  // namespace

RouteDialogView routeDialogView(const RouteSetting& s) {
    namespace t = texts::routing;
    RouteDialogView view;
    if (s.dataType <= routetype::empty || s.dataType >= routetype::count) {
        return view;
    }
    view.outputSelect = true;
    view.inputChannel = s.dataType != routetype::systemMessageRange;
    view.outputChannel =
        s.outputSelect != routeoutput::neither && s.dataType != routetype::systemMessageRange;
    switch (s.dataType) {
        case routetype::noteRange:
        case routetype::polyPressureRange:
        case routetype::keyboardRange:
            view.range = RouteRangeControls::ValueLists;
            view.rangeCaption = t::noteRange;
            view.keyboard = true;
            view.keyboardNotice = s.dataType == routetype::keyboardRange;
            break;
        case routetype::programChangeRange:
            view.range = RouteRangeControls::ValueLists;
            view.rangeCaption = t::programRange;
            break;
        case routetype::channelPressureRange:
            view.range = RouteRangeControls::ValueLists;
            view.rangeCaption = t::pressureRange;
            break;
        case routetype::pitchBendRange:
            view.range = RouteRangeControls::ValueLists;
            view.rangeCaption = t::pitchBendRange;
            break;
        case routetype::controlChangeRange:
            view.range = RouteRangeControls::ControllerLists;
            view.rangeCaption = t::controllerRange;
            break;
        case routetype::channelMessageRange:
            view.range = RouteRangeControls::ChannelKinds;
            view.rangeCaption = t::channelMessages;
            break;
        case routetype::systemMessageRange:
            view.range = RouteRangeControls::SystemKinds;
            view.rangeCaption = t::systemMessages;
            break;
        default:
            break;
    }
    return view;
}

RouteSetting routeSettingForType(int dataType) {
    RouteSetting s;
    s.dataType = dataType;
    s.rangeHigh = rangeMaximum(dataType);
    return s;
}

std::vector<std::string> inputChannelItems() {
    return channelListItems(true);
}

std::vector<std::string> outputChannelItems(const RouteSetting& s) {
    std::vector<std::string> items = channelListItems(false);
    if (s.inputChannel == allChannelsValue && s.dataType != routetype::keyboardRange) {
        items.emplace_back(texts::routing::sameAsInput);
    }
    return items;
}

int channelFromListIndex(int index) {
    return index >= kChannelCount ? allChannelsValue : index;
}

int listIndexOfChannel(int channel) {
    return channel == allChannelsValue ? kChannelCount : channel;
}

RouteSetting chooseInputChannel(RouteSetting s, int channel) {
    s.inputChannel = channel;
    s.outputChannel =
        channel == allChannelsValue && s.dataType == routetype::keyboardRange ? 0 : channel;
    return s;
}

OutputChannelChoice chooseOutputChannel(const RouteSetting& s, int channel) {
    if (channel == allChannelsValue && s.inputChannel != allChannelsValue) {
        return {s, texts::routing::singleToAllRefused};
    }
    RouteSetting chosen = s;
    chosen.outputChannel = channel;
    return {chosen, {}};
}

RouteSetting chooseValueFrom(RouteSetting s, int value) {
    s.rangeLow = std::min(value, s.rangeHigh);
    return s;
}

RouteSetting chooseValueTo(RouteSetting s, int value) {
    s.rangeHigh = std::max(value, s.rangeLow);
    return s;
}

RouteSetting chooseControllerFrom(RouteSetting s, int controller) {
    s.rangeLow = controller;
    s.rangeHigh = std::max(s.rangeHigh, controller);
    return s;
}

RouteSetting chooseControllerTo(RouteSetting s, int controller) {
    s.rangeHigh = controller;
    s.rangeLow = std::min(s.rangeLow, controller);
    return s;
}

KindBlock clickKind(const KindBlock& current, int clicked, KindClick click) {
    if (click != KindClick::Shift) {
        return {clicked, clicked};
    }
    if (clicked < current.first) {
        return {clicked, current.last};
    }
    return {current.first, clicked};
}

KindBlock settleKindSelection(const std::vector<bool>& selected, int focusItem) {
    const auto first = std::find(selected.begin(), selected.end(), true);
    if (first == selected.end()) {
        return {focusItem, focusItem};
    }
    const auto afterBlock = std::find(first, selected.end(), false);
    if (std::find(afterBlock, selected.end(), true) != selected.end()) {
        return {focusItem, focusItem};
    }
    return {static_cast<int>(first - selected.begin()),
            static_cast<int>(afterBlock - selected.begin()) - 1};
}

RouteSetting applyKindBlock(RouteSetting s, const KindBlock& block) {
    s.rangeLow = block.first;
    s.rangeHigh = block.last;
    return s;
}

}  // namespace corlinth
