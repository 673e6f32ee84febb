#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>

#include "core/document/Bytes.h"

namespace corlinth {

// The bytes of a version 1 file as the import reads them (the copyright block and the text
// event taken out), with a read position for walking the variable-length records of a
// product. Every access is checked: a position past the end yields nothing, so a test against
// an expected value simply fails instead of reading beyond the file.
class VersionOneImage {
  public:
    VersionOneImage() = default;
    explicit VersionOneImage(Bytes bytes) : m_bytes(std::move(bytes)) {}

    const Bytes& bytes() const { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }

    // The byte at a position counted from 0; nothing past the end.
    std::optional<Byte> at(std::size_t position) const;
    // Whether the bytes from `position` on are exactly `expected`.
    bool holds(std::size_t position, std::initializer_list<Byte> expected) const;

    // `getchar`: the byte at the read position, which then moves on by one. Past the end it
    // yields nothing and stays put, so a walk looking for a byte must also stop on that.
    // The first version counted its read position from 1; here the read position is simply
    // the image position of the byte that `getchar` returns next.
    std::optional<Byte> getchar();
    void seek(std::size_t position) { m_readPosition = position; }
    std::size_t readPosition() const { return m_readPosition; }
    bool atEnd() const { return m_readPosition >= m_bytes.size(); }

  private:
    Bytes m_bytes;
    std::size_t m_readPosition = 0;
};

}  // namespace corlinth
