#pragma once

#include "core/app/FixedTexts.h"

namespace corlinth {

// Setting dialogs, the transmission window, the about window and the message box are shown
// without being modal but behave as if they were: when the user clicks another window of the
// program they come back to the front with a beep. This decides the beep.
class PseudoModalRule {
  public:
    explicit PseudoModalRule(PlatformMode mode) : m_mode(mode) {}

    // The one-shot no-beep flag: the next deactivation that would beep stays silent. Set
    // where the program itself moves the activation (a message shown in Mac mode, a window
    // shown again after a message).
    void suppressNextBeep() { m_noBeepOnce = true; }
    bool nextBeepSuppressed() const { return m_noBeepOnce; }

    // A pseudo-modal window lost the activation while still visible and was brought back:
    // whether to beep. Windows mode beeps every time, Mac mode every second time, starting
    // with the first.
    bool beepOnDeactivation();

  private:
    PlatformMode m_mode;
    bool m_noBeepOnce = false;
    bool m_skipNextMacBeep = false;
};

}  // namespace corlinth
