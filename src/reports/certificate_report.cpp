#include "reports/certificate_report.h"

#include "data/forma3.h"

namespace {

constexpr int kHeadingLength = 60;

ExpressionContext certificateContext(qint32 d1, qint32 d2) {
    ExpressionContext context;
    context.addLayout(FR3::layout());
    context.bind(QStringLiteral("d1"), [d1] { return QVariant(d1); });
    context.bind(QStringLiteral("d2"), [d2] { return QVariant(d2); });
    return context;
}

}  // namespace

const QString CertificateReport::kPeriodFilter =
    QStringLiteral("(d1<=fr3:datav) and (d2>=fr3:datav) and (fr3:comment=comment)");

std::unique_ptr<CertificateReport> CertificateReport::period(TableAccess& forma3,
                                                             const FailureWatch& watch,
                                                             const Period& period) {
    ExpressionContext context = certificateContext(period.from, period.to);
    context.bind(QStringLiteral("comment"), [status = period.status] { return QVariant(status); });
    auto filter = std::get<Expression>(Expression::compile(kPeriodFilter, context));
    return std::make_unique<CertificateReport>(
        CertificateReportLayout::period(forma3.record(), {period.from, period.to, period.status}),
        CertificateOrder(forma3, watch, std::move(filter),
                         CertificateOrder::DateRange{period.from, period.to}));
}

CertificateReport::Made CertificateReport::byQuery(TableAccess& forma3, const FailureWatch& watch,
                                                   const QString& filter, qint32 d1, qint32 d2) {
    std::optional<Expression> compiled;
    if (!filter.trimmed().isEmpty()) {
        auto result = Expression::compile(filter, certificateContext(d1, d2));
        if (const auto* error = std::get_if<ExpressionError>(&result)) return error->message;
        compiled = std::move(std::get<Expression>(result));
    }
    return std::make_unique<CertificateReport>(
        CertificateReportLayout::byQuery(forma3.record(), queryHeading(filter)),
        CertificateOrder(forma3, watch, std::move(compiled), std::nullopt));
}

QString CertificateReport::queryHeading(const QString& filter) {
    qsizetype length = filter.size();
    while (length > 0 && filter[length - 1] == u' ')
        --length;
    return filter.left(std::min<qsizetype>(length, kHeadingLength));
}
