#include "core/document/Extraction.h"

#include "core/document/SettingLine.h"

namespace corlinth {

Bytes toFileForm(const Bytes& lineBytes) {
    if (lineBytes.empty() || lineBytes.front() != 0xF0) {
        return lineBytes;
    }
    // Only the leading F0 gets a length: an F0 typed further along the line is data and goes
    // out as written, rather than having a length pushed in after it.
    const Bytes length = variableLengthQuantity(static_cast<std::uint32_t>(lineBytes.size() - 1));
    Bytes out;
    out.reserve(lineBytes.size() + length.size());
    out.push_back(0xF0);
    out.insert(out.end(), length.begin(), length.end());
    out.insert(out.end(), lineBytes.begin() + 1, lineBytes.end());
    return out;
}

Bytes toWireForm(const Bytes& fileForm) {
    if (fileForm.empty() || fileForm.front() != 0xF0) {
        return fileForm;
    }
    std::size_t i = 1;
    while (i < fileForm.size() && (fileForm[i] & 0x80) != 0) {
        ++i;
    }
    if (i < fileForm.size()) {
        ++i;  // the last byte of the length
    }
    Bytes out{0xF0};
    out.insert(out.end(), fileForm.begin() + static_cast<std::ptrdiff_t>(i), fileForm.end());
    return out;
}

MessageExtractor::MessageExtractor(std::span<const std::string> lines)
    : MessageExtractor(lines, &parseLine) {}

MessageExtractor::MessageExtractor(std::span<const std::string> lines, LineParser parser)
    : m_lines(lines), m_parse(std::move(parser)) {}

bool MessageExtractor::getmtext() {
    m_message.clear();
    m_blankLineSeen = false;
    m_atEnd = false;
    while (m_message.empty()) {
        // Find the next non-empty line; twenty empty ones in a row end the document, and
        // lines past the end of the text read as empty.
        std::string_view line;
        int read = 0;
        for (;;) {
            line = m_cursor < m_lines.size() ? std::string_view(m_lines[m_cursor])
                                             : std::string_view();
            ++m_cursor;
            ++read;
            if (!line.empty()) {
                break;
            }
            m_blankLineSeen = true;
            if (read == kEndAfterEmptyLines) {
                m_atEnd = true;
                return false;
            }
        }
        Bytes bytes = m_parse(line);
        // A message is System Exclusive by its first byte. (A line such as " F0 ..." with a
        // leading space is one too: without its length it would lose a byte on the way out.)
        m_isSystemExclusive = !bytes.empty() && bytes.front() == 0xF0;
        m_byteCount += bytes.size();
        if (m_isSystemExclusive) {
            const std::size_t plain = bytes.size();
            bytes = toFileForm(bytes);
            m_byteCount += bytes.size() - plain;
        }
        m_message = std::move(bytes);
        m_messageLine = m_cursor - 1;
    }
    return true;
}

}  // namespace corlinth
