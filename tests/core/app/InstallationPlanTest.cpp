#include <gtest/gtest.h>

#include "core/app/InstallationPlan.h"

namespace corlinth {
namespace {

TEST(InstallationPlan, WritesEachProductsFolderExamplesAndHelpInInstallationOrder) {
    const std::vector<InstallStep> plan = installationPlan(allProducts(), "/home/u/Quarnell",
                                                           "/opt/corlinth", PlatformMode::Mac, '/');
    // Eleven folders, 56 examples and eleven help documents.
    ASSERT_EQ(plan.size(), 11u + 56u + 11u);
    using K = InstallStep::Kind;
    const InstallStep expectedStart[] = {
        {K::MakeFolder, "Hennic", "/home/u/Quarnell/Hennic", "", false, false},
        {K::WriteDocument, "Hennic",
         "/home/u/Quarnell/Hennic/Example (Breath controller message).rtf", "HennicExample", true,
         false},
        {K::WriteDocument, "Hennic", "/opt/corlinth/Hennic Corlinth Help.pdf", "HennicHelp", false,
         true},
        {K::MakeFolder, "Sodrin", "/home/u/Quarnell/Sodrin", "", false, false},
        {K::WriteDocument, "Sodrin",
         "/home/u/Quarnell/Sodrin/Example 01 (Filtering MIDI events).rtf", "SodrinExample1", true,
         false},
    };
    for (std::size_t i = 0; i < std::size(expectedStart); ++i) {
        EXPECT_EQ(plan[i], expectedStart[i]) << i;
    }
    // Daskin's last example, before its help, the Ombrel folder, four examples and help.
    const InstallStep& daskin = plan[plan.size() - 8];
    EXPECT_EQ(daskin.path,
              "/home/u/Quarnell/Daskin/Example 5 (Rechannelizing specific channels).mid");
    EXPECT_FALSE(daskin.rewriteClickHints);
    EXPECT_EQ(plan.back(),
              (InstallStep{K::WriteDocument, "Ombrel", "/opt/corlinth/Ombrel Corlinth Help.pdf",
                           "OmbrelHelp", false, true}));
    std::vector<std::string_view> folders;
    for (const InstallStep& step : plan) {
        if (step.kind == K::MakeFolder) {
            folders.push_back(step.product);
        }
    }
    EXPECT_EQ(folders, (std::vector<std::string_view>{"Hennic", "Sodrin", "Vantrel", "Kelto",
                                                      "Strayne", "Pirrow", "Gavrel", "Brannic",
                                                      "Tessol", "Daskin", "Ombrel"}));
}

TEST(InstallationPlan, RewritesRichTextOnlyInMacModeAndJoinsWithTheNativeSeparator) {
    for (const InstallStep& step :
         installationPlan(allProducts(), "C:", "C:", PlatformMode::Windows, '\\')) {
        EXPECT_FALSE(step.rewriteClickHints) << step.path;
        EXPECT_EQ(step.path.find('/'), std::string::npos) << step.path;
    }
    const std::vector<InstallStep> plan =
        installationPlan(allProducts(), "C:", "C:", PlatformMode::Windows, '\\');
    EXPECT_EQ(plan[1].path, "C:\\Hennic\\Example (Breath controller message).rtf");
    EXPECT_TRUE(rewritesClickHints("\\Example (Sustain message).rtf", PlatformMode::Mac));
    EXPECT_TRUE(rewritesClickHints("notes.RTF", PlatformMode::Mac));
    EXPECT_FALSE(rewritesClickHints("\\Example 3 (Splitting a keyboard).mid", PlatformMode::Mac));
    EXPECT_FALSE(rewritesClickHints("\\Pirrow Corlinth Help.pdf", PlatformMode::Mac));
    EXPECT_FALSE(rewritesClickHints("rtf", PlatformMode::Mac));
    EXPECT_FALSE(rewritesClickHints("a.rtf", PlatformMode::Windows));
}

}  // namespace
}  // namespace corlinth
