#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corlinth {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;

// "F0 00 00 50 04 F7": upper-case pairs separated by single spaces, as setting lines are written.
std::string hexLine(const Bytes& bytes);
std::string hexByte(Byte b);

// A MIDI variable-length quantity, seven bits a byte, most significant first.
Bytes variableLengthQuantity(std::uint32_t value);

}  // namespace corlinth
