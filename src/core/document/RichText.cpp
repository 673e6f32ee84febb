#include "core/document/RichText.h"

namespace corlinth {

std::string RichLine::text() const {
    std::string out;
    for (const TextRun& run : runs) {
        out += run.text;
    }
    return out;
}

void RichLine::append(std::string_view text, bool bold) {
    if (text.empty()) {
        return;
    }
    if (!runs.empty() && runs.back().bold == bold) {
        runs.back().text += text;
    } else {
        runs.push_back({std::string(text), bold});
    }
}

std::vector<std::string> RichDocument::plainLines() const {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const RichLine& line : lines) {
        out.push_back(line.text());
    }
    return out;
}

RichDocument RichDocument::fromPlainLines(const std::vector<std::string>& lines) {
    RichDocument doc;
    doc.lines.reserve(lines.size());
    for (const std::string& text : lines) {
        RichLine line;
        line.append(text, false);
        doc.lines.push_back(std::move(line));
    }
    return doc;
}

}  // namespace corlinth
