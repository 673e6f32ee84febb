#include <gtest/gtest.h>

#include "core/document/MidiFileSkeleton.h"

namespace corlinth {
namespace {

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

TEST(MidiFileSkeleton, HeadAndTrackLength) {
    EXPECT_EQ(midifile::copyrightNotice().size(), 28u);
    Bytes file = midifile::head();
    ASSERT_EQ(file.size(), midifile::headSize);
    EXPECT_TRUE(midifile::headMatches(file));
    file.resize(22 + 256, 0x00);
    midifile::setTrackLength(file);
    EXPECT_EQ(hexLine(Bytes(file.begin() + 18, file.begin() + 22)), "00 00 01 00");

    // Another notice length, as the text documents' export may write it.
    const Bytes other = midifile::head("(c)");
    EXPECT_EQ(hexLine(Bytes(other.begin() + 37, other.end())), "00 FF 02 03 28 63 29");
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
            midifile::readVariableLengthQuantity(c.bytes, pos);
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
        const std::string written = midifile::commentsToFileBytes(c.document);
        EXPECT_EQ(written, c.file) << c.document;
        EXPECT_EQ(midifile::commentsFromFileBytes(bytesOf(written)), c.readBack) << c.document;
    }
    // Reading drops CR bytes and starts a line at every LF; bytes that are not UTF-8 are
    // code page 1252.
    EXPECT_EQ(midifile::commentsFromFileBytes(bytesOf("a\rb\nc\r\n\r\nd")), "ab\r\nc\r\n\r\nd");
    EXPECT_EQ(midifile::commentsFromFileBytes(bytesOf("\x93quoted\x94")),
              "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(midifile::commentsFromFileBytes(bytesOf("\xE2\x9C\x93")), "\xE2\x9C\x93");
}

}  // namespace
}  // namespace corlinth
