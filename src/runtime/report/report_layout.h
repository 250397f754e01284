#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "runtime/report/report_font.h"

// A report described in millimetres: bands of controls on a sheet of paper.
// Domain code builds a layout, binds its value controls to its record
// buffers and may move controls or change their fonts between details; the
// composer reads the layout afresh for every band it places.

enum class TextAlign { Left, Centre, Right, Decimal };

using ValueGetter = std::function<QVariant()>;

struct TextControl {
    // Where the width comes from when none is given.
    enum class AutoWidth { Value, Picture };

    QString name;  // "?FR3:Z1": run-time changes find the control by it
    QPointF pos;   // top-left corner, from the band's top-left corner
    std::optional<double> width;
    AutoWidth autoWidth = AutoWidth::Value;
    double height = 0;  // 0: the font's line height
    QString text;       // fixed text, shown when there is no value getter
    ValueGetter value;
    QString picture;
    bool countTotal = false;  // shows the number of details printed so far
    TextAlign align = TextAlign::Left;
    std::optional<FontSpec> font;  // the report's font when absent
    bool opaque = false;           // paints its box white under the text

    // A fixed text as wide as the text.
    static TextControl label(QString name, QPointF pos, QString text);
    // A value shown through a picture, as wide as the picture.
    static TextControl field(QString name, QPointF pos, QString picture, ValueGetter value);
    // The count of details printed in the group, through a picture.
    static TextControl count(QString name, QPointF pos, QString picture);

    TextControl& withSize(double w, double h);
    TextControl& withHeight(double h);
    // As wide as the value printed.
    TextControl& fitValue();
    TextControl& aligned(TextAlign a);
    TextControl& withFont(FontSpec f);
    TextControl& opaqueBackground();
};

struct BoxControl {
    QString name;
    QRectF rect;  // from the band's top-left corner
    bool rounded = false;
    QColor color = Qt::black;  // outline; a box has no fill
};

struct LineControl {
    QString name;
    QPointF from;  // from the band's top-left corner
    QPointF to;
    QColor color = Qt::black;

    static LineControl horizontal(QString name, QPointF from, double length);
};

using ReportControl = std::variant<TextControl, BoxControl, LineControl>;

struct Band {
    QPointF pos;  // page header only; flowing bands take the next free line
    QSizeF size;
    std::vector<ReportControl> controls;  // drawn in this order

    Band& add(ReportControl control);
    TextControl* text(QStringView name);
};

struct ReportLayout {
    QString title;  // the print job's name
    QSizeF paper{210, 297};
    // Detail bands and the group footer flow downwards in this area.
    QRectF detailArea{0, 0, 210, 297};
    FontSpec font;
    // Moves every item of the pages placed from now on.
    QPointF origin;
    std::optional<Band> pageHeader;
    Band detail;
    // Printed once after the last detail; its count shows every detail.
    std::optional<Band> groupFooter;
    // Shown under the pages by the preview on request, never printed.
    QImage underlay;

    // The text control of that name in any band, or null.
    TextControl* text(QStringView name);

    // One detail band filling the whole sheet, so each detail is a page.
    static ReportLayout fullPage(QString title);
};
