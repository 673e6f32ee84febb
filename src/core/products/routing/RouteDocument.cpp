#include "core/products/routing/RouteDocument.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace corlinth {
namespace {

void checkPosition(int position) {
    if (position < 0 || position >= RouteDocument::positionCount) {
        throw std::out_of_range("routing list position outside 0..9");
    }
}

}  // namespace

RouteDocument::RouteDocument() {
    clear();
}

void RouteDocument::clear() {
    m_slots.fill(RouteSetting{});
    std::iota(m_priorityOrder.begin(), m_priorityOrder.end(), 1);
    m_ignorePriority = false;
    m_comments.load("");
    m_lastPosition = 0;
    m_lastMoveFrom = 0;
    m_lastMoveTo = 0;
    m_lastChange = Change::None;
    m_settingsChanged = false;
    m_priorityFlagChanged = false;
    m_undoEnabled = false;
}

void RouteDocument::load(const RouteFileContents& contents) {
    for (const RouteSetting& s : contents.byPriority) {
        if (!isValidRouteSetting(s)) {
            throw std::invalid_argument("routing setting outside the unit's values");
        }
    }
    clear();
    m_slots = contents.byPriority;
    m_ignorePriority = contents.ignorePriority;
    m_comments.load(contents.comments);
}

RouteFileContents RouteDocument::fileContents() const {
    RouteFileContents contents;
    for (int position = 0; position < positionCount; ++position) {
        contents.byPriority[static_cast<std::size_t>(position)] = settingAt(position);
    }
    contents.ignorePriority = m_ignorePriority;
    contents.comments = m_comments.text();
    return contents;
}

void RouteDocument::markSaved() {
    m_settingsChanged = false;
    m_priorityFlagChanged = false;
    m_undoEnabled = false;
    m_comments.markSaved();
}

int RouteDocument::slotAt(int position) const {
    checkPosition(position);
    return m_priorityOrder[static_cast<std::size_t>(position)];
}

const RouteSetting& RouteDocument::slot(int slotNumber) const {
    if (slotNumber < 1 || slotNumber > positionCount) {
        throw std::out_of_range("routing slot outside 1..10");
    }
    return m_slots[static_cast<std::size_t>(slotNumber - 1)];
}

const RouteSetting& RouteDocument::settingAt(int position) const {
    return slot(slotAt(position));
}

RouteSetting& RouteDocument::mutableSettingAt(int position) {
    return m_slots[static_cast<std::size_t>(slotAt(position) - 1)];
}

std::string RouteDocument::descriptionAt(int position) const {
    return routeDescription(settingAt(position));
}

void RouteDocument::setIgnorePriority(bool on) {
    m_ignorePriority = on;
    m_priorityFlagChanged = true;
}

void RouteDocument::recordSettingChange(int position) {
    m_lastPosition = position;
    m_lastChange = Change::SettingChange;
    m_settingsChanged = true;
    m_priorityFlagChanged = false;
    m_undoEnabled = true;
}

void RouteDocument::editSetting(int position, const RouteSetting& edited) {
    if (!isValidRouteSetting(edited)) {
        throw std::invalid_argument("routing setting outside the unit's values");
    }
    RouteSetting& target = mutableSettingAt(position);
    m_undoCopy = target;
    target = edited;
    recordSettingChange(position);
}

void RouteDocument::moveRow(int from, int to) {
    const auto first = m_priorityOrder.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

std::optional<int> RouteDocument::dropRow(int from, int boundary) {
    checkPosition(from);
    if (boundary < 0 || boundary > positionCount) {
        throw std::out_of_range("routing list boundary outside 0..10");
    }
    const int to = from < boundary ? boundary - 1 : boundary;
    if (to == from) {
        return std::nullopt;
    }
    moveRow(from, to);
    m_lastMoveFrom = from;
    m_lastMoveTo = to;
    m_lastChange = Change::Move;
    m_settingsChanged = true;
    m_priorityFlagChanged = false;
    m_undoEnabled = true;
    return to;
}

std::string RouteDocument::removeSetting(int position) {
    RouteSetting& target = mutableSettingAt(position);
    std::string description = routeDescription(target);
    m_undoCopy = target;
    // Only the type goes: the other fields stay in the slot, shown again only when the
    // dialog's type list is used, which resets them anyway.
    target.dataType = routetype::empty;
    recordSettingChange(position);
    return description;
}

std::string RouteDocument::cut(int position) {
    m_clipboardSetting = settingAt(position);
    m_clipboardHoldsSetting = true;
    m_lastCopiedDescription = removeSetting(position);
    return m_lastCopiedDescription;
}

std::string RouteDocument::copy(int position) {
    m_clipboardSetting = settingAt(position);
    m_clipboardHoldsSetting = true;
    m_lastCopiedDescription = descriptionAt(position);
    return m_lastCopiedDescription;
}

std::string RouteDocument::deleteFromMenu(int position) {
    m_lastCopiedDescription = removeSetting(position);
    return m_lastCopiedDescription;
}

void RouteDocument::deleteByKey(int position) {
    removeSetting(position);
}

bool RouteDocument::paste(int position, std::string_view clipboardText) {
    checkPosition(position);
    if (!m_clipboardHoldsSetting || clipboardText != m_lastCopiedDescription) {
        return false;
    }
    RouteSetting& target = mutableSettingAt(position);
    m_undoCopy = target;
    target = m_clipboardSetting;
    recordSettingChange(position);
    return true;
}

void RouteDocument::editComments(std::string_view newText) {
    m_comments.edit(newText);
    m_lastChange = Change::CommentsChange;
    m_undoEnabled = true;
}

std::optional<int> RouteDocument::undo() {
    if (!m_undoEnabled) {
        return std::nullopt;
    }
    if (m_lastChange == Change::CommentsChange) {
        m_comments.undo();
        return std::nullopt;
    }
    if (!m_settingsChanged) {
        return std::nullopt;
    }
    if (m_lastChange == Change::Move) {
        moveRow(m_lastMoveTo, m_lastMoveFrom);
        std::swap(m_lastMoveFrom, m_lastMoveTo);
        return m_lastMoveTo;
    }
    if (m_lastChange == Change::SettingChange) {
        std::swap(mutableSettingAt(m_lastPosition), m_undoCopy);
        return m_lastPosition;
    }
    return std::nullopt;
}

std::optional<std::string_view> RouteDocument::changePrompt() const {
    return structuredChangePrompt(m_settingsChanged || m_priorityFlagChanged,
                                  m_comments.isModified());
}

std::vector<std::optional<Bytes>> RouteDocument::sendingSteps() const {
    std::vector<std::optional<Bytes>> steps;
    steps.reserve(positionCount + 1);
    steps.emplace_back(routeHeaderMessage(m_ignorePriority));
    for (int position = positionCount - 1; position >= 0; --position) {
        steps.push_back(routeSettingMessage(settingAt(position)));
    }
    return steps;
}

namespace routelist {

std::optional<int> rowAt(int y) {
    if (y < 0 || y >= RouteDocument::positionCount * rowHeight) {
        return std::nullopt;
    }
    return y / rowHeight;
}

int boundaryAt(int y) {
    return std::clamp((y + rowHeight / 2) / rowHeight, 0, RouteDocument::positionCount);
}

bool isBoundaryMarked(int boundary, int draggedRow) {
    return boundary != draggedRow && boundary != draggedRow + 1;
}

}  // namespace routelist
}  // namespace corlinth
