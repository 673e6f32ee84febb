#include "core/app/Configuration.h"

namespace corlinth {
namespace {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // something since the last line end
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending) {
        lines.push_back(current);
    }
    return lines;
}

}  // namespace

std::string scrambleConfigurationLine(std::string_view line) {
    std::string out(line);
    for (char& c : out) {
        c = static_cast<char>(static_cast<std::uint8_t>(c) ^ configuration::scrambleMask);
    }
    return out;
}

char configurationChecksum(const std::vector<std::string>& lines) {
    unsigned sum = 0;
    for (const std::string& line : lines) {
        for (char c : line) {
            sum += static_cast<std::uint8_t>(c);
        }
    }
    return static_cast<char>(sum & 0xFF);
}

ConfigurationReading readConfiguration(std::string_view fileBytes) {
    ConfigurationReading reading;
    reading.state = ConfigurationState::BadChecksum;
    std::vector<std::string> lines = splitLines(fileBytes);
    if (lines.empty()) {
        return reading;
    }
    const std::string last = lines.back();
    lines.pop_back();
    if (last.empty() || last.front() != configurationChecksum(lines)) {
        return reading;
    }
    reading.state = ConfigurationState::Valid;

    // Lines between the title and the checksum are key and value pairs.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        lines[i] = scrambleConfigurationLine(lines[i]);
    }
    for (std::size_t key = 1; key < lines.size(); key += 2) {
        if (lines[key] != configuration::versionKey) {
            continue;
        }
        const bool hasValue = key + 1 < lines.size();
        if (!hasValue || lines[key + 1] != configuration::version) {
            reading.state = ConfigurationState::Absent;
        }
        lines[key] += " - ";
        lines[key] += configuration::versionLabel;
    }
    lines.push_back(last);
    reading.shownLines = std::move(lines);
    return reading;
}

std::string configurationFileBytes() {
    std::vector<std::string> lines{std::string(configuration::title),
                                   scrambleConfigurationLine(configuration::versionKey),
                                   scrambleConfigurationLine(configuration::version)};
    lines.push_back(std::string(1, configurationChecksum(lines)));
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace corlinth
