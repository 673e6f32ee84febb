#pragma once

#include <array>
#include <cstdint>

namespace corlinth {

// Curve numbers of the channel assignments and the curve dialog.
namespace curvenumber {
inline constexpr int none = -1;
inline constexpr int user = 0;
inline constexpr int firstPreset = 1;
inline constexpr int lastPreset = 40;
}  // namespace curvenumber

// The whole output velocity for each input velocity 1..127. Input velocity 0 is no part of
// the curve and always reads 0.
class UserCurve {
  public:
    static constexpr int inputCount = 127;

    // The straight line, output = input.
    UserCurve();

    int operator[](int input) const;
    // input 1..127, value 0..127.
    void set(int input, int value);

    bool operator==(const UserCurve&) const = default;

  private:
    std::array<std::uint8_t, inputCount + 1> m_values{};
};

}  // namespace corlinth
