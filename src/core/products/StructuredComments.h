#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/products/StructuredTexts.h"

namespace corlinth {

// The comments of a structured document (routing, velocity) and their one-step Undo. The
// window's comments editor reports each edit; the text here is what the file holds.
class StructuredComments {
  public:
    const std::string& text() const { return m_text; }
    // The editor's text differs from what was last opened or saved.
    bool isModified() const { return m_modified; }

    // Entering the comments editor: the text as it stands is the one an edit starts from.
    void enter() { m_now = m_text; }
    // Each change of the editor's text (each keystroke).
    void edit(std::string_view newText);
    // Exchanges the text with the one before the last edit, so a second Undo restores what
    // the first one took away. The editor loads `text()` afterwards.
    void undo();
    // Text put in by the program (New, Open): no change, nothing to undo.
    void load(std::string_view text);
    void markSaved() { m_modified = false; }

  private:
    std::string m_text;
    std::string m_before;
    std::string m_now;
    bool m_modified = false;
};

// The question asked before New, Open or closing a structured document, or nullopt when
// nothing changed.
std::optional<std::string_view> structuredChangePrompt(bool settingsChanged, bool commentsModified);

}  // namespace corlinth
