#pragma once

#include <cstddef>
#include <string_view>

namespace corlinth {

enum class NoticeKind { Information, Warning };

// A line of the settings document, with its place in the editor's own counting, where a line
// break counts as two characters.
struct LineSelection {
    std::size_t line = 0;
    std::size_t start = 0;
    std::size_t length = 0;
    bool operator==(const LineSelection&) const = default;
};

// What the transmission engine asks of its window (or of whatever stands in for it).
class TransmissionView {
  public:
    virtual ~TransmissionView() = default;

    // Whether the shared message box is showing. It must read true as soon as showNotice has
    // returned, until the user closes the box: the engine ends a pass on it.
    virtual bool messageBoxVisible() const = 0;

    virtual void setButtonCaption(std::string_view caption) = 0;

    // `callwarning`, and the information about a missing port: the window clears the pending
    // action and the dialog validity flag, hides itself, marks itself to come back once the
    // message is closed, and shows the message centred on itself.
    virtual void showNotice(NoticeKind kind, std::string_view text) = 0;

    // Text products: select the line whose message is being sent.
    virtual void highlightLine(const LineSelection& line) = 0;
    // Text products: the caret to the start of the text, nothing selected.
    virtual void caretToStart() = 0;
    // The caret to the end of the text (the settings text, or the comments of the structured
    // editors).
    virtual void caretToEnd() = 0;

    virtual void focusWindow() = 0;
};

}  // namespace corlinth
