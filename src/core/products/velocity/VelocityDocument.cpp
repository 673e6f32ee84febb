#include "core/products/velocity/VelocityDocument.h"

#include <stdexcept>

#include "core/products/velocity/VelocityMessages.h"
#include "core/products/velocity/VelocityTexts.h"

namespace corlinth {
namespace {

void checkChannel(int channel) {
    if (channel < 1 || channel > VelocityDocument::channelCount) {
        throw std::out_of_range("MIDI channel outside 1..16");
    }
}

void checkCurve(int curve) {
    if (curve < curvenumber::none || curve > curvenumber::lastPreset) {
        throw std::out_of_range("curve number outside -1..40");
    }
}

void checkRange(int value, int low, int high, const char* what) {
    if (value < low || value > high) {
        throw std::out_of_range(what);
    }
}

}  // namespace

VelocityDocument::VelocityDocument() {
    clear();
}

void VelocityDocument::clear() {
    load(VelocityFileContents{});
}

void VelocityDocument::load(const VelocityFileContents& contents) {
    for (const int curve : contents.channelCurve) {
        checkCurve(curve);
    }
    checkRange(contents.ccNumber, 0, 128, "controller outside 0..128");
    checkRange(contents.ccOffset, 0, 127, "offset outside 0..127");
    checkRange(contents.ccChannel, 0, ccChannelAll, "channel outside 0..16");
    m_channelCurve = contents.channelCurve;
    m_userCurve = contents.userCurve;
    m_ccNumber = contents.ccNumber;
    m_ccOffset = contents.ccOffset;
    m_ccChannel = contents.ccChannel;
    m_comments.load(contents.comments);
    m_channelCurveUndo = m_channelCurve;
    m_userCurveUndo = m_userCurve;
    m_ccNumberUndo = m_ccNumber;
    m_ccOffsetUndo = m_ccOffset;
    m_ccChannelUndo = m_ccChannel;
    m_lastChange = Change::None;
    m_settingsChanged = false;
    m_undoEnabled = false;
}

VelocityFileContents VelocityDocument::fileContents() const {
    VelocityFileContents contents;
    contents.channelCurve = m_channelCurve;
    contents.userCurve = m_userCurve;
    contents.ccNumber = m_ccNumber;
    contents.ccOffset = m_ccOffset;
    contents.ccChannel = m_ccChannel;
    contents.comments = m_comments.text();
    return contents;
}

void VelocityDocument::markSaved() {
    m_settingsChanged = false;
    m_undoEnabled = false;
    m_comments.markSaved();
}

int VelocityDocument::channelCurve(int channel) const {
    checkChannel(channel);
    return m_channelCurve[static_cast<std::size_t>(channel - 1)];
}

void VelocityDocument::recordChange(Change kind) {
    m_lastChange = kind;
    m_settingsChanged = true;
    m_undoEnabled = true;
}

void VelocityDocument::assignCurve(int channel, int curve) {
    checkChannel(channel);
    checkCurve(curve);
    m_channelCurveUndo = m_channelCurve;
    m_channelCurve[static_cast<std::size_t>(channel - 1)] = curve;
    recordChange(Change::Assignments);
}

void VelocityDocument::assignCurveToAll(int curve) {
    checkCurve(curve);
    m_channelCurveUndo = m_channelCurve;
    m_channelCurve.fill(curve);
    recordChange(Change::Assignments);
}

void VelocityDocument::setUserCurve(const UserCurve& curve) {
    m_userCurveUndo = m_userCurve;
    m_userCurve = curve;
    recordChange(Change::UserCurve);
}

void VelocityDocument::setCcNumber(int number) {
    checkRange(number, 0, 128, "controller outside 0..128");
    m_ccNumberUndo = m_ccNumber;
    m_ccNumber = number;
    recordChange(Change::CcNumber);
}

void VelocityDocument::setCcOffset(int offset) {
    checkRange(offset, 0, 127, "offset outside 0..127");
    m_ccOffsetUndo = m_ccOffset;
    m_ccOffset = offset;
    recordChange(Change::CcOffset);
}

void VelocityDocument::setCcChannel(int channel) {
    checkRange(channel, 0, ccChannelAll, "channel outside 0..16");
    m_ccChannelUndo = m_ccChannel;
    m_ccChannel = channel;
    recordChange(Change::CcChannel);
}

void VelocityDocument::editComments(std::string_view newText) {
    m_comments.edit(newText);
    m_lastChange = Change::Comments;
    m_undoEnabled = true;
}

VelocityDocument::Change VelocityDocument::undo() {
    if (!m_undoEnabled) {
        return Change::None;
    }
    if (m_lastChange == Change::Comments) {
        m_comments.undo();
        return Change::Comments;
    }
    if (!m_settingsChanged || m_lastChange == Change::None) {
        return Change::None;
    }
    // Only the last change can be undone; the other kinds forget their previous values, so
    // that a later Undo of one of them cannot bring back a value from before this change.
    if (m_lastChange != Change::Assignments) {
        m_channelCurveUndo = m_channelCurve;
    }
    if (m_lastChange != Change::UserCurve) {
        m_userCurveUndo = m_userCurve;
    }
    if (m_lastChange != Change::CcNumber) {
        m_ccNumberUndo = m_ccNumber;
    }
    if (m_lastChange != Change::CcOffset) {
        m_ccOffsetUndo = m_ccOffset;
    }
    if (m_lastChange != Change::CcChannel) {
        m_ccChannelUndo = m_ccChannel;
    }
    std::swap(m_channelCurve, m_channelCurveUndo);
    std::swap(m_userCurve, m_userCurveUndo);
    std::swap(m_ccNumber, m_ccNumberUndo);
    std::swap(m_ccOffset, m_ccOffsetUndo);
    std::swap(m_ccChannel, m_ccChannelUndo);
    return m_lastChange;
}

std::optional<std::string_view> VelocityDocument::changePrompt() const {
    return structuredChangePrompt(m_settingsChanged, m_comments.isModified());
}

std::string VelocityDocument::assignmentBoxText(int channel) const {
    const int curve = channelCurve(channel);
    if (m_ccNumber != 0 && (m_ccChannel == ccChannelAll || m_ccChannel == channel - 1)) {
        return std::string(texts::velocity::boxControlChange);
    }
    if (curve == curvenumber::none) {
        return std::string(texts::velocity::none);
    }
    if (curve == curvenumber::user) {
        return std::string(texts::velocity::boxUser);
    }
    return std::string(texts::velocity::boxPresetPrefix) + std::to_string(curve);
}

std::vector<std::optional<Bytes>> VelocityDocument::sendingSteps() const {
    std::vector<std::optional<Bytes>> steps;
    steps.reserve(1 + channelCount + 2 + UserCurve::inputCount);
    steps.emplace_back(velocityStartMessage());
    for (int channel = 1; channel <= channelCount; ++channel) {
        const int curve = channelCurve(channel);
        steps.push_back(curve == curvenumber::none
                            ? std::nullopt
                            : std::optional<Bytes>(curveAssignmentMessage(curve, channel)));
    }
    steps.push_back(m_ccNumber == 0 ? std::nullopt
                                    : std::optional<Bytes>(controlChangeAssignmentMessage(
                                          m_ccNumber, m_ccOffset, m_ccChannel)));
    steps.emplace_back(userCurveFollowsMessage());
    for (int input = 1; input <= UserCurve::inputCount; ++input) {
        steps.emplace_back(userCurvePointMessage(m_userCurve[input]));
    }
    return steps;
}

namespace velocitywindow {

std::optional<int> assignmentBoxAt(int x, int y) {
    constexpr int left = 9;
    constexpr int width = 33;
    constexpr int pitch = 37;
    constexpr int top = 33;
    constexpr int bottom = 50;
    if (y < top || y > bottom || x < left) {
        return std::nullopt;
    }
    const int box = (x - left) / pitch;
    if (box >= VelocityDocument::channelCount || (x - left) % pitch >= width) {
        return std::nullopt;
    }
    return box + 1;
}

std::vector<std::pair<int, int>> userCurvePicture(const UserCurve& curve) {
    std::vector<std::pair<int, int>> points{{0, pictureScale}};
    for (int v = 1; v <= UserCurve::inputCount; ++v) {
        points.emplace_back(v * pictureScale / 127, pictureScale - curve[v] * pictureScale / 127);
    }
    return points;
}

}  // namespace velocitywindow
}  // namespace corlinth
