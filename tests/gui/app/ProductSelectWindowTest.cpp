#include <gtest/gtest.h>

#include "gui/app/ProductSelectWindow.h"

namespace corlinth::gui {
namespace {

TEST(ProductSelectWindow, IsTheSelectionWindow) {
    ProductSelectWindow window;
    window.show();
    EXPECT_EQ(window.objectName(), QStringLiteral("TProductSelect"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Select Product..."));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace corlinth::gui
