#include "art/blank_paper.h"
#include "art/inspection_table.h"
#include "art/print_pictures.h"
#include "art/print_sheet.h"
#include "art/print_values.h"

namespace PrintPictures {

namespace {

// Each column's left rule stands this far before its cells' X, so that the
// first letter of a value clears it; the rows are the print's own rows.
constexpr double kCellPadding = 0.6;
constexpr double kRight = 190;
constexpr double kHeadTop = 44;
constexpr double kSplitTop = 62;
constexpr double kNumbersTop = 71;
constexpr double kTextPadding = 0.8;

constexpr double kInnerRule = 1.0;
constexpr double kOuterRule = 2.0;

constexpr PrintSheet::Type kHeadType{7};
constexpr PrintSheet::Type kNumberType{6};

InspectionTable table() {
    const std::vector<QRectF> cells = PrintValues::backCellsOfRow(0);
    InspectionTable table{{}, kHeadTop, kSplitTop, {kNumbersTop}};
    for (std::size_t i = 0; i < cells.size(); ++i)
        table.columns[i] = cells[i].left() - kCellPadding;
    table.columns[7] = cells.back().right() - kCellPadding;
    table.columns[8] = kRight;
    for (const double top : PrintValues::backRowTops())
        table.rows.push_back(top);
    table.rows.push_back(table.rows.back() + PrintValues::kBoxHeight);
    return table;
}

void drawRules(PrintSheet& sheet, const std::vector<QLineF>& rules, double pixels) {
    for (const QLineF& rule : rules)
        sheet.rule(rule.p1(), rule.p2(), pixels);
}

}  // namespace

QImage drawBack() {
    PrintSheet sheet;
    const InspectionTable grid = table();
    drawRules(sheet, grid.innerRules(), kInnerRule);
    drawRules(sheet, grid.outerRules(), kOuterRule);
    const double p = kTextPadding;
    for (const InspectionTable::Head& head : grid.heads()) {
        sheet.writeInBox(QString::fromUtf8(head.text), head.box.adjusted(p, p, -p, -p), kHeadType,
                         BlankPaper::kTableInk);
    }
    int number = 0;
    for (const QRectF& cell : grid.headingRowCells())
        sheet.writeInBox(QString::number(++number), cell, kNumberType, BlankPaper::kTableInk);
    return sheet.take();
}

}  // namespace PrintPictures
