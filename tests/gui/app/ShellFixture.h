#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/app/ProductRegistry.h"
#include "core/midi/MidiOutput.h"
#include "gui/app/ManagedWindow.h"
#include "gui/app/MessageBoxWindow.h"
#include "gui/app/ProductMainWindow.h"
#include "gui/app/ProductSelectWindow.h"
#include "gui/app/Shell.h"
#include "gui/app/WindowMark.h"

namespace corlinth::gui::testing {

// A MIDI output with the ports a test gives it; it records what it is asked to do.
class FakeMidiOutput : public MidiOutput {
  public:
    std::vector<MidiPort> ports;
    std::vector<Bytes> sent;
    int openedId = -1;

    std::vector<MidiPort> listPorts() override { return ports; }
    bool open(int portId) override {
        openedId = portId;
        return true;
    }
    bool sendShort(const Bytes& message) override {
        sent.push_back(message);
        return openedId >= 0;
    }
    bool sendLong(const Bytes& message) override {
        sent.push_back(message);
        return openedId >= 0;
    }
    bool close() override {
        openedId = -1;
        return true;
    }
    bool isOpen() const override { return openedId >= 0; }
};

// An editor window that records its continuations, for the tests of the message box.
class RecordingMainWindow : public ManagedWindow, public ProductMainWindow {
  public:
    RecordingMainWindow(Shell& shell, const ProductRecord& product)
        : ManagedWindow(shell, product.mainWindow) {}
    QWidget& window() override { return *this; }
    void mainjump(Answer answer) override { calls.push_back(answer); }
    void setProgramMenuCaption(const QString& text) override { caption = text; }
    void setFirmwareUpdateMenuVisible(bool visible) override { firmwareMenu = visible; }

    std::vector<Answer> calls;
    QString caption;
    bool firmwareMenu = false;
};

// One run of the program in a folder of its own: the program's folder (config.ini, help
// documents, Windows-mode documents), a documents folder for Mac mode and a resource folder
// the test fills.
class ShellRun {
  public:
    ShellRun() {
        EXPECT_TRUE(m_dir.isValid());
        QDir(m_dir.path()).mkpath(QStringLiteral("program"));
        QDir(m_dir.path()).mkpath(QStringLiteral("Documents"));
        QDir(m_dir.path()).mkpath(QStringLiteral("resources"));
    }
    ~ShellRun() { shell.reset(); }

    QString programFolder() const { return m_dir.filePath(QStringLiteral("program")); }
    QString documentsFolder() const { return m_dir.filePath(QStringLiteral("Documents")); }
    QString resourceFolder() const { return m_dir.filePath(QStringLiteral("resources")); }
    QString configPath() const { return programFolder() + QStringLiteral("/config.ini"); }

    // A resource for every document of the product table, each holding its own name.
    void provideAllResources() const;
    // A valid config.ini, as an earlier run left it.
    void provideValidConfiguration() const;

    // Creates the shell and its four windows, as the program's start does.
    void start(PlatformMode mode = PlatformMode::Windows, bool firmwareMenu = false);
    // Starts again in the same folders, as the next run of the program.
    void restart(PlatformMode mode = PlatformMode::Windows);

    ProductSelectWindow& selection() const { return shell->selectionWindow(); }
    MessageBoxWindow& messageBox() const { return shell->messageBox(); }
    QTimer* timer(const char* name) const;
    QWidget* child(const char* name) const;
    // A window of the run by name, and its stacking mark.
    QWidget* window(const char* name) const { return shell->findWindow(name); }
    WindowMark& mark(const char* name) const { return *WindowMark::of(*window(name)); }

    // Lets the five seconds of the installation pass at once.
    void hurryInstallation() const;
    // Chooses a product through its button and waits until its windows exist.
    RecordingMainWindow* openProduct(const char* displayName);
    // Registers the recording editor for a product's main window.
    void recordMainWindow(const char* displayName);

    // The button of the message box with this object name.
    void press(const char* buttonName) const;

    std::unique_ptr<Shell> shell;
    FakeMidiOutput midi;
    int beeps = 0;
    int programEnds = 0;
    std::vector<QUrl> opened;

  private:
    QTemporaryDir m_dir;
    PlatformMode m_mode = PlatformMode::Windows;
};

// Waits for a condition while the event loop runs, up to five seconds.
inline bool eventually(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 5000);
}

}  // namespace corlinth::gui::testing
