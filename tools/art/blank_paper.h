#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// The common look of both sides of the blank: a pale field
// and a guilloche frame with rosettes in its corners. Measures are pixels of
// the picture's stated size; scale multiplies them for a finer rendering.
namespace BlankPaper {

inline const QColor kField{251, 246, 238};
inline const QColor kFrameInk{158, 78, 92};
inline const QColor kTableInk{62, 52, 54};

struct Frame {
    QRectF page;   // the whole picture, unscaled pixels
    double inset;  // from the picture's edge to the frame's outer rule
    double band;   // width of the wave band
};

void drawField(QPainter& painter, const QRectF& page, double scale);
void drawFrame(QPainter& painter, const Frame& frame, double scale);
// A large faint rosette, as printed under the text of protected paper.
void drawWatermark(QPainter& painter, QPointF centre, double radius, double scale);

// A coordinate moved so that a line of the given width lands on whole pixels.
double snapToPixels(double value, double penWidth);

}  // namespace BlankPaper
