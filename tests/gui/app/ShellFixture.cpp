#include "gui/app/ShellFixture.h"

#include <QFile>
#include <QPushButton>

#include "core/app/Configuration.h"

namespace corlinth::gui::testing {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

}  // namespace

void ShellRun::provideAllResources() const {
    for (const ProductRecord& product : allProducts()) {
        for (const ExampleDocument& example : product.examples) {
            writeFile(resourceFolder() + QLatin1Char('/') + QString::fromUtf8(example.resource),
                      QByteArray(example.resource.data(),
                                 static_cast<qsizetype>(example.resource.size())));
        }
        writeFile(resourceFolder() + QLatin1Char('/') + QString::fromUtf8(product.helpResource),
                  QByteArray("%PDF-1.4 ") +
                      QByteArray(product.helpResource.data(),
                                 static_cast<qsizetype>(product.helpResource.size())));
    }
}

void ShellRun::provideValidConfiguration() const {
    writeFile(configPath(), QByteArray::fromStdString(configurationFileBytes()));
}

void ShellRun::start(PlatformMode mode, bool firmwareMenu) {
    m_mode = mode;
    CommandLineOptions options;
    options.mode = mode;
    options.firmwareUpdateMenu = firmwareMenu;
    StartupEnvironment environment;
    environment.currentDirectory = programFolder().toStdString();
    environment.userDocumentsFolder = documentsFolder().toStdString();
    environment.loginName = "tester";
    environment.resourceFolder = resourceFolder();
    ShellServices services;
    services.beep = [this] { ++beeps; };
    services.endProgram = [this] { ++programEnds; };
    services.openExternal = [this](const QUrl& url) { opened.push_back(url); };
    shell = std::make_unique<Shell>(options, midi, environment, services);
    shell->start();
}

void ShellRun::restart(PlatformMode mode) {
    shell.reset();
    start(mode);
}

QTimer* ShellRun::timer(const char* name) const {
    return selection().findChild<QTimer*>(QString::fromLatin1(name));
}

QWidget* ShellRun::child(const char* name) const {
    for (QWidget* window : shell->windows()) {
        if (auto* found = window->findChild<QWidget*>(QString::fromLatin1(name))) {
            return found;
        }
    }
    return nullptr;
}

void ShellRun::hurryInstallation() const {
    QTimer* install = timer("InstallTimer");
    ASSERT_NE(install, nullptr);
    ASSERT_TRUE(install->isActive());
    EXPECT_EQ(install->interval(), 5000);
    install->start(0);
}

void ShellRun::recordMainWindow(const char* displayName) {
    const ProductRecord* product = findProduct(displayName);
    ASSERT_NE(product, nullptr);
    shell->windowFactory().registerMainWindow(
        product->mainWindow, [](Shell& s, const ProductRecord& p) -> ProductMainWindow* {
            return new RecordingMainWindow(s, p);
        });
}

RecordingMainWindow* ShellRun::openProduct(const char* displayName) {
    auto* button = selection().findChild<QPushButton*>(QString::fromLatin1(displayName));
    EXPECT_NE(button, nullptr);
    if (button == nullptr) {
        return nullptr;
    }
    button->click();
    EXPECT_TRUE(eventually([this] { return shell->productOpen(); }));
    return dynamic_cast<RecordingMainWindow*>(shell->mainWindow());
}

void ShellRun::press(const char* buttonName) const {
    auto* button = messageBox().findChild<QPushButton*>(QString::fromLatin1(buttonName));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << buttonName;
    button->click();
}

}  // namespace corlinth::gui::testing
