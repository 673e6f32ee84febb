#include "gui/app/MessageBoxWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "core/app/FixedTexts.h"
#include "core/app/ProductRegistry.h"
#include "core/app/ShellTexts.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"

namespace corlinth::gui {
namespace {

// The texts come with CR LF line ends, as the program joins its fixed texts.
QString shownText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(Shell& shell) : ManagedWindow(shell, windows::messageBox) {
    setWindowTitle(qt(texts::warningCaption));
    // Above every other window of the program, the borderless selection window included.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("Image1"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Label1"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const std::array<const char*, 3> names{"YesButton", "NoButton", "CancelButton"};
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->resize(messageBox::buttonWidth, messageBox::buttonHeight);
        connect(button, &QPushButton::clicked, this, [this, button] { answerWith(*button); });
        m_buttons[i] = button;
    }
}

void MessageBoxWindow::MsgQuestion(const QString& text, QPoint centre) {
    showMessage(MessageKind::Question, text, centre);
}

void MessageBoxWindow::MsgWarning(const QString& text, QPoint centre) {
    showMessage(MessageKind::Warning, text, centre);
}

void MessageBoxWindow::MsgInfo(const QString& text, QPoint centre) {
    showMessage(MessageKind::Information, text, centre);
}

void MessageBoxWindow::MsgQuestion(const QString& text, const QWidget& caller) {
    MsgQuestion(text, caller.frameGeometry().center());
}

void MessageBoxWindow::MsgWarning(const QString& text, const QWidget& caller) {
    MsgWarning(text, caller.frameGeometry().center());
}

void MessageBoxWindow::MsgInfo(const QString& text, const QWidget& caller) {
    MsgInfo(text, caller.frameGeometry().center());
}

QString MessageBoxWindow::text() const {
    return m_text->text();
}

void MessageBoxWindow::showMessage(MessageKind kind, const QString& text, QPoint centre) {
    m_kind = kind;
    setWindowTitle(qt(messageCaption(kind)));
    const QFont font = shell().macMode() ? qtFont(macMessageFont()) : QApplication::font("QMenu");
    m_text->setFont(font);
    m_text->setText(shownText(text));

    const QStyle::StandardPixmap icon = kind == MessageKind::Information
                                            ? QStyle::SP_MessageBoxInformation
                                            : QStyle::SP_MessageBoxWarning;
    m_icon->setPixmap(style()->standardIcon(icon).pixmap(messageBox::iconSize));

    if (presetsCancel(kind)) {
        m_answer = Answer::Cancel;
    }

    const QRect textBounds = QFontMetrics(font).boundingRect(
        QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, m_text->text());
    const bool smfWarning = text == qt(smfWarningText());
    const MessageBoxGeometry box =
        layoutMessageBox(kind, smfWarning, textBounds.width(), textBounds.height());
    setFixedSize(box.width, box.height);
    m_icon->setGeometry(box.iconLeft, box.iconTop, messageBox::iconSize, messageBox::iconSize);
    m_text->setGeometry(box.textLeft, box.textTop, textBounds.width(), textBounds.height());
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        QPushButton* button = m_buttons[i];
        button->setText(qt(box.buttons[i].caption));
        button->move(box.buttons[i].left, box.buttons[i].top);
        button->setVisible(box.buttons[i].visible);
    }
    if (suppressesBeep(kind, shell().platformMode())) {
        shell().suppressNextBeep();
    }
    const TopLeft place = centredOn(centre.x(), centre.y(), box.width, box.height);
    move(place.left, place.top);
    showInFront();
    m_buttons[0]->setFocus();
}

void MessageBoxWindow::answerWith(const QPushButton& button) {
    m_answer = answerOfButton(utf8(button.text()));
    finish();
}

void MessageBoxWindow::closeEvent(QCloseEvent* event) {
    // The frame's close box keeps the preset answer. The box hides itself rather than letting
    // the close go through, because the continuation may show the next message in it at once.
    event->ignore();
    finish();
}

void MessageBoxWindow::finish() {
    if (!isVisible()) {
        return;
    }
    hide();
    shell().messageBoxClosed(m_answer);
}

}  // namespace corlinth::gui
