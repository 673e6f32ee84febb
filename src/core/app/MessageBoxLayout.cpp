#include "core/app/MessageBoxLayout.h"

#include <algorithm>

#include "core/app/ShellTexts.h"

namespace corlinth {

std::string_view answerText(Answer answer) {
    switch (answer) {
        case Answer::Yes:
            return texts::yes;
        case Answer::No:
            return texts::no;
        case Answer::Cancel:
            break;
    }
    return texts::cancel;
}

Answer answerOfButton(std::string_view caption) {
    if (caption == texts::yes || caption == texts::ok) {
        return Answer::Yes;
    }
    if (caption == texts::no) {
        return Answer::No;
    }
    return Answer::Cancel;
}

bool presetsCancel(MessageKind kind) {
    return kind != MessageKind::Information;
}

bool suppressesBeep(MessageKind kind, PlatformMode mode) {
    return mode == PlatformMode::Mac && kind != MessageKind::Question;
}

std::string_view messageCaption(MessageKind kind) {
    return kind == MessageKind::Information ? texts::informationCaption : texts::warningCaption;
}

MessageBoxGeometry layoutMessageBox(MessageKind kind, bool isSmfWarning, int textWidth,
                                    int textHeight) {
    using namespace messageBox;
    MessageBoxGeometry box;
    box.iconLeft = iconLeft;
    box.iconTop = iconTop;
    box.textLeft = textLeft;
    box.textTop = textTop;
    if (kind == MessageKind::Question) {
        box.buttons = {{{texts::yes, true}, {texts::no, true}, {texts::cancel, !isSmfWarning}}};
    } else {
        box.buttons = {{{texts::ok, true}, {texts::no, false}, {texts::cancel, false}}};
    }
    const int shown = static_cast<int>(std::count_if(box.buttons.begin(), box.buttons.end(),
                                                     [](const auto& b) { return b.visible; }));
    const int groupWidth = shown * buttonWidth + (shown - 1) * buttonGap;

    box.width = std::max(textWidth + extraWidth, groupWidth + 2 * 10);
    box.height = textHeight + extraHeight;
    int left = (box.width - groupWidth) / 2;
    for (MessageButtonPlacement& button : box.buttons) {
        button.top = box.height - buttonsAboveBottom;
        button.left = left;
        if (button.visible) {
            left += buttonWidth + buttonGap;
        }
    }
    return box;
}

TopLeft centredOn(int centreX, int centreY, int width, int height) {
    return {std::max(0, centreX - width / 2), std::max(0, centreY - height / 2)};
}

}  // namespace corlinth
