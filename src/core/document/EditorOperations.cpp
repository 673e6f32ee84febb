#include "core/document/EditorOperations.h"

#include <cstdint>

#include "core/document/EditorProfile.h"
#include "core/document/SettingLine.h"
#include "core/products/TextCatalogue.h"

namespace corlinth {
namespace {

RichLine boldLine(std::string_view text) {
    RichLine line;
    line.append(text, true);
    return line;
}

RichLine plainLine(std::string_view text) {
    RichLine line;
    line.append(text, false);
    return line;
}

template <typename Line>
void applyOne(std::vector<Line>& lines, const LineEdit& edit, Line (*make)(const RichLine&)) {
    if (edit.kind == LineEdit::Kind::Insert) {
        std::vector<Line> inserted;
        inserted.reserve(edit.lines.size());
        for (const RichLine& l : edit.lines) {
            inserted.push_back(make(l));
        }
        const std::size_t at = std::min(edit.line, lines.size());
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), inserted.begin(),
                     inserted.end());
        return;
    }
    const std::size_t first = std::min(edit.line, lines.size());
    const std::size_t last = std::min(edit.line + edit.count, lines.size());
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first),
                lines.begin() + static_cast<std::ptrdiff_t>(last));
    if (lines.empty()) {
        lines.emplace_back();  // a text always has one line, if only an empty one
    }
}

std::string toPlain(const RichLine& line) {
    return line.text();
}
RichLine toRich(const RichLine& line) {
    return line;
}

// Works on a copy of the lines and records every change, so the plan can be replayed on the
// editor's own text.
class LineRecorder {
  public:
    explicit LineRecorder(const std::vector<std::string>& lines) : m_lines(lines) {
        if (m_lines.empty()) {
            m_lines.emplace_back();
        }
    }

    const std::string& at(std::size_t i) const { return m_lines[i]; }
    std::size_t size() const { return m_lines.size(); }
    bool isEmptyLine(std::size_t i) const { return i < m_lines.size() && m_lines[i].empty(); }

    void insert(std::size_t before, std::vector<RichLine> lines) {
        LineEdit edit{LineEdit::Kind::Insert, before, 0, std::move(lines)};
        applyOne(m_lines, edit, &toPlain);
        m_edits.push_back(std::move(edit));
    }

    void remove(std::size_t first, std::size_t count) {
        if (count == 0) {
            return;
        }
        LineEdit edit{LineEdit::Kind::Remove, first, count, {}};
        applyOne(m_lines, edit, &toPlain);
        m_edits.push_back(std::move(edit));
    }

    std::vector<LineEdit> takeEdits() { return std::move(m_edits); }

  private:
    std::vector<std::string> m_lines;
    std::vector<LineEdit> m_edits;
};

std::vector<RichLine> settingLines(const SettingHandover& setting, std::string_view editHint) {
    std::vector<RichLine> out{boldLine(setting.messageLine)};
    for (const std::string* further : {&setting.secondLine, &setting.thirdLine}) {
        if (!further->empty()) {
            out.push_back(boldLine(*further));
        }
    }
    out.push_back(plainLine(commentWithHint(setting, editHint)));
    return out;
}

struct Inserted {
    std::size_t at;     // the first inserted line
    std::size_t count;  // how many lines went in there
    std::size_t caret() const { return at + count; }
};

// The insert steps on the recorder.
Inserted insertSetting(LineRecorder& doc, std::size_t anchorLine, const SettingHandover& setting,
                       std::string_view editHint) {
    if (!doc.at(doc.size() - 1).empty()) {
        doc.insert(doc.size(), {RichLine{}});
    }
    anchorLine = std::min(anchorLine, doc.size() - 1);
    std::size_t point = anchorLine == 0 ? 0 : anchorLine - 1;
    while (!doc.isEmptyLine(point)) {
        ++point;  // the last line is empty, so this ends
    }
    std::vector<RichLine> block = settingLines(setting, editHint);
    if (point != 0) {
        block.insert(block.begin(), RichLine{});  // the blank line before the new setting
    }
    const std::size_t count = block.size();
    doc.insert(point, std::move(block));
    return {point, count};
}

bool isMessageLine(std::string_view line) {
    return lineKind(line) == LineKind::Message;
}
bool isCommentLine(std::string_view line) {
    return lineKind(line) == LineKind::Comment;
}

}  // namespace

std::string commentWithHint(const SettingHandover& setting, std::string_view editHint) {
    std::string comment;
    for (const std::string& part : setting.comment) {
        if (!part.empty() && part.back() == '}') {
            comment.append(part, 0, part.size() - 1);
            comment += ' ';
            comment += editHint;
        } else {
            comment += part;
        }
    }
    return comment;
}

EditPlan planInsert(const std::vector<std::string>& lines, std::size_t anchorLine,
                    const SettingHandover& setting, std::string_view editHint) {
    LineRecorder doc(lines);
    EditPlan plan;
    plan.caretLine = insertSetting(doc, anchorLine, setting, editHint).caret();
    plan.edits = doc.takeEdits();
    return plan;
}

EditPlan planReplace(const std::vector<std::string>& lines, const EditedSetting& edited,
                     const SettingHandover& setting, std::string_view editHint) {
    LineRecorder doc(lines);
    std::size_t first = std::min(edited.firstLine, doc.size() - 1);
    // A setting on the very first line gets two empty lines above it while the new one goes
    // in, so that it lands above the old one, and loses them again afterwards.
    const bool padded = first == 0 && !edited.ruleUnit;
    if (padded) {
        doc.insert(0, {RichLine{}, RichLine{}});
        first += 2;
    }
    const Inserted inserted = insertSetting(doc, first, setting, editHint);
    std::size_t caret = inserted.caret();
    std::size_t old = first;
    if (inserted.at <= first) {
        old += inserted.count;  // the new setting went in above the old one
    }
    if (padded) {
        doc.remove(0, 2);
        old -= 2;
        caret -= 2;
    }

    // The edited setting: its first line, its further message lines, its comment and the
    // blank line after it.
    std::size_t count = 1;
    if (edited.eventLines) {
        count += *edited.eventLines;
    } else if (old + count < doc.size() && isMessageLine(doc.at(old + count))) {
        ++count;
    }
    if (old + count < doc.size() && isCommentLine(doc.at(old + count))) {
        ++count;
    }
    if (old + count < doc.size() && doc.at(old + count).empty()) {
        ++count;
    }
    count = std::min(count, doc.size() - old);
    doc.remove(old, count);
    if (old < caret) {
        caret -= count;  // the rule units' first line: the new setting went in below the old
    }

    EditPlan plan;
    plan.caretLine = std::min(caret, doc.size() - 1);
    plan.edits = doc.takeEdits();
    return plan;
}

std::optional<EditSettingFind> findSettingForEdit(const std::vector<std::string>& lines,
                                                  std::size_t caretLine,
                                                  const EditorProfile& profile,
                                                  const TextCatalogue* catalogue) {
    auto lineAt = [&lines](std::size_t i) -> std::string_view {
        return i < lines.size() ? std::string_view(lines[i]) : std::string_view();
    };
    std::optional<std::size_t> found;
    if (isSettingLine(lineAt(caretLine))) {
        found = caretLine;
    } else {
        for (std::size_t d = 1; d <= caretLine && !found; ++d) {
            if (isSettingLine(lineAt(caretLine - d))) {
                found = caretLine - d;
            } else if (isSettingLine(lineAt(caretLine + d))) {
                found = caretLine + d;
            }
        }
    }
    if (!found) {
        return std::nullopt;
    }
    std::size_t s = *found;
    if (!profile.nonEditablePrefix.empty() && lineAt(s).starts_with(profile.nonEditablePrefix)) {
        return std::nullopt;
    }

    EditSettingFind result;
    if (s > 0 && !lineAt(s - 1).empty()) {
        result.insertBlankLineBefore = true;
    }
    // From here on lines are counted as they stand after that line break.
    const std::size_t blankAt = result.insertBlankLineBefore ? s : SIZE_MAX;
    auto shifted = [&](std::size_t i) -> std::string_view {
        if (i < blankAt)
            return lineAt(i);
        if (i == blankAt)
            return std::string_view();
        return lineAt(i - 1);
    };
    if (result.insertBlankLineBefore) {
        ++s;
    }
    result.firstLine = s;
    result.parsed.bytes = parseLine(shifted(s));
    std::size_t next = s + 1;
    if (profile.ruleUnit) {
        const int events = catalogue ? catalogue->eventLineCount(result.parsed.bytes) : 0;
        for (int k = 0; k < events; ++k) {
            const std::string_view text = shifted(next);
            const Bytes bytes = isCommentLine(text) ? Bytes{} : parseLine(text);
            result.parsed.eventLines.emplace_back(text.empty() ? "xx" : std::string(text));
            result.parsed.eventBytes.push_back(bytes);
            if (bytes.empty()) {
                break;  // what follows is the comment or the next setting, not an event line
            }
            ++next;
        }
    } else if (!profile.twoLinePrefix.empty() && shifted(s).starts_with(profile.twoLinePrefix)) {
        result.parsed.secondLine = std::string(shifted(next));
        ++next;
    }
    if (isCommentLine(shifted(next))) {
        ++next;
    }
    result.lineCount = next - s;
    result.dialog = catalogue ? catalogue->dialogFor(result.parsed.bytes) : std::string_view();
    return result;
}

void applyEdits(std::vector<std::string>& lines, const std::vector<LineEdit>& edits) {
    if (lines.empty()) {
        lines.emplace_back();
    }
    for (const LineEdit& edit : edits) {
        applyOne(lines, edit, &toPlain);
    }
}

void applyEdits(std::vector<RichLine>& lines, const std::vector<LineEdit>& edits) {
    if (lines.empty()) {
        lines.emplace_back();
    }
    for (const LineEdit& edit : edits) {
        applyOne(lines, edit, &toRich);
    }
}

}  // namespace corlinth
