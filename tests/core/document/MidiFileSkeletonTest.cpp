#include <gtest/gtest.h>

#include "core/document/MidiFileSkeleton.h"

namespace corlinth {
namespace {

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

TEST(MidiFileSkeleton, TrackLengthAndHeadCheck) {
    Bytes file = midiFileHead(0);
    EXPECT_TRUE(midiFile::headMatches(file));
    file.resize(22 + 256, 0x00);
    midiFile::setTrackLength(file);
    EXPECT_EQ(file, [] {
        Bytes expected = midiFileHead(256);
        expected.resize(22 + 256, 0x00);
        return expected;
    }());

    // The track length, the last tempo byte and the notice are not checked; all else is.
    for (std::size_t offset = 0; offset < midiFile::headSize; ++offset) {
        Bytes changed = midiFileHead(0);
        changed[offset] ^= 0x20;
        const bool unchecked = (offset >= 18 && offset < 22) || offset >= 36;
        EXPECT_EQ(midiFile::headMatches(changed), unchecked) << offset;
    }
    Bytes cut = midiFileHead(0);
    cut.resize(35);
    EXPECT_FALSE(midiFile::headMatches(cut));
}

TEST(MidiFileSkeleton, VariableLengthQuantities) {
    struct Case {
        Bytes bytes;
        std::optional<std::uint32_t> value;
        std::size_t end;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{0x00}, 0u, 1},
             {{0x7F, 0x55}, 127u, 1},
             {{0x81, 0x00}, 128u, 2},
             {{0xFF, 0x7F}, 16383u, 2},
             {{0x81, 0x80, 0x00}, 16384u, 3},
             {{0x8F, 0xFF, 0xFF, 0xFF, 0x7F}, 0xFFFFFFFFu, 5},
             {{0x90, 0x80, 0x80, 0x80, 0x00}, std::nullopt, 0},  // more than 32 bits
             {{0x81, 0x81, 0x81, 0x81, 0x81, 0x01}, std::nullopt, 0},
             {{0x81}, std::nullopt, 0},
             {{}, std::nullopt, 0},
         }) {
        std::size_t pos = 0;
        const std::optional<std::uint32_t> value =
            midiFile::readVariableLengthQuantity(c.bytes, pos);
        EXPECT_EQ(value, c.value) << hexLine(c.bytes);
        if (value) {
            EXPECT_EQ(pos, c.end) << hexLine(c.bytes);
            EXPECT_EQ(variableLengthQuantity(*value),
                      Bytes(c.bytes.begin(), c.bytes.begin() + static_cast<long>(c.end)));
        }
    }
}

TEST(MidiFileSkeleton, CommentsInTheFile) {
    struct Case {
        const char* document;  // UTF-8
        const char* file;      // the bytes written
        const char* readBack;  // UTF-8
    };
    for (const Case& c : std::initializer_list<Case>{
             {"plain\r\ntext", "plain\r\ntext", "plain\r\ntext"},
             {"lone\nbreaks\rmended", "lone\r\nbreaks\r\nmended", "lone\r\nbreaks\r\nmended"},
             // Code page 1252 where every character has a byte there, UTF-8 where not.
             {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC"},
             {"\xE2\x9C\x93 and \xC3\xA9", "\xE2\x9C\x93 and \xC3\xA9",
              "\xE2\x9C\x93 and \xC3\xA9"},
         }) {
        const std::string written = midiFile::commentsToFileBytes(c.document);
        EXPECT_EQ(written, c.file) << c.document;
        EXPECT_EQ(midiFile::commentsFromFileBytes(bytesOf(written)), c.readBack) << c.document;
    }
    // Reading drops CR bytes and starts a line at every LF; bytes that are not UTF-8 are
    // code page 1252.
    EXPECT_EQ(midiFile::commentsFromFileBytes(bytesOf("a\rb\nc\r\n\r\nd")), "ab\r\nc\r\n\r\nd");
    EXPECT_EQ(midiFile::commentsFromFileBytes(bytesOf("\x93quoted\x94")),
              "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(midiFile::commentsFromFileBytes(bytesOf("\xE2\x9C\x93")), "\xE2\x9C\x93");
}

}  // namespace
}  // namespace corlinth
