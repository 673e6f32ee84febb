#include "gui/app/Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "core/app/WindowStacking.h"
#include "core/document/EditorTexts.h"
#include "gui/app/AboutBox.h"
#include "gui/app/MacMidiWindow.h"
#include "gui/app/MessageBoxWindow.h"
#include "gui/app/ProductMainWindow.h"
#include "gui/app/ProductSelectWindow.h"
#include "gui/app/QtText.h"
#include "gui/app/ShellEditorEnvironment.h"
#include "gui/app/WindowMark.h"
#include "platform/FileService.h"

namespace corlinth::gui {
namespace {

constexpr int kMacReshowCheckMs = 1000;

int levelOf(const QWidget& window) {
    const WindowMark* mark = WindowMark::of(window);
    return mark ? mark->level() : windowLevel::standalone;
}

}  // namespace

StartupEnvironment StartupEnvironment::ofThisProcess() {
    StartupEnvironment environment;
    environment.currentDirectory = platform::currentDirectory();
    environment.userDocumentsFolder = platform::userDocumentsFolder();
    environment.loginName = platform::loginName();
    return environment;
}

Shell::Shell(const CommandLineOptions& options, MidiOutput& midiOutput,
             StartupEnvironment environment, ShellServices services)
    : m_options(options),
      m_midiOutput(midiOutput),
      m_environment(std::move(environment)),
      m_services(std::move(services)),
      m_pseudoModal(options.mode),
      m_editorEnvironment(std::make_unique<ShellEditorEnvironment>(*this)) {
    if (!m_services.beep) {
        m_services.beep = [] { QApplication::beep(); };
    }
    if (!m_services.endProgram) {
        m_services.endProgram = [] { QCoreApplication::quit(); };
    }
    if (!m_services.openExternal) {
        m_services.openExternal = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    }
    registerProductWindows(m_factory);
    m_reshowTimer.setInterval(kMacReshowCheckMs);
    connect(&m_reshowTimer, &QTimer::timeout, this, &Shell::clearReshowMarksOnceVisible);
}

Shell::~Shell() {
    m_main = nullptr;
    // Newest first, as the product's windows may refer to the ones created before them.
    while (!m_windows.empty()) {
        delete m_windows.back();
    }
}

void Shell::start() {
    m_selection = new ProductSelectWindow(*this);
    m_about = new AboutBox(*this);
    m_messageBox = new MessageBoxWindow(*this);
    m_macMidi = new MacMidiWindow(*this);
    m_selection->show();
}

WindowMark& Shell::manage(QWidget& window, std::string_view name) {
    if (!name.empty()) {
        window.setObjectName(qt(name));
    }
    if (WindowMark* mark = WindowMark::of(window)) {
        return *mark;
    }
    auto* mark = new WindowMark(*this, window);
    m_windows.push_back(&window);
    connect(&window, &QObject::destroyed, this, [this, &window] {
        std::erase(m_windows, &window);
        if (m_selection == &window) {
            m_selection = nullptr;
        } else if (m_about == &window) {
            m_about = nullptr;
        } else if (m_messageBox == &window) {
            m_messageBox = nullptr;
        } else if (m_macMidi == &window) {
            m_macMidi = nullptr;
        }
        if (m_main != nullptr && m_mainWidget == &window) {
            m_main = nullptr;
            m_mainWidget = nullptr;
        }
    });
    return *mark;
}

void Shell::hideForMessage(QWidget& window) {
    if (WindowMark* mark = WindowMark::of(window)) {
        mark->setReshowMark(true);
    }
    window.hide();
}

void Shell::centreOn(QWidget& window, QPoint centre) {
    const QSize frame = window.frameGeometry().size();
    const TopLeft place = centredOn(centre.x(), centre.y(), frame.width(), frame.height());
    window.move(place.left, place.top);
}

void Shell::showInFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

QWidget* Shell::findWindow(std::string_view name) const {
    const QString wanted = qt(name);
    for (QWidget* window : m_windows) {
        if (window->objectName() == wanted) {
            return window;
        }
    }
    return nullptr;
}

bool Shell::chooseProduct(std::string_view displayName) {
    if (!m_selectedProduct.empty() || findProduct(displayName) == nullptr) {
        return false;
    }
    m_selectedProduct = std::string(displayName);
    return true;
}

void Shell::openSelectedProduct() {
    const ProductRecord* record = product();
    if (record == nullptr || m_productOpen) {
        return;
    }
    ProductMainWindow* main = m_factory.createMain(*this, *record);
    manage(main->window(), record->mainWindow);
    m_main = main;
    m_mainWidget = &main->window();
    for (std::string_view companion : record->companionWindows) {
        if (QWidget* window = m_factory.create(*this, *record, companion)) {
            manage(*window, companion);
        }
    }
    m_selection->hide();
    rankforms();
    visinvis();
    m_productOpen = true;
    if (m_main == nullptr) {
        return;
    }
    m_main->setProgramMenuCaption(qt(editor_texts::programItem(record->displayName)));
    if (macMode()) {
        Qt::WindowFlags flags =
            Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (record->editorKind == EditorKind::Text) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
        m_main->window().setWindowFlags(flags);
    }
    if (record->firmwareUpdateMenu && m_options.firmwareUpdateMenu) {
        m_main->setFirmwareUpdateMenuVisible(true);
    }
    m_main->window().show();
}

void Shell::rankforms() {
    for (QWidget* window : m_windows) {
        WindowMark::of(*window)->setLevel(windowLevelOf(window->objectName().toStdString()));
    }
}

void Shell::visinvis() {
    m_preparingWindows = true;
    // The application's main window goes off the screen to the right, and every dialog is
    // centred on it, so that showing them happens out of sight.
    const QScreen* screen =
        m_selection->screen() ? m_selection->screen() : QGuiApplication::primaryScreen();
    const int offScreen = screen ? screen->geometry().right() + 100 : 10000;
    m_selection->move(offScreen, m_selection->y());
    std::vector<WindowMark*> marked;
    for (QWidget* window : m_windows) {
        WindowMark* mark = WindowMark::of(*window);
        if (mark->level() >= windowLevel::dialog) {
            mark->setReshowMark(true);
            centreOn(*window, m_selection->frameGeometry().center());
            marked.push_back(mark);
        }
    }
    for (WindowMark* mark : marked) {
        mark->window().show();
        mark->window().hide();
        mark->setReshowMark(false);
    }
    m_preparingWindows = false;
}

void Shell::reenableforms() {
    std::vector<StackedWindow> stack;
    stack.reserve(m_windows.size());
    for (const QWidget* window : m_windows) {
        const WindowMark* mark = WindowMark::of(*window);
        stack.push_back({mark->level(), mark->reshowMark()});
    }
    const auto found = windowToShowAgain(stack);
    if (!found) {
        return;
    }
    QWidget* window = m_windows[*found];
    if (macMode()) {
        suppressNextBeep();
    }
    showInFront(*window);
    if (macMode()) {
        m_reshown.emplace_back(window);
        m_reshowTimer.start();
    } else {
        WindowMark::of(*window)->setReshowMark(false);
    }
}

void Shell::clearReshowMarksOnceVisible() {
    std::erase_if(m_reshown, [](const QPointer<QWidget>& window) {
        if (window.isNull()) {
            return true;
        }
        if (window->isVisible()) {
            WindowMark::of(*window)->setReshowMark(false);
            return true;
        }
        return false;
    });
    if (m_reshown.empty()) {
        m_reshowTimer.stop();
    }
}

void Shell::beep() {
    if (m_systemBeepEnabled) {
        m_services.beep();
    }
}

void Shell::endProgram() {
    if (m_ending) {
        return;
    }
    m_ending = true;
    m_services.endProgram();
}

void Shell::openExternal(const QUrl& url) {
    m_services.openExternal(url);
}

void Shell::windowDeactivated(QWidget& window) {
    if (m_preparingWindows || m_ending || levelOf(window) < windowLevel::dialog ||
        !window.isVisible()) {
        return;
    }
    if (&window == m_messageBox && !m_productOpen) {
        return;
    }
    // Only a click on another of the program's own windows counts: the application as a whole
    // losing the activation, a window stacked above this one (a popup dialog, the message
    // box) or a window the shell does not manage (a file dialog) taking it are no reason to
    // come back.
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr || WindowMark::of(*active) == nullptr ||
        levelOf(*active) > levelOf(window)) {
        return;
    }
    QPointer<QWidget> back(&window);
    QTimer::singleShot(0, this, [back] {
        if (back && back->isVisible()) {
            back->raise();
            back->activateWindow();
        }
    });
    if (m_pseudoModal.beepOnDeactivation()) {
        beep();
    }
}

void Shell::messageBoxClosed(Answer answer) {
    if (m_productOpen) {
        reenableforms();
        if (m_main != nullptr) {
            m_main->mainjump(answer);
        }
        return;
    }
    if (m_selection != nullptr) {
        m_selection->startupMessageClosed();
    }
}

void Shell::applicationDeactivated() {
    if (!macMode()) {
        return;
    }
    setSystemBeepEnabled(true);
    if (m_main != nullptr) {
        m_main->applicationDeactivated();
    }
}

}  // namespace corlinth::gui
