#include "core/document/VersionOneImage.h"

namespace corlinth {

std::optional<Byte> VersionOneImage::at(std::size_t position) const {
    if (position >= m_bytes.size()) {
        return std::nullopt;
    }
    return m_bytes[position];
}

bool VersionOneImage::holds(std::size_t position, std::initializer_list<Byte> expected) const {
    if (position > m_bytes.size() || m_bytes.size() - position < expected.size()) {
        return false;
    }
    std::size_t i = position;
    for (Byte b : expected) {
        if (m_bytes[i++] != b) {
            return false;
        }
    }
    return true;
}

std::optional<Byte> VersionOneImage::getchar() {
    if (m_readPosition >= m_bytes.size()) {
        return std::nullopt;
    }
    return m_bytes[m_readPosition++];
}

}  // namespace corlinth
