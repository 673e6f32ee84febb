#include "core/app/ClickHintRewrite.h"

#include <array>
#include <utility>

#include "core/document/RtfReader.h"
#include "core/document/RtfWriter.h"

namespace corlinth {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kHints{{
    {"right-click", "control-click"},
    {"Right-click", "Control-click"},
}};

// The replacement for the hint starting at `at`, if one does.
const std::pair<std::string_view, std::string_view>* hintAt(std::string_view text, std::size_t at) {
    for (const auto& hint : kHints) {
        if (text.substr(at, hint.first.size()) == hint.first) {
            return &hint;
        }
    }
    return nullptr;
}

}  // namespace

std::string rewriteClickHints(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    std::size_t at = 0;
    while (at < line.size()) {
        if (const auto* hint = hintAt(line, at)) {
            out += hint->second;
            at += hint->first.size();
        } else {
            out.push_back(line[at]);
            ++at;
        }
    }
    return out;
}

RichLine rewriteClickHints(const RichLine& line) {
    const std::string text = line.text();
    // The style of every byte of the line, so that a hint running over two runs is found too.
    std::string bold;
    bold.reserve(text.size());
    for (const TextRun& run : line.runs) {
        bold.append(run.text.size(), run.bold ? '1' : '0');
    }
    RichLine out;
    std::size_t at = 0;
    while (at < text.size()) {
        const bool isBold = bold[at] == '1';
        if (const auto* hint = hintAt(text, at)) {
            out.append(hint->second, isBold);
            at += hint->first.size();
        } else {
            out.append(std::string_view(text).substr(at, 1), isBold);
            ++at;
        }
    }
    return out;
}

std::optional<std::string> rewriteClickHintsInDocument(std::string_view documentBytes,
                                                       const FontSpec& font) {
    const DocumentReading reading = readDocumentFile(documentBytes);
    if (!reading.complete) {
        return std::nullopt;
    }
    RichDocument rewritten;
    rewritten.lines.reserve(reading.document.lines.size());
    bool changed = false;
    for (const RichLine& line : reading.document.lines) {
        RichLine next = rewriteClickHints(line);
        changed = changed || next.text() != line.text();
        rewritten.lines.push_back(std::move(next));
    }
    if (!changed) {
        return std::nullopt;
    }
    return writeRtf(rewritten, font.family, font.pointSize);
}

}  // namespace corlinth
