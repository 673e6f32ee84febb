#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/Bytes.h"
#include "core/products/StructuredComments.h"
#include "core/products/routing/RouteFile.h"
#include "core/products/routing/RouteSetting.h"

namespace corlinth {

// The routing editor's document: ten setting slots shown in a priority order, the "Ignore
// Priority" flag, the comments, and what one Undo needs. List positions are 0..9, position 0
// being priority 1; slots are numbered 1..10 and move with their row.
class RouteDocument {
  public:
    static constexpr int positionCount = 10;

    enum class Change { None, Move, SettingChange, CommentsChange };

    RouteDocument();

    // New: empty slots in the order 1..10, no flag, no comments, nothing to undo. What was
    // copied stays on the clipboard.
    void clear();
    // Open: a new document holding what a file read.
    void load(const RouteFileContents& contents);
    // What the file writer takes: the settings by priority, the flag and the comments.
    RouteFileContents fileContents() const;
    // After a successful save: nothing changed any more, nothing to undo.
    void markSaved();

    const RouteSetting& settingAt(int position) const;
    int slotAt(int position) const;
    const RouteSetting& slot(int slotNumber) const;
    std::string descriptionAt(int position) const;
    const std::array<int, positionCount>& priorityOrder() const { return m_priorityOrder; }

    bool ignorePriority() const { return m_ignorePriority; }
    // The check box: no Undo, but a reason to save.
    void setIgnorePriority(bool on);

    // OK in the setting dialog for the row at `position`.
    void editSetting(int position, const RouteSetting& edited);

    // Drag and drop: the row at `from` dropped on boundary 0..10 (boundary b lies above row b).
    // Returns the row's new position, or nullopt when the drop changes nothing (a boundary
    // directly above or below the row).
    std::optional<int> dropRow(int from, int boundary);

    // The edit commands on a list row. Cut and Copy return the description the system
    // clipboard receives; so does the menu's Delete. The Delete key leaves the clipboard alone.
    std::string cut(int position);
    std::string copy(int position);
    std::string deleteFromMenu(int position);
    void deleteByKey(int position);
    // Pastes only when `clipboardText` is still the description last put there by a setting
    // command; returns whether it did.
    bool paste(int position, std::string_view clipboardText);
    bool clipboardHoldsSetting() const { return m_clipboardHoldsSetting; }
    // Cut or Copy of comment text takes the clipboard over.
    void commentsTextCopied() { m_clipboardHoldsSetting = false; }

    // The comments editor.
    const std::string& comments() const { return m_comments.text(); }
    void enterComments() { m_comments.enter(); }
    void editComments(std::string_view newText);

    bool canUndo() const { return m_undoEnabled; }
    // Reverts the last change; a second Undo redoes it. Returns the position to select for a
    // move or setting change, nullopt for comments (the editor reloads `comments()`).
    std::optional<int> undo();
    Change lastChange() const { return m_lastChange; }

    bool settingsChanged() const { return m_settingsChanged; }
    bool priorityFlagChanged() const { return m_priorityFlagChanged; }
    std::optional<std::string_view> changePrompt() const;

    // What the transmission engine sends, one entry per step of its timer, in sending order:
    // the header, then list positions 9 down to 0 (priority 10 first, priority 1 last), each
    // the slot's setting message or nullopt for an empty slot, which sends nothing.
    // The engine fires the first step 537 ms after the press and every later step 20 ms after
    // the one before.
    std::vector<std::optional<Bytes>> sendingSteps() const;

  private:
    RouteSetting& mutableSettingAt(int position);
    void recordSettingChange(int position);
    void moveRow(int from, int to);
    std::string removeSetting(int position);

    std::array<RouteSetting, positionCount> m_slots{};  // slot n at index n - 1
    std::array<int, positionCount> m_priorityOrder{};
    bool m_ignorePriority = false;
    StructuredComments m_comments;
    RouteSetting m_undoCopy;
    RouteSetting m_clipboardSetting;
    bool m_clipboardHoldsSetting = false;
    std::string m_lastCopiedDescription;
    int m_lastPosition = 0;
    int m_lastMoveFrom = 0;
    int m_lastMoveTo = 0;
    Change m_lastChange = Change::None;
    bool m_settingsChanged = false;
    bool m_priorityFlagChanged = false;
    bool m_undoEnabled = false;
};

// The list's geometry: ten rows of 13 pixels.
namespace routelist {
inline constexpr int rowHeight = 13;
// The row under a point, or nullopt outside the ten rows.
std::optional<int> rowAt(int y);
// The row boundary nearest a point while dragging, 0..10.
int boundaryAt(int y);
// The drag mark is drawn on every boundary but the two that touch the dragged row.
bool isBoundaryMarked(int boundary, int draggedRow);
}  // namespace routelist

}  // namespace corlinth
