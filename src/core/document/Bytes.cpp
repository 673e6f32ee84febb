#include "core/document/Bytes.h"

namespace corlinth {

std::string hexByte(Byte b) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[b >> 4], digits[b & 0x0F]};
}

std::string hexLine(const Bytes& bytes) {
    std::string line;
    line.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            line.push_back(' ');
        }
        line += hexByte(bytes[i]);
    }
    return line;
}

Bytes variableLengthQuantity(std::uint32_t value) {
    Bytes out{static_cast<Byte>(value & 0x7F)};
    value >>= 7;
    while (value > 0) {
        out.insert(out.begin(), static_cast<Byte>(0x80 | (value & 0x7F)));
        value >>= 7;
    }
    return out;
}

}  // namespace corlinth
