#include "core/midi/VirtualClock.h"

#include <algorithm>

namespace corlinth {

void VirtualClock::start(TransmissionTimer timer, int intervalMs) {
    Slot& slot = m_slots[static_cast<std::size_t>(timer)];
    slot.running = true;
    slot.intervalMs = std::max(intervalMs, 1);  // a zero interval would never let time move
    slot.due = m_now + slot.intervalMs;
    slot.order = ++m_order;
}

void VirtualClock::stop(TransmissionTimer timer) {
    m_slots[static_cast<std::size_t>(timer)].running = false;
}

bool VirtualClock::isRunning(TransmissionTimer timer) const {
    return m_slots[static_cast<std::size_t>(timer)].running;
}

VirtualClock::Slot* VirtualClock::next() {
    Slot* first = nullptr;
    for (Slot& slot : m_slots) {
        if (slot.running && (first == nullptr || slot.due < first->due ||
                             (slot.due == first->due && slot.order < first->order))) {
            first = &slot;
        }
    }
    return first;
}

void VirtualClock::fire(Slot& slot) {
    m_now = slot.due;
    // The next firing is set before the handler runs, which may stop or restart the timer.
    slot.due += slot.intervalMs;
    slot.order = ++m_order;
    if (m_handler) {
        m_handler(static_cast<TransmissionTimer>(&slot - m_slots.data()));
    }
}

void VirtualClock::advanceBy(std::int64_t ms) {
    const std::int64_t end = m_now + ms;
    for (Slot* slot = next(); slot != nullptr && slot->due <= end; slot = next()) {
        fire(*slot);
    }
    m_now = end;
}

bool VirtualClock::runUntilIdle(std::int64_t limitMs) {
    const std::int64_t end = m_now + limitMs;
    for (Slot* slot = next(); slot != nullptr; slot = next()) {
        if (slot->due > end) {
            m_now = end;
            return false;
        }
        fire(*slot);
    }
    return true;
}

}  // namespace corlinth
