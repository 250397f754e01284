#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

// Composed pages: plain lists of items placed in millimetres from the
// sheet's top-left corner, ready for any paint device.

// A text's box is its rect: the text cell's top stands on the box's top
// and the text is aligned across the box.
struct TextItem {
    QRectF rect;
    QString text;
    QFont font;
    Qt::Alignment align = Qt::AlignLeft;
    QColor color = Qt::black;
    bool opaque = false;
};

struct BoxItem {
    QRectF rect;
    bool rounded = false;
    QColor color = Qt::black;
};

struct LineItem {
    QLineF line;
    QColor color = Qt::black;
};

using PageItem = std::variant<TextItem, BoxItem, LineItem>;

// Width of box outlines and lines.
inline constexpr double kRuleWidthMm = 0.2;
// Corner radius of rounded boxes, at most half the shorter side.
inline constexpr double kCornerRadiusMm = 2;

struct Page {
    std::vector<PageItem> items;
    QImage underlay;  // the blank, for the preview only
};

struct ReportDocument {
    QString title;
    QSizeF paper{210, 297};
    std::vector<Page> pages;
    int details = 0;
};
