#pragma once

#include <cstddef>
#include <optional>

#include "core/document/Bytes.h"

namespace corlinth {

// The bytes of a setting line as the dialogs decode them: by position, never past the line. The
// closing F7 is no data byte, so a hand-edited line that stops early reads as missing bytes,
// and a dialog keeps the choices that such a line does not carry.
class SettingReader {
  public:
    explicit SettingReader(const Bytes& bytes)
        : m_bytes(bytes),
          m_end(!bytes.empty() && bytes.back() == 0xF7 ? bytes.size() - 1 : bytes.size()) {}

    // A byte before the closing F7.
    std::optional<Byte> data(std::size_t position) const {
        if (position >= m_end) {
            return std::nullopt;
        }
        return m_bytes[position];
    }
    // Where the data ends: the closing F7, or the end of a line without one.
    std::size_t dataEnd() const { return m_end; }
    std::size_t size() const { return m_bytes.size(); }

  private:
    const Bytes& m_bytes;
    std::size_t m_end;
};

}  // namespace corlinth
