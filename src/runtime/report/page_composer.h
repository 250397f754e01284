#pragma once

#include "runtime/report/page.h"
#include "runtime/report/report_layout.h"
#include "runtime/report/text_measure.h"

// Lays bands out on pages: details flow down the detail area, a band that
// no longer fits starts a new page, the page header opens every page and the
// group footer follows the last detail once. Values, positions, fonts and
// the origin are read from the layout as each band is placed, so later
// changes never alter pages already composed.
class PageComposer {
public:
    explicit PageComposer(const ReportLayout& layout);

    void addDetail();
    int detailCount() const { return count_; }
    // The finished pages; none when no detail was printed.
    ReportDocument finish();

private:
    void placeFlowing(const Band& band);
    void startPage();
    void placeBand(const Band& band, QPointF topLeft);
    TextItem textItem(const TextControl& control, QPointF topLeft);
    QString controlText(const TextControl& control) const;

    const ReportLayout& layout_;
    TextMeasure measure_;
    ReportDocument document_;
    double nextTop_ = 0;
    int count_ = 0;
};
