#include <gtest/gtest.h>

#include "core/document/MidiFileSkeleton.h"
#include "core/products/routing/RouteFile.h"

namespace corlinth {
namespace {

constexpr const char* kHead =
    "4D 54 68 64 00 00 00 06 00 00 00 01 00 60 4D 54 72 6B";  // the track length follows
constexpr const char* kMeter =
    "00 FF 58 04 04 02 18 08 00 FF 51 03 07 A1 20 00 FF 02 1C "
    "43 6F 70 79 72 69 67 68 74 20 51 75 61 72 6E 65 6C 6C 20 43 6F 72 6C 69 6E 74 68 2E";

std::uint32_t trackLength(const Bytes& file) {
    return (std::uint32_t{file[18]} << 24) | (std::uint32_t{file[19]} << 16) |
           (std::uint32_t{file[20]} << 8) | file[21];
}

// The bytes after the head and the comments.
std::string events(const Bytes& file, std::size_t commentsEventSize = 0) {
    return hexLine(
        Bytes(file.begin() + 69 + static_cast<std::ptrdiff_t>(commentsEventSize), file.end()));
}

RouteFileContents withPriorities(std::initializer_list<int> priorities) {
    RouteFileContents contents;
    for (const int p : priorities) {
        contents.byPriority[static_cast<std::size_t>(p - 1)] =
            RouteSetting{1, p - 1, p - 1, 3, 0, 127};
    }
    return contents;
}

TEST(RouteFile, WritesTheWholeFile) {
    RouteFileContents contents;
    contents.byPriority[0] = RouteSetting{9, 0, 9, 3, 97, 127};
    contents.byPriority[9] = RouteSetting{3, 127, 127, 0, 123, 123};
    const Bytes file = writeRouteFile(contents);
    EXPECT_EQ(hexLine(Bytes(file.begin(), file.begin() + 18)), kHead);
    EXPECT_EQ(hexLine(Bytes(file.begin() + 22, file.begin() + 69)), kMeter);
    EXPECT_EQ(events(file),
              "02 B0 40 00 02 F0 06 00 00 50 01 00 F7 "
              "02 F0 0C 00 00 50 01 02 02 7F 7B 7B 7F 00 F7 "
              "12 F0 0C 00 00 50 01 02 08 00 61 7F 09 03 F7 "
              "00 FF 2F 00");
    EXPECT_EQ(trackLength(file), 64u + 2 * 15);
    EXPECT_EQ(file.size(), trackLength(file) + 22);
}

TEST(RouteFile, DeltasCountTheEmptyPrioritiesPassed) {
    const Bytes onlyFirst = writeRouteFile(withPriorities({1}));
    EXPECT_EQ(events(onlyFirst),
              "02 B0 40 00 02 F0 06 00 00 50 01 00 F7 "
              "14 F0 0C 00 00 50 01 02 00 00 00 7F 00 03 F7 00 FF 2F 00");

    // Priorities 9 down to 1: the first group (after the header, at 13) passes the empty
    // priority 10; the other eight follow one another.
    const Bytes nine = writeRouteFile(withPriorities({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(nine.size(), 69u + 13 + 9 * 15 + 4);
    for (std::size_t group = 0; group < 9; ++group) {
        const Byte delta = nine[69 + 13 + 15 * group];
        EXPECT_EQ(delta, group == 0 ? 0x04 : 0x02) << group;
        EXPECT_EQ(nine[69 + 13 + 15 * group + 9], 8 - group);  // its input channel
    }
    EXPECT_EQ(trackLength(nine), 64u + 9 * 15);
}

TEST(RouteFile, CommentsLengthAndTrackLength) {
    struct Case {
        std::size_t length;
        const char* lengthBytes;
        std::uint32_t extra;  // the comments' share of the track length
    };
    for (const Case& c : std::initializer_list<Case>{{1, "01", 5},
                                                     {127, "7F", 131},
                                                     {128, "81 00", 133},
                                                     {16383, "FF 7F", 16388},
                                                     {16384, "81 80 00", 16390}}) {
        RouteFileContents contents;
        contents.comments = std::string(c.length, 'x');
        contents.ignorePriority = true;
        const Bytes file = writeRouteFile(contents);
        const std::string lengthBytes(c.lengthBytes);
        const std::size_t n = (lengthBytes.size() + 1) / 3;
        EXPECT_EQ(hexLine(Bytes(file.begin() + 69, file.begin() + 72 + static_cast<long>(n))),
                  "00 FF 01 " + lengthBytes)
            << c.length;
        EXPECT_EQ(trackLength(file), 64 + 1 + c.extra) << c.length;
        EXPECT_EQ(file.size(), trackLength(file) + 22);
        const std::optional<RouteFileContents> back = readRouteFile(file);
        ASSERT_TRUE(back) << c.length;
        EXPECT_EQ(*back, contents);
    }
}

TEST(RouteFile, RoundTripOfEveryDataType) {
    RouteFileContents contents;
    contents.byPriority = {
        RouteSetting{1, 0, 1, 1, 0, 59},     RouteSetting{2, 127, 127, 2, 60, 60},
        RouteSetting{3, 5, 5, 0, 123, 123},  RouteSetting{4, 15, 0, 3, 0, 127},
        RouteSetting{5, 127, 3, 1, 10, 20},  RouteSetting{6, 1, 1, 2, 64, 127},
        RouteSetting{7, 2, 2, 1, 0, 1},      RouteSetting{8, 0, 0, 3, 3, 7},
        RouteSetting{9, 127, 9, 3, 97, 127}, RouteSetting{},
    };
    contents.ignorePriority = true;
    contents.comments = "First line\r\n\tsecond line, caf\xC3\xA9\r\n";
    const Bytes file = writeRouteFile(contents);
    const std::optional<RouteFileContents> back = readRouteFile(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, contents);

    contents.ignorePriority = false;
    contents.comments.clear();
    const Bytes plain = writeRouteFile(contents);
    EXPECT_EQ(plain[69], 0x02);  // no Text event for empty comments
    EXPECT_EQ(readRouteFile(plain), contents);
}

// A file written from known contents, then changed at one offset.
struct Damage {
    const char* what;
    std::size_t offset;  // from the first byte after the head (69)
    Byte value;
};

TEST(RouteFile, RefusesFilesThatFailACheck) {
    RouteFileContents contents;
    contents.byPriority[9] = RouteSetting{7, 0, 0, 3, 0, 5};
    contents.byPriority[0] = RouteSetting{1, 0, 0, 3, 10, 20};
    const Bytes good = writeRouteFile(contents);
    ASSERT_TRUE(readRouteFile(good));
    // Events after the head: 02 B0 40 00 | 02 F0 06 00 00 50 01 00 F7 | the priority-10 group
    // at 13 | the priority-1 group at 28 | 00 FF 2F 00 at 43.
    for (const Damage& d : std::initializer_list<Damage>{
             {"high range byte below the low one", 28 + 11, 0x09},
             {"kind range past the channel kinds", 13 + 11, 0x06},
             {"range byte with the top bit set", 28 + 11, 0x80},
             {"type byte 09", 28 + 8, 0x09},
             {"input channel 10 hex", 28 + 9, 0x10},
             {"output channel 10 hex", 28 + 12, 0x10},
             {"output select 04", 28 + 13, 0x04},
             {"no F7 after a setting", 28 + 14, 0x00},
             {"setting group not F0 0C", 28 + 2, 0x0B},
             {"wrong device", 28 + 6, 0x02},
             {"delta past priority 1", 28, 0x16},
             {"delta 0 before the first group, above priority 10", 13, 0x00},
             {"no 02 before the header", 0, 0x03},
             {"header length 08", 6, 0x08},
             {"header not the header", 11, 0x01},
             {"End of Track broken", 45, 0x2E},
             {"not MThd", static_cast<std::size_t>(-69), 0x00},
             {"not 96 ticks", static_cast<std::size_t>(-69 + 13), 0x61},
             {"not 4/4", static_cast<std::size_t>(-69 + 26), 0x03},
             {"tempo not 500000", static_cast<std::size_t>(-69 + 35), 0xA2},
         }) {
        Bytes file = good;
        file[69 + d.offset] = d.value;
        EXPECT_FALSE(readRouteFile(file)) << d.what;
    }
}

TEST(RouteFile, RefusesShortAndOverlongFiles) {
    const Bytes good = writeRouteFile(withPriorities({3}));
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_FALSE(readRouteFile(Bytes(good.begin(), good.begin() + static_cast<long>(size))))
            << size;
    }
    Bytes longer = good;
    longer.insert(longer.end() - 4, 0x00);
    EXPECT_FALSE(readRouteFile(longer));

    // A comment whose length runs past the end of the file.
    Bytes comment = midiFileHead(0);
    comment.insert(comment.end(), {0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 0x41});
    EXPECT_FALSE(readRouteFile(comment));
}

TEST(RouteFile, AcceptsWhatTheFormatAllows) {
    RouteFileContents contents;
    contents.byPriority[4] = RouteSetting{1, 0, 0, 3, 0, 127};
    Bytes file = writeRouteFile(contents);
    const std::size_t group = 69 + 13;

    // Without the sustain-off group before the header.
    Bytes noSustain = file;
    noSustain.erase(noSustain.begin() + 70, noSustain.begin() + 74);
    EXPECT_EQ(readRouteFile(noSustain), contents);

    // A delta of 0 keeps the priority: the later group replaces the earlier one.
    Bytes twice = file;
    Bytes second(file.begin() + group, file.begin() + group + 15);
    second[0] = 0x00;
    second[10] = 0x40;  // range 64..127
    twice.insert(twice.begin() + group + 15, second.begin(), second.end());
    const std::optional<RouteFileContents> replaced = readRouteFile(twice);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->byPriority[4].rangeLow, 64);

    // An odd delta counts as the next even one: 11 lowers the counter by 6.
    file[group] = 0x0B;
    const std::optional<RouteFileContents> odd = readRouteFile(file);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->byPriority[4].dataType, 1);

    // Zero bytes before the comments, any meta type, CR bytes dropped, LF starting lines.
    Bytes comments = midiFileHead(0);
    comments.insert(comments.end(), {0x00, 0x00, 0xFF, 0x7F, 0x05, 'a', '\r', '\n', '\n', 'b'});
    comments.insert(comments.end(), file.begin() + 69, file.end());
    const std::optional<RouteFileContents> read = readRouteFile(comments);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->comments, "a\r\n\r\nb");
}

}  // namespace
}  // namespace corlinth
