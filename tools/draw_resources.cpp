// Draws the program's pictures and icons into the resources folder:
//   draw_resources RESOURCES_DIR
// writes RESOURCES_DIR/pictures/*.jpg and RESOURCES_DIR/icons/*.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QTextStream>
#include <functional>

#include "art/blank_sides.h"
#include "art/editor_back.h"
#include "art/icons.h"
#include "art/print_pictures.h"
#include "art/rulers.h"
#include "art/tiles.h"

namespace {

// Photographic quality is plenty for the blank's line work; the tiles are
// so small that a finer setting costs nothing and keeps them seamless.
constexpr int kPictureQuality = 85;
constexpr int kTileQuality = 95;

struct Picture {
    const char* file;
    std::function<QImage()> draw;
    int quality;
};

bool save(const QImage& image, const QString& path, const char* format, int quality,
          QTextStream& err) {
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    writer.setProgressiveScanWrite(true);
    if (writer.write(image)) return true;
    err << "cannot write " << path << ": " << writer.errorString() << "\n";
    return false;
}

bool drawPictures(const QDir& folder, QTextStream& err) {
    const Picture pictures[] = {
        {"Forma2F.jpg", [] { return BlankSides::drawFront(1); }, kPictureQuality},
        {"Forma2F@2x.jpg", [] { return BlankSides::drawFront(2); }, kPictureQuality},
        {"Forma2_2F.jpg", [] { return BlankSides::drawBack(1); }, kPictureQuality},
        {"Forma2_2F@2x.jpg", [] { return BlankSides::drawBack(2); }, kPictureQuality},
        {"Forma2F_print.jpg", PrintPictures::drawFront, kPictureQuality},
        {"Forma2K_print.jpg", PrintPictures::drawCounterfoil, kPictureQuality},
        {"Forma2_2F_print.jpg", PrintPictures::drawBack, kPictureQuality},
        {"Forma2_2F_nastr.jpg", EditorBack::draw, kPictureQuality},
        {"Forma2_zast.jpg", BlankSides::drawMiniature, kPictureQuality},
        {"L_g.jpg", Rulers::drawVertical, kPictureQuality},
        {"L_v.jpg", Rulers::drawHorizontal, kPictureQuality},
        {"fon_nnn.jpg", Tiles::drawWindowTile, kTileQuality},
        {"fon_b.jpg", Tiles::drawDatabaseTile, kTileQuality},
    };
    bool ok = true;
    for (const Picture& picture : pictures) {
        ok &= save(picture.draw(), folder.filePath(QString::fromLatin1(picture.file)), "JPG",
                   picture.quality, err);
    }
    return ok;
}

bool drawIcons(const QDir& folder, QTextStream& err) {
    bool ok = true;
    for (const Icons::Icon& icon : Icons::drawAll()) {
        ok &= save(icon.image, folder.filePath(Icons::fileNameFor(icon.alias)), "PNG", -1, err);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: draw_resources RESOURCES_DIR\n";
        return 2;
    }
    const QDir root(args[1]);
    if (!root.mkpath(QStringLiteral("pictures")) || !root.mkpath(QStringLiteral("icons"))) {
        err << "cannot create the folders under " << args[1] << "\n";
        return 1;
    }
    const bool ok = drawPictures(QDir(root.filePath(QStringLiteral("pictures"))), err) &
                    drawIcons(QDir(root.filePath(QStringLiteral("icons"))), err);
    return ok ? 0 : 1;
}
