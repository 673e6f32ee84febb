#include "gui/app/MacMidiWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "core/app/ProductRegistry.h"
#include "core/app/ShellTexts.h"
#include "core/midi/StartupPortChoices.h"
#include "gui/app/ProductSelectWindow.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"

namespace corlinth::gui {
namespace {

// The window as designed; with no port to offer it loses the list's row.
constexpr int kDesignWidth = 560;
constexpr int kDesignHeight = 150;
constexpr int kTextLeft = 25;
constexpr int kFirstLineTop = 16;
constexpr int kSecondLineTop = 36;
constexpr int kListTop = 66;
constexpr int kListWidth = 320;
constexpr int kButtonsTop = 104;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 10;
constexpr int kNoPortShrink = 16;
constexpr int kMarginBesideText = 50;

}  // namespace

MacMidiWindow::MacMidiWindow(Shell& shell) : ManagedWindow(shell, windows::macMidi) {
    setWindowTitle(qt(texts::macMidiCaption));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kDesignWidth, kDesignHeight);
    m_firstLine = new QLabel(this);
    m_firstLine->setObjectName(QStringLiteral("Label1"));
    m_secondLine = new QLabel(this);
    m_secondLine->setObjectName(QStringLiteral("Label2"));
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("ComboBox1"));
    m_list->hide();
    m_proceed = new QPushButton(this);
    m_proceed->setObjectName(QStringLiteral("Button1"));
    m_no = new QPushButton(qt(texts::no), this);
    m_no->setObjectName(QStringLiteral("Button2"));
    m_no->hide();
    connect(m_proceed, &QPushButton::clicked, this, &MacMidiWindow::proceed);
    connect(m_no, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < m_ports.size()) {
            this->shell().setChosenPort(m_ports[static_cast<std::size_t>(index)]);
        }
    });
}

void MacMidiWindow::showEvent(QShowEvent* event) {
    ManagedWindow::showEvent(event);
    if (!m_setUp) {
        m_setUp = true;
        setUp();
    }
}

void MacMidiWindow::setUp() {
    // The selection window gets ready behind this one.
    shell().selectionWindow().layOutButtons();

    shell().clearChosenPort();
    m_ports = macModePortChoices(shell().midiOutput().listPorts());
    const QSignalBlocker quiet(m_list);
    for (const MidiPort& port : m_ports) {
        m_list->addItem(qt(port.name));
    }

    const QFont font = qtFont(macMessageFont());
    QFont bold = font;
    bold.setBold(true);
    for (QWidget* control : std::initializer_list<QWidget*>{m_firstLine, m_secondLine, m_list}) {
        control->setFont(font);
    }
    m_proceed->setFont(bold);
    m_no->setFont(bold);
    const QFontMetrics metrics(font);

    int width = kDesignWidth;
    int height = kDesignHeight;
    int buttonsTop = kButtonsTop;
    if (!m_ports.empty()) {
        m_list->setCurrentIndex(0);
        shell().setChosenPort(m_ports.front());
        m_proceed->setText(qt(texts::ok));
        m_firstLine->setText(qt(texts::macMidiChoose));
        m_secondLine->clear();
        width = metrics.horizontalAdvance(m_firstLine->text()) + kMarginBesideText;
        m_list->setGeometry((width - kListWidth) / 2, kListTop, kListWidth,
                            m_list->sizeHint().height());
        m_list->show();
        m_proceed->setGeometry((width - kButtonWidth) / 2, buttonsTop, kButtonWidth, kButtonHeight);
    } else {
        m_proceed->setText(qt(texts::yes));
        m_firstLine->setText(qt(texts::macMidiNoneFirst));
        m_secondLine->setText(qt(texts::macMidiNoneSecond));
        // Wide enough for the longer of the two lines.
        width = std::max(kDesignWidth, std::max(metrics.horizontalAdvance(m_firstLine->text()),
                                                metrics.horizontalAdvance(m_secondLine->text())) +
                                           kMarginBesideText);
        height -= kNoPortShrink;
        buttonsTop -= kNoPortShrink;
        const int pair = 2 * kButtonWidth + kButtonGap;
        m_proceed->setGeometry((width - pair) / 2, buttonsTop, kButtonWidth, kButtonHeight);
        m_no->setGeometry((width - pair) / 2 + kButtonWidth + kButtonGap, buttonsTop, kButtonWidth,
                          kButtonHeight);
        m_no->show();
    }
    m_firstLine->setGeometry(kTextLeft, kFirstLineTop, width - kTextLeft, metrics.height() + 2);
    m_secondLine->setGeometry(kTextLeft, kSecondLineTop, width - kTextLeft, metrics.height() + 2);
    setFixedSize(width, height);
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(std::max(0, area.left() + (area.width() - width) / 2),
             std::max(0, area.top() + (area.height() - height) / 2));
    }
    if (m_ports.empty()) {
        m_proceed->setFocus();
    } else {
        m_list->setFocus();
    }
}

void MacMidiWindow::proceed() {
    hide();
    shell().selectionWindow().showProductButtons();
}

void MacMidiWindow::closeEvent(QCloseEvent* event) {
    // "No" and the frame's close box end the run; "OK" and "Yes" only hide the window.
    event->accept();
    shell().endProgram();
}

void MacMidiWindow::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter p(this);
    const int grey = shell().macMode() ? 224 : 248;
    p.fillRect(rect(), QColor(grey, grey, grey));
}

}  // namespace corlinth::gui
