#include "check/editor_layout.h"

namespace EditorLayout {

namespace {
constexpr double kRowTops[] = {124, 136, 149, 162, 174, 185};
constexpr double kCellLefts[] = {77, 125, 158, 193, 227, 261, 297};
constexpr double kRowBoxLeft = 397;
constexpr double kWidth = 31;
constexpr double kHeight = 8;
}  // namespace

std::vector<QRectF> cellBoxes() {
    std::vector<QRectF> boxes;
    for (const double y : kRowTops) {
        for (const double x : kCellLefts)
            boxes.emplace_back(x, y, kWidth, kHeight);
    }
    return boxes;
}

std::vector<QRectF> rowBoxes() {
    std::vector<QRectF> boxes;
    for (const double y : kRowTops)
        boxes.emplace_back(kRowBoxLeft, y, kWidth, kHeight);
    return boxes;
}

std::vector<QPointF> headPositions() {
    return {{88, 107},  {136, 107}, {169, 107}, {204, 107},
            {235, 107}, {273, 107}, {306, 107}, {407, 107}};
}

}  // namespace EditorLayout
