#pragma once

#include <string>
#include <vector>

namespace corlinth {

// A settings document as the editor holds it: lines of UTF-8 text with bold runs. Only the
// text, the line breaks and the bold runs matter; fonts and sizes are the editor's own.
struct TextRun {
    std::string text;
    bool bold = false;
    bool operator==(const TextRun&) const = default;
};

struct RichLine {
    std::vector<TextRun> runs;

    std::string text() const;
    // Appends text, merging with the last run when the style is the same.
    void append(std::string_view text, bool bold);
    bool operator==(const RichLine&) const = default;
};

// Lines as the text splits at its line breaks: a text ending in a line break has an empty
// last line, so writing and reading give back the same text.
struct RichDocument {
    std::vector<RichLine> lines;

    std::vector<std::string> plainLines() const;
    static RichDocument fromPlainLines(const std::vector<std::string>& lines);
    bool operator==(const RichDocument&) const = default;
};

}  // namespace corlinth
