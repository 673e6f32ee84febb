#pragma once

#include <cstddef>

namespace corlinth {

// The timers that pace a transmission and the firmware update.
enum class TransmissionTimer {
    Step,        // sends the next step; its interval changes during a pass
    Completion,  // 400 ms after a pass: shows the completion text
    Caption,     // 3000 ms later: restores the button caption
    Close,       // 500 ms after a pass: closes the port
    Firmware,    // 50 ms: the firmware update sequence
};
inline constexpr std::size_t kTransmissionTimerCount = 5;

// Runs the engine's timers: a QTimer per timer in the window, a steady clock in the
// command-line tool, virtual time in the tests and the dry run.
class TransmissionTimers {
  public:
    virtual ~TransmissionTimers() = default;

    // Starts a repeating timer, or restarts it when it runs: it fires every `intervalMs` from
    // now on, until it is stopped. Each firing is handed to TransmissionEngine::timerFired.
    virtual void start(TransmissionTimer timer, int intervalMs) = 0;
    virtual void stop(TransmissionTimer timer) = 0;
};

}  // namespace corlinth
