#include "core/app/PseudoModalRule.h"

namespace corlinth {

bool PseudoModalRule::beepOnDeactivation() {
    if (m_noBeepOnce) {
        m_noBeepOnce = false;
        return false;
    }
    if (m_mode == PlatformMode::Mac) {
        const bool beep = !m_skipNextMacBeep;
        m_skipNextMacBeep = !m_skipNextMacBeep;
        return beep;
    }
    return true;
}

}  // namespace corlinth
