#pragma once

#include <string>
#include <string_view>

namespace corlinth {

// The two platform modes. Mac mode is the program running on macOS under a compatibility
// layer: other folders, fonts, keys and a different way of handing bytes to the port.
enum class PlatformMode { Windows, Mac };

struct FontSpec {
    std::string_view family;
    int pointSize;
    bool bold = false;
};

namespace texts {
inline constexpr std::string_view applicationTitle = "Quarnell Corlinth";
inline constexpr std::string_view version = "3.0.6";
// The warning of every write that finds too little free space on the drive.
inline constexpr std::string_view noSpaceWarning = "Not enough disk space.";
inline constexpr std::string_view editHintWindows = "(right-click to edit) }";
inline constexpr std::string_view editHintMac = "(control-click to edit) }";
// The warning of every editor whose open or import dialog was given a name that is not there.
inline constexpr std::string_view fileDoesNotExist = "File does not exist.";
}  // namespace texts

// The warning shown before a Standard MIDI File is written.
const std::string& smfWarningText();
// The tip shown after the first run has installed the documents.
const std::string& tipText();

std::string_view editHintSuffix(PlatformMode mode);

// Font of the settings documents; in Mac mode also of the texts of messages and windows.
FontSpec editorFont(PlatformMode mode);
FontSpec macMenuFont();
FontSpec macMessageFont();

}  // namespace corlinth
