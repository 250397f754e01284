#include "check/picture_probe.h"

namespace {
constexpr int kInkGrey = 160;
}  // namespace

PictureProbe::PictureProbe(const QImage& picture, const QRectF& box)
    : picture_(picture.convertToFormat(QImage::Format_RGB32)), box_(box) {}

QRect PictureProbe::pixels(const QRectF& units) const {
    const double sx = picture_.width() / box_.width();
    const double sy = picture_.height() / box_.height();
    return QRectF((units.x() - box_.x()) * sx, (units.y() - box_.y()) * sy, units.width() * sx,
                  units.height() * sy)
        .toAlignedRect()
        .intersected(picture_.rect());
}

bool PictureProbe::ink(int x, int y) const {
    return qGray(picture_.pixel(x, y)) < kInkGrey;
}

int PictureProbe::inkIn(const QRectF& units) const {
    const QRect area = pixels(units);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += ink(x, y);
    }
    return count;
}

bool PictureProbe::hasRule(const QRectF& units, bool vertical, double cover) const {
    const QRect area = pixels(units);
    const int lines = vertical ? area.width() : area.height();
    const int length = vertical ? area.height() : area.width();
    for (int i = 0; i < lines; ++i) {
        int inked = 0;
        for (int j = 0; j < length; ++j) {
            inked += vertical ? ink(area.left() + i, area.top() + j)
                              : ink(area.left() + j, area.top() + i);
        }
        if (inked >= cover * length) return true;
    }
    return false;
}

QStringList PictureProbe::sidesWithoutRule(const QRectF& box, QSizeF reach, double cover) const {
    const double across = reach.width();
    const double down = reach.height();
    const struct {
        const char* name;
        QRectF strip;
        bool vertical;
    } sides[] = {
        {"left", {box.left() - across, box.top(), across, box.height()}, true},
        {"right", {box.right(), box.top(), across, box.height()}, true},
        {"top", {box.left(), box.top() - down, box.width(), down}, false},
        {"bottom", {box.left(), box.bottom(), box.width(), down}, false},
    };
    QStringList missing;
    for (const auto& side : sides) {
        if (!hasRule(side.strip, side.vertical, cover)) missing << QLatin1String(side.name);
    }
    return missing;
}
