#include "core/document/EditorOperations.h"

#include <algorithm>
#include <cstdint>
#include <map>

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

// Sees the document as the recorded changes have made it, without copying it: a line is
// looked up through the changes, newest first, down to the document's own line. The
// operations make a handful of changes at most.
class LineRecorder {
  public:
    explicit LineRecorder(const LineSource& lines) : m_base(lines), m_size(lines.lineCount()) {}

    std::string at(std::size_t i) const {
        for (auto edit = m_edits.rbegin(); edit != m_edits.rend(); ++edit) {
            if (i < edit->line) {
                continue;
            }
            if (edit->kind == LineEdit::Kind::Insert) {
                if (i < edit->line + edit->lines.size()) {
                    return edit->lines[i - edit->line].text();
                }
                i -= edit->lines.size();
            } else {
                i += edit->count;
            }
        }
        return m_base.line(i);
    }
    std::size_t size() const { return m_size; }
    bool isEmptyLine(std::size_t i) const { return i < m_size && at(i).empty(); }

    void insert(std::size_t before, std::vector<RichLine> lines) {
        before = std::min(before, m_size);
        m_size += lines.size();
        m_edits.push_back({LineEdit::Kind::Insert, before, 0, std::move(lines)});
    }

    void remove(std::size_t first, std::size_t count) {
        first = std::min(first, m_size);
        count = std::min(count, m_size - first);
        if (count == 0) {
            return;
        }
        // Removing every line leaves the one empty line every text has.
        m_size = std::max<std::size_t>(m_size - count, 1);
        m_edits.push_back({LineEdit::Kind::Remove, first, count, {}});
    }

    std::vector<LineEdit> takeEdits() { return std::move(m_edits); }

  private:
    const LineSource& m_base;
    std::size_t m_size;
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

EditPlan planInsert(const LineSource& lines, std::size_t anchorLine, const SettingHandover& setting,
                    std::string_view editHint) {
    LineRecorder doc(lines);
    EditPlan plan;
    plan.caretLine = insertSetting(doc, anchorLine, setting, editHint).caret();
    plan.edits = doc.takeEdits();
    return plan;
}

EditPlan planReplace(const LineSource& lines, const EditedSetting& edited,
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

std::optional<EditSettingFind> findSettingForEdit(const LineSource& lines, std::size_t caretLine,
                                                  const EditorProfile& profile,
                                                  const TextCatalogue* catalogue) {
    // The few lines looked at are kept, as the views below point into them.
    std::map<std::size_t, std::string> seen;
    auto lineAt = [&](std::size_t i) -> std::string_view {
        if (i >= lines.lineCount())
            return {};
        auto it = seen.find(i);
        if (it == seen.end())
            it = seen.emplace(i, lines.line(i)).first;
        return it->second;
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
