#include "gui/app/Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "core/app/ShellTexts.h"
#include "core/app/WindowStacking.h"
#include "gui/app/AboutBox.h"
#include "gui/app/MacMidiWindow.h"
#include "gui/app/ManagedWindow.h"
#include "gui/app/MessageBoxWindow.h"
#include "gui/app/ProductMainWindow.h"
#include "gui/app/ProductSelectWindow.h"
#include "gui/app/QtText.h"
#include "platform/FileService.h"

namespace corlinth::gui {
namespace {

constexpr int kMacReshowCheckMs = 1000;

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
      m_pseudoModal(options.mode) {
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

ManagedWindow* Shell::findWindow(std::string_view name) const {
    const QString wanted = qt(name);
    for (ManagedWindow* window : m_windows) {
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
    ManagedWindow* main = m_factory.create(*this, *record, record->mainWindow);
    for (std::string_view companion : record->companionWindows) {
        m_factory.create(*this, *record, companion);
    }
    m_selection->hide();
    m_main = qobject_cast<ProductMainWindow*>(main);
    rankforms();
    visinvis();
    m_productOpen = true;
    if (m_main == nullptr) {
        return;
    }
    m_main->setProgramMenuCaption(qt(programMenuCaption(record->displayName)));
    if (macMode()) {
        Qt::WindowFlags flags =
            Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (record->editorKind == EditorKind::Text) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
        m_main->setWindowFlags(flags);
    }
    if (record->firmwareUpdateMenu && m_options.firmwareUpdateMenu) {
        m_main->setFirmwareUpdateMenuVisible(true);
    }
    m_main->show();
}

void Shell::rankforms() {
    for (ManagedWindow* window : m_windows) {
        window->setLevel(windowLevelOf(window->name()));
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
    std::vector<ManagedWindow*> marked;
    for (ManagedWindow* window : m_windows) {
        if (window->level() >= windowLevel::dialog) {
            window->setReshowMark(true);
            window->centreOver(*m_selection);
            marked.push_back(window);
        }
    }
    for (ManagedWindow* window : marked) {
        window->show();
        window->hide();
        window->setReshowMark(false);
    }
    m_preparingWindows = false;
}

void Shell::reenableforms() {
    std::vector<StackedWindow> stack;
    stack.reserve(m_windows.size());
    for (const ManagedWindow* window : m_windows) {
        stack.push_back({window->level(), window->reshowMark()});
    }
    const auto found = windowToShowAgain(stack);
    if (!found) {
        return;
    }
    ManagedWindow* window = m_windows[*found];
    if (macMode()) {
        suppressNextBeep();
    }
    window->showInFront();
    if (macMode()) {
        m_reshown.emplace_back(window);
        m_reshowTimer.start();
    } else {
        window->setReshowMark(false);
    }
}

void Shell::clearReshowMarksOnceVisible() {
    std::erase_if(m_reshown, [](const QPointer<ManagedWindow>& window) {
        if (window.isNull()) {
            return true;
        }
        if (window->isVisible()) {
            window->setReshowMark(false);
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

void Shell::adopt(ManagedWindow& window) {
    m_windows.push_back(&window);
}

void Shell::release(ManagedWindow& window) {
    std::erase(m_windows, &window);
    if (m_main == &window) {
        m_main = nullptr;
    }
    if (m_selection == &window) {
        m_selection = nullptr;
    } else if (m_about == &window) {
        m_about = nullptr;
    } else if (m_messageBox == &window) {
        m_messageBox = nullptr;
    } else if (m_macMidi == &window) {
        m_macMidi = nullptr;
    }
}

void Shell::windowDeactivated(ManagedWindow& window) {
    if (m_preparingWindows || m_ending || window.level() < windowLevel::dialog ||
        !window.isVisible()) {
        return;
    }
    if (&window == m_messageBox && !m_productOpen) {
        return;
    }
    // Only a click on another of the program's own windows counts: the application as a whole
    // losing the activation, a window stacked above this one (a popup dialog, the message
    // box) or a file dialog taking it are no reason to come back.
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr) {
        return;
    }
    const auto* other = qobject_cast<const ManagedWindow*>(active);
    if (other == nullptr || other->level() > window.level()) {
        return;
    }
    QPointer<ManagedWindow> back(&window);
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

void Shell::messageBoxClosed(MessageAnswer answer) {
    if (m_productOpen) {
        reenableforms();
        if (m_main != nullptr) {
            m_main->mainjump(m_main->pendingAction(), answer);
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
