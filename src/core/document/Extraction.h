#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>

#include "core/document/Bytes.h"

namespace corlinth {

// Reads a settings document's messages one at a time, in document order. Transmission,
// export and the command-line tool all go through this one routine, so they agree on every
// byte. A System Exclusive message comes out in file form: F0, the number of bytes after it
// as a variable-length quantity, then the rest.
class MessageExtractor {
  public:
    // Twenty empty lines in a row end the document for sending and export.
    static constexpr int kEndAfterEmptyLines = 20;

    // Turns one line into its bytes; the rule units read their placeholders differently.
    using LineParser = std::function<Bytes(std::string_view)>;

    explicit MessageExtractor(std::span<const std::string> lines);
    MessageExtractor(std::span<const std::string> lines, LineParser parser);

    // Callers set the cursor to 0 to start a pass.
    void setLineCursor(std::size_t line) { m_cursor = line; }
    std::size_t lineCursor() const { return m_cursor; }

    // Extracts the next message (`getmtext`). Returns false, and atEnd() becomes true,
    // when the document holds no further message.
    bool getmtext();

    const Bytes& currentMessage() const { return m_message; }
    bool atEnd() const { return m_atEnd; }
    bool isSystemExclusive() const { return m_isSystemExclusive; }
    bool blankLineSeen() const { return m_blankLineSeen; }
    // Index of the line that held the current message.
    std::size_t messageLine() const { return m_messageLine; }

    // Running count for the export: every byte extracted, plus the length bytes.
    std::size_t byteCount() const { return m_byteCount; }
    void resetByteCount() { m_byteCount = 0; }

  private:
    std::span<const std::string> m_lines;
    LineParser m_parse;
    std::size_t m_cursor = 0;
    std::size_t m_messageLine = 0;
    Bytes m_message;
    bool m_atEnd = false;
    bool m_isSystemExclusive = false;
    bool m_blankLineSeen = false;
    std::size_t m_byteCount = 0;
};

// The file form of one message line's bytes: for a System Exclusive line the length after
// the leading F0. Lines of up to 256 bytes get the one- or two-byte form the units' files have
// always had (81 xx above 128 bytes); longer ones simply get a longer variable-length quantity.
Bytes toFileForm(const Bytes& lineBytes);

// The bytes the port receives for a message in file form: the length after F0 removed.
Bytes toWireForm(const Bytes& fileForm);

}  // namespace corlinth
