#include "core/products/velocity/VelocityFile.h"

#include <algorithm>

#include "core/document/ByteReader.h"
#include "core/document/MidiFileSkeleton.h"
#include "core/products/velocity/UserCurve.h"
#include "core/products/velocity/VelocityMessages.h"

namespace corlinth {
namespace {

constexpr Byte kDelta = 0x02;
constexpr Byte kMaxCurveDelta = 0x08;
constexpr Byte kControlChange = 0xB0;
constexpr std::size_t kMaxAssignments = 16;

// Volume, pan and expression in the middle, reverb and chorus off, on channel 1.
constexpr std::array<std::array<Byte, 2>, 5> kLeadingControllers{
    {{0x07, 0x40}, {0x0A, 0x40}, {0x0B, 0x40}, {0x5B, 0x00}, {0x5D, 0x00}}};

void appendSysex(Bytes& file, const Bytes& message) {
    file.insert(file.end(), {kDelta, 0xF0, static_cast<Byte>(message.size() - 1)});
    file.insert(file.end(), message.begin() + 1, message.end());
}

bool isData(Byte b) {
    return b < 0x80;
}

// The assignments and the control-change assignment, in this order, up to and including
// the message that announces the user curve.
bool readSettings(ByteReader& in, VelocityFileContents& contents) {
    std::size_t assignments = 0;
    bool controlChangeRead = false;
    for (;;) {
        if (!in.expect({kDelta, 0xF0})) {
            return false;
        }
        const std::optional<Byte> length = in.next();
        if (!length || !in.expect({0x00, 0x00, 0x50, 0x09})) {
            return false;
        }
        const std::optional<Byte> command = in.next();
        if (!command) {
            return false;
        }
        if (*length == 0x08 && *command == 0x01 && !controlChangeRead &&
            assignments < kMaxAssignments) {
            const auto curve = in.nextIf([](Byte b) { return b <= curvenumber::lastPreset; });
            const auto channel = in.nextIf([](Byte b) { return b < 0x10; });
            if (!curve || !channel || !in.expect(0xF7)) {
                return false;
            }
            // A later message for the same channel wins, as it would in the unit.
            contents.channelCurve[*channel] = *curve;
            ++assignments;
        } else if (*length == 0x09 && *command == 0x03 && !controlChangeRead) {
            const auto controller = in.nextIf(isData);
            const auto offset = in.nextIf(isData);
            const auto channel = in.nextIf([](Byte b) { return b < 0x10 || b == 0x7F; });
            if (!controller || !offset || !channel || !in.expect(0xF7)) {
                return false;
            }
            contents.ccNumber = *controller + 1;
            contents.ccOffset = *offset;
            contents.ccChannel = *channel == 0x7F ? ccChannelAll : *channel;
            controlChangeRead = true;
        } else if (*length == 0x06 && *command == 0x02) {
            return in.expect(0xF7);
        } else {
            return false;
        }
    }
}

// The user curve's control changes (control change 0 on channel 1, the first with its
// status byte, the rest in running status or with the status repeated), an optional
// sustain-off, and End of Track, which must end the file.
bool readCurve(ByteReader& in, VelocityFileContents& contents) {
    if (!in.expect({kDelta, kControlChange, 0x00})) {
        return false;
    }
    const auto first = in.nextIf(isData);
    if (!first) {
        return false;
    }
    contents.userCurve.set(1, *first);
    int input = 2;
    bool sustainOffRead = false;
    for (;;) {
        if (!in.nextIf([](Byte b) { return b <= kMaxCurveDelta; })) {
            return false;
        }
        const std::optional<Byte> b = in.next();
        if (!b) {
            return false;
        }
        if (*b == 0xFF) {
            return in.expect({0x2F, 0x00}) && in.atEnd();
        }
        if (sustainOffRead) {
            return false;
        }
        std::optional<Byte> controller = b;
        if (*b == kControlChange) {
            controller = in.next();
        }
        if (controller == Byte{0x40} && *b == kControlChange) {
            if (!in.expect(0x00)) {
                return false;
            }
            sustainOffRead = true;
            continue;
        }
        if (controller != Byte{0x00}) {
            return false;
        }
        const auto value = in.nextIf(isData);
        if (!value || input > UserCurve::inputCount) {
            return false;
        }
        contents.userCurve.set(input++, *value);
    }
}

}  // namespace

Bytes writeVelocityFile(const VelocityFileContents& contents) {
    Bytes file = midiFileHead(0);
    midiFile::appendTextEvent(file, midiFile::commentsToFileBytes(contents.comments));
    for (const auto& [controller, value] : kLeadingControllers) {
        file.insert(file.end(), {kDelta, kControlChange, controller, value});
    }
    appendSysex(file, velocityStartMessage());
    for (int channel = 1; channel <= 16; ++channel) {
        const int curve = contents.channelCurve[static_cast<std::size_t>(channel - 1)];
        if (curve != -1) {
            appendSysex(file, curveAssignmentMessage(curve, channel));
        }
    }
    if (contents.ccNumber != 0) {
        appendSysex(file, controlChangeAssignmentMessage(contents.ccNumber, contents.ccOffset,
                                                         contents.ccChannel));
    }
    appendSysex(file, userCurveFollowsMessage());
    file.insert(file.end(),
                {kDelta, kControlChange, 0x00, static_cast<Byte>(contents.userCurve[1])});
    for (int input = 2; input <= UserCurve::inputCount; ++input) {
        file.insert(file.end(), {kDelta, 0x00, static_cast<Byte>(contents.userCurve[input])});
    }
    file.insert(file.end(), {kDelta, kControlChange, 0x40, 0x00});
    file.insert(file.end(), midiFile::endOfTrack.begin(), midiFile::endOfTrack.end());
    midiFile::setTrackLength(file);
    return file;
}

std::optional<VelocityFileContents> readVelocityFile(std::span<const Byte> file) {
    const std::optional<midiFile::StructuredFileStart> start =
        midiFile::readStructuredFileStart(file);
    if (!start) {
        return std::nullopt;
    }
    VelocityFileContents contents;
    contents.comments = start->comments;
    ByteReader in(file, start->next);
    if (!in.expect(kDelta)) {
        return std::nullopt;
    }
    // Older files go straight to the start message; newer ones have the leading controller
    // events, each four bytes with the next event's delta.
    while (in.peek() == kControlChange) {
        if (!in.skip(4)) {
            return std::nullopt;
        }
    }
    if (!in.expect({0xF0, 0x06, 0x00, 0x00, 0x50, 0x09, 0x00, 0xF7}) ||
        !readSettings(in, contents) || !readCurve(in, contents)) {
        return std::nullopt;
    }
    return contents;
}

}  // namespace corlinth
