#include <gtest/gtest.h>

#include <vector>

#include "core/app/ProductRegistry.h"
#include "core/app/PseudoModalRule.h"
#include "core/app/WindowStacking.h"

namespace corlinth {
namespace {

TEST(WindowLevel, RanksEveryWindowOfEveryProductByName) {
    struct Row {
        const char* name;
        int level;
    };
    const Row rows[] = {
        {"TProductSelect", 0},  {"TMacMIDI", 0},       {"TPirrowMain", 0},    {"TForm2", 0},
        {"TForm5", 0},          {"TAboutBox", 1},      {"TTransportForm", 1}, {"TPirrowNoteOn", 1},
        {"TVantrelSetting", 1}, {"TBtnBottomDlg", 1},  {"TBtnBottomDlg1", 1}, {"TBtnBottomDlg2", 2},
        {"TKeltoSysPop", 2},    {"TVantrelSysPop", 2}, {"TMsgBox", 3},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(windowLevelOf(row.name), row.level) << row.name;
    }
    // Every product's windows: the main one stands alone, the popups sit on a dialog.
    for (const ProductRecord& product : allProducts()) {
        EXPECT_EQ(windowLevelOf(product.mainWindow), 0) << product.mainWindow;
        for (std::string_view companion : product.companionWindows) {
            const bool popup = companion.ends_with("SysPop") || companion == "TBtnBottomDlg2";
            EXPECT_EQ(windowLevelOf(companion), popup ? 2 : 1) << companion;
        }
    }
}

TEST(WindowToShowAgain, PrefersTheNewestMarkedPopupThenTheNewestMarkedDialog) {
    struct Row {
        const char* what;
        std::vector<StackedWindow> windows;
        std::optional<std::size_t> expected;
    };
    const Row rows[] = {
        {"nothing marked", {{0, false}, {1, false}, {2, false}}, std::nullopt},
        {"a dialog", {{0, false}, {1, true}, {2, false}}, 1},
        {"a popup before the dialog", {{0, false}, {1, true}, {2, true}}, 2},
        {"the popup even when created first", {{2, true}, {1, true}}, 0},
        {"the newest of two dialogs", {{1, true}, {1, false}, {1, true}}, 2},
        {"never a level 0 or level 3 window", {{0, true}, {3, true}}, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(windowToShowAgain(row.windows), row.expected) << row.what;
    }
}

TEST(PseudoModalRule, BeepsEveryTimeInWindowsModeAndEverySecondTimeInMacMode) {
    struct Row {
        PlatformMode mode;
        const char* events;  // d: a deactivation, s: the no-beep flag set
        const char* beeps;   // for each d: 1 beeps, 0 silent
    };
    const Row rows[] = {
        {PlatformMode::Windows, "ddd", "111"}, {PlatformMode::Windows, "sdd", "01"},
        {PlatformMode::Windows, "ssdd", "01"}, {PlatformMode::Mac, "dddd", "1010"},
        {PlatformMode::Mac, "sddd", "010"},    {PlatformMode::Mac, "dsdd", "100"},
    };
    for (const Row& row : rows) {
        PseudoModalRule rule(row.mode);
        std::string beeps;
        for (const char* e = row.events; *e != 0; ++e) {
            if (*e == 's') {
                rule.suppressNextBeep();
            } else {
                beeps += rule.beepOnDeactivation() ? '1' : '0';
            }
        }
        EXPECT_EQ(beeps, row.beeps) << row.events;
    }
}

}  // namespace
}  // namespace corlinth
