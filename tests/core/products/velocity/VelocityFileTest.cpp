#include <gtest/gtest.h>

#include "core/document/MidiFileSkeleton.h"
#include "core/document/SettingLine.h"
#include "core/products/velocity/VelocityFile.h"

namespace corlinth {
namespace {

constexpr const char* kControllers = "02 B0 07 40 02 B0 0A 40 02 B0 0B 40 02 B0 5B 00 02 B0 5D 00 ";
constexpr const char* kStart = "02 F0 06 00 00 50 09 00 F7 ";
constexpr const char* kCurveFollows = "02 F0 06 00 00 50 09 02 F7 ";
constexpr const char* kEnd = "02 B0 40 00 00 FF 2F 00";

std::uint32_t trackLength(const Bytes& file) {
    return (std::uint32_t{file[18]} << 24) | (std::uint32_t{file[19]} << 16) |
           (std::uint32_t{file[20]} << 8) | file[21];
}

// A file of the shared head and the events written out in hexadecimal.
Bytes fromEvents(const std::string& events) {
    Bytes file = midiFileHead(0);
    const Bytes body = parseLine(events);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// The straight user curve as the writer puts it: B0 00 01, then running status.
std::string straightCurve(int values = 127) {
    std::string text = "02 B0 00 01 ";
    for (int v = 2; v <= values; ++v) {
        text += "02 00 " + hexByte(static_cast<Byte>(v)) + " ";
    }
    return text;
}

std::string after(const Bytes& file, std::size_t offset) {
    return hexLine(Bytes(file.begin() + static_cast<long>(offset), file.end()));
}

TEST(VelocityFile, WritesTheWholeFile) {
    VelocityFileContents contents;
    contents.channelCurve[0] = 33;
    const Bytes file = writeVelocityFile(contents);
    Bytes expected =
        fromEvents(std::string(kControllers) + kStart + "02 F0 08 00 00 50 09 01 21 00 F7 " +
                   kCurveFollows + straightCurve() + kEnd);
    midiFile::setTrackLength(expected);
    EXPECT_EQ(hexLine(file), hexLine(expected));
    EXPECT_EQ(trackLength(file), 475u + 11);
    EXPECT_EQ(file.size(), trackLength(file) + 22);

    contents.comments = "abc";
    EXPECT_EQ(trackLength(writeVelocityFile(contents)), 475u + 11 + 7);
}

TEST(VelocityFile, ControlChangeAndUserAssignments) {
    VelocityFileContents contents;
    contents.ccNumber = 3;  // controller 2
    contents.ccOffset = 20;
    contents.ccChannel = 16;
    contents.channelCurve[15] = 0;
    const Bytes file = writeVelocityFile(contents);
    EXPECT_EQ(after(file, 69).substr(0, 3 * 20 + 3 * 9 + 3 * 11 + 3 * 12 - 1),
              std::string(kControllers) + kStart + "02 F0 08 00 00 50 09 01 00 0F F7 " +
                  "02 F0 09 00 00 50 09 03 02 14 7F F7");
    EXPECT_EQ(trackLength(file), 475u + 12 + 11);
    EXPECT_EQ(readVelocityFile(file), contents);
}

TEST(VelocityFile, RoundTripOfEverything) {
    VelocityFileContents contents;
    contents.channelCurve = {-1, 0, 1, 40, 23, -1, 9, 33, 2, 3, 4, 5, 6, 7, 8, -1};
    for (int v = 1; v <= 127; ++v) {
        contents.userCurve.set(v, (v * 37) % 128);
    }
    contents.userCurve.set(5, 0);
    contents.ccNumber = 128;
    contents.ccOffset = 127;
    contents.ccChannel = 15;
    contents.comments = std::string(200, 'c') + "\r\n\xE2\x82\xAC and \xE2\x9C\x93";
    const std::optional<VelocityFileContents> back = readVelocityFile(writeVelocityFile(contents));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, contents);
}

TEST(VelocityFile, ReadsWhatOlderAndOtherWritersLeave) {
    struct Case {
        const char* what;
        std::string events;
    };
    const std::string assignment = "02 F0 08 00 00 50 09 01 05 02 F7 ";
    for (const Case& c : std::initializer_list<Case>{
             {"without the five controller events",
              "02 F0 06 00 00 50 09 00 F7 " + assignment + kCurveFollows + straightCurve() + kEnd},
             {"with only two controller events", "02 B0 07 40 02 B0 0A 40 " + std::string(kStart) +
                                                     assignment + kCurveFollows + straightCurve() +
                                                     kEnd},
             {"without the closing sustain-off", kControllers + std::string(kStart) + assignment +
                                                     kCurveFollows + straightCurve() +
                                                     "00 FF 2F 00"},
             {"with the status byte repeated and longer deltas",
              kControllers + std::string(kStart) + assignment + kCurveFollows +
                  "02 B0 00 01 08 B0 00 02 " + straightCurve().substr(21) + kEnd},
             {"with a later assignment for the same channel",
              kControllers + std::string(kStart) + "02 F0 08 00 00 50 09 01 27 02 F7 " +
                  assignment + kCurveFollows + straightCurve() + kEnd},
         }) {
        const std::optional<VelocityFileContents> read = readVelocityFile(fromEvents(c.events));
        ASSERT_TRUE(read) << c.what;
        VelocityFileContents expected;
        expected.channelCurve[2] = 5;
        EXPECT_EQ(*read, expected) << c.what;
    }

    // Fewer than 127 values: the rest keep the straight line.
    VelocityFileContents expected;
    expected.userCurve.set(1, 9);
    const std::optional<VelocityFileContents> few = readVelocityFile(
        fromEvents(kControllers + std::string(kStart) + kCurveFollows + "02 B0 00 09 " + kEnd));
    ASSERT_TRUE(few);
    EXPECT_EQ(*few, expected);
}

TEST(VelocityFile, RefusesFilesThatFailACheck) {
    const std::string head = std::string(kControllers) + kStart;
    std::string sixteen;
    for (int channel = 0; channel < 16; ++channel) {
        sixteen += "02 F0 08 00 00 50 09 01 01 " + hexByte(static_cast<Byte>(channel)) + " F7 ";
    }
    const std::string cc = "02 F0 09 00 00 50 09 03 02 14 7F F7 ";
    struct Case {
        const char* what;
        std::string events;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"curve byte 41",
              head + "02 F0 08 00 00 50 09 01 29 00 F7 " + kCurveFollows + straightCurve() + kEnd},
             {"channel byte 10 hex",
              head + "02 F0 08 00 00 50 09 01 01 10 F7 " + kCurveFollows + straightCurve() + kEnd},
             {"assignment without F7",
              head + "02 F0 08 00 00 50 09 01 01 00 F6 " + kCurveFollows + straightCurve() + kEnd},
             {"seventeen assignments", head + sixteen + "02 F0 08 00 00 50 09 01 01 00 F7 " +
                                           kCurveFollows + straightCurve() + kEnd},
             {"an assignment after the control change", head + cc +
                                                            "02 F0 08 00 00 50 09 01 01 00 F7 " +
                                                            kCurveFollows + straightCurve() + kEnd},
             {"two control changes", head + cc + cc + kCurveFollows + straightCurve() + kEnd},
             {"control change channel 10 hex", head + "02 F0 09 00 00 50 09 03 02 14 10 F7 " +
                                                   kCurveFollows + straightCurve() + kEnd},
             {"controller 80 hex", head + "02 F0 09 00 00 50 09 03 80 14 7F F7 " + kCurveFollows +
                                       straightCurve() + kEnd},
             {"wrong device",
              head + "02 F0 08 00 00 50 01 01 01 00 F7 " + kCurveFollows + straightCurve() + kEnd},
             {"length byte not 08 for an assignment",
              head + "02 F0 07 00 00 50 09 01 01 00 F7 " + kCurveFollows + straightCurve() + kEnd},
             {"assignment with a delta of 04",
              head + "04 F0 08 00 00 50 09 01 01 00 F7 " + kCurveFollows + straightCurve() + kEnd},
             {"no user curve message", head + straightCurve() + kEnd},
             {"no start message",
              std::string(kControllers) + kCurveFollows + straightCurve() + kEnd},
             {"no curve values", head + kCurveFollows + "00 FF 2F 00"},
             {"a curve value of 80 hex", head + kCurveFollows + "02 B0 00 80 " + kEnd},
             {"a curve delta of 9", head + kCurveFollows + "02 B0 00 01 09 00 02 " + kEnd},
             {"a curve event of another controller",
              head + kCurveFollows + "02 B0 00 01 02 01 02 " + kEnd},
             {"a note among the curve values",
              head + kCurveFollows + "02 B0 00 01 02 90 3C 40 " + kEnd},
             {"128 curve values", head + kCurveFollows + straightCurve() + "02 00 7F " + kEnd},
             {"values after the sustain-off",
              head + kCurveFollows + "02 B0 00 01 02 B0 40 00 02 00 02 00 FF 2F 00"},
             {"bytes after End of Track", head + kCurveFollows + straightCurve() + kEnd + " 00"},
             {"no End of Track", head + kCurveFollows + straightCurve() + "02 B0 40 00"},
         }) {
        EXPECT_FALSE(readVelocityFile(fromEvents(c.events))) << c.what;
    }
}

TEST(VelocityFile, RefusesEveryTruncationAndABrokenHead) {
    VelocityFileContents contents;
    contents.channelCurve[3] = 12;
    contents.ccNumber = 1;
    contents.comments = "notes";
    const Bytes good = writeVelocityFile(contents);
    ASSERT_EQ(readVelocityFile(good), contents);
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_FALSE(readVelocityFile(Bytes(good.begin(), good.begin() + static_cast<long>(size))))
            << size;
    }
    for (const std::size_t offset : {0u, 9u, 13u, 17u, 22u, 30u, 35u}) {
        Bytes broken = good;
        broken[offset] ^= 0x01;
        EXPECT_FALSE(readVelocityFile(broken)) << offset;
    }
    // The track length, the last tempo byte and the notice are not checked.
    Bytes lenient = good;
    for (const std::size_t offset : {18u, 21u, 36u, 41u, 68u}) {
        lenient[offset] ^= 0x01;
    }
    EXPECT_EQ(readVelocityFile(lenient), contents);
}

}  // namespace
}  // namespace corlinth
