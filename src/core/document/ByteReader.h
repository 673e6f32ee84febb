#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>

#include "core/document/Bytes.h"

namespace corlinth {

// A cursor over outside bytes that never reads past its end: every read says whether there
// was a byte, so a reader checks a file's layout without counting lengths by hand.
class ByteReader {
  public:
    ByteReader(std::span<const Byte> bytes, std::size_t pos)
        : ByteReader(bytes, pos, bytes.size()) {}
    // Reads stop at `end` (at most the size of `bytes`).
    ByteReader(std::span<const Byte> bytes, std::size_t pos, std::size_t end)
        : m_bytes(bytes), m_pos(pos), m_end(std::min(end, bytes.size())) {}

    std::size_t remaining() const { return m_pos < m_end ? m_end - m_pos : 0; }
    bool atEnd() const { return remaining() == 0; }

    std::optional<Byte> peek() const {
        return atEnd() ? std::nullopt : std::optional<Byte>(m_bytes[m_pos]);
    }
    std::optional<Byte> next() {
        const std::optional<Byte> b = peek();
        if (b) {
            ++m_pos;
        }
        return b;
    }
    // The next byte when it passes `ok`; nullopt when it does not or there is none.
    template <typename Check>
    std::optional<Byte> nextIf(Check ok) {
        const std::optional<Byte> b = next();
        return b && ok(*b) ? b : std::nullopt;
    }
    bool expect(Byte wanted) {
        const std::optional<Byte> b = next();
        return b && *b == wanted;
    }
    bool expect(std::span<const Byte> wanted) {
        return std::all_of(wanted.begin(), wanted.end(), [this](Byte b) { return expect(b); });
    }
    bool expect(std::initializer_list<Byte> wanted) {
        return expect(std::span<const Byte>(wanted.begin(), wanted.size()));
    }
    bool skip(std::size_t count) {
        if (remaining() < count) {
            return false;
        }
        m_pos += count;
        return true;
    }

  private:
    std::span<const Byte> m_bytes;
    std::size_t m_pos;
    std::size_t m_end;
};

}  // namespace corlinth
