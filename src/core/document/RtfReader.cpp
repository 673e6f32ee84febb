#include "core/document/RtfReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "core/document/Utf8.h"

namespace corlinth {
namespace {

// Destinations whose text is not part of what the reader shows.
constexpr std::array<std::string_view, 40> kSkippedDestinations{
    "fonttbl",      "colortbl",  "stylesheet", "info",     "pict",      "object",
    "header",       "headerl",   "headerr",    "headerf",  "footer",    "footerl",
    "footerr",      "footerf",   "footnote",   "fldinst",  "listtable", "listoverridetable",
    "revtbl",       "rsidtbl",   "generator",  "xmlnstbl", "themedata", "colorschememapping",
    "latentstyles", "datastore", "pgdsctbl",   "author",   "operator",  "title",
    "creatim",      "revtim",    "printim",    "buptim",   "company",   "comment",
    "doccomm",      "keywords",  "subject",    "filetbl"};

struct GroupState {
    bool bold = false;
    bool hidden = false;
    bool skip = false;  // inside a destination that is not shown
    int unicodeSkip = 1;
};

class RtfParser {
  public:
    explicit RtfParser(std::string_view in) : m_in(in) {}

    DocumentReading run() {
        DocumentReading result;
        result.wasRtf = true;
        std::vector<GroupState> stack;
        GroupState state;
        bool started = false;
        bool closed = false;
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos];
            if (c == '{') {
                ++m_pos;
                if (started) {
                    stack.push_back(state);
                }
                started = true;
                m_pendingSkip = 0;
                m_groupStart = true;
                continue;
            }
            if (!started) {
                ++m_pos;  // anything before the first group is not RTF content
                continue;
            }
            const bool groupStart = m_groupStart;
            m_groupStart = false;
            if (c == '}') {
                ++m_pos;
                m_pendingSkip = 0;
                if (stack.empty()) {
                    closed = true;
                    break;  // the document ends with its outermost group
                }
                state = stack.back();
                stack.pop_back();
                continue;
            }
            if (c == '\\') {
                controlSequence(state, groupStart);
                continue;
            }
            ++m_pos;
            if (c == '\r' || c == '\n') {
                continue;
            }
            if (m_pendingSkip > 0) {
                --m_pendingSkip;
                continue;
            }
            emit(state, cp1252ToCodePoint(static_cast<unsigned char>(c)));
        }
        flushSurrogate(state);
        m_lines.push_back(std::move(m_current));
        result.document.lines = std::move(m_lines);
        result.complete = closed;
        return result;
    }

  private:
    void controlSequence(GroupState& state, bool groupStart) {
        ++m_pos;  // the backslash
        if (m_pos >= m_in.size()) {
            return;
        }
        const char c = m_in[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(state, c, groupStart);
            return;
        }
        const std::size_t wordStart = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]) && m_pos - wordStart < 32) {
            ++m_pos;
        }
        const std::string_view word = m_in.substr(wordStart, m_pos - wordStart);
        bool hasParam = false;
        long param = 0;
        const std::size_t numberStart = m_pos;
        if (m_pos < m_in.size() && (m_in[m_pos] == '-' || isDigit(m_in[m_pos]))) {
            std::size_t end = m_pos + 1;
            while (end < m_in.size() && isDigit(m_in[end]) && end - numberStart < 11) {
                ++end;
            }
            const auto [ptr, ec] = std::from_chars(m_in.data() + m_pos, m_in.data() + end, param);
            hasParam = ec == std::errc();
            if (!hasParam) {
                param = 0;
            }
            m_pos = end;
            while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
                ++m_pos;  // digits beyond any sensible parameter are dropped
            }
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') {
            ++m_pos;  // the delimiting space belongs to the control word
        }
        controlWord(state, word, hasParam, param, groupStart);
    }

    void controlSymbol(GroupState& state, char c, bool groupStart) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                text(state, static_cast<unsigned char>(c));
                break;
            case '\'': {
                int value = 0;
                int digits = 0;
                while (digits < 2 && m_pos < m_in.size() && isHex(m_in[m_pos])) {
                    value = value * 16 + hexValue(m_in[m_pos]);
                    ++m_pos;
                    ++digits;
                }
                if (digits > 0) {
                    text(state, cp1252ToCodePoint(static_cast<unsigned char>(value)));
                }
                break;
            }
            case '*':
                if (groupStart) {
                    state.skip = true;  // an ignorable destination this reader does not know
                }
                break;
            case '~':
                text(state, 0x00A0);
                break;
            case '_':
                text(state, 0x2011);
                break;
            case '\r':
            case '\n':
                newLine(state);
                break;
            default:
                break;  // \- (optional hyphen), \| and the rest show nothing
        }
    }

    void controlWord(GroupState& state, std::string_view word, bool hasParam, long param,
                     bool groupStart) {
        if (groupStart && std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(),
                                    word) != kSkippedDestinations.end()) {
            state.skip = true;
            return;
        }
        if (word == "par" || word == "line" || word == "row") {
            newLine(state);
        } else if (word == "tab" || word == "cell") {
            text(state, U'\t');
        } else if (word == "b") {
            state.bold = !hasParam || param != 0;
        } else if (word == "plain") {
            state.bold = false;
            state.hidden = false;
        } else if (word == "v") {
            state.hidden = !hasParam || param != 0;
        } else if (word == "uc") {
            state.unicodeSkip = static_cast<int>(std::clamp(param, 0L, 16L));
        } else if (word == "u" && hasParam) {
            long value = param;
            if (value < 0) {
                value += 65536;
            }
            unicode(state, static_cast<char32_t>(std::clamp(value, 0L, 65535L)));
            m_pendingSkip = state.unicodeSkip;
        } else if (word == "bin") {
            // Binary data of the given length follows; it is never text.
            const auto length = static_cast<std::size_t>(std::max(param, 0L));
            m_pos += std::min(length, m_in.size() - m_pos);
        } else if (word == "emdash") {
            text(state, 0x2014);
        } else if (word == "endash") {
            text(state, 0x2013);
        } else if (word == "lquote") {
            text(state, 0x2018);
        } else if (word == "rquote") {
            text(state, 0x2019);
        } else if (word == "ldblquote") {
            text(state, 0x201C);
        } else if (word == "rdblquote") {
            text(state, 0x201D);
        } else if (word == "bullet") {
            text(state, 0x2022);
        }
    }

    // A character from the input: it may be one of the fallback characters after a \u.
    void text(GroupState& state, char32_t cp) {
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        emit(state, cp);
    }

    void unicode(GroupState& state, char32_t unit) {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushSurrogate(state);
            m_highSurrogate = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate != 0) {
            const char32_t cp = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            m_highSurrogate = 0;
            put(state, cp);
            return;
        }
        flushSurrogate(state);
        put(state, unit);
    }

    void emit(GroupState& state, char32_t cp) {
        flushSurrogate(state);
        put(state, cp);
    }

    void flushSurrogate(GroupState& state) {
        if (m_highSurrogate != 0) {
            m_highSurrogate = 0;
            put(state, 0xFFFD);
        }
    }

    void put(const GroupState& state, char32_t cp) {
        if (state.skip || state.hidden) {
            return;
        }
        std::string utf8;
        appendUtf8(utf8, cp);
        m_current.append(utf8, state.bold);
    }

    void newLine(GroupState& state) {
        flushSurrogate(state);
        if (state.skip) {
            return;
        }
        m_lines.push_back(std::move(m_current));
        m_current = RichLine{};
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isHex(char c) {
        return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }
    static int hexValue(char c) {
        if (isDigit(c))
            return c - '0';
        if (c >= 'a')
            return c - 'a' + 10;
        return c - 'A' + 10;
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    int m_pendingSkip = 0;
    bool m_groupStart = false;
    char32_t m_highSurrogate = 0;
    std::vector<RichLine> m_lines;
    RichLine m_current;
};

DocumentReading readPlainText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const std::string text = isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
    DocumentReading result;
    RichLine current;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            current.append(line, false);
            result.document.lines.push_back(std::move(current));
            current = RichLine{};
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line.push_back(c);
        }
    }
    current.append(line, false);
    result.document.lines.push_back(std::move(current));
    return result;
}

}  // namespace

DocumentReading readRtf(std::string_view bytes) {
    return RtfParser(bytes).run();
}

DocumentReading readDocumentFile(std::string_view bytes) {
    if (bytes.starts_with("{\\rtf")) {
        return readRtf(bytes);
    }
    return readPlainText(bytes);
}

}  // namespace corlinth
