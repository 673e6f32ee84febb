#include "gui/app/ProductSelectWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "core/app/DocumentPaths.h"
#include "core/app/FixedTexts.h"
#include "core/app/InstallationPlan.h"
#include "core/app/ProductPictures.h"
#include "core/app/ProductRegistry.h"
#include "core/app/SelectionLayout.h"
#include "core/app/ShellTexts.h"
#include "gui/app/MacMidiWindow.h"
#include "gui/app/MessageBoxWindow.h"
#include "gui/app/ProductMainWindow.h"
#include "gui/app/ProductPictureWidget.h"
#include "gui/app/QtText.h"
#include "gui/app/Shell.h"
#include "platform/DocumentInstaller.h"
#include "platform/FileService.h"

namespace corlinth::gui {
namespace {

constexpr int kStartupMs = 1;
constexpr int kInstallMs = 5000;
constexpr int kSelectMs = 10;
constexpr int kMacRaise = 50;
// A configuration file is a few dozen bytes; anything much larger is not ours.
constexpr std::uint64_t kConfigurationLimit = 64 * 1024;
// How many of the first run's failures the report lists by name.
constexpr std::size_t kFailuresListed = 8;

QRect toQRect(const PixelRect& r) {
    return {r.left, r.top, r.width, r.height};
}

}  // namespace

ProductSelectWindow::ProductSelectWindow(Shell& shell)
    : ManagedWindow(shell, windows::productSelect) {
    setWindowTitle(qt(texts::selectProductCaption));
    // No border, and above the other windows, as a start-up screen.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    resize(selectionWindow::designWidth,
           selectionWindow::designHeight - selectionWindow::heightReduction);
    if (shell.macMode()) {
        setFont(qtFont(macMessageFont()));
    }

    for (const ProductRecord& product : allProducts()) {
        const std::string name(product.displayName);
        auto* button = new QPushButton(qt(product.displayName), this);
        button->setObjectName(qt(product.selectionButton));
        button->hide();
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, name] { chooseProduct(name); });
        m_buttons.emplace(name, button);
        if (const ProductPicture* picture = productPicture(product.displayName)) {
            auto* panel = new ProductPictureWidget(*picture, this);
            panel->setObjectName(qt(product.selectionButton) + QStringLiteral("Picture"));
            panel->hide();
            connect(panel, &ProductPictureWidget::pressed, this,
                    [this, name] { chooseProduct(name); });
            m_pictures.emplace(name, panel);
        }
    }
    auto heading = [this](std::string_view text, const char* name, int pointSize) {
        auto* label = new QLabel(qt(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        label->setFont(font);
        label->hide();
        return label;
    };
    m_heading = heading(texts::processorsHeading, "Heading", 13);
    m_familyHeading = heading(texts::eightWayHeading, "FamilyHeading", 11);
    m_preparing = heading(texts::preparingFirstRun, "PreparingLabel", 14);
    m_preparingMore = heading(texts::preparingMayTakeAMinute, "PreparingMoreLabel", 10);
    m_preparingMore->setFont(font());
    m_preparing->setGeometry(0, height() / 2 - 30, width(), 30);
    m_preparingMore->setGeometry(0, height() / 2 + 6, width(), 24);

    m_userName = userNameOrDefault(shell.environment().loginName);
    m_documentsRoot = shell.macMode()
                          ? documentsRootMacMode(shell.environment().userDocumentsFolder)
                          : documentsRootWindowsMode(shell.environment().currentDirectory);

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    this->shell().applicationDeactivated();
                }
            });

    const std::string path = configurationPath();
    if (platform::fileExists(path)) {
        std::string error;
        if (const auto bytes = platform::readFile(path, &error, kConfigurationLimit)) {
            m_configuration = readConfiguration(*bytes);
        }
    }

    m_startupTimer.setObjectName(QStringLiteral("StartupTimer"));
    m_startupTimer.setSingleShot(true);
    m_startupTimer.setInterval(kStartupMs);
    connect(&m_startupTimer, &QTimer::timeout, this, &ProductSelectWindow::startupTimerFired);
    m_installTimer.setObjectName(QStringLiteral("InstallTimer"));
    m_installTimer.setSingleShot(true);
    m_installTimer.setInterval(kInstallMs);
    connect(&m_installTimer, &QTimer::timeout, this, &ProductSelectWindow::installTimerFired);
    m_selectTimer.setObjectName(QStringLiteral("SelectTimer"));
    m_selectTimer.setSingleShot(true);
    m_selectTimer.setInterval(kSelectMs);
    connect(&m_selectTimer, &QTimer::timeout, this, &ProductSelectWindow::selectTimerFired);
    // The timers are children, so that tests can find them by name.
    m_startupTimer.setParent(this);
    m_installTimer.setParent(this);
    m_selectTimer.setParent(this);
    m_startupTimer.start();
}

std::string ProductSelectWindow::configurationPath() const {
    return joinDocumentPath(shell().environment().currentDirectory,
                            "\\" + std::string(configuration::fileName),
                            platform::nativeSeparator());
}

void ProductSelectWindow::startupTimerFired() {
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    const bool valid = m_configuration.state == ConfigurationState::Valid;
    if (shell().macMode()) {
        move(x(), y() - kMacRaise);
        hide();
        if (valid) {
            shell().macMidiWindow().showInFront();
            return;
        }
        show();
        beginFirstRun();
        return;
    }
    if (valid) {
        showProductButtons();
        return;
    }
    beginFirstRun();
}

void ProductSelectWindow::beginFirstRun() {
    writeNewConfiguration();
    m_preparing->show();
    m_preparingMore->show();
    m_installTimer.start();
}

bool ProductSelectWindow::writeNewConfiguration() {
    const std::string& folder = shell().environment().currentDirectory;
    if (platform::freeSpace(folder) < configuration::minimumFreeSpace) {
        shell().messageBox().MsgWarning(qt(texts::noSpaceWarning), *this);
        return false;
    }
    const std::string path = configurationPath();
    // A read-only copy left by an earlier run is replaced like any other.
    if (platform::isReadOnly(path)) {
        platform::setReadOnly(path, false);
    }
    if (const platform::FileResult written =
            platform::writeFileAtomically(path, configurationFileBytes());
        !written) {
        m_installFailures.push_back(cannotCreateFile(path, written.error));
        return false;
    }
    return true;
}

void ProductSelectWindow::installTimerFired() {
    m_installTimer.stop();
    const std::vector<InstallStep> plan =
        installationPlan(allProducts(), m_documentsRoot, shell().environment().currentDirectory,
                         shell().platformMode(), platform::nativeSeparator());
    const platform::ResourceFolder resources(shell().environment().resourceFolder.toStdString());
    platform::InstallReport report =
        platform::installDocuments(plan, resources, editorFont(shell().platformMode()));
    m_installFailures.insert(m_installFailures.end(), report.failures.begin(),
                             report.failures.end());
    m_preparing->hide();
    m_preparingMore->hide();
    hide();
    if (!m_installFailures.empty()) {
        m_tipPending = true;
        const std::string failures = installFailureReport(m_installFailures, kFailuresListed);
        m_installFailures.clear();
        shell().messageBox().MsgWarning(qt(failures), *this);
        return;
    }
    shell().messageBox().MsgInfo(qt(tipText()), *this);
}

void ProductSelectWindow::startupMessageClosed() {
    if (installing()) {
        // A warning during the first run's wait: the preparing texts stay until it is done.
        return;
    }
    if (m_tipPending) {
        m_tipPending = false;
        shell().messageBox().MsgInfo(qt(tipText()), *this);
        return;
    }
    if (shell().macMode()) {
        shell().macMidiWindow().showInFront();
        return;
    }
    showProductButtons();
}

void ProductSelectWindow::layOutButtons() {
    for (const SelectionButtonPlace& place : selectionButtonLayout(width())) {
        const auto button = m_buttons.find(place.product);
        if (button == m_buttons.end()) {
            continue;
        }
        button->second->setGeometry(toQRect(place.button));
        button->second->show();
        if (const auto picture = m_pictures.find(place.product); picture != m_pictures.end()) {
            picture->second->setGeometry(toQRect(place.picture));
            picture->second->show();
            picture->second->raise();
        }
    }
    m_heading->setGeometry(toQRect(processorsHeadingPlace(width())));
    m_familyHeading->setGeometry(toQRect(familyHeadingPlace(width())));
    m_heading->show();
    m_familyHeading->show();
    m_preparing->hide();
    m_preparingMore->hide();
    if (!shell().macMode()) {
        m_buttons.at("Sodrin")->setFocus();
    }
}

void ProductSelectWindow::showProductButtons() {
    for (auto& [name, button] : m_buttons) {
        button->setEnabled(true);
    }
    layOutButtons();
    showInFront();
    m_buttons.at("Sodrin")->setFocus();
}

void ProductSelectWindow::chooseProduct(const std::string& displayName) {
    if (!shell().chooseProduct(displayName)) {
        return;
    }
    for (auto& [name, picture] : m_pictures) {
        if (name != displayName) {
            picture->hide();
        }
    }
    m_selectTimer.start();
}

void ProductSelectWindow::selectTimerFired() {
    m_selectTimer.stop();
    shell().openSelectedProduct();
}

void ProductSelectWindow::closeEvent(QCloseEvent* event) {
    if (!shell().selectedProduct().empty()) {
        // The editor decides whether the run may end (it may ask to save first).
        event->ignore();
        if (ProductMainWindow* main = shell().mainWindow()) {
            main->window().close();
        }
        return;
    }
    event->accept();
    shell().endProgram();
}

void ProductSelectWindow::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter p(this);
    const int top = selectionWindow::gradientTop;
    // The banner: the program's name on a dark band.
    QLinearGradient banner(0, 0, 0, top);
    banner.setColorAt(0, QColor(38, 46, 62));
    banner.setColorAt(1, QColor(18, 22, 32));
    p.fillRect(0, 0, width(), top, banner);
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(236, 240, 246));
    p.drawText(QRect(0, 14, width(), 56), Qt::AlignCenter, qt(texts::aboutProgramName));
    QFont version = font();
    version.setPointSize(10);
    p.setFont(version);
    p.setPen(QColor(170, 182, 200));
    p.drawText(QRect(0, 72, width(), 24), Qt::AlignCenter, qt(versionLine()));

    // The grey gradient from below the banner to the bottom.
    QLinearGradient grey(0, top, 0, height());
    grey.setColorAt(0, QColor(236, 236, 236));
    grey.setColorAt(1, QColor(150, 150, 150));
    p.fillRect(0, top, width(), height() - top, grey);

    // A thin bevelled frame: light on the top and left, dark on the bottom and right.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.setPen(QColor(250, 250, 250));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(80, 80, 80));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(QColor(200, 200, 200));
    p.drawRect(r.adjusted(1, 1, -1, -1));
}

}  // namespace corlinth::gui
