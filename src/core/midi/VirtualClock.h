#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "core/midi/TransmissionTimers.h"

namespace corlinth {

// Runs the transmission timers in virtual time: each firing happens exactly on its deadline,
// and the work done in it takes no time. The tests drive the engine with it, and the dry run
// of the command-line tool prints from it when each step would go out.
class VirtualClock final : public TransmissionTimers {
  public:
    using Handler = std::function<void(TransmissionTimer)>;

    // Usually the engine's timerFired.
    void setHandler(Handler handler) { m_handler = std::move(handler); }

    void start(TransmissionTimer timer, int intervalMs) override;
    void stop(TransmissionTimer timer) override;

    // Milliseconds since the clock was made.
    std::int64_t now() const { return m_now; }
    bool isRunning(TransmissionTimer timer) const;

    // Fires, in deadline order, every timer due up to `ms` from now, then stands at that time.
    void advanceBy(std::int64_t ms);
    // Fires timers until none is running. False when `limitMs` from now came first (a timer
    // that never stops).
    bool runUntilIdle(std::int64_t limitMs = 3'600'000);

  private:
    struct Slot {
        bool running = false;
        int intervalMs = 0;
        std::int64_t due = 0;
        std::uint64_t order = 0;  // among equal deadlines, the earlier started fires first
    };
    // The running timer due first, or nullptr.
    Slot* next();
    void fire(Slot& slot);

    std::array<Slot, kTransmissionTimerCount> m_slots;
    std::int64_t m_now = 0;
    std::uint64_t m_order = 0;
    Handler m_handler;
};

}  // namespace corlinth
