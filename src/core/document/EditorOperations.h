#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/LineSource.h"
#include "core/document/RichText.h"
#include "core/document/SettingHandover.h"

namespace corlinth {

class TextCatalogue;
struct EditorProfile;

// One change to a document, in whole lines. The editor applies a plan's edits in order to its
// text inside one undo step, so one Undo takes the whole operation back.
struct LineEdit {
    enum class Kind { Insert, Remove };
    Kind kind = Kind::Insert;
    // Insert: the new lines go before this line; the line count itself means after the last.
    // Remove: the first line removed.
    std::size_t line = 0;
    std::size_t count = 0;        // Remove: how many lines
    std::vector<RichLine> lines;  // Insert: the lines, with their bold runs
};

struct EditPlan {
    std::vector<LineEdit> edits;
    std::size_t caretLine = 0;  // the caret ends at the start of this line
};

// `insertline`: where a new setting goes and what is written. The anchor is the line holding
// the end of the selection. The setting lands at the first empty line from the line above the
// anchor downwards, preceded by a blank line (unless it starts the document); message lines are
// bold, and a comment part ending in "}" gets the edit hint in place of its brace.
EditPlan planInsert(const LineSource& lines, std::size_t anchorLine, const SettingHandover& setting,
                    std::string_view editHint);

// The setting that "Edit Setting..." selected, for `replaceline`.
struct EditedSetting {
    std::size_t firstLine = 0;
    // The rule units know how many event lines belong to the message line; for the others the
    // line after the setting line goes with it when it is a message line.
    std::optional<std::size_t> eventLines;
    bool ruleUnit = false;
};

// `replaceline`: the new setting goes into the blank line above the edited one, which is then
// removed with its comment and the blank line after it. The caret ends at the start of the
// blank line that follows the new setting.
EditPlan planReplace(const LineSource& lines, const EditedSetting& edited,
                     const SettingHandover& setting, std::string_view editHint);

// What a right-click found.
struct EditSettingFind {
    // The document gets a line break before the setting line (settings are always preceded by
    // a blank line); the line numbers below count after it.
    bool insertBlankLineBefore = false;
    std::size_t firstLine = 0;  // the selection: the setting's lines, and its comment
    std::size_t lineCount = 0;
    ParsedSetting parsed;
    std::string_view dialog;  // the dialog that edits it; empty when it is not editable
};

// The Edit Setting search from the caret line: the line itself, then lines at distance
// 1, 2, ... above and below, the upper one first. Returns nothing when no setting line is found
// or the line found begins with the product's non-editable prefix; the caller then restores
// the selection. A result with an empty dialog is a setting that is not editable.
std::optional<EditSettingFind> findSettingForEdit(const LineSource& lines, std::size_t caretLine,
                                                  const EditorProfile& profile,
                                                  const TextCatalogue* catalogue);

// Comment parts as written: a part ending in "}" has its brace replaced by a blank and the hint.
std::string commentWithHint(const SettingHandover& setting, std::string_view editHint);

// The same for a document held as a vector of lines.
inline EditPlan planInsert(const std::vector<std::string>& lines, std::size_t anchorLine,
                           const SettingHandover& setting, std::string_view editHint) {
    return planInsert(VectorLines(lines), anchorLine, setting, editHint);
}
inline EditPlan planReplace(const std::vector<std::string>& lines, const EditedSetting& edited,
                            const SettingHandover& setting, std::string_view editHint) {
    return planReplace(VectorLines(lines), edited, setting, editHint);
}
inline std::optional<EditSettingFind> findSettingForEdit(const std::vector<std::string>& lines,
                                                         std::size_t caretLine,
                                                         const EditorProfile& profile,
                                                         const TextCatalogue* catalogue) {
    return findSettingForEdit(VectorLines(lines), caretLine, profile, catalogue);
}

// Applies a plan to plain lines, as the editor applies it to its text (for tests and tools).
void applyEdits(std::vector<std::string>& lines, const std::vector<LineEdit>& edits);
void applyEdits(std::vector<RichLine>& lines, const std::vector<LineEdit>& edits);

}  // namespace corlinth
