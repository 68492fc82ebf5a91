#include "gui/platform/ApplicationIcon.h"

#include <gtest/gtest.h>

// A missing picture, or one drawn at the wrong size, would leave the desktop
// scaling another size into that place.
TEST(ApplicationIconTest, HoldsAPictureOfEveryDesktopSize) {
    const QList<QSize> sizes = vantor::applicationIcon().availableSizes();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_EQ(sizes.size(), 7);
}
