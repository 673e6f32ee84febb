#pragma once

#include <array>
#include <string_view>

#include "core/app/Answer.h"
#include "core/app/FixedTexts.h"

namespace corlinth {

// The shared message box's three kinds.
enum class MessageKind { Question, Warning, Information };

std::string_view answerText(Answer answer);

// The answer a button gives: its own caption; "OK" means "Yes".
Answer answerOfButton(std::string_view caption);

// The question and the warning preset "Cancel", so that closing the box by its frame answers
// "Cancel"; the information box leaves the answer as it was.
bool presetsCancel(MessageKind kind);

// In Mac mode showing a warning or an information moves the activation in a way that must not
// beep.
bool suppressesBeep(MessageKind kind, PlatformMode mode);

std::string_view messageCaption(MessageKind kind);

struct MessageButtonPlacement {
    std::string_view caption;
    bool visible = false;
    int left = 0;
    int top = 0;
};

struct MessageBoxGeometry {
    int width = 0;
    int height = 0;
    int iconLeft = 0;
    int iconTop = 0;
    int textLeft = 0;
    int textTop = 0;
    // The "Yes", "No" and "Cancel" buttons in this order; the first reads "OK" when it is the
    // only one.
    std::array<MessageButtonPlacement, 3> buttons;
};

namespace messageBox {
inline constexpr int buttonWidth = 75;
inline constexpr int buttonHeight = 25;
inline constexpr int buttonGap = 5;
inline constexpr int buttonsAboveBottom = 65;
inline constexpr int extraWidth = 90;
inline constexpr int extraHeight = 110;
inline constexpr int iconLeft = 20;
inline constexpr int iconTop = 20;
inline constexpr int iconSize = 32;
inline constexpr int textLeft = 70;
inline constexpr int textTop = 20;
}  // namespace messageBox

// The box fits the text: text width + 90 by text height + 110, the buttons 65 pixels above the
// bottom edge, side by side 5 pixels apart and centred as a group. The smf warning asks
// without "Cancel". The box is never narrower than its buttons with a margin of ten pixels, so
// a short text cannot cut a button off.
MessageBoxGeometry layoutMessageBox(MessageKind kind, bool isSmfWarning, int textWidth,
                                    int textHeight);

struct TopLeft {
    int left = 0;
    int top = 0;
    bool operator==(const TopLeft&) const = default;
};

// A window of the given size centred on a point, moved right and down where it would begin
// above or left of the screen's corner.
TopLeft centredOn(int centreX, int centreY, int width, int height);

}  // namespace corlinth
