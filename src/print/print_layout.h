#pragma once

#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "print/profile.h"
#include "runtime/core/record_buffer.h"
#include "runtime/report/report_layout.h"

// The three pages printed from a certificate, each onto its own blank.
enum class PrintSide { Certificate, Counterfoil, BackSide };

// One value control of a print layout as its table gives it.
struct PrintControl {
    int value;  // FR3 field
    QString picture;
    QPointF base;                 // the layout's own place, replaced by the profile's
    std::optional<double> width;  // none: as wide as the value printed
    TextAlign align;
    Profile::Entry entry;
};

// A side's report layout on a whole A4 sheet, its controls showing the
// certificate buffer's fields. Before each page, place() sets every
// control's position and font from the profile and moves the page by the
// whole-form shift. The production date prints at 7 points and the back
// side at 8, whatever size the profile names. The layout carries the
// picture of its blank for the preview.
class PrintLayout {
public:
    PrintLayout(PrintSide side, const RecordBuffer& certificate);
    PrintLayout(const PrintLayout&) = delete;
    PrintLayout& operator=(const PrintLayout&) = delete;

    ReportLayout& report() { return report_; }
    void place(const RecordBuffer& profile, QPointF shift);

private:
    PrintSide side_;
    std::vector<PrintControl> controls_;
    ReportLayout report_;
};
