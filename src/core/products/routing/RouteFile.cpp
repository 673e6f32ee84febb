#include "core/products/routing/RouteFile.h"

#include <algorithm>

#include "core/document/ByteReader.h"
#include "core/document/MidiFileSkeleton.h"

namespace corlinth {
namespace {

constexpr std::size_t kEndOfTrackSize = 4;
constexpr std::size_t kSettingEventSize = 15;
constexpr int kPriorityCount = 10;
// Delta 2, control change 64 value 0 on channel 1: sustain off before the unit's messages.
constexpr std::array<Byte, 4> kSustainOff{0x02, 0xB0, 0x40, 0x00};
constexpr std::array<Byte, 5> kHeaderBody{0x00, 0x00, 0x50, 0x01, 0x00};
constexpr std::array<Byte, 7> kSettingStart{0xF0, 0x0C, 0x00, 0x00, 0x50, 0x01, 0x02};

bool isChannelByte(Byte b) {
    return b < 0x10 || b == 0x7F;
}

// One 15-byte setting group, which the caller has made sure is all there; the counter is
// the priority the group lands on.
bool readSettingGroup(ByteReader& in, int& counter, RouteFileContents& contents) {
    const Byte delta = *in.next();
    counter -= (delta + 1) / 2;
    // A first group with a delta of 0 would land above priority 10, where no slot is.
    if (counter <= 0 || counter > kPriorityCount || !in.expect(kSettingStart)) {
        return false;
    }
    const Byte type = *in.next();
    const Byte inputChannel = *in.next();
    const Byte low = *in.next();
    const Byte high = *in.next();
    const Byte outputChannel = *in.next();
    const Byte outputSelect = *in.next();
    if (type >= 0x09 || !isChannelByte(inputChannel) || !isChannelByte(outputChannel) ||
        outputSelect >= 0x04 || !in.expect(0xF7)) {
        return false;
    }
    // A range byte with the top bit set would end the message on its way to the unit.
    if (high < low || high >= 0x80) {
        return false;
    }
    const int dataType = type + 1;
    if (high > rangeMaximum(dataType)) {
        return false;
    }
    contents.byPriority[static_cast<std::size_t>(counter - 1)] =
        RouteSetting{dataType, inputChannel, outputChannel, outputSelect, low, high};
    return true;
}

}  // namespace

Bytes writeRouteFile(const RouteFileContents& contents) {
    Bytes file = midiFileHead(0);
    midiFile::appendTextEvent(file, midiFile::commentsToFileBytes(contents.comments));
    file.insert(file.end(), kSustainOff.begin(), kSustainOff.end());
    const Bytes header = routeHeaderMessage(contents.ignorePriority);
    file.insert(file.end(), {0x02, 0xF0, static_cast<Byte>(header.size() - 1)});
    file.insert(file.end(), header.begin() + 1, header.end());
    Byte delta = 2;
    for (int priority = kPriorityCount; priority >= 1; --priority) {
        const std::optional<Bytes> message =
            routeSettingMessage(contents.byPriority[static_cast<std::size_t>(priority - 1)]);
        if (!message) {
            delta += 2;
            continue;
        }
        file.insert(file.end(), {delta, 0xF0, static_cast<Byte>(message->size() - 1)});
        file.insert(file.end(), message->begin() + 1, message->end());
        delta = 2;
    }
    file.insert(file.end(), midiFile::endOfTrack.begin(), midiFile::endOfTrack.end());
    midiFile::setTrackLength(file);
    return file;
}

std::optional<RouteFileContents> readRouteFile(std::span<const Byte> file) {
    const std::optional<midiFile::StructuredFileStart> start =
        midiFile::readStructuredFileStart(file);
    if (!start || file.size() - start->next < kEndOfTrackSize) {
        return std::nullopt;
    }
    RouteFileContents contents;
    contents.comments = start->comments;

    // Everything before the End of Track, which is checked on its own at the end.
    const std::size_t end = file.size() - kEndOfTrackSize;
    ByteReader in(file, start->next, end);
    if (!in.expect(0x02)) {
        return std::nullopt;
    }
    if (in.peek() == Byte{0xB0} && !in.skip(4)) {
        return std::nullopt;
    }
    if (!in.expect(0xF0)) {
        return std::nullopt;
    }
    const std::optional<Byte> length = in.next();
    if (!length || (*length != 0x06 && *length != 0x07) || !in.expect(kHeaderBody)) {
        return std::nullopt;
    }
    contents.ignorePriority = *length == 0x07;
    if ((contents.ignorePriority && !in.expect(0x01)) || !in.expect(0xF7)) {
        return std::nullopt;
    }

    int counter = kPriorityCount + 1;
    while (in.remaining() > 0) {
        if (in.remaining() < kSettingEventSize || !readSettingGroup(in, counter, contents)) {
            return std::nullopt;
        }
    }
    constexpr std::array<Byte, 4> kEndOfTrack{0x00, 0xFF, 0x2F, 0x00};
    if (!std::equal(kEndOfTrack.begin(), kEndOfTrack.end(), file.begin() + end)) {
        return std::nullopt;
    }
    return contents;
}

}  // namespace corlinth
