#include "gui/document/DocumentText.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace corlinth::gui {
namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DocumentText::DocumentText(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("RichEdit1"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    document()->setUndoRedoEnabled(true);
}

void DocumentText::setEditorFont(const FontSpec& font) {
    m_font = QFont(q(font.family), font.pointSize);
    setFont(m_font);
    document()->setDefaultFont(m_font);
    // Text already there takes the editor's font too; bold runs stay bold.
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontFamilies({m_font.family()});
    format.setFontPointSize(m_font.pointSizeF());
    cursor.mergeCharFormat(format);
    document()->setModified(false);
}

std::vector<std::string> DocumentText::lines() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        out.push_back(block.text().toStdString());
    }
    return out;
}

std::size_t DocumentText::lineCount() const {
    return static_cast<std::size_t>(document()->blockCount());
}

std::string DocumentText::line(std::size_t index) const {
    if (index >= lineCount()) {
        return {};
    }
    return document()->findBlockByNumber(static_cast<int>(index)).text().toStdString();
}

RichDocument DocumentText::richDocument() const {
    RichDocument doc;
    doc.lines.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        RichLine line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) {
                line.append(fragment.text().toStdString(),
                            fragment.charFormat().fontWeight() >= QFont::Bold);
            }
        }
        doc.lines.push_back(std::move(line));
    }
    return doc;
}

void DocumentText::setRichDocument(const RichDocument& rich) {
    // A large document is built apart from the box and handed over whole: laid out line by
    // line while attached, ten thousand settings would take seconds.
    auto* doc = new QTextDocument(this);
    doc->setDocumentLayout(new QPlainTextDocumentLayout(doc));
    doc->setDefaultFont(m_font);
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    QTextCharFormat plain;
    plain.setFont(m_font);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < rich.lines.size(); ++i) {
        if (i > 0) {
            cursor.insertBlock(QTextBlockFormat(), plain);
        }
        for (const TextRun& run : rich.lines[i].runs) {
            cursor.insertText(q(run.text), run.bold ? bold : plain);
        }
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    // The box deletes its own first document itself; the ones made here are ours to delete.
    QPointer<QTextDocument> old = document();
    setDocument(doc);
    if (old && old->parent() == this) {
        delete old.data();
    }
    emit documentReplaced();
}

void DocumentText::insertLinesAt(QTextCursor& cursor, int before,
                                 const std::vector<RichLine>& lines) {
    QTextCharFormat plain;
    plain.setFont(m_font);
    QTextCharFormat bold = plain;
    bold.setFontWeight(QFont::Bold);
    const int count = document()->blockCount();
    auto writeLine = [&](const RichLine& line) {
        for (const TextRun& run : line.runs) {
            cursor.insertText(q(run.text), run.bold ? bold : plain);
        }
    };
    if (before < count) {
        // Each new line goes in at the start of block `before`, followed by a line break.
        cursor.setPosition(document()->findBlockByNumber(before).position());
        for (const RichLine& line : lines) {
            writeLine(line);
            cursor.insertBlock(QTextBlockFormat(), plain);
        }
        return;
    }
    cursor.movePosition(QTextCursor::End);
    for (const RichLine& line : lines) {
        cursor.insertBlock(QTextBlockFormat(), plain);
        writeLine(line);
    }
}

void DocumentText::removeLines(QTextCursor& cursor, int first, int count) {
    const int blocks = document()->blockCount();
    if (count <= 0 || first >= blocks) {
        return;
    }
    const int last = std::min(first + count, blocks);
    if (last < blocks) {
        cursor.setPosition(document()->findBlockByNumber(first).position());
        cursor.setPosition(document()->findBlockByNumber(last).position(), QTextCursor::KeepAnchor);
    } else if (first > 0) {
        // The last lines go with the line break before them.
        const QTextBlock before = document()->findBlockByNumber(first - 1);
        cursor.setPosition(before.position() + before.length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    } else {
        cursor.select(QTextCursor::Document);
    }
    cursor.removeSelectedText();
}

void DocumentText::applyPlan(const EditPlan& plan) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const LineEdit& edit : plan.edits) {
        if (edit.kind == LineEdit::Kind::Insert) {
            insertLinesAt(cursor, static_cast<int>(edit.line), edit.lines);
        } else {
            removeLines(cursor, static_cast<int>(edit.line), static_cast<int>(edit.count));
        }
    }
    cursor.endEditBlock();
    setCaretToLine(static_cast<int>(plan.caretLine));
}

int DocumentText::caretLine() const {
    return textCursor().blockNumber();
}

int DocumentText::lineOfPosition(int position) const {
    return document()->findBlock(position).blockNumber();
}

int DocumentText::lineStart(int line) const {
    return document()->findBlockByNumber(line).position();
}

void DocumentText::selectLines(int first, int count) {
    QTextCursor cursor(document());
    cursor.setPosition(lineStart(first));
    const int after = first + count;
    if (after < document()->blockCount()) {
        cursor.setPosition(lineStart(after), QTextCursor::KeepAnchor);
    } else {
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
}

void DocumentText::setCaretToLine(int line) {
    QTextCursor cursor(document());
    const QTextBlock block = document()->findBlockByNumber(line);
    cursor.setPosition(block.isValid() ? block.position() : document()->characterCount() - 1);
    setTextCursor(cursor);
}

void DocumentText::moveCaretToEnd() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void DocumentText::moveCaretToStart() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

bool DocumentText::isModified() const {
    return document()->isModified();
}

void DocumentText::setModified(bool modified) {
    document()->setModified(modified);
}

void DocumentText::contextMenuEvent(QContextMenuEvent* event) {
    // The program's own pop-up: the click first moves the caret, as a left click would.
    const QPoint viewportPoint = viewport()->mapFromGlobal(event->globalPos());
    emit editRequested(viewportPoint, event->globalPos());
    event->accept();
}

void DocumentText::mousePressEvent(QMouseEvent* event) {
    if (m_controlClickEdits && event->button() == Qt::LeftButton &&
        (event->modifiers() & Qt::MetaModifier || event->modifiers() & Qt::ControlModifier)) {
        QPlainTextEdit::mousePressEvent(event);  // the press itself moves the caret
        emit editRequested(event->position().toPoint(), event->globalPosition().toPoint());
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
}

}  // namespace corlinth::gui
