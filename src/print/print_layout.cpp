#include "print/print_layout.h"

#include <QImage>
#include <algorithm>
#include <array>

#include "data/forma3.h"
#include "data/print_layout_tables.h"

namespace {

constexpr std::nullopt_t FitValue = std::nullopt;

const QString kJobTitle = QStringLiteral("forma3 Report");
constexpr double kBoxHeight = 4;
constexpr double kProductionDatePoints = 7;
constexpr double kBackSidePoints = 8;

#define VETDOCS_PRINT_CONTROL(value, picture, x, y, width, align, xFrom, yFrom) \
    PrintControl{FR3::value, QStringLiteral(picture), QPointF(x, y),            \
                 width,      TextAlign::align,        {LAS::xFrom, LAS::yFrom}},

std::vector<PrintControl> certificateControls() {
    return {VETDOCS_CERTIFICATE_CONTROLS(VETDOCS_PRINT_CONTROL)};
}

std::vector<PrintControl> counterfoilControls() {
    std::vector<PrintControl> controls = certificateControls();
    for (const PrintControl& own : {VETDOCS_COUNTERFOIL_CONTROLS(VETDOCS_PRINT_CONTROL)}) {
        const auto same = std::find_if(controls.begin(), controls.end(),
                                       [&](const PrintControl& c) { return c.value == own.value; });
        if (same != controls.end()) {
            *same = own;
        } else {
            controls.push_back(own);
        }
    }
    return controls;
}

#undef VETDOCS_PRINT_CONTROL

// The blank of a side as printed paper, shown under the preview. Decoded
// once: every page of a side shows the same picture.
QImage blankPicture(PrintSide side) {
    switch (side) {
        case PrintSide::Certificate: {
            static const QImage front(QStringLiteral(":/pictures/Forma2F_print.jpg"));
            return front;
        }
        case PrintSide::Counterfoil: {
            static const QImage counterfoil(QStringLiteral(":/pictures/Forma2K_print.jpg"));
            return counterfoil;
        }
        case PrintSide::BackSide: {
            static const QImage back(QStringLiteral(":/pictures/Forma2_2F_print.jpg"));
            return back;
        }
    }
    return {};
}

struct BackCell {
    QString picture;
    double x;
    double width;
};

std::vector<PrintControl> backSideControls() {
#define VETDOCS_BACK_CELL(picture, x, width) BackCell{QStringLiteral(picture), x, width},
    const std::array<BackCell, 7> cells{{VETDOCS_BACK_CELLS(VETDOCS_BACK_CELL)}};
#undef VETDOCS_BACK_CELL
    std::vector<PrintControl> controls;
    const auto addRow = [&](double y, LAS::Field yField,
                            std::initializer_list<std::pair<FR3::Field, LAS::Field>> values) {
        int cell = 0;
        for (const auto& [value, xField] : values) {
            const BackCell& c = cells[size_t(cell++)];
            controls.push_back(
                {value, c.picture, QPointF(c.x, y), c.width, TextAlign::Left, {xField, yField}});
        }
    };
#define VETDOCS_BACK_ROW(y, yField, v1, x1, v2, x2, v3, x3, v4, x4, v5, x5, v6, x6, v7, x7) \
    addRow(y, LAS::yField,                                                                  \
           {{FR3::v1, LAS::x1},                                                             \
            {FR3::v2, LAS::x2},                                                             \
            {FR3::v3, LAS::x3},                                                             \
            {FR3::v4, LAS::x4},                                                             \
            {FR3::v5, LAS::x5},                                                             \
            {FR3::v6, LAS::x6},                                                             \
            {FR3::v7, LAS::x7}});
    VETDOCS_BACK_ROWS(VETDOCS_BACK_ROW)
#undef VETDOCS_BACK_ROW
    return controls;
}

TextControl makeControl(const PrintControl& row, const RecordBuffer& certificate) {
    const int field = row.value;
    TextControl control = TextControl::field(
        QStringLiteral("?") + certificate.layout().qualifiedName(field), row.base, row.picture,
        [&certificate, field] { return certificate.value(field); });
    if (row.width) {
        control.withSize(*row.width, kBoxHeight);
    } else {
        control.fitValue().withHeight(kBoxHeight);
    }
    return control.aligned(row.align);
}

// The controls of a side, in layout order.
std::vector<PrintControl> printControls(PrintSide side) {
    switch (side) {
        case PrintSide::Counterfoil:
            return counterfoilControls();
        case PrintSide::BackSide:
            return backSideControls();
        case PrintSide::Certificate:
            break;
    }
    return certificateControls();
}

// Points a value prints at whatever the profile says.
std::optional<double> fixedPointSize(PrintSide side, int value) {
    if (side == PrintSide::BackSide) return kBackSidePoints;
    if (value == FR3::DATAVUR) return kProductionDatePoints;
    return std::nullopt;
}

}  // namespace

PrintLayout::PrintLayout(PrintSide side, const RecordBuffer& certificate)
    : side_(side), controls_(printControls(side)), report_(ReportLayout::fullPage(kJobTitle)) {
    for (const PrintControl& row : controls_)
        report_.detail.add(makeControl(row, certificate));
    report_.underlay = blankPicture(side);
}

void PrintLayout::place(const RecordBuffer& profile, QPointF shift) {
    for (size_t i = 0; i < controls_.size(); ++i) {
        auto& control = std::get<TextControl>(report_.detail.controls[i]);
        Profile::apply(control, profile, controls_[i].entry);
        if (const auto points = fixedPointSize(side_, controls_[i].value))
            control.font->pointSize = *points;
    }
    report_.origin = shift;
}
