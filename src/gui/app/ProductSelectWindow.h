#pragma once

#include <QTimer>
#include <map>
#include <string>
#include <vector>

#include "core/app/Configuration.h"
#include "gui/app/ManagedWindow.h"

class QLabel;
class QPushButton;

namespace corlinth::gui {

class ProductPictureWidget;

// TProductSelect, the application's main window: it brings the program from its start to the
// choice of a product (the configuration file, the first-run installation and its messages)
// and offers the eleven products as buttons with pictures. After the choice it hides for the
// rest of the run.
class ProductSelectWindow : public ManagedWindow {
    Q_OBJECT
  public:
    explicit ProductSelectWindow(Shell& shell);

    // What the start-up found and worked out.
    ConfigurationState configurationState() const { return m_configuration.state; }
    const std::vector<std::string>& configurationLines() const {
        return m_configuration.shownLines;
    }
    const std::string& documentsRoot() const { return m_documentsRoot; }
    const std::string& userName() const { return m_userName; }
    std::string configurationPath() const;
    bool installing() const { return m_installTimer.isActive(); }

    // Places the product buttons, their pictures and the headings and makes them visible.
    void layOutButtons();
    // Shows the window with its buttons laid out and enabled, the Sodrin button focused.
    void showProductButtons();
    // A product button or picture was used.
    void chooseProduct(const std::string& displayName);

    // The message box closed while no product is open: the start-up goes on.
    void startupMessageClosed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void startupTimerFired();
    void installTimerFired();
    void selectTimerFired();
    void beginFirstRun();
    bool writeNewConfiguration();

    std::string m_documentsRoot;
    std::string m_userName;
    ConfigurationReading m_configuration;

    std::map<std::string, QPushButton*, std::less<>> m_buttons;
    std::map<std::string, ProductPictureWidget*, std::less<>> m_pictures;
    QLabel* m_heading;
    QLabel* m_familyHeading;
    QLabel* m_preparing;
    QLabel* m_preparingMore;

    QTimer m_startupTimer;
    QTimer m_installTimer;
    QTimer m_selectTimer;

    // Problems of the first run, reported before the tip; the tip waits while they show.
    std::vector<std::string> m_installFailures;
    bool m_tipPending = false;
};

}  // namespace corlinth::gui
