#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

// An A4 sheet of the blank as it lies in the printer, drawn at about 150
// dots per inch and measured in millimetres from its top-left corner, the
// units the print layouts place their values in. The print preview
// stretches the picture over the page, so a millimetre here is a
// millimetre there.
class PrintSheet {
public:
    static constexpr QSizeF kPaper{210, 297};
    static constexpr QSize kPixels{1240, 1754};
    static constexpr int kDotsPerInch = 150;

    // Point sizes of the blank's printed words.
    struct Type {
        double points;
        bool bold = false;
        bool italic = false;
    };

    // A sheet of pale paper in the guilloche frame of the blank's pictures.
    PrintSheet();

    QImage take();

    QPointF toPixels(QPointF mm) const;

    // A horizontal or vertical rule, snapped to whole pixels.
    void rule(QPointF fromMm, QPointF toMm, double pixels, Qt::PenStyle style = Qt::SolidLine);

    QFont font(const Type& type) const;
    double widthOf(const QString& text, const QFont& font) const;
    // The type made smaller, in quarter points, until the text fits the width.
    QFont fitting(const QString& text, Type type, double widthMm) const;

    // One line of words standing on the baseline: from x, up to x, or centred on x.
    void write(const QString& text, QPointF baselineMm, Qt::Alignment align, const QFont& font,
               const QColor& ink);
    // Words wrapped and centred in the box, in type small enough to fit it.
    void writeInBox(const QString& text, const QRectF& boxMm, Type type, const QColor& ink);

private:
    QImage image_;
    QPainter painter_;
};
