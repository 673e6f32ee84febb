#include "core/document/MidiFileSkeleton.h"

#include <limits>
#include <stdexcept>

#include "core/document/Utf8.h"

namespace corlinth {

Bytes midiFileHead(std::uint32_t trackLength) {
    Bytes head;
    head.reserve(midiFile::headSize);
    head.insert(head.end(), {'M', 'T', 'h', 'd', 0x00, 0x00, 0x00, 0x06,  // header chunk
                             0x00, 0x00,                                  // format 0
                             0x00, 0x01,                                  // one track
                             0x00, 0x60,                                  // 96 ticks a quarter
                             'M', 'T', 'r', 'k'});
    for (int shift = 24; shift >= 0; shift -= 8) {
        head.push_back(static_cast<Byte>(trackLength >> shift));
    }
    // time signature 4/4, 24 MIDI clocks a click, 8 thirty-second notes a quarter note
    head.insert(head.end(), {0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08});
    // tempo 500000 microseconds a quarter note: 120 beats a minute
    head.insert(head.end(), {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    head.insert(head.end(), {0x00, 0xFF, 0x02, static_cast<Byte>(midiFile::notice.size())});
    for (char c : midiFile::notice) {
        head.push_back(static_cast<Byte>(c));
    }
    return head;
}

namespace midiFile {
namespace {

// The bytes a structured document's reader checks at offsets 0..17 and 22..35.
constexpr std::size_t kCheckedMeterOffset = trackLengthOffset + 4;
constexpr std::size_t kCheckedMeterSize = 14;

std::string normalizedLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace

void setTrackLength(Bytes& file) {
    constexpr std::size_t dataOffset = trackLengthOffset + 4;
    if (file.size() < dataOffset) {
        throw std::logic_error("a MIDI file shorter than its head");
    }
    const std::size_t length = file.size() - dataOffset;
    if (length > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a MIDI track longer than its length field can say");
    }
    for (std::size_t i = 0; i < 4; ++i) {
        file[trackLengthOffset + i] = static_cast<Byte>(length >> (8 * (3 - i)));
    }
}

void appendTextEvent(Bytes& file, std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a text longer than a MIDI file can hold");
    }
    file.insert(file.end(), {0x00, 0xFF, 0x01});
    const Bytes length = variableLengthQuantity(static_cast<std::uint32_t>(bytes.size()));
    file.insert(file.end(), length.begin(), length.end());
    file.insert(file.end(), bytes.begin(), bytes.end());
}

bool headMatches(std::span<const Byte> file) {
    if (file.size() < kCheckedMeterOffset + kCheckedMeterSize) {
        return false;
    }
    const Bytes head = midiFileHead(0);
    return std::equal(head.begin(), head.begin() + trackLengthOffset, file.begin()) &&
           std::equal(head.begin() + kCheckedMeterOffset,
                      head.begin() + kCheckedMeterOffset + kCheckedMeterSize,
                      file.begin() + kCheckedMeterOffset);
}

std::optional<std::uint32_t> readVariableLengthQuantity(std::span<const Byte> file,
                                                        std::size_t& pos) {
    std::uint32_t value = 0;
    for (int count = 0; count < 5; ++count) {
        if (pos >= file.size()) {
            return std::nullopt;
        }
        if (value > (std::numeric_limits<std::uint32_t>::max() >> 7)) {
            return std::nullopt;
        }
        const Byte b = file[pos++];
        value = (value << 7) | (b & 0x7Fu);
        if ((b & 0x80) == 0) {
            return value;
        }
    }
    return std::nullopt;
}

std::string commentsToFileBytes(std::string_view utf8Text) {
    const std::string text = normalizedLineBreaks(utf8Text);
    if (!isValidUtf8(text)) {
        return text;
    }
    std::string single;
    single.reserve(text.size());
    for (const char32_t cp : utf8ToCodePoints(text)) {
        const int b = codePointToCp1252(cp);
        if (b < 0) {
            return text;
        }
        single.push_back(static_cast<char>(b));
    }
    return single;
}

std::string commentsFromFileBytes(std::span<const Byte> bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const Byte b : bytes) {
        if (b == '\r') {
            continue;
        }
        if (b == '\n') {
            text += "\r\n";
        } else {
            text.push_back(static_cast<char>(b));
        }
    }
    return isValidUtf8(text) ? text : cp1252ToUtf8(text);
}

std::optional<StructuredFileStart> readStructuredFileStart(std::span<const Byte> file) {
    if (!headMatches(file)) {
        return std::nullopt;
    }
    std::size_t pos = headSize;
    while (pos < file.size() && file[pos] == 0x00) {
        ++pos;
    }
    if (pos >= file.size()) {
        return std::nullopt;
    }
    StructuredFileStart start;
    if (file[pos] == 0xFF) {
        pos += 2;  // FF and the meta event's type, which is not checked
        const std::optional<std::uint32_t> length = readVariableLengthQuantity(file, pos);
        if (!length || *length > file.size() - pos) {
            return std::nullopt;
        }
        start.comments = commentsFromFileBytes(file.subspan(pos, *length));
        pos += *length;
    }
    start.next = pos;
    return start;
}

}  // namespace midiFile
}  // namespace corlinth
