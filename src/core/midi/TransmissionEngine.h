#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/app/FixedTexts.h"
#include "core/app/ProductRegistry.h"
#include "core/document/Extraction.h"
#include "core/document/SettingLine.h"
#include "core/midi/FirmwareImage.h"
#include "core/midi/MidiOutput.h"
#include "core/midi/TransmissionTimers.h"
#include "core/midi/TransmissionView.h"
#include "core/products/TextCatalogue.h"

namespace corlinth {

// How a structured editor's steps are paced: one step per tick, 20 ms apart, and from
// `fastFromStep` on (the step itself still 20 ms after the one before) every 5 ms.
struct StructuredProfile {
    std::optional<std::size_t> fastFromStep;
};
// Daskin: the header and the ten routing slots.
inline constexpr StructuredProfile daskinProfile{};
// Ombrel: from the first user-curve point on, the timer runs every 5 ms.
inline constexpr StructuredProfile ombrelProfile{19};

// How a text product's lines are read for sending: by its catalogue, which knows the rule
// units' placeholders, or as plain setting lines when it has none.
MessageExtractor::LineParser sendingParser(const TextCatalogue* catalogue);

// The transmission state; one transmission at a time in the whole program.
struct TransmissionState {
    bool transmitting = false;  // a pass is running
    bool counting = false;      // the pass only counts its steps and sends nothing
    bool portOpen = false;      // the port is open
    int stepCount = 0;          // counted up by the counting pass, then down by the real one
    int total = 0;              // steps found by the counting pass
    bool nextIsSystemExclusive = true;
    // The message to send next: in file form for a text document, as sent for the structured
    // editors; none at the end.
    std::optional<Bytes> currentMessage;
    std::size_t currentLine = 0;         // the line that held it
    std::size_t structuredPosition = 0;  // the next step of a structured pass
    std::optional<LineSelection> sentLine;
};

// The transmission engine: the button, the timers and the port results go in; the bytes go
// out through the MIDI output, and what the window should show goes to the view. It keeps no
// clock of its own: every pause is a timer that its driver runs (see TransmissionTimers).
//
// The window gives the engine what to send when it opens (the document is read-only while it
// is open): the lines of a text document, or a structured editor's steps. Then it passes on
// every press of the button, every firing of a timer the engine started, and its own closing.
class TransmissionEngine {
  public:
    static constexpr int kFirstStepMs = 537;
    static constexpr int kCountingStepMs = 2;
    static constexpr int kStructuredStepMs = 20;
    static constexpr int kFastStructuredStepMs = 5;
    static constexpr int kLaterStepMs = 1333;
    static constexpr int kCompletionMs = 400;
    static constexpr int kCaptionMs = 3000;
    static constexpr int kCloseMs = 500;
    static constexpr int kFirmwareTickMs = 50;

    TransmissionEngine(MidiOutput& output, TransmissionTimers& timers, TransmissionView& view,
                       const ProductRecord& product, PlatformMode mode);
    TransmissionEngine(const TransmissionEngine&) = delete;
    TransmissionEngine& operator=(const TransmissionEngine&) = delete;

    // A snapshot of a text document's lines and the product's line reading. False (and
    // nothing changes) while a pass or an update runs.
    bool setTextDocument(std::vector<std::string> lines,
                         MessageExtractor::LineParser parser = &parseLine);
    // A structured editor's steps in sending order, nothing for a step that sends nothing,
    // each message as the port receives it.
    bool setStructuredSteps(std::vector<std::optional<Bytes>> steps, StructuredProfile profile);

    // Firmware mode, on once an update file has been accepted; the editor's Program menu
    // turns it off again. False while busy.
    bool enterFirmwareMode(FirmwareImage image);
    bool leaveFirmwareMode();
    bool firmwareMode() const { return m_firmware.has_value(); }

    // The button was pressed (on mouse down) with this port chosen; an empty name means none.
    void press(const MidiPort& chosenPort);
    // A timer this engine started has fired.
    void timerFired(TransmissionTimer timer);
    // The window is closing.
    void windowClosed();

    const TransmissionState& state() const { return m_state; }
    bool isTransmitting() const { return m_state.transmitting; }
    bool isTimerRunning(TransmissionTimer timer) const { return slot(timer).running; }
    int stepIntervalMs() const { return slot(TransmissionTimer::Step).intervalMs; }
    const std::string& caption() const { return m_caption; }

  private:
    enum class Source { Text, Structured };
    struct TimerSlot {
        bool running = false;
        int intervalMs = 0;
    };
    struct FirmwareRun {
        FirmwareImage image;
        int tick = 0;  // the firmware timer's step count
        std::size_t readPosition = 0;
    };

    TimerSlot& slot(TransmissionTimer timer) {
        return m_timerSlots[static_cast<std::size_t>(timer)];
    }
    const TimerSlot& slot(TransmissionTimer timer) const {
        return m_timerSlots[static_cast<std::size_t>(timer)];
    }
    bool running(TransmissionTimer timer) const { return slot(timer).running; }
    void startTimer(TransmissionTimer timer);
    void stopTimer(TransmissionTimer timer);
    void setStepInterval(int ms);
    bool busy() const;

    void setCaption(std::string_view caption);
    bool messageBoxVisible() const { return m_view.messageBoxVisible(); }
    void callwarning(std::string_view text);

    void starttransmit();
    void stepTimerFired();
    void runStep();
    void textStep();
    void structuredStep();
    void passEnded();
    void stopplay();
    bool openPort();
    void closePort();
    void dropPort();

    bool sendmessage(const Bytes& message);
    bool sendshort(const Bytes& message);
    bool sendlong(const Bytes& message);

    void extractNext();
    LineSelection selectionOf(std::size_t line) const;

    void pressFirmware(const MidiPort& chosenPort);
    void firmwareTimerFired();

    MidiOutput& m_output;
    TransmissionTimers& m_timerService;
    TransmissionView& m_view;
    const ProductRecord& m_product;
    PlatformMode m_mode;

    Source m_source = Source::Text;
    std::vector<std::string> m_lines;
    std::vector<std::size_t> m_lineStarts;
    MessageExtractor m_extractor;
    std::vector<std::optional<Bytes>> m_steps;
    StructuredProfile m_profile;
    std::optional<FirmwareRun> m_firmware;

    TransmissionState m_state;
    std::array<TimerSlot, kTransmissionTimerCount> m_timerSlots;
    int m_portId = -1;
    std::string m_caption;
};

}  // namespace corlinth
