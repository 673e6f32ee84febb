#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/app/ProductPictures.h"
#include "core/app/ProductRegistry.h"
#include "core/app/SelectionLayout.h"
#include "core/app/ShellTexts.h"

namespace corlinth {
namespace {

TEST(SelectionLayout, PutsTheButtonsInTwoColumnsByTheirDesignedRows) {
    for (const int width : {800, 758, 1000}) {
        const int left = (width - 758) / 2;
        std::map<std::string, PixelRect> buttons;
        for (const SelectionButtonPlace& place : selectionButtonLayout(width)) {
            buttons[std::string(place.product)] = place.button;
            EXPECT_EQ(place.picture,
                      (PixelRect{place.button.left + 4, place.button.top + 4, 367, 49}));
        }
        ASSERT_EQ(buttons.size(), 11u);
        for (const ProductRecord& product : allProducts()) {
            EXPECT_EQ(buttons.count(std::string(product.selectionButton)), 1u);
            EXPECT_NE(productPicture(product.displayName), nullptr);
        }
        const char* leftColumn[] = {"Sodrin", "Pirrow", "Gavrel", "Tessol", "Ombrel", "Kelto"};
        const char* rightColumn[] = {"Vantrel", "Strayne", "Hennic", "Daskin", "Brannic"};
        int previous = -1;
        for (const char* name : leftColumn) {
            EXPECT_EQ(buttons[name].left, left) << name;
            EXPECT_GT(buttons[name].top, previous) << name;
            EXPECT_EQ(buttons[name].width, 375);
            EXPECT_EQ(buttons[name].height, 57);
            previous = buttons[name].top;
        }
        previous = -1;
        for (const char* name : rightColumn) {
            EXPECT_EQ(buttons[name].left, left + 383) << name;
            EXPECT_GT(buttons[name].top, previous) << name;
            previous = buttons[name].top;
        }
        // The rows stay as designed whatever the width; the family heading stands in the gap
        // above the eight-way models.
        EXPECT_EQ(buttons["Sodrin"].top, buttons["Vantrel"].top);
        EXPECT_EQ(buttons["Tessol"].top, buttons["Daskin"].top);
        EXPECT_EQ(buttons["Kelto"].top, buttons["Brannic"].top);
        const PixelRect family = familyHeadingPlace(width);
        EXPECT_GE(family.top, buttons["Ombrel"].top + 57);
        EXPECT_LE(family.top + family.height, buttons["Kelto"].top);
        EXPECT_LE(processorsHeadingPlace(width).top + processorsHeadingPlace(width).height,
                  buttons["Sodrin"].top);
    }
    EXPECT_EQ(productPicture("Pirro"), nullptr);
}

TEST(ShellTexts, VersionAndFirstRunReportReadAsTheProgramShowsThem) {
    EXPECT_EQ(versionLine(), "Version 3.0.6");
    EXPECT_EQ(resourceNotFound("KeltoExample"), "Resource KeltoExample not found");
    EXPECT_EQ(installFailureReport({"a", "b", "c"}, 2),
              "The example and help documents could not all be installed:\r\n\r\na\r\nb\r\n"
              "... and 1 more.");
    EXPECT_EQ(installFailureReport({"a"}, 2),
              "The example and help documents could not all be installed:\r\n\r\na");
}

}  // namespace
}  // namespace corlinth
