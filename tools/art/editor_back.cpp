#include "art/editor_back.h"

#include <QPainter>
#include <QPen>
#include <array>

#include "art/blank_paper.h"
#include "art/fitted_text.h"
#include "art/inspection_table.h"

namespace EditorBack {

namespace {

// The editor's grid, in its dialog units: the X boxes of the seven cells of
// a row, the rows' tops, every box's size; its heads "Х" stand at y = 107.
constexpr QRectF kPictureBox{9, 24, 431, 400};
constexpr std::array<double, 7> kBoxLefts{77, 125, 158, 193, 227, 261, 297};
constexpr std::array<double, 6> kBoxTops{124, 136, 149, 162, 174, 185};
constexpr QSizeF kBoxSize{31, 8};

// Around the grid: the table's outer edges, where its heading and the
// quantity heads' split stand, and the row under the heading that the
// editor's heads fill. The first column reaches far left, so its long head
// stays legible. The button "[Проверить печать]", which both tabs show,
// covers a corner of the signature's head: its words stand under it.
constexpr double kLeft = 34;
constexpr double kLastCellRight = 331;
constexpr double kRight = 390;
constexpr double kHeadTop = 40;
constexpr double kSplitTop = 80;
constexpr QRectF kCheckButton{343, 44, 91, 12};
constexpr double kEditorHeadsTop = 104;
constexpr double kRowMargin = 2.5;
constexpr double kTextPadding = 2;

// The paper in pixels of the box on screen, its frame clear of the Y boxes.
constexpr QSizeF kScreenSize{690, 616};
constexpr double kFrameInset = 4;
constexpr double kFrameBand = 9;

constexpr double kInnerRule = 2;
constexpr double kOuterRule = 3;
constexpr double kHeadPoints = 15;

QPointF toPicture(QPointF units) {
    return {(units.x() - kPictureBox.x()) / kPictureBox.width() * kSize.width(),
            (units.y() - kPictureBox.y()) / kPictureBox.height() * kSize.height()};
}

double middle(double a, double b) {
    return (a + b) / 2;
}

// Every rule between two columns or rows lies in the middle of the gap
// between the boxes on either side.
InspectionTable table() {
    InspectionTable table{{}, kHeadTop, kSplitTop, {kEditorHeadsTop}};
    table.columns[0] = kLeft;
    for (std::size_t i = 1; i < kBoxLefts.size(); ++i)
        table.columns[i] = middle(kBoxLefts[i - 1] + kBoxSize.width(), kBoxLefts[i]);
    table.columns[7] = kLastCellRight;
    table.columns[8] = kRight;
    table.rows.push_back(kBoxTops.front() - kRowMargin);
    for (std::size_t i = 1; i < kBoxTops.size(); ++i)
        table.rows.push_back(middle(kBoxTops[i - 1] + kBoxSize.height(), kBoxTops[i]));
    table.rows.push_back(kBoxTops.back() + kBoxSize.height() + kRowMargin);
    return table;
}

void drawRules(QPainter& painter, const std::vector<QLineF>& rules, double pixels) {
    painter.setPen(QPen(BlankPaper::kTableInk, pixels, Qt::SolidLine, Qt::SquareCap));
    auto snap = [pixels](double v) { return BlankPaper::snapToPixels(v, pixels); };
    for (const QLineF& rule : rules) {
        QPointF a = toPicture(rule.p1());
        QPointF b = toPicture(rule.p2());
        if (rule.dy() == 0) {
            a.setY(snap(a.y()));
            b.setY(a.y());
        } else {
            a.setX(snap(a.x()));
            b.setX(a.x());
        }
        painter.drawLine(a, b);
    }
}

void drawHeads(QPainter& painter, const InspectionTable& grid) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(kHeadPoints);
    painter.setPen(BlankPaper::kTableInk);
    const double p = kTextPadding;
    for (const InspectionTable::Head& head : grid.heads()) {
        QRectF units = head.box.adjusted(p, p, -p, -p);
        if (units.intersects(kCheckButton)) units.setTop(kCheckButton.bottom() + p);
        drawFittedText(painter, QRectF(toPicture(units.topLeft()), toPicture(units.bottomRight())),
                       QString::fromUtf8(head.text), font);
    }
}

}  // namespace

QImage draw() {
    QImage image(kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page(QPointF(0, 0), kScreenSize);
    const double scale = kSize.width() / kScreenSize.width();
    BlankPaper::drawField(painter, page, scale);
    BlankPaper::drawFrame(painter, {page, kFrameInset, kFrameBand}, scale);
    BlankPaper::drawWatermark(painter, {345, 430}, 150, scale);
    const InspectionTable grid = table();
    drawRules(painter, grid.innerRules(), kInnerRule);
    drawRules(painter, grid.outerRules(), kOuterRule);
    drawHeads(painter, grid);
    return image;
}

}  // namespace EditorBack
