#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/document/Bytes.h"
#include "core/products/StructuredComments.h"
#include "core/products/velocity/UserCurve.h"
#include "core/products/velocity/VelocityFile.h"

namespace corlinth {

// The velocity editor's document: the curve of each of the 16 channels, the user curve, the
// control-change assignment, the comments, and one undo copy of each kind of setting.
class VelocityDocument {
  public:
    static constexpr int channelCount = 16;

    // The kinds Undo tells apart; each setting kind keeps its own previous value.
    enum class Change { None, Assignments, UserCurve, CcNumber, CcOffset, CcChannel, Comments };

    VelocityDocument();

    void clear();
    void load(const VelocityFileContents& contents);
    VelocityFileContents fileContents() const;
    void markSaved();

    // Channels 1..16; a curve is -1 (none), 0 (the user curve) or a preset 1..40.
    int channelCurve(int channel) const;
    void assignCurve(int channel, int curve);
    void assignCurveToAll(int curve);

    const UserCurve& userCurve() const { return m_userCurve; }
    // OK in the "User Curve" dialog, changed or not.
    void setUserCurve(const UserCurve& curve);

    // 0 for no control-change assignment, else the controller number + 1 (1..128), which is
    // also the index in the window's controller list.
    int ccNumber() const { return m_ccNumber; }
    int ccOffset() const { return m_ccOffset; }
    // 0..15, or 16 for all channels: the index in `channelListItems(true)`.
    int ccChannel() const { return m_ccChannel; }
    void setCcNumber(int number);
    void setCcOffset(int offset);
    void setCcChannel(int channel);

    const std::string& comments() const { return m_comments.text(); }
    void enterComments() { m_comments.enter(); }
    void editComments(std::string_view newText);

    bool canUndo() const { return m_undoEnabled; }
    // Reverts the last change and returns its kind, so the window refreshes that part; a
    // second Undo redoes it. The kinds that did not change last give up their undo copies.
    Change undo();
    Change lastChange() const { return m_lastChange; }
    bool settingsChanged() const { return m_settingsChanged; }
    std::optional<std::string_view> changePrompt() const;

    // The text of a channel's box: "none", " user", "  9", or "CC" while the control-change
    // assignment covers the channel.
    std::string assignmentBoxText(int channel) const;

    // What the transmission engine sends, one entry per step of its timer (146 steps):
    //   0        the start message
    //   1..16    the curve assignment of channel p, or nullopt when the channel has none
    //   17       the control-change assignment, or nullopt when there is none
    //   18       the message announcing the user curve
    //   19..145  the user curve's point p - 18 as B0 00 value
    // nullopt means the step sends nothing. Pacing: the first step fires 537 ms after the
    // press and the steps up to 19 follow 20 ms apart; the step that sends the first point
    // (19) sets the timer to 5 ms, so points 2..127 (steps 20..145) follow 5 ms apart.
    std::vector<std::optional<Bytes>> sendingSteps() const;

  private:
    void recordChange(Change kind);

    std::array<int, channelCount> m_channelCurve{};
    UserCurve m_userCurve;
    int m_ccNumber = 0;
    int m_ccOffset = 0;
    int m_ccChannel = 0;
    StructuredComments m_comments;

    std::array<int, channelCount> m_channelCurveUndo{};
    UserCurve m_userCurveUndo;
    int m_ccNumberUndo = 0;
    int m_ccOffsetUndo = 0;
    int m_ccChannelUndo = 0;

    Change m_lastChange = Change::None;
    bool m_settingsChanged = false;
    bool m_undoEnabled = false;
};

// The window's geometry that is rule rather than look.
namespace velocitywindow {
// The channel (1..16) whose assignment box lies under a point of the assignments group, or
// nullopt between boxes and outside their row: boxes 33 pixels wide every 37 pixels from
// x = 9, in the rows 33..50.
std::optional<int> assignmentBoxAt(int x, int y);

// The small picture of the user curve (89 by 89 pixels): the line from the bottom-left corner
// through one point per input velocity 1..127.
inline constexpr int pictureScale = 83;
std::vector<std::pair<int, int>> userCurvePicture(const UserCurve& curve);
}  // namespace velocitywindow

}  // namespace corlinth
