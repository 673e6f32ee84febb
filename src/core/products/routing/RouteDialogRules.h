#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/products/routing/RouteSetting.h"

namespace corlinth {

// The rules of the routing setting dialog as pure functions over the record it edits, so the
// window only maps lists to fields and back. Channel values are those of `RouteSetting`
// (0..15, or 127 for "All").

// Which pair of controls gives the range of a type.
enum class RouteRangeControls { None, ValueLists, ControllerLists, ChannelKinds, SystemKinds };

struct RouteDialogView {
    bool inputChannel = false;
    RouteRangeControls range = RouteRangeControls::None;
    std::string_view rangeCaption;  // "Input Note Range:", "Control Change Range:", ...
    bool keyboard = false;          // the on-screen keyboard
    bool keyboardNotice = false;    // "All MIDI messages other than notes are sent out ..."
    bool outputSelect = false;
    bool outputChannel = false;

    bool operator==(const RouteDialogView&) const = default;
};

RouteDialogView routeDialogView(const RouteSetting& setting);

// Choosing an entry of the type list, "- Empty -" included: every other field goes back to
// its default, the kind ranges to all their kinds.
RouteSetting routeSettingForType(int dataType);

// "1".."16", "All".
std::vector<std::string> inputChannelItems();
// "1".."16", and "All (same as input channel)" while the input is "All" on a type other than
// Keyboard Range.
std::vector<std::string> outputChannelItems(const RouteSetting& setting);
// List index and channel value: index 16 is "All" (127).
int channelFromListIndex(int index);
int listIndexOfChannel(int channel);

// The new input channel; the output follows it (Keyboard Range with input "All" gets
// output channel 1, as the keyboard split sends on one channel).
RouteSetting chooseInputChannel(RouteSetting setting, int channel);

// The output channel choice, or the refusal when "All" is chosen for a single input channel.
// A refused choice leaves the setting as it was.
struct OutputChannelChoice {
    RouteSetting setting;
    std::string_view refusal;  // empty when accepted
};
OutputChannelChoice chooseOutputChannel(const RouteSetting& setting, int channel);

// The two value lists: a "from" above "to" goes back to "to", a "to" below "from" goes
// back to "from"; the moved list is the one just chosen.
RouteSetting chooseValueFrom(RouteSetting setting, int value);
RouteSetting chooseValueTo(RouteSetting setting, int value);
// The two controller lists push the other end along instead.
RouteSetting chooseControllerFrom(RouteSetting setting, int controller);
RouteSetting chooseControllerTo(RouteSetting setting, int controller);

// A selection of the kind lists: always one block first..last.
struct KindBlock {
    int first = 0;
    int last = 0;
    bool operator==(const KindBlock&) const = default;
};

enum class KindClick { Plain, Ctrl, Shift };

// A click on item `clicked`: a plain or Ctrl click selects only that item; a Shift click
// extends the block from its first item to the clicked one, or from its last item when the
// click lies above the block.
KindBlock clickKind(const KindBlock& current, int clicked, KindClick click);

// After a mouse release: the list's selection flags, kept when they form one block, and
// otherwise reduced to the item that has the focus.
KindBlock settleKindSelection(const std::vector<bool>& selected, int focusItem);

// OK on a kind range stores the block as the range.
RouteSetting applyKindBlock(RouteSetting setting, const KindBlock& block);

}  // namespace corlinth
