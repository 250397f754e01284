#include "runtime/ui/picture_control.h"

#include <QPainter>

PictureControl::PictureControl(const QString& resource, QWidget* parent) : QWidget(parent) {
    setPicture(resource);
}

void PictureControl::setPicture(const QString& resource) {
    picture_ = resource.isEmpty() ? QPixmap() : QPixmap(resource);
    if (picture_.isNull() && !resource.isEmpty())
        qWarning("Picture %s cannot be read", qPrintable(resource));
    update();
}

QSize PictureControl::sizeHint() const {
    return picture_.isNull() ? QSize(32, 32) : picture_.deviceIndependentSize().toSize();
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}
