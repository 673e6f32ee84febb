#include "core/products/velocity/UserCurve.h"

#include <stdexcept>

namespace corlinth {

UserCurve::UserCurve() {
    for (int input = 0; input <= inputCount; ++input) {
        m_values[static_cast<std::size_t>(input)] = static_cast<std::uint8_t>(input);
    }
}

int UserCurve::operator[](int input) const {
    if (input < 0 || input > inputCount) {
        throw std::out_of_range("velocity outside 0..127");
    }
    return m_values[static_cast<std::size_t>(input)];
}

void UserCurve::set(int input, int value) {
    if (input < 1 || input > inputCount || value < 0 || value > 127) {
        throw std::out_of_range("user curve point outside 1..127 or value outside 0..127");
    }
    m_values[static_cast<std::size_t>(input)] = static_cast<std::uint8_t>(value);
}

}  // namespace corlinth
