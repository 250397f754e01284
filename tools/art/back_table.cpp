#include "art/back_table.h"

#include <algorithm>
#include <iterator>

namespace BackTable {

namespace {
constexpr double kLeft = kHeadEdges[0];
constexpr double kRight = kHeadEdges[std::size(kHeadEdges) - 1];
}  // namespace

QPointF toPicture(QPointF dialogUnits, QSizeF picture) {
    return {(dialogUnits.x() - kPictureBox.x()) / kPictureBox.width() * picture.width(),
            (dialogUnits.y() - kPictureBox.y()) / kPictureBox.height() * picture.height()};
}

std::vector<double> columnEdges() {
    std::vector<double> edges(std::begin(kHeadEdges), std::end(kHeadEdges));
    for (const QuantityGroup& group : kGroups)
        edges.push_back(group.split);
    std::sort(edges.begin(), edges.end());
    return edges;
}

std::vector<QLineF> outerRules() {
    return {{kLeft, kTop, kRight, kTop},
            {kLeft, kBottom, kRight, kBottom},
            {kLeft, kTop, kLeft, kBottom},
            {kRight, kTop, kRight, kBottom}};
}

std::vector<QLineF> innerRules() {
    std::vector<QLineF> rules;
    for (std::size_t i = 1; i + 1 < std::size(kHeadEdges); ++i) {
        rules.emplace_back(kHeadEdges[i], kTop, kHeadEdges[i], kBottom);
    }
    for (const QuantityGroup& group : kGroups) {
        rules.emplace_back(group.left, group.splitY, group.right, group.splitY);
        rules.emplace_back(group.split, group.splitY, group.split, kBottom);
    }
    rules.emplace_back(kLeft, kNumbersTop, kRight, kNumbersTop);
    for (int row = 0; row < kRows; ++row) {
        const double y = kBodyTop + row * kRowPitch;
        rules.emplace_back(kLeft, y, kRight, y);
    }
    return rules;
}

std::vector<QRectF> numberCells() {
    const std::vector<double> edges = columnEdges();
    std::vector<QRectF> cells;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        cells.emplace_back(QPointF(edges[i], kNumbersTop), QPointF(edges[i + 1], kBodyTop));
    }
    return cells;
}

}  // namespace BackTable
