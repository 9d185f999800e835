#include "app/Pictures.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace corvanta;

namespace {

QImage tray(int index) {
    return trayPicture(index).pixmap(32, 32).toImage();
}

int opaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

// Pixels of a colour family: a cue the user reads at 32 x 32.
int pixelsWhere(const QImage& image, bool (*test)(QColor)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 && test(image.pixelColor(x, y));
    return count;
}

bool red(QColor c) {
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}
bool green(QColor c) {
    return c.green() > 130 && c.red() < 90 && c.blue() < 100;
}

TEST(Pictures, TrayPicturesAre32SquareOnTransparentAndDistinct) {
    std::vector<QImage> images;
    for (int index = 0; index < kTrayPictureCount; ++index) {
        SCOPED_TRACE(index);
        const QImage image = tray(index);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0) << "the corner is background";
        EXPECT_GT(opaquePixels(image), 100) << "the phone is drawn";
        for (const QImage& earlier : images)
            EXPECT_NE(image, earlier);
        images.push_back(image);
    }
    EXPECT_TRUE(trayPicture(kTrayPictureCount).isNull());
    EXPECT_TRUE(trayPicture(-1).isNull());
}

TEST(Pictures, StatesCarryTheirColourCues) {
    EXPECT_EQ(pixelsWhere(tray(0), red), 0);
    EXPECT_EQ(pixelsWhere(tray(0), green), 0);
    EXPECT_GT(pixelsWhere(tray(2), green), 40) << "connected is green";
    EXPECT_GT(pixelsWhere(tray(3), red), 40) << "prohibited is crossed out in red";
}

TEST(Pictures, SplashIsALandscapeLogo) {
    const QImage splash = splashPicture().toImage();
    ASSERT_FALSE(splash.isNull());
    EXPECT_EQ(splash.size(), QSize(400, 250));
    EXPECT_NE(splash.pixelColor(5, 5), splash.pixelColor(395, 245)) << "a gradient";
}

} // namespace
