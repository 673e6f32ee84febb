#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "core/app/FixedTexts.h"
#include "core/document/EditorOperations.h"
#include "core/document/LineSource.h"
#include "core/document/RichText.h"

namespace corlinth::gui {

// The settings document's rich-text box: the document as lines with bold runs, and the
// editor's operations applied to it. Every line of the text is one block of the document.
// A plain-text edit box carries the bold runs just as well and lays out only what is on the
// screen, so a document of ten thousand settings opens at once.
class DocumentText : public QPlainTextEdit, public LineSource {
    Q_OBJECT
  public:
    explicit DocumentText(QWidget* parent = nullptr);

    void setEditorFont(const FontSpec& font);

    std::vector<std::string> lines() const;
    // The lines read in place, for the editor's operations.
    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    RichDocument richDocument() const;
    // Replaces the whole text (New, Open); clears the undo history and the change flag.
    void setRichDocument(const RichDocument& document);

    // Applies a plan inside one undo step and puts the caret at the start of its caret line.
    void applyPlan(const EditPlan& plan);

    int caretLine() const;
    int lineOfPosition(int position) const;
    int lineStart(int line) const;
    // Selects whole lines: from the start of `first` to the start of the line after the last
    // one (or the end of the text).
    void selectLines(int first, int count);
    void setCaretToLine(int line);
    void moveCaretToEnd();
    void moveCaretToStart();

    bool isModified() const;
    void setModified(bool modified);

  signals:
    // setRichDocument gave the box a new QTextDocument.
    void documentReplaced();
    // A right-click (or, in Mac mode, a control-click) at a point of the viewport.
    void editRequested(const QPoint& viewportPoint, const QPoint& globalPoint);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  public:
    // In Mac mode a press with the Control key held asks for Edit Setting as a right-click does.
    void setControlClickEdits(bool on) { m_controlClickEdits = on; }

  private:
    void insertLinesAt(class QTextCursor& cursor, int before, const std::vector<RichLine>& lines);
    void removeLines(class QTextCursor& cursor, int first, int count);

    QFont m_font;
    bool m_controlClickEdits = false;
};

}  // namespace corlinth::gui
