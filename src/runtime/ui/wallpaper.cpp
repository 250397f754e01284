#include "runtime/ui/wallpaper.h"

#include <QPixmap>

bool setWallpaper(QWidget* window, const QString& resource) {
    const QPixmap tile(resource);
    if (tile.isNull()) {
        qWarning("Wallpaper %s cannot be read", qPrintable(resource));
        return false;
    }
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(tile));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    return true;
}
