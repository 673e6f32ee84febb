#include <gtest/gtest.h>

#include "core/app/Configuration.h"

namespace corlinth {
namespace {

std::string scrambled(std::string_view line) {
    return scrambleConfigurationLine(line);
}

// A file of the given lines, each ended by CR LF, with a correct checksum line appended.
std::string fileWithChecksum(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    bytes += std::string(1, configurationChecksum(lines)) + "\r\n";
    return bytes;
}

TEST(Configuration, WrittenFileHasTheFixedLayout) {
    const std::string bytes = configurationFileBytes();
    const std::string title = "Quarnell Corlinth Configuration File";
    const std::string key = scrambled("0001");
    const std::string value = scrambled("3.0.6");
    ASSERT_EQ(bytes.size(), title.size() + key.size() + value.size() + 1 + 4 * 2);
    EXPECT_EQ(bytes.substr(0, title.size() + 2), title + "\r\n");
    EXPECT_EQ(bytes.substr(title.size() + 2, key.size() + 2), key + "\r\n");
    EXPECT_NE(key, "0001");  // really scrambled
    EXPECT_EQ(scrambled(key), "0001");
    unsigned sum = 0;
    for (char c : title + key + value)
        sum += static_cast<unsigned char>(c);
    EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.size() - 3]), sum & 0xFF);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    // The checksum of the file this program writes is an ordinary character.
    EXPECT_NE(bytes[bytes.size() - 3], '\r');
    EXPECT_NE(bytes[bytes.size() - 3], '\n');
}

TEST(Configuration, ReadsBackWhatItWrites) {
    const ConfigurationReading reading = readConfiguration(configurationFileBytes());
    EXPECT_EQ(reading.state, ConfigurationState::Valid);
    ASSERT_EQ(reading.shownLines.size(), 4u);
    EXPECT_EQ(reading.shownLines[1], "0001 - VersionSetting");
    EXPECT_EQ(reading.shownLines[2], "3.0.6");
}

struct ReadCase {
    const char* name;
    std::string bytes;
    ConfigurationState expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ConfigurationReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ConfigurationReadTest, GivesTheState) {
    EXPECT_EQ(readConfiguration(GetParam().bytes).state, GetParam().expected);
}

std::string withChecksumChar(char checksum) {
    // Title, key and value followed by a checksum byte that is itself a line break.
    return "Quarnell Corlinth Configuration File\r\n" + scrambled("0001") + "\r\n" +
           scrambled("3.0.6") + "\r\n" + std::string(1, checksum) + "\r\n";
}

std::string flipped(std::string bytes, std::size_t at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigurationReadTest,
    ::testing::Values(
        ReadCase{"Written", configurationFileBytes(), ConfigurationState::Valid},
        ReadCase{"LfOnlyLineEnds",
                 fileWithChecksum({"Quarnell Corlinth Configuration File", scrambled("0001"),
                                   scrambled("3.0.6")}),
                 ConfigurationState::Valid},
        ReadCase{"OtherVersionCountsAsAbsent",
                 fileWithChecksum({"Quarnell Corlinth Configuration File", scrambled("0001"),
                                   scrambled("3.0.5")}),
                 ConfigurationState::Absent},
        ReadCase{"VersionKeyWithoutValue",
                 fileWithChecksum({"Quarnell Corlinth Configuration File", scrambled("0001")}),
                 ConfigurationState::Absent},
        ReadCase{"OtherKeysAreIgnored",
                 fileWithChecksum({"Quarnell Corlinth Configuration File", scrambled("0002"),
                                   scrambled("x"), scrambled("0001"), scrambled("3.0.6")}),
                 ConfigurationState::Valid},
        ReadCase{"ThreeLinesNoPair",
                 fileWithChecksum({"Quarnell Corlinth Configuration File", "anything"}),
                 ConfigurationState::Valid},
        ReadCase{"TwoLinesNoPair", fileWithChecksum({"Quarnell Corlinth Configuration File"}),
                 ConfigurationState::Valid},
        ReadCase{"ChangedByte", flipped(configurationFileBytes(), 3),
                 ConfigurationState::BadChecksum},
        ReadCase{"ChangedChecksum",
                 flipped(configurationFileBytes(), configurationFileBytes().size() - 3),
                 ConfigurationState::BadChecksum},
        ReadCase{"ChecksumIsLf", withChecksumChar('\n'), ConfigurationState::BadChecksum},
        ReadCase{"ChecksumIsCr", withChecksumChar('\r'), ConfigurationState::BadChecksum},
        ReadCase{"Empty", "", ConfigurationState::BadChecksum},
        ReadCase{"NoLineEnds", "garbage", ConfigurationState::BadChecksum},
        ReadCase{"Binary", std::string("\0\xff\r\n\x80", 5), ConfigurationState::BadChecksum}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corlinth
