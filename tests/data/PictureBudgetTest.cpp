#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "data/DataManager.h"
#include "data/PictureLoader.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "gfx/ImageSave.h"

namespace fs = std::filesystem;

namespace {

// A folder of pictures for one test, removed afterwards.
class PictureBudgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vk_pictures_" + std::to_string(::getpid()));
        fs::create_directories(folder_ / "image");
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Writes a w x h picture of one colour; returns its path.
    std::string picture(const std::string& name, int w, int h, Pixel colour = 0x336699) {
        Image image;
        image.resize(w, h);
        image.fillRect(colour, 0, 0, w, h);
        const std::string path = (folder_ / "image" / name).string();
        EXPECT_TRUE(savePng(image, path));
        return path;
    }

    bool load(DataManager& data, const std::string& script) {
        data.setQuiet(true);
        return data.loadFromMemory("SpecialArt normalAttack\n" + script);
    }

    const Image* image(DataManager& data, const std::string& name) {
        return data.imageTable().at(name);
    }

    fs::path folder_;
};

}  // namespace

TEST_F(PictureBudgetTest, TheSameFileIsDecodedOnceHoweverItIsSpelled) {
    const std::string path = picture("a.png", 6, 4);
    const std::string folder = folder_.string();
    DataManager data;
    ASSERT_TRUE(load(data, "Image one\nsrc " + path + "\nImage two\nsrc " + folder +
                               "/image/./a.png\nImage three\nsrc " + folder +
                               "//image/../image/a.png\n"));
    EXPECT_EQ(data.pictureDecodes(), 1);
    EXPECT_EQ(data.pictureBytes(), 6 * 4 * 4);
    const Image* one = image(data, "one");
    for (const char* name : {"two", "three"}) {
        const Image* other = image(data, name);
        EXPECT_EQ(other->data(), one->data()) << name;
        EXPECT_EQ(other->width(), 6);
        EXPECT_EQ(other->height(), 4);
        EXPECT_EQ(other->pixel(5, 3) & 0xFFFFFF, 0x336699u);
    }
    EXPECT_TRUE(data.imageFailures().empty());
}

TEST_F(PictureBudgetTest, APictureThatWouldPassTheBudgetStaysEmptyAndIsListed) {
    const std::string small = picture("small.png", 8, 8);    // 256 bytes decoded
    const std::string large = picture("large.png", 16, 16);  // 1024 bytes
    DataManager data;
    data.setPictureBudget(1024);
    ASSERT_TRUE(load(data, "Image s\nsrc " + small + "\nImage l\nsrc " + large +
                               "\nImage again\nsrc " + small + "\nImage missing\nsrc " +
                               folder_.string() + "/image/none.png\n"));
    EXPECT_EQ(image(data, "s")->width(), 8);
    EXPECT_TRUE(image(data, "l")->empty());  // 256 + 1024 would pass 1024
    EXPECT_EQ(image(data, "l")->width(), 0);
    EXPECT_EQ(image(data, "again")->data(), image(data, "s")->data());  // shared, no cost
    EXPECT_EQ(data.pictureBytes(), 256);

    using Reason = DataManager::ImageFailure::Reason;
    ASSERT_EQ(data.imageFailures().size(), 2u);
    EXPECT_EQ(data.imageFailures()[0].line, 5);
    EXPECT_EQ(data.imageFailures()[0].path, large);
    EXPECT_EQ(data.imageFailures()[0].reason, Reason::OverBudget);
    EXPECT_EQ(data.imageFailures()[1].line, 9);
    EXPECT_EQ(data.imageFailures()[1].reason, Reason::Unreadable);
}

TEST_F(PictureBudgetTest, FacesCountTwiceAndAReplacedFaceGivesItsBytesBack) {
    const std::string face = picture("face.png", 8, 8);  // 256 bytes, a face 512 more
    DataManager data;
    data.setPictureBudget(256 + 512 + 100);
    ASSERT_TRUE(load(data, "Image face\nsrc " + face +
                               "\nPlayer\nfaceImage face\n"  // line 5: fits
                               "Enemy\nfaceImage face\n"     // line 7: over
                               "Player\nfaceImage face\nfaceImage NULL\nfaceImage face\n"));
    EXPECT_EQ(data.playerState(0)->faceImage(0)->width(), 8);
    EXPECT_EQ(data.playerState(0)->faceImage(1)->width(), 8);
    EXPECT_TRUE(data.enemyState(0)->faceImage(0)->empty());
    EXPECT_TRUE(data.enemyState(0)->faceImage(1)->empty());
    // The second hero's faces do not fit either while the first hero keeps its own.
    EXPECT_TRUE(data.playerState(1)->faceImage(0)->empty());
    ASSERT_EQ(data.imageFailures().size(), 3u);
    for (const auto& failure : data.imageFailures()) {
        EXPECT_TRUE(failure.face);
        EXPECT_EQ(failure.path, "face");
        EXPECT_EQ(failure.reason, DataManager::ImageFailure::Reason::OverBudget);
    }
    EXPECT_EQ(data.imageFailures()[0].line, 7);
    EXPECT_EQ(data.imageFailures()[1].line, 9);
    EXPECT_EQ(data.imageFailures()[2].line, 11);
    EXPECT_EQ(data.pictureBytes(), 256 + 512);

    // A face replaced by another gives its bytes back first: the same fighter may change its
    // face as often as it likes.
    DataManager again;
    again.setPictureBudget(256 + 512);
    ASSERT_TRUE(load(again, "Image face\nsrc " + face +
                                "\nPlayer\nfaceImage face\nfaceImage face\nfaceImage face\n"));
    EXPECT_EQ(again.playerState(0)->faceImage(0)->width(), 8);
    EXPECT_TRUE(again.imageFailures().empty());
}

TEST_F(PictureBudgetTest, ReadersRefuseAPictureOverTheCapBeforeTouchingTheImage) {
    const std::string png = picture("cap.png", 10, 10);
    Image image;
    image.resize(3, 3);
    EXPECT_EQ(readImageFile(image, png, 99), PictureRead::OverLimit);
    EXPECT_EQ(image.width(), 3);
    EXPECT_EQ(readImageFile(image, png, 100), PictureRead::Loaded);
    EXPECT_EQ(image.width(), 10);

    // A 10 x 10 24-bit bitmap.
    Image bmp;
    bmp.resize(10, 10);
    const std::string bmpPath = (folder_ / "image" / "cap.bmp").string();
    {
        std::vector<std::uint8_t> bytes(54 + 10 * 32, 0);
        bytes[0] = 'B';
        bytes[1] = 'M';
        bytes[10] = 54;
        bytes[14] = 40;
        bytes[18] = 10;
        bytes[22] = 10;
        bytes[26] = 1;
        bytes[28] = 24;
        std::FILE* file = std::fopen(bmpPath.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    Image fromBmp;
    EXPECT_EQ(readImageFile(fromBmp, bmpPath, 99), PictureRead::OverLimit);
    EXPECT_TRUE(fromBmp.empty());
    EXPECT_EQ(readImageFile(fromBmp, bmpPath, 100), PictureRead::Loaded);
    EXPECT_EQ(fromBmp.width(), 10);
    EXPECT_EQ(readImageFile(fromBmp, folder_.string() + "/none.png", 100), PictureRead::Failed);
}

TEST(ImageTest, SharedPixelsStayWhileAnyImageHoldsThem) {
    auto source = std::make_unique<Image>();
    source->resize(4, 2);
    source->fillRect(0x123456, 0, 0, 4, 2);
    source->setClip(1, 0, 3, 2);
    Image shown;
    shown.sharePixels(*source);
    EXPECT_EQ(std::as_const(shown).data(), std::as_const(*source).data());
    EXPECT_EQ(shown.clipX0(), 0);  // the whole picture, as a fresh load gives it
    EXPECT_EQ(shown.clipX1(), 4);
    source.reset();
    EXPECT_EQ(shown.pixel(3, 1), 0x123456u);
    // A resize gives the image pixels of its own again.
    Image other;
    other.sharePixels(shown);
    other.resize(1, 1);
    EXPECT_NE(std::as_const(other).data(), std::as_const(shown).data());
    EXPECT_EQ(shown.pixel(0, 0), 0x123456u);
}

TEST(ImageTest, ImagesSharingAPictureBehaveAsSeparateCopies) {
    // Two Image blocks naming one file share its pixels; whatever is written into one must
    // look exactly as if each had read the file by itself.
    Image decoded;
    decoded.resize(40, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 40; ++x) {
            decoded.setPixel(x, y, static_cast<Pixel>(0x010000 * y + x + 1));
        }
    }
    Image separate;  // what a reading of its own would give
    separate.resize(40, 2);
    decoded.drawTo(separate, 0, 0);

    Image first;
    Image second;
    first.sharePixels(decoded);
    second.sharePixels(decoded);
    Image expected;
    expected.resize(40, 2);
    separate.drawTo(expected, 0, 0);
    decoded.drawTo(second, 1, 0);  // the source's pixels under the target's
    separate.drawTo(expected, 1, 0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(second.pixel(x, y), expected.pixel(x, y)) << x << ", " << y;
        }
    }
    first.drawTo(first, 1, 0);  // onto itself: the pixel order smears the first column
    EXPECT_EQ(first.pixel(39, 0), 1u);

    // None of the writes reached the decoded picture or another sharer.
    Image third;
    third.sharePixels(decoded);
    third.fillRect(0xABCDEF, 0, 0, 40, 2);
    third.setPixel(0, 0, 7);
    third.row(1)[5] = 9;
    EXPECT_EQ(third.pixel(1, 0), 0xABCDEFu);
    for (int x = 0; x < 40; ++x) {
        ASSERT_EQ(decoded.pixel(x, 0), static_cast<Pixel>(x + 1)) << x;
        ASSERT_EQ(decoded.pixel(x, 1), static_cast<Pixel>(0x010000 + x + 1)) << x;
    }
}
