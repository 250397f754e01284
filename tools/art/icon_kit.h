#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// Flat pictograms drawn on a 32 × 32 grid: the shapes the icons share.
namespace IconKit {

inline constexpr int kSize = 32;

inline const QColor kOutline{56, 60, 72};
inline const QColor kPaper{255, 255, 255};
inline const QColor kPaperShade{222, 228, 236};
inline const QColor kTextLine{150, 158, 172};
inline const QColor kBlue{46, 110, 200};
inline const QColor kBlueDark{28, 70, 140};
inline const QColor kGreen{40, 150, 72};
inline const QColor kGreenDark{24, 100, 46};
inline const QColor kRed{208, 52, 52};
inline const QColor kRedDark{140, 28, 28};
inline const QColor kYellow{246, 196, 62};
inline const QColor kBrown{150, 98, 56};
inline const QColor kGrey{132, 138, 150};
inline const QColor kGreyLight{196, 200, 208};

// A transparent canvas with antialiasing, and a painter on it.
QImage blankCanvas();
void startPainting(QPainter& painter, QImage& canvas);

void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill,
                  const QColor& outline = kOutline, double width = 1);
// A page with a folded top-right corner and, optionally, lines of text.
void document(QPainter& painter, const QRectF& page, bool withLines = true);
// A small list: heading, rows, and one highlighted row.
void recordList(QPainter& painter, const QRectF& area);

enum class Symbol { Plus, Minus, Cross, Back };
// A disc with a white symbol, put on the corner of another picture.
void badge(QPainter& painter, QPointF centre, double radius, const QColor& colour, Symbol symbol);

// A pencil from its point, running up and to the right.
void pencil(QPainter& painter, QPointF point, double length);
// A solid triangle pointing up or down from its apex.
void triangle(QPainter& painter, QPointF apex, double width, double height, bool pointsUp);
void magnifier(QPainter& painter, QPointF centre, double radius);
void funnel(QPainter& painter, const QRectF& area);
void diskette(QPainter& painter, const QRectF& area);
void folder(QPainter& painter, const QRectF& area);

}  // namespace IconKit
