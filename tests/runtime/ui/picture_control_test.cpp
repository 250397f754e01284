#include <gtest/gtest.h>

#include <QImage>

#include "runtime/ui/picture_control.h"
#include "runtime/ui/wallpaper.h"
#include "support/temp_folder.h"

namespace {

QString savedImage(const TempFolder& folder, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder.file("picture.png");
    image.save(path);
    return path;
}

TEST(PictureControlTest, PictureIsScaledIntoTheControlsBox) {
    TempFolder folder;
    PictureControl picture(savedImage(folder, QSize(20, 10), Qt::blue));
    EXPECT_EQ(picture.sizeHint(), QSize(20, 10));
    picture.resize(200, 50);
    const QImage shown = picture.grab().toImage();
    EXPECT_EQ(shown.pixelColor(195, 45), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(2, 2), QColor(Qt::blue));
}

TEST(PictureControlTest, MissingPictureLeavesAnEmptyBox) {
    PictureControl picture(":/no/such.jpg");
    EXPECT_TRUE(picture.picture().isNull());
    picture.resize(40, 30);
    EXPECT_FALSE(picture.grab().isNull());
}

TEST(WallpaperTest, WindowIsFilledWithTheTile) {
    TempFolder folder;
    QWidget window;
    ASSERT_TRUE(setWallpaper(&window, savedImage(folder, QSize(14, 14), Qt::green)));
    window.resize(100, 60);
    EXPECT_TRUE(window.autoFillBackground());
    EXPECT_EQ(window.grab().toImage().pixelColor(90, 50), QColor(Qt::green));
}

TEST(WallpaperTest, WindowWallpapersOfTheProgramLoad) {
    for (const char* tile : {":/pictures/fon_nnn.jpg", ":/pictures/fon_b.jpg"}) {
        QWidget window;
        EXPECT_TRUE(setWallpaper(&window, tile)) << tile;
    }
}

TEST(WallpaperTest, MissingTileKeepsTheWindowsFill) {
    QWidget window;
    const QBrush before = window.palette().window();
    EXPECT_FALSE(setWallpaper(&window, ":/no/fon.jpg"));
    EXPECT_EQ(window.palette().window(), before);
}

}  // namespace
