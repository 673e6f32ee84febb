#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/document/Bytes.h"
#include "core/products/velocity/UserCurve.h"

namespace corlinth {

// What a velocity document file holds.
struct VelocityFileContents {
    std::array<int, 16> channelCurve{-1, -1, -1, -1, -1, -1, -1, -1,
                                     -1, -1, -1, -1, -1, -1, -1, -1};  // channel n at n - 1
    UserCurve userCurve;
    int ccNumber = 0;  // 0 for none, else the controller number + 1
    int ccOffset = 0;
    int ccChannel = 0;  // 0..15, or 16 for all channels
    std::string comments;

    bool operator==(const VelocityFileContents&) const = default;
};

// The whole file: the shared MIDI-file head, the comments as a Text event, the controller
// events a player expects at the start (volume, pan, expression, reverb, chorus), the
// start message, the assignments of the channels that have a curve, the control-change
// assignment when there is one, the user curve as 127 control changes in running status, a
// sustain-off and End of Track. The save's free-space check wants the track length + 24,
// the file's size + 2.
Bytes writeVelocityFile(const VelocityFileContents& contents);

// The file read back, or nullopt ("Not a valid Ombrel file.") when a check fails. Files
// without the leading controller events (older ones) and with fewer than 127 curve values
// are read; a value missing keeps the straight line. A file with more than 127 curve values
// is refused: it was not written by this format's writer, and keeping part of it would open
// a curve other than the one it holds.
std::optional<VelocityFileContents> readVelocityFile(std::span<const Byte> file);

}  // namespace corlinth
