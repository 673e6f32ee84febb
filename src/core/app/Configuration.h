#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corlinth {

// What the start-up learns from config.ini.
enum class ConfigurationState {
    Absent = 0,       // no file, or it was written by another version: first run
    BadChecksum = 1,  // the file is there but does not check out: first run as well
    Valid = 2,
};

struct ConfigurationReading {
    ConfigurationState state = ConfigurationState::Absent;
    // The lines as the selection window keeps them: unscrambled, the version key labelled.
    std::vector<std::string> shownLines;
};

namespace configuration {
inline constexpr std::string_view fileName = "config.ini";
inline constexpr std::string_view title = "Quarnell Corlinth Configuration File";
inline constexpr std::string_view versionKey = "0001";
inline constexpr std::string_view versionLabel = "VersionSetting";
inline constexpr std::string_view version = "3.0.6";
// Every character between the title and the checksum is stored XOR this byte. The value keeps
// each scrambled character of the key and the version printable, so no CR or LF appears.
inline constexpr std::uint8_t scrambleMask = 0x55;
// Below this much free space on the drive the file is not written at all.
inline constexpr std::uint64_t minimumFreeSpace = 500000;
}  // namespace configuration

// Reads the bytes of a config.ini. Lines end in CR LF, LF or CR, as a string list loads them.
ConfigurationReading readConfiguration(std::string_view fileBytes);

// The complete file the first run writes: title, scrambled key and version, checksum, CR LF.
std::string configurationFileBytes();

// The checksum character over the lines that precede it, taken as they stand in the file.
char configurationChecksum(const std::vector<std::string>& lines);

std::string scrambleConfigurationLine(std::string_view line);

}  // namespace corlinth
