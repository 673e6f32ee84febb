#pragma once

#include "core/document/Bytes.h"

namespace corlinth {

// The velocity unit's messages. Channels are 1..16; the control-change channel is 0..15 or
// `ccChannelAll`.
inline constexpr int ccChannelAll = 16;

// F0 00 00 50 09 00 F7, which opens every programming pass.
Bytes velocityStartMessage();
// F0 00 00 50 09 01 c n F7: curve c (0 the user curve, 1..40 a preset) on channel n + 1.
Bytes curveAssignmentMessage(int curve, int channel);
// F0 00 00 50 09 03 k o h F7: velocities from controller k plus offset o on channel h
// (7F for all channels). `ccNumber` is the controller number + 1, as the document keeps it.
Bytes controlChangeAssignmentMessage(int ccNumber, int ccOffset, int ccChannel);
// F0 00 00 50 09 02 F7, announcing the 127 points of the user curve.
Bytes userCurveFollowsMessage();
// B0 00 v: one point of the user curve, control change 0 on channel 1.
Bytes userCurvePointMessage(int value);

}  // namespace corlinth
