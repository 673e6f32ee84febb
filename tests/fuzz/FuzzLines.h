#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A fuzz input as the lines of a document, split at LF.
inline std::vector<std::string> fuzzLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(static_cast<char>(data[i]));
        }
    }
    return lines;
}
