#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/document/Bytes.h"

namespace corlinth::testing {

// Writes an update file in the format README.md describes under "Firmware update files",
// working forwards (scrambling) where the program works backwards.
struct FirmwareFile {
    std::array<Byte, 8> key{0x3C, 0x91, 0x07, 0xE2, 0x55, 0x10, 0xAB, 0x6F};
    Byte identifier = 0x17;
    Bytes freeArea;  // between the header and the first message
    std::vector<Bytes> messages;
    Byte marker = 0xA0;
    Bytes trailer;  // after the check block
    bool withCheckBlock = true;

    Bytes plainBody() const {
        Bytes body{identifier, 0, 0};
        body.insert(body.end(), freeArea.begin(), freeArea.end());
        const std::size_t start = 8 + body.size();
        body[1] = static_cast<Byte>(start >> 8);
        body[2] = static_cast<Byte>(start & 0xFF);
        for (const Bytes& m : messages) {
            body.insert(body.end(), m.begin(), m.end());
        }
        return body;
    }

    Bytes build() const {
        Bytes plain = plainBody();
        if (withCheckBlock) {
            std::uint32_t total = 0;
            std::array<std::uint32_t, 6> partial{};
            for (std::size_t i = 0; i < plain.size(); ++i) {
                total += plain[i];
                for (std::size_t j = 0; j < 6; ++j) {
                    if (i & (std::size_t{1} << j)) {
                        partial[j] += plain[i];
                    }
                }
            }
            plain.push_back(marker);
            for (std::uint32_t p : partial) {
                plain.push_back(static_cast<Byte>((p >> 8) & 0xFF));
                plain.push_back(static_cast<Byte>(p & 0xFF));
            }
            plain.push_back(static_cast<Byte>((total >> 16) & 0xFF));
            plain.push_back(static_cast<Byte>((total >> 8) & 0xFF));
            plain.push_back(static_cast<Byte>(total & 0xFF));
        }
        plain.insert(plain.end(), trailer.begin(), trailer.end());
        Bytes file(key.begin(), key.end());
        unsigned running = 0xA5;
        for (std::size_t i = 0; i < plain.size(); ++i) {
            running = (5 * running + key[i % 8] + 1) & 0xFF;
            file.push_back(static_cast<Byte>(plain[i] + running));
        }
        return file;
    }
};

}  // namespace corlinth::testing
