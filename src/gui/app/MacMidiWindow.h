#pragma once

#include <vector>

#include "core/midi/MidiOutput.h"
#include "gui/app/ManagedWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace corlinth::gui {

// TMacMIDI: in Mac mode the MIDI output port is chosen once, at start-up, in this window.
// Without a port to offer it asks whether to go on all the same.
class MacMidiWindow : public ManagedWindow {
    Q_OBJECT
  public:
    explicit MacMidiWindow(Shell& shell);

    // The ports offered, parallel to the list's entries.
    const std::vector<MidiPort>& offeredPorts() const { return m_ports; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void setUp();
    void proceed();

    QLabel* m_firstLine;
    QLabel* m_secondLine;
    QComboBox* m_list;
    QPushButton* m_proceed;
    QPushButton* m_no;
    std::vector<MidiPort> m_ports;
    bool m_setUp = false;
};

}  // namespace corlinth::gui
