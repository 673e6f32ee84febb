#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/app/MessageBoxLayout.h"
#include "core/app/ProductRegistry.h"
#include "core/app/PseudoModalRule.h"
#include "core/midi/MidiOutput.h"
#include "gui/app/WindowFactory.h"

namespace corlinth::gui {

class AboutBox;
class MacMidiWindow;
class MessageBoxWindow;
class ProductMainWindow;
class ProductSelectWindow;
class ShellEditorEnvironment;
class WindowMark;

// Where the program finds and puts its files. The program's own folder is the folder it was
// started in, as the shipped program has it.
struct StartupEnvironment {
    std::string currentDirectory;     // config.ini, the help documents, the documents root
                                      // of Windows mode
    std::string userDocumentsFolder;  // the documents root of Mac mode lies in it
    std::string loginName;            // empty when it cannot be read
    QString resourceFolder = QStringLiteral(":/documents");  // the documents to install

    static StartupEnvironment ofThisProcess();
};

// What the shell asks of the desktop; tests put recorders in.
struct ShellServices {
    std::function<void()> beep;                     // the system's default beep
    std::function<void()> endProgram;               // the run is over
    std::function<void(const QUrl&)> openExternal;  // the desktop's "open" action
};

// The program-wide values and the window management of one run: the platform mode and the
// hidden switches, the chosen product and MIDI port, the MIDI output, the windows in the
// order they were created, their stacking, the shared message box and its continuation.
// A ManagedWindow reaches it through shell(); the text editors through editorEnvironment().
class Shell : public QObject {
    Q_OBJECT
  public:
    Shell(const CommandLineOptions& options, MidiOutput& midiOutput, StartupEnvironment environment,
          ShellServices services = {});
    ~Shell() override;

    // The program's start: the selection window (the application's main window), the about
    // window, the message box and the interface window, in this order; then the selection
    // window is shown and its start-up timer runs.
    void start();

    // Program-wide values.
    const CommandLineOptions& options() const { return m_options; }
    PlatformMode platformMode() const { return m_options.mode; }
    bool macMode() const { return m_options.mode == PlatformMode::Mac; }
    bool firmwareUpdateMenuEnabled() const { return m_options.firmwareUpdateMenu; }
    const StartupEnvironment& environment() const { return m_environment; }
    MidiOutput& midiOutput() { return m_midiOutput; }

    // The chosen MIDI output port for the run; its name is empty while none is chosen.
    const MidiPort& chosenPort() const { return m_chosenPort; }
    void setChosenPort(const MidiPort& port) { m_chosenPort = port; }
    void clearChosenPort() { m_chosenPort = {}; }

    // The product chosen on the selection window: empty until the first choice, then never
    // changed.
    const std::string& selectedProduct() const { return m_selectedProduct; }
    const ProductRecord* product() const { return findProduct(m_selectedProduct); }
    // True once the product's windows have been created and prepared.
    bool productOpen() const { return m_productOpen; }

    // The windows of the run, in creation order.
    const std::vector<QWidget*>& windows() const { return m_windows; }
    QWidget* findWindow(std::string_view name) const;
    ProductSelectWindow& selectionWindow() const { return *m_selection; }
    AboutBox& aboutBox() const { return *m_about; }
    MessageBoxWindow& messageBox() const { return *m_messageBox; }
    MacMidiWindow& macMidiWindow() const { return *m_macMidi; }
    // The product's editor window; nullptr before a product is open.
    ProductMainWindow* mainWindow() const { return m_main; }
    // What the text editors ask of the program (their EditorEnvironment).
    ShellEditorEnvironment& editorEnvironment() const { return *m_editorEnvironment; }

    // The classes of the product windows, by window name.
    WindowFactory& windowFactory() { return m_factory; }

    // Choosing a product: `chooseProduct` records it (only the first choice counts) and
    // `openSelectedProduct` creates its windows, ranks and prepares them and shows the editor.
    bool chooseProduct(std::string_view displayName);
    void openSelectedProduct();

    // Assigns every window its level by name.
    void rankforms();
    // Shows and hides every dialog once, out of sight, so that each exists with its layout
    // before it is first needed. True while this runs.
    void visinvis();
    bool preparingWindows() const { return m_preparingWindows; }
    // After a message: shows again the window that made room for it.
    void reenableforms();

    // The beep of a pseudo-modal window brought back, and the one-shot flag that silences it.
    void suppressNextBeep() { m_pseudoModal.suppressNextBeep(); }
    bool nextBeepSuppressed() const { return m_pseudoModal.nextBeepSuppressed(); }
    // The system beep; the editor turns it off while Mac mode's command key is held.
    void beep();
    void setSystemBeepEnabled(bool enabled) { m_systemBeepEnabled = enabled; }
    bool systemBeepEnabled() const { return m_systemBeepEnabled; }

    void endProgram();
    void openExternal(const QUrl& url);

    // Takes a top-level window into the program's windows: it gets its name (when one is
    // given), its mark, its place in the creation order, and the shell deletes it when the
    // program ends. Managing a window twice changes nothing.
    WindowMark& manage(QWidget& window, std::string_view name = {});

    // Helpers for every managed window, whatever its widget class.
    static void hideForMessage(QWidget& window);
    static void centreOn(QWidget& window, QPoint centre);
    static void showInFront(QWidget& window);

    // Called by the windows themselves.
    void windowDeactivated(QWidget& window);
    void messageBoxClosed(Answer answer);
    void applicationDeactivated();

  private:
    void clearReshowMarksOnceVisible();

    CommandLineOptions m_options;
    MidiOutput& m_midiOutput;
    StartupEnvironment m_environment;
    ShellServices m_services;
    WindowFactory m_factory;
    PseudoModalRule m_pseudoModal;

    std::vector<QWidget*> m_windows;
    ProductSelectWindow* m_selection = nullptr;
    AboutBox* m_about = nullptr;
    MessageBoxWindow* m_messageBox = nullptr;
    MacMidiWindow* m_macMidi = nullptr;
    ProductMainWindow* m_main = nullptr;
    QWidget* m_mainWidget = nullptr;

    std::unique_ptr<ShellEditorEnvironment> m_editorEnvironment;

    MidiPort m_chosenPort;
    std::string m_selectedProduct;
    bool m_productOpen = false;
    bool m_preparingWindows = false;
    bool m_systemBeepEnabled = true;
    bool m_ending = false;

    // Mac mode clears a re-shown window's mark only once the window is really visible.
    QTimer m_reshowTimer;
    std::vector<QPointer<QWidget>> m_reshown;
};

}  // namespace corlinth::gui
