#include <gtest/gtest.h>

#include "core/app/DocumentPaths.h"
#include "core/app/FixedTexts.h"

namespace corlinth {
namespace {

TEST(FixedTexts, SmfWarningKeepsItsLinesAndTrailingSpaces) {
    const std::string expected =
        "Playing a generated standard MIDI file into a Quarnell product may not always result in "
        "successful programming of the device.     \r\n"
        "\r\n"
        "Many of the MIDI file players we have tested do not recognize MIDI System Exclusive "
        "events, eliminate pauses between MIDI events \r\n"
        "in the file, add extra MIDI events, or eliminate redundant MIDI events, resulting in "
        "programming errors. This option is provided for\r\n"
        "experienced users only.\r\n"
        "\r\n"
        "The recommended method of programming the Quarnell products is from the Program menu.\r\n"
        "\r\n"
        "Proceed anyway?";
    EXPECT_EQ(smfWarningText(), expected);
}

TEST(FixedTexts, TipKeepsItsLinesAndTrailingSpaces) {
    EXPECT_EQ(tipText(),
              "Tip:     \r\n\r\nAn easy way to become familiar with the capabilities of the "
              "Corlinth software is by viewing the example files. \r\n\r\nClick File|Open after "
              "selecting product.");
}

TEST(FixedTexts, ModeDependentTextsAndFonts) {
    EXPECT_EQ(editHintSuffix(PlatformMode::Windows), "(right-click to edit) }");
    EXPECT_EQ(editHintSuffix(PlatformMode::Mac), "(control-click to edit) }");
    EXPECT_EQ(editorFont(PlatformMode::Windows).family, "Tahoma");
    EXPECT_EQ(editorFont(PlatformMode::Windows).pointSize, 9);
    EXPECT_EQ(editorFont(PlatformMode::Mac).family, "Arial");
    EXPECT_EQ(editorFont(PlatformMode::Mac).pointSize, 10);
    EXPECT_TRUE(macMenuFont().bold);
}

struct RootCase {
    const char* input;
    const char* expected;
};

TEST(DocumentPaths, WindowsModeRootHasNoTrailingSeparator) {
    for (const RootCase& c : std::initializer_list<RootCase>{
             {"C:\\", "C:"},
             {"C:\\Program Files\\Corlinth\\", "C:\\Program Files\\Corlinth"},
             {"C:\\Corlinth", "C:\\Corlinth"},
             {"/", ""},
             {"/home/musician/corlinth/", "/home/musician/corlinth"},
             {"/home/musician", "/home/musician"}}) {
        EXPECT_EQ(documentsRootWindowsMode(c.input), c.expected) << c.input;
    }
}

TEST(DocumentPaths, JoinsWindowsStyleNamesNatively) {
    EXPECT_EQ(joinDocumentPath("/home/m", "\\Pirrow", '/'), "/home/m/Pirrow");
    EXPECT_EQ(joinDocumentPath("", "\\Pirrow", '/'), "/Pirrow");  // the root "/" made ""
    EXPECT_EQ(joinDocumentPath("C:", "\\Pirrow", '\\'), "C:\\Pirrow");
    EXPECT_EQ(joinDocumentPath("/d/Pirrow/", "\\Example (Sustain message).rtf", '/'),
              "/d/Pirrow/Example (Sustain message).rtf");
    EXPECT_EQ(joinDocumentPath("/d", "\\a\\b.rtf", '/'), "/d/a/b.rtf");
}

TEST(DocumentPaths, MacModeRootAndUserName) {
    EXPECT_EQ(documentsRootMacMode("/Users/ann/Documents"), "/Users/ann/Documents/Quarnell");
    EXPECT_EQ(documentsRootMacMode("/Users/ann/Documents/"), "/Users/ann/Documents/Quarnell");
    EXPECT_EQ(userNameOrDefault(""), "Quarnell");
    EXPECT_EQ(userNameOrDefault("ann"), "ann");
    EXPECT_EQ(userNameOrDefault(std::string(300, 'x')).size(), 255u);
}

}  // namespace
}  // namespace corlinth
