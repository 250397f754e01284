#include "art/icons.h"

#include <QFileInfo>
#include <QFont>
#include <QPainterPath>
#include <QPen>

#include "art/icon_kit.h"

namespace Icons {

namespace {

using namespace IconKit;

QPainterPath roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath rectPath(const QRectF& rect) {
    QPainterPath path;
    path.addRect(rect);
    return path;
}

void bar(QPainter& painter, const QRectF& rect) {
    fillOutlined(painter, roundedRect(rect, 1), kBlue, kBlueDark);
}

void letter(QPainter& painter, const QRectF& area, const QString& text, const QColor& colour,
            int pixels) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, text);
}

// The application: a certificate with the green veterinary cross.
void application(QPainter& p) {
    document(p, QRectF(3.5, 1.5, 20, 27));
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRect(QRectF(18, 11, 7, 20));
    cross.addRect(QRectF(11.5, 17.5, 20, 7));
    cross = cross.simplified();
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(cross);
    fillOutlined(p, cross, kGreen, kGreenDark, 1.2);
}

// A database with a plug: a connection to a data folder.
void database(QPainter& p) {
    const QColor body(70, 140, 210);
    for (int disc = 2; disc >= 0; --disc) {
        const double top = 4 + disc * 7;
        QPainterPath drum;
        drum.moveTo(3.5, top + 3);
        drum.lineTo(3.5, top + 9);
        drum.arcTo(QRectF(3.5, top + 6, 20, 6), 180, 180);
        drum.lineTo(23.5, top + 3);
        drum.arcTo(QRectF(3.5, top, 20, 6), 0, -180);
        fillOutlined(p, drum, body, kBlueDark);
    }
    QPainterPath lid;
    lid.addEllipse(QRectF(3.5, 4, 20, 6));
    fillOutlined(p, lid, body.lighter(135), kBlueDark);
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 24), QPointF(26, 24));
    fillOutlined(p, roundedRect(QRectF(24.5, 19.5, 6, 9), 1.5), kGreen, kGreenDark);
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(QPointF(30.5, 21.5), QPointF(32, 21.5));
    p.drawLine(QPointF(30.5, 26.5), QPointF(32, 26.5));
}

void printer(QPainter& p) {
    document(p, QRectF(8.5, 2.5, 15, 12), false);
    fillOutlined(p, roundedRect(QRectF(2.5, 11.5, 27, 13), 2.5), kGreyLight);
    p.fillRect(QRectF(5, 14, 22, 2), kGrey);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(25, 20), 1.5, 1.5);
    fillOutlined(p, rectPath(QRectF(7.5, 20.5, 17, 9)), kPaper);
    p.setPen(QPen(kTextLine, 1));
    p.drawLine(QPointF(10, 24.5), QPointF(22, 24.5));
    p.drawLine(QPointF(10, 27.5), QPointF(19, 27.5));
}

void exitDoor(QPainter& p) {
    fillOutlined(p, rectPath(QRectF(3.5, 3.5, 14, 25)), QColor(90, 70, 60));
    QPainterPath leaf;
    leaf.moveTo(3.5, 3.5);
    leaf.lineTo(12.5, 6.5);
    leaf.lineTo(12.5, 31);
    leaf.lineTo(3.5, 28.5);
    leaf.closeSubpath();
    fillOutlined(p, leaf, kBrown);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(10.5, 17.5), 1.2, 1.2);
    p.setPen(QPen(kGreenDark, 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 16), QPointF(24, 16));
    p.setPen(QPen(kGreen, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 16), QPointF(24, 16));
    QPainterPath head;
    head.moveTo(31, 16);
    head.lineTo(22, 8.5);
    head.lineTo(22, 23.5);
    head.closeSubpath();
    fillOutlined(p, head, kGreen, kGreenDark);
}

// A ruler with a cross-hair: calibration of print positions.
void ruler(QPainter& p) {
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    fillOutlined(p, roundedRect(QRectF(-19, -5, 38, 10), 1.5), kYellow);
    p.setPen(QPen(kOutline, 1));
    for (int i = 0; i < 9; ++i) {
        const double x = -15 + i * 3.75;
        p.drawLine(QPointF(x, -5), QPointF(x, i % 2 == 0 ? 0 : -2));
    }
    p.restore();
    p.setPen(QPen(kRed, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24.5, 24.5), 4.5, 4.5);
    p.drawLine(QPointF(24.5, 17.5), QPointF(24.5, 31.5));
    p.drawLine(QPointF(17.5, 24.5), QPointF(31.5, 24.5));
}

void envelope(QPainter& p) {
    fillOutlined(p, rectPath(QRectF(2.5, 7.5, 27, 18)), QColor(252, 248, 232));
    QPainterPath flap;
    flap.moveTo(2.5, 7.5);
    flap.lineTo(16, 18);
    flap.lineTo(29.5, 7.5);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(236, 228, 200));
    p.drawPath(flap);
    p.drawLine(QPointF(2.5, 25.5), QPointF(12.5, 16));
    p.drawLine(QPointF(29.5, 25.5), QPointF(19.5, 16));
    p.fillRect(QRectF(23, 10, 4, 4), kRed);
}

void firstPage(QPainter& p) {
    bar(p, QRectF(6.5, 4.5, 19, 4));
    triangle(p, QPointF(16, 10.5), 20, 16, true);
}

void priorPage(QPainter& p) {
    triangle(p, QPointF(16, 3.5), 20, 12, true);
    triangle(p, QPointF(16, 14.5), 20, 12, true);
}

void priorRecord(QPainter& p) {
    triangle(p, QPointF(16, 8.5), 20, 15, true);
}

void nextRecord(QPainter& p) {
    triangle(p, QPointF(16, 23.5), 20, 15, false);
}

void nextPage(QPainter& p) {
    triangle(p, QPointF(16, 17.5), 20, 12, false);
    triangle(p, QPointF(16, 28.5), 20, 12, false);
}

void lastPage(QPainter& p) {
    triangle(p, QPointF(16, 21.5), 20, 16, false);
    bar(p, QRectF(6.5, 23.5, 19, 4));
}

void locate(QPainter& p) {
    magnifier(p, QPointF(13, 13), 9);
}

void select(QPainter& p) {
    const QPolygonF tick({{5, 17}, {13, 25}, {27, 7}});
    p.setPen(QPen(kGreenDark, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
    p.setPen(QPen(kGreen, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
}

void insertRecord(QPainter& p) {
    recordList(p, QRectF(1.5, 2.5, 24, 21));
    badge(p, QPointF(24, 24), 7, kGreen, Symbol::Plus);
}

void changeRecord(QPainter& p) {
    recordList(p, QRectF(1.5, 2.5, 24, 21));
    pencil(p, QPointF(12, 29), 24);
}

void deleteRecord(QPainter& p) {
    recordList(p, QRectF(1.5, 2.5, 24, 21));
    badge(p, QPointF(24, 24), 7, kRed, Symbol::Cross);
}

// A clock with a turning arrow: the field's previous value.
void history(QPainter& p) {
    p.setPen(QPen(kBlueDark, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF dial(5, 5, 22, 22);
    p.drawArc(dial, 120 * 16, -300 * 16);
    QPainterPath head;
    head.moveTo(2, 6.5);
    head.lineTo(11.5, 5);
    head.lineTo(5, 13.5);
    head.closeSubpath();
    fillOutlined(p, head, kBlueDark, kBlueDark);
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(16, 10));
    p.drawLine(QPointF(16, 16), QPointF(20.5, 19));
}

void question(QPainter& p) {
    p.setPen(QPen(kBlueDark, 1));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    letter(p, QRectF(0, 1, 32, 32), QStringLiteral("?"), Qt::white, 22);
}

// Leave the certificate without saving it.
void leaveDocument(QPainter& p) {
    document(p, QRectF(4.5, 1.5, 19, 25));
    badge(p, QPointF(23, 23), 8, kRed, Symbol::Back);
}

void calendar(QPainter& p) {
    fillOutlined(p, rectPath(QRectF(3.5, 5.5, 25, 24)), kPaper);
    p.fillRect(QRectF(4, 6, 24, 6), kRed);
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 3), QPointF(10, 8));
    p.drawLine(QPointF(22, 3), QPointF(22, 8));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QRectF day(6 + column * 5.5, 14 + row * 5, 3.5, 3);
            p.fillRect(day, row == 1 && column == 2 ? kRed : kGrey);
        }
    }
}

void documentPlus(QPainter& p) {
    document(p, QRectF(4.5, 1.5, 19, 25));
    badge(p, QPointF(23, 23), 8, kGreen, Symbol::Plus);
}

void documentEdit(QPainter& p) {
    document(p, QRectF(3.5, 1.5, 19, 25));
    pencil(p, QPointF(13, 30), 25);
}

void documentMinus(QPainter& p) {
    document(p, QRectF(4.5, 1.5, 19, 25));
    badge(p, QPointF(23, 23), 8, kRed, Symbol::Minus);
}

void saveQuery(QPainter& p) {
    funnel(p, QRectF(1.5, 2.5, 22, 22));
    diskette(p, QRectF(16.5, 16.5, 14, 14));
}

void loadQuery(QPainter& p) {
    funnel(p, QRectF(1.5, 2.5, 22, 22));
    folder(p, QRectF(15.5, 16.5, 15, 13));
}

void save(QPainter& p) {
    diskette(p, QRectF(3.5, 3.5, 25, 25));
}

void copy(QPainter& p) {
    document(p, QRectF(2.5, 1.5, 17, 22));
    document(p, QRectF(12.5, 8.5, 17, 22));
}

void paste(QPainter& p) {
    fillOutlined(p, roundedRect(QRectF(3.5, 4.5, 20, 25), 2), kBrown);
    fillOutlined(p, roundedRect(QRectF(8.5, 2.5, 10, 5), 1.5), kGreyLight);
    document(p, QRectF(13.5, 10.5, 16, 20));
}

void cut(QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kGreyLight);
    p.drawPolygon(QPolygonF({{9, 2}, {12, 2}, {19, 20}, {16.5, 21.5}}));
    p.drawPolygon(QPolygonF({{23, 2}, {20, 2}, {13, 20}, {15.5, 21.5}}));
    p.setPen(QPen(kRed, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10.5, 25), 4.5, 4.5);
    p.drawEllipse(QPointF(21.5, 25), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(16, 17), 1.3, 1.3);
}

// A closed book with a question mark: the help file.
void helpBook(QPainter& p) {
    fillOutlined(p, rectPath(QRectF(8.5, 4.5, 20, 25)), kPaper);
    fillOutlined(p, roundedRect(QRectF(4.5, 2.5, 21, 25), 1.5), kBlue, kBlueDark);
    p.fillRect(QRectF(5, 3, 3, 24), kBlueDark);
    letter(p, QRectF(7, 2, 19, 25), QStringLiteral("?"), Qt::white, 18);
}

void filter(QPainter& p) {
    funnel(p, QRectF(3.5, 4.5, 25, 24));
}

struct Entry {
    const char* alias;
    void (*draw)(QPainter&);
};

// Names as the windows ask for them; the last six are the usual pictures
// of standard commands.
constexpr Entry kIcons[] = {
    {"vetdocs.png", application},
    {"adr1.ico", database},
    {"PRNFONT.ICO", printer},
    {"EXIT.ICO", exitDoor},
    {"Sch-ord.ico", ruler},
    {"PAPR.ICO", envelope},
    {"WAVCRFIRST.ICO", firstPage},
    {"WAVCRPRIOR.ICO", priorPage},
    {"WAVCRUP.ICO", priorRecord},
    {"WAFIND.ICO", locate},
    {"WAVCRDOWN.ICO", nextRecord},
    {"WAVCRNEXT.ICO", nextPage},
    {"WAVCRLAST.ICO", lastPage},
    {"WAMARK.ICO", select},
    {"WAINSERT.ICO", insertRecord},
    {"WACHANGE.ICO", changeRecord},
    {"WADELETE.ICO", deleteRecord},
    {"WADITTO.ICO", history},
    {"WAVCRHELP.ICO", question},
    {"FIND.ICO", leaveDocument},
    {"calendarn.ico", calendar},
    {"d_plus.ico", documentPlus},
    {"d_edit.ico", documentEdit},
    {"d_minus.ico", documentMinus},
    {"QkQBE.ico", saveQuery},
    {"QkLoad.ico", loadQuery},
    {"save.png", save},
    {"copy.png", copy},
    {"paste.png", paste},
    {"cut.png", cut},
    {"help.png", helpBook},
    {"filter.png", filter},
};

}  // namespace

std::vector<Icon> drawAll() {
    std::vector<Icon> icons;
    for (const Entry& entry : kIcons) {
        QImage canvas = blankCanvas();
        QPainter painter;
        startPainting(painter, canvas);
        entry.draw(painter);
        painter.end();
        icons.push_back({QString::fromLatin1(entry.alias), canvas});
    }
    return icons;
}

QString fileNameFor(const QString& alias) {
    return QFileInfo(alias).completeBaseName() + QStringLiteral(".png");
}

}  // namespace Icons
