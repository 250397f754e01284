#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

// Words wrapped and centred in a box, in the font's size or, when they do
// not fit, in the largest smaller size (by quarter points) that does.
void drawFittedText(QPainter& painter, const QRectF& box, const QString& text, QFont font);
