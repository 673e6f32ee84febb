#pragma once

#include <string>
#include <vector>

#include "core/document/Bytes.h"

namespace corlinth {

// The lists the setting dialogs of the text products choose from, and how a chosen item becomes
// a byte and a byte becomes an item again. A byte that a hand-edited line carries beyond a list
// selects the list's last item, so that a decoded dialog always shows a real choice and its OK
// writes bytes the unit understands.

// "1" to "16" and "All": item i (0 to 15) is the channel byte i, "All" is 7F.
const std::vector<std::string>& channelItems();
inline constexpr int kAllChannelsItem = 16;
Byte channelByte(int item);
// 7F and every byte from 10 up select "All".
int channelItem(Byte b);
// The channel as comments write it, 1 to 16.
int channelNumber(int item);

// "0" to "127", the item being the byte.
const std::vector<std::string>& valueItems();
int valueItem(Byte b);  // clamped to 127

// The 128 note names ("60  - middle C") and the 128 controller names ("64 - Damper pedal
// (sustain)"), item n being number n.
const std::vector<std::string>& noteItems();
const std::vector<std::string>& controllerItems();
// The same lists behind a first item "None", for the optional further events of a dialog.
const std::vector<std::string>& noteItemsWithNone();
const std::vector<std::string>& controllerItemsWithNone();
inline constexpr int kNoneItem = 0;

}  // namespace corlinth
