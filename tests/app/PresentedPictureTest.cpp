#include <gtest/gtest.h>

#include "app/PresentedPicture.h"
#include "gfx/Image.h"

namespace {

using Rows = PresentedPicture::Rows;

void expectRows(Rows rows, int first, int end) {
    EXPECT_EQ(rows.first, first);
    EXPECT_EQ(rows.end, end);
}

}  // namespace

TEST(PresentedPicture, FirstPictureSendsEveryRowThenNothingUntilSomethingChanges) {
    PresentedPicture shown;
    Image picture;
    picture.resize(7, 5);
    expectRows(shown.update(picture), 0, 5);
    EXPECT_TRUE(shown.update(picture).empty());

    // One pixel anywhere in a row makes it count, even the last pixel of the last row.
    picture.setPixel(6, 4, 1);
    expectRows(shown.update(picture), 4, 5);
    EXPECT_TRUE(shown.update(picture).empty());

    // Changes in rows 1 and 3: the span from the first to the last, as one block.
    picture.setPixel(0, 1, 2);
    picture.setPixel(3, 3, 3);
    expectRows(shown.update(picture), 1, 4);
}

TEST(PresentedPicture, OnlyTheTopByteChangingStillCounts) {
    // The window shows every pixel opaque, but the copy compares what the game drew.
    PresentedPicture shown;
    Image picture;
    picture.resize(4, 2);
    shown.update(picture);
    picture.setPixel(1, 0, 0xFF000000u);
    expectRows(shown.update(picture), 0, 1);
}

TEST(PresentedPicture, ForgetOrANewSizeSendsEverythingAgain) {
    PresentedPicture shown;
    Image picture;
    picture.resize(3, 3);
    shown.update(picture);
    shown.forget();
    expectRows(shown.update(picture), 0, 3);

    picture.resize(3, 4);
    expectRows(shown.update(picture), 0, 4);
    EXPECT_TRUE(shown.update(picture).empty());
}

TEST(PresentedPicture, AnEmptyPictureSendsNothingAndForgetsThePictureBefore) {
    PresentedPicture shown;
    Image picture;
    picture.resize(2, 2);
    shown.update(picture);
    Image empty;
    EXPECT_TRUE(shown.update(empty).empty());
    Image noColumns;
    noColumns.resize(0, 5);
    EXPECT_TRUE(shown.update(noColumns).empty());

    // The same picture as before the empty ones: the window no longer has it.
    expectRows(shown.update(picture), 0, 2);
}
