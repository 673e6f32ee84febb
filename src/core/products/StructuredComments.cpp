#include "core/products/StructuredComments.h"

#include <utility>

namespace corlinth {

void StructuredComments::edit(std::string_view newText) {
    m_before = std::move(m_now);
    m_now = std::string(newText);
    m_text = m_now;
    m_modified = true;
}

void StructuredComments::undo() {
    std::swap(m_text, m_before);
    // The undone text is now what the editor shows; the next keystroke starts from it, so
    // that Undo after further typing goes back one keystroke and not to an older text.
    m_now = m_text;
    // Undo changes the text against the saved file as much as typing does.
    m_modified = true;
}

void StructuredComments::load(std::string_view text) {
    m_text = std::string(text);
    m_before = m_text;
    m_now = m_text;
    m_modified = false;
}

std::optional<std::string_view> structuredChangePrompt(bool settingsChanged,
                                                       bool commentsModified) {
    if (settingsChanged) {
        return texts::settingsChangedPrompt;
    }
    if (commentsModified) {
        return texts::commentsChangedPrompt;
    }
    return std::nullopt;
}

}  // namespace corlinth
