#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "runtime/report/page.h"
#include "runtime/report/record_source.h"
#include "runtime/report/report_layout.h"
#include "support/page_texts.h"

// Records as plain texts; the current one is what value controls show.
class ListSource : public RecordSource {
public:
    explicit ListSource(QStringList records) : records_(std::move(records)) {}

    int fetch(int max, const std::function<void()>& printDetail) override {
        requests.push_back(max);
        if (failAt >= 0 && next_ >= failAt) return -1;
        int read = 0;
        while (read < max && next_ < records_.size()) {
            current = records_[next_++];
            ++read;
            if (!selects || selects(current)) printDetail();
        }
        return read;
    }

    double progress() const override {
        return records_.isEmpty() ? 1 : double(next_) / records_.size();
    }

    qsizetype position() const { return next_; }

    QString current;
    std::function<bool(const QString&)> selects;
    qsizetype failAt = -1;  // reading fails from this record on
    std::vector<int> requests;

private:
    QStringList records_;
    qsizetype next_ = 0;
};

inline QStringList numberedRecords(int count) {
    QStringList records;
    for (int i = 1; i <= count; ++i)
        records << QString::number(i);
    return records;
}

// A list report in the shape of the issued-certificates report: header at
// (10, 10), detail area from 30 down to 290, details 20 high, footer 8 high.
inline ReportLayout listLayout(const QString* current) {
    ReportLayout layout;
    layout.title = QStringLiteral("list");
    layout.detailArea = QRectF(10, 30, 190, 260);
    Band header;
    header.pos = QPointF(10, 10);
    header.size = QSizeF(190, 19);
    header.add(TextControl::label(QStringLiteral("?STRING1"), {63, 1}, QStringLiteral("Отчёт")));
    header.add(BoxControl{QStringLiteral("?BOX1"), QRectF(2, 9, 182, 10)});
    layout.pageHeader = header;
    layout.detail.size = QSizeF(190, 20);
    layout.detail.add(TextControl::field(QStringLiteral("?VALUE"), {4, 0}, QStringLiteral("s20"),
                                         [current] { return *current; }));
    layout.detail.add(LineControl::horizontal(QStringLiteral("?LINE1"), {2, 19}, 182));
    Band footer;
    footer.size = QSizeF(190, 8);
    footer.add(TextControl::count(QStringLiteral("?KLIST"), {161, 2}, QStringLiteral("n_6b"))
                   .aligned(TextAlign::Right));
    layout.groupFooter = footer;
    return layout;
}
