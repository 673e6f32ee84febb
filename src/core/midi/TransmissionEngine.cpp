#include "core/midi/TransmissionEngine.h"

#include "core/document/Utf8.h"
#include "core/midi/TransmissionTexts.h"

namespace corlinth {

using T = TransmissionTimer;
namespace tx = transmissionTexts;

MessageExtractor::LineParser sendingParser(const TextCatalogue* catalogue) {
    if (catalogue == nullptr) {
        return &parseLine;
    }
    return [catalogue](std::string_view line) { return catalogue->bytesForSending(line); };
}

TransmissionEngine::TransmissionEngine(MidiOutput& output, TransmissionTimers& timers,
                                       TransmissionView& view, const ProductRecord& product,
                                       PlatformMode mode)
    : m_output(output),
      m_timerService(timers),
      m_view(view),
      m_product(product),
      m_mode(mode),
      m_extractor(m_lines) {
    slot(T::Step).intervalMs = kLaterStepMs;
    slot(T::Completion).intervalMs = kCompletionMs;
    slot(T::Caption).intervalMs = kCaptionMs;
    slot(T::Close).intervalMs = kCloseMs;
    slot(T::Firmware).intervalMs = kFirmwareTickMs;
    setCaption(restCaption(false));
}

// ---- what to send ----

bool TransmissionEngine::busy() const {
    return m_state.transmitting || running(T::Step) || running(T::Firmware);
}

bool TransmissionEngine::setTextDocument(std::vector<std::string> lines,
                                         MessageExtractor::LineParser parser) {
    if (busy()) {
        return false;
    }
    m_source = Source::Text;
    m_lines = std::move(lines);
    m_lineStarts.clear();
    std::size_t start = 0;
    for (const std::string& line : m_lines) {
        m_lineStarts.push_back(start);
        start += utf8ToCodePoints(line).size() + 2;
    }
    m_extractor = MessageExtractor(m_lines, parser ? std::move(parser) : &parseLine);
    m_steps.clear();
    return true;
}

bool TransmissionEngine::setStructuredSteps(std::vector<std::optional<Bytes>> steps,
                                            StructuredProfile profile) {
    if (busy()) {
        return false;
    }
    m_source = Source::Structured;
    m_steps = std::move(steps);
    m_profile = profile;
    return true;
}

bool TransmissionEngine::enterFirmwareMode(FirmwareImage image) {
    if (busy()) {
        return false;
    }
    m_firmware = FirmwareRun{std::move(image), 0};
    stopTimer(T::Completion);
    stopTimer(T::Caption);
    setCaption(restCaption(true));
    return true;
}

bool TransmissionEngine::leaveFirmwareMode() {
    if (busy()) {
        return false;
    }
    m_firmware.reset();
    stopTimer(T::Completion);
    stopTimer(T::Caption);
    setCaption(restCaption(false));
    return true;
}

// ---- timers ----

// A timer started while it runs goes on undisturbed; a new interval restarts it from now.
void TransmissionEngine::startTimer(TransmissionTimer timer) {
    TimerSlot& s = slot(timer);
    if (!s.running) {
        s.running = true;
        m_timerService.start(timer, s.intervalMs);
    }
}

void TransmissionEngine::stopTimer(TransmissionTimer timer) {
    TimerSlot& s = slot(timer);
    if (s.running) {
        s.running = false;
        m_timerService.stop(timer);
    }
}

void TransmissionEngine::setStepInterval(int ms) {
    TimerSlot& s = slot(T::Step);
    if (s.intervalMs != ms) {
        s.intervalMs = ms;
        if (s.running) {
            m_timerService.start(T::Step, ms);
        }
    }
}

void TransmissionEngine::timerFired(TransmissionTimer timer) {
    if (!running(timer)) {
        return;  // stopped after the driver had already taken the firing
    }
    switch (timer) {
        case T::Step:
            stepTimerFired();
            break;
        case T::Completion:
            stopTimer(T::Completion);
            setCaption(tx::transmitComplete);
            startTimer(T::Caption);
            break;
        case T::Caption:
            stopTimer(T::Caption);
            setCaption(restCaption(firmwareMode()));
            break;
        case T::Close:
            stopTimer(T::Close);
            closePort();
            break;
        case T::Firmware:
            firmwareTimerFired();
            break;
    }
}

// ---- the window ----

void TransmissionEngine::setCaption(std::string_view caption) {
    m_caption = caption;
    m_view.setButtonCaption(caption);
}

void TransmissionEngine::callwarning(std::string_view text) {
    m_view.showNotice(NoticeKind::Warning, text);
}

void TransmissionEngine::press(const MidiPort& chosenPort) {
    if (firmwareMode()) {
        pressFirmware(chosenPort);
        return;
    }
    setCaption(tx::transmitSettings);
    if (chosenPort.name.empty()) {
        m_view.showNotice(NoticeKind::Information, tx::noMidiInterfaces);
        return;
    }
    // A press while the end of a pass is being shown only acknowledges it. That holds from the
    // end of the pass on, not only once the completion text is up: a completion still to come
    // must not write over a new pass's progress.
    if (running(T::Completion) || running(T::Caption)) {
        stopTimer(T::Completion);
        stopTimer(T::Caption);
        return;
    }
    m_state.stepCount = 1;
    if (!running(T::Step)) {
        m_state.counting = true;
    }
    m_portId = chosenPort.id;
    starttransmit();
}

void TransmissionEngine::windowClosed() {
    stopTimer(T::Step);
    if (m_state.transmitting) {
        m_state.counting = false;  // so that the port closes even when only counting
        stopplay();
    }
    m_state.counting = false;
    m_state.sentLine.reset();
    stopTimer(T::Completion);
    stopTimer(T::Caption);
    if (running(T::Firmware)) {
        stopTimer(T::Firmware);
        closePort();
    }
    setCaption(restCaption(firmwareMode()));
}

// ---- the passes ----

void TransmissionEngine::starttransmit() {
    const bool cancel = m_state.transmitting;
    if (m_source == Source::Text) {
        if (cancel) {
            m_view.caretToEnd();
        } else {
            m_view.caretToStart();
        }
    }
    m_state.sentLine.reset();
    if (cancel) {
        stopTimer(T::Step);
        // A cancelled counting pass has opened the port as well, and must close it.
        m_state.counting = false;
        stopplay();
        return;
    }
    if (m_state.counting) {
        setCaption(tx::counting);
        if (!openPort()) {
            m_state.counting = false;
            setCaption(tx::transmitSettings);
            return;
        }
    }
    if (!m_state.portOpen) {
        return;
    }
    m_state.transmitting = true;
    m_state.nextIsSystemExclusive = true;
    if (m_source == Source::Structured) {
        m_state.structuredPosition = 0;
        m_state.counting = false;
        setStepInterval(kFirstStepMs);
        startTimer(T::Step);
        return;
    }
    setStepInterval(m_state.counting ? kFirstStepMs : m_product.firstMessageIntervalMs);
    m_extractor.setLineCursor(0);
    extractNext();
    if (m_state.currentMessage) {
        textStep();  // the first message goes out at once
        return;
    }
    // A document without any message: nothing to send, and back to rest at once; the port
    // closes as after any pass.
    m_state.counting = false;
    stopplay();
    setCaption(tx::transmitSettings);
}

void TransmissionEngine::stepTimerFired() {
    if (stepIntervalMs() == kFirstStepMs) {
        setStepInterval(m_source == Source::Structured ? kStructuredStepMs : kCountingStepMs);
    }
    if (m_state.counting) {
        ++m_state.stepCount;
    }
    if (stepIntervalMs() > kStructuredStepMs) {
        setStepInterval(kLaterStepMs);
    }
    // The messages up to the next System Exclusive one go out in this same tick.
    runStep();
    while (!m_state.nextIsSystemExclusive) {
        runStep();
    }
    if (!running(T::Step) && m_state.counting) {
        m_state.counting = false;
        m_state.total = m_state.stepCount;
        starttransmit();  // the real pass, its first message at once
    }
    if (!m_state.counting) {
        --m_state.stepCount;
        if (m_source == Source::Structured) {
            setCaption(tx::transmitting);
        } else {
            setCaption(sendingCaption(m_state.total - m_state.stepCount, m_state.total));
        }
    }
    if (!running(T::Step)) {
        passEnded();
    }
}

void TransmissionEngine::runStep() {
    if (m_source == Source::Structured) {
        structuredStep();
    } else {
        textStep();
    }
}

void TransmissionEngine::extractNext() {
    if (m_extractor.getmtext()) {
        m_state.currentMessage = m_extractor.currentMessage();
        m_state.currentLine = m_extractor.messageLine();
    } else {
        m_state.currentMessage.reset();
    }
}

LineSelection TransmissionEngine::selectionOf(std::size_t line) const {
    return {line, m_lineStarts[line], utf8ToCodePoints(m_lines[line]).size()};
}

void TransmissionEngine::textStep() {
    const LineSelection line = selectionOf(m_state.currentLine);
    m_view.highlightLine(line);
    sendmessage(toWireForm(*m_state.currentMessage));
    extractNext();
    if (messageBoxVisible()) {
        m_state.currentMessage.reset();  // an error is showing: the pass ends here
    }
    if (m_state.currentMessage) {
        m_state.nextIsSystemExclusive = m_state.currentMessage->front() == 0xF0;
        startTimer(T::Step);
        m_view.focusWindow();
    } else {
        stopTimer(T::Step);
        m_view.caretToEnd();
        m_state.nextIsSystemExclusive = true;
        stopplay();
    }
    m_state.sentLine = line;
    // A document of one step: the counting pass ended in its first step, so the real pass
    // starts from here rather than from a tick.
    if (!m_state.transmitting && m_state.stepCount == 1 && m_state.counting) {
        m_state.stepCount = 0;
        m_state.counting = false;
        setCaption(sendingCaption(1, 1));
        starttransmit();
        passEnded();
    }
}

void TransmissionEngine::structuredStep() {
    const std::size_t p = m_state.structuredPosition++;
    if (p < m_steps.size()) {
        if (m_profile.fastFromStep && p >= *m_profile.fastFromStep) {
            setStepInterval(kFastStructuredStepMs);
        }
        m_state.currentMessage = m_steps[p];
        if (m_steps[p]) {
            sendmessage(*m_steps[p]);
        }
    }
    if (m_state.structuredPosition >= m_steps.size() || messageBoxVisible()) {
        stopTimer(T::Step);
        stopplay();
        m_view.caretToEnd();
    }
}

// The pass has ended; a warning showing means it ended on an error, and then no completion
// text is shown, only the caption restored later.
void TransmissionEngine::passEnded() {
    if (messageBoxVisible()) {
        startTimer(T::Caption);
    } else {
        m_view.focusWindow();
        startTimer(T::Completion);
    }
}

void TransmissionEngine::stopplay() {
    m_state.transmitting = false;
    if (!m_state.counting) {
        startTimer(T::Close);
    }
}

// ---- the port ----

bool TransmissionEngine::openPort() {
    // A press soon after a cancel finds the port still waiting for its close timer: close it
    // now, so that it is neither opened twice nor closed under the new pass.
    stopTimer(T::Close);
    closePort();
    if (m_state.portOpen) {
        return false;
    }
    if (!m_output.open(m_portId)) {
        callwarning(tx::errorOpening);
        return false;
    }
    m_state.portOpen = true;
    return true;
}

void TransmissionEngine::closePort() {
    if (!m_state.portOpen) {
        return;  // closed already, after a failed send
    }
    m_state.portOpen = false;
    if (!m_output.close() && !messageBoxVisible()) {
        callwarning(tx::errorClosing);
    }
}

// After a failed send the port is closed at once; whether that close works no longer matters.
void TransmissionEngine::dropPort() {
    m_state.portOpen = false;
    m_output.close();
    callwarning(tx::errorSending);
}

bool TransmissionEngine::sendmessage(const Bytes& message) {
    if (m_state.counting || message.empty()) {
        return true;
    }
    if (m_mode == PlatformMode::Mac) {
        // Under the compatibility layer every message goes out as three-byte short messages;
        // the two Active Sensing bytes fill the last group and the unit ignores them.
        Bytes padded = message;
        padded.push_back(0xFE);
        padded.push_back(0xFE);
        for (std::size_t k = 0; k <= (message.size() - 1) / 3; ++k) {
            const auto first = padded.begin() + static_cast<std::ptrdiff_t>(3 * k);
            if (!sendshort(Bytes(first, first + 3))) {
                return false;
            }
        }
        return true;
    }
    return message.size() <= 3 ? sendshort(message) : sendlong(message);
}

bool TransmissionEngine::sendshort(const Bytes& message) {
    if (m_output.sendShort(message)) {
        return true;
    }
    dropPort();
    return false;
}

bool TransmissionEngine::sendlong(const Bytes& message) {
    if (m_output.sendLong(message)) {
        return true;
    }
    dropPort();
    return false;
}

// ---- the firmware update ----

void TransmissionEngine::pressFirmware(const MidiPort& chosenPort) {
    if (chosenPort.name.empty()) {
        m_view.showNotice(NoticeKind::Information, tx::noMidiInterfaces);
        return;
    }
    // Once under way an update runs to its end: a unit left half updated is worse than a
    // press that does nothing.
    if (running(T::Firmware)) {
        return;
    }
    if (running(T::Caption)) {
        stopTimer(T::Caption);
        setCaption(tx::startFirmwareUpdate);
        return;
    }
    m_portId = chosenPort.id;
    m_state.counting = false;
    m_state.stepCount = 1;
    startTimer(T::Firmware);
}

void TransmissionEngine::firmwareTimerFired() {
    FirmwareRun& run = *m_firmware;
    const int n = m_state.stepCount++;
    if (n == 1 && !openPort()) {
        stopTimer(T::Firmware);
        return;
    }
    if (n < 182 && n % 20 == 1) {
        setCaption(startingInCaption(10 - n / 20));
    }
    bool sent = true;
    if (n >= 2 && n <= 200) {
        // For about ten seconds: a unit powered up meanwhile enters its update mode.
        sent = sendmessage(run.image.requestMessage());
    }
    if (n == 201) {
        setCaption(tx::transmittingFirmwareUpdate);
        run.readPosition = run.image.messageStart();
    }
    if (n >= 201) {
        const Bytes message = run.image.messageAt(run.readPosition);
        run.readPosition += message.size();
        sent = sendmessage(message);
    }
    if (!sent) {
        // The port is closed and the warning shows; nothing more can reach the unit.
        stopTimer(T::Firmware);
        startTimer(T::Caption);
        return;
    }
    if (n >= 201 &&
        (run.image.endsAt(run.readPosition) || run.image.messageAt(run.readPosition).empty())) {
        stopTimer(T::Firmware);
        closePort();
        setCaption(tx::transmitComplete);
        startTimer(T::Caption);
    }
}

}  // namespace corlinth
