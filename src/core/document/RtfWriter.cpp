#include "core/document/RtfWriter.h"

#include "core/document/Utf8.h"

namespace corlinth {
namespace {

void appendEscaped(std::string& out, std::string_view utf8) {
    for (char32_t cp : utf8ToCodePoints(utf8)) {
        if (cp == U'\\' || cp == U'{' || cp == U'}') {
            out.push_back('\\');
            out.push_back(static_cast<char>(cp));
        } else if (cp == U'\t') {
            out += "\\tab ";
        } else if (cp >= 0x20 && cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (const int b = codePointToCp1252(cp); b >= 0) {
            static constexpr char digits[] = "0123456789abcdef";
            out += "\\'";
            out.push_back(digits[b >> 4]);
            out.push_back(digits[b & 0x0F]);
        } else {
            // \u takes a signed 16-bit number; characters beyond take a surrogate pair.
            auto unit = [&out](unsigned value) {
                out += "\\u";
                out += std::to_string(static_cast<int>(static_cast<short>(value)));
                out += '?';
            };
            if (cp > 0xFFFF) {
                const char32_t v = cp - 0x10000;
                unit(0xD800 + (v >> 10));
                unit(0xDC00 + (v & 0x3FF));
            } else {
                unit(cp);
            }
        }
    }
}

}  // namespace

std::string writeRtf(const RichDocument& document, std::string_view fontFamily, int pointSize) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    appendEscaped(out, fontFamily);
    out += ";}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs";
    out += std::to_string(pointSize * 2);
    out += ' ';
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        bool bold = false;
        for (const TextRun& run : document.lines[i].runs) {
            if (run.text.empty()) {
                continue;
            }
            if (run.bold != bold) {
                out += run.bold ? "\\b " : "\\b0 ";
                bold = run.bold;
            }
            appendEscaped(out, run.text);
        }
        if (bold) {
            out += "\\b0";
        }
        if (i + 1 < document.lines.size()) {
            out += "\\par\r\n";
        }
    }
    out += "}\r\n";
    return out;
}

}  // namespace corlinth
