#include <gtest/gtest.h>

#include "core/products/common/SysexEntry.h"

namespace corlinth {
namespace {

struct EntryCase {
    std::string typed;
    std::string normalised;
    bool valid;
    std::string warning;  // for an invalid entry
};

TEST(SysexEntry, NormalisesAndTestsTheEntry) {
    const std::string twenty =
        "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 F7";  // 59 characters
    const std::string twentyOne = "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 F7";
    const std::string tooLong = "Maximum length of System Exclusive message is 20 bytes.";
    const std::string invalid = "Invalid System Exclusive message.";
    for (const EntryCase& c : std::initializer_list<EntryCase>{
             {"f0  7f   01 f7  ", "F0 7F 01 F7", true, ""},
             {"FO 00 F7", "F0 00 F7", true, ""},
             {"fo 7f o1 f7", "F0 7F 01 F7", true, ""},
             {"F0 80 F7", "F0 80 F7", false, invalid},
             {"F0 7F 7F F7", "F0 7F 7F F7", true, ""},
             {"F0 F7", "F0 F7", false, invalid},
             {"F0 00 F7", "F0 00 F7", true, ""},
             {"F0 0 F7", "F0 0 F7", false, invalid},
             {"F0 000 F7", "F0 000 F7", false, invalid},
             {"F0 00 0G F7", "F0 00 0G F7", false, invalid},
             {"F1 00 F7", "F1 00 F7", false, invalid},
             {"F0 00 F6", "F0 00 F6", false, invalid},
             {"F000 F7", "F000 F7", false, invalid},
             {"F0 00F7", "F0 00F7", false, invalid},
             {" F0 00 F7", " F0 00 F7", false, invalid},
             {"   ", "", false, invalid},
             {twenty, twenty, true, ""},
             {twentyOne, twentyOne, false, tooLong},
             // A too-long entry reports the length even when it is malformed as well.
             {twentyOne + " 80", twentyOne + " 80", false, tooLong},
         }) {
        std::string text = c.typed;
        const SysexEntryResult result = systest(text);
        EXPECT_EQ(text, c.normalised) << '"' << c.typed << '"';
        EXPECT_EQ(result.valid, c.valid) << '"' << c.typed << '"';
        if (!c.valid) {
            EXPECT_EQ(sysexEntryWarning(result), c.warning) << '"' << c.typed << '"';
        }
    }
}

TEST(SysexEntry, AcceptsExactlyThreeToTwentyBytesOfThreeCharactersLessOne) {
    std::string message = "F0";
    for (int bytes = 3; bytes <= 21; ++bytes) {
        message += " 00";
        std::string text = message + " F7";
        const SysexEntryResult result = systest(text);
        EXPECT_EQ(text.size(), static_cast<std::size_t>(3 * bytes - 1));
        EXPECT_EQ(result.valid, bytes <= 20) << bytes;
        EXPECT_EQ(result.tooLong, bytes > 20) << bytes;
    }
}

TEST(SysexEntry, AnEmptyFieldFailsWithoutATestAndAfterATooLongEntry) {
    std::string tooLong = "F0 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 F7";
    EXPECT_TRUE(checkSysexEntry(tooLong).tooLong);
    std::string empty;
    const SysexEntryResult result = checkSysexEntry(empty);
    EXPECT_FALSE(result.valid);
    EXPECT_EQ(sysexEntryWarning(result), "Invalid System Exclusive message.");

    std::string good = "f0 7f 01 f7";
    EXPECT_TRUE(checkSysexEntry(good).valid);
    EXPECT_EQ(good, "F0 7F 01 F7");
}

}  // namespace
}  // namespace corlinth
