#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <vector>

#include "data/data_folder.h"
#include "data/forma3.h"
#include "data/schema.h"
#include "reports/certificate_report.h"
#include "runtime/core/day_date.h"
#include "runtime/report/report_pass.h"
#include "runtime/storage/table_set.h"
#include "support/temp_folder.h"

// A certificate as the report tests need it; dates as "dd.mm.yyyy", blank
// for none.
struct TestCertificate {
    qint64 number;
    QString date;
    QString status = QStringLiteral("Выдано");
    QString recipient = {};
};

inline qint32 day(const QString& text) {
    const auto parsed = DayDate::parse(text);
    EXPECT_TRUE(parsed) << text.toStdString();
    return parsed.value_or(0);
}

// A data folder, active while the fixture lives, holding certificates in the
// order they are added, and the certificate table a report reads.
class ReportFixture : public ::testing::Test {
protected:
    ReportFixture() : tables_(vetdocsSchema(), watch_) {
        DataFolder::activate(data_.folder());
        EXPECT_TRUE(tables_.relate(u"FORMA3").open());
    }
    ~ReportFixture() override {
        tables_.relate(u"FORMA3").close();
        DataFolder::activate({});
    }

    TableAccess& forma3() { return tables_.access(u"FORMA3"); }

    // Stored in one transaction: a commit per certificate would wait for the
    // disk each time.
    void add(const std::vector<TestCertificate>& certificates) {
        const bool added = forma3().transaction([&] {
            for (const TestCertificate& c : certificates) {
                forma3().prime();
                RecordBuffer& r = forma3().record();
                r.setInteger(FR3::NFORM, c.number);
                r.setInteger(FR3::DATAV, c.date.isEmpty() ? 0 : day(c.date));
                r.setText(FR3::COMMENT, c.status);
                r.setText(FR3::S2, c.recipient.isEmpty()
                                       ? QStringLiteral("Получатель %1").arg(c.number)
                                       : c.recipient);
                r.setText(FR3::S3, QStringLiteral("Продукция %1").arg(c.number));
                r.setText(FR3::P4, QStringLiteral("Козлова Е. Н."));
                if (!forma3().insert()) return false;
            }
            return true;
        });
        ASSERT_TRUE(added);
    }

    std::unique_ptr<CertificateReport> period(const QString& from, const QString& to,
                                              const QString& status = QStringLiteral("Выдано")) {
        return CertificateReport::period(
            forma3(), watch_, {from.isEmpty() ? 0 : day(from), to.isEmpty() ? 0 : day(to), status});
    }

    std::unique_ptr<CertificateReport> byQuery(const QString& filter, qint32 d1 = 0,
                                               qint32 d2 = 0) {
        auto made = CertificateReport::byQuery(forma3(), watch_, filter, d1, d2);
        if (const auto* error = std::get_if<QString>(&made)) {
            ADD_FAILURE() << error->toStdString();
            return nullptr;
        }
        return std::move(std::get<std::unique_ptr<CertificateReport>>(made));
    }

    // The numbers of the certificates the report prints, in its order.
    std::vector<qint64> printed(CertificateReport& report) {
        std::vector<qint64> numbers;
        const auto note = [&] { numbers.push_back(forma3().record().integer(FR3::NFORM)); };
        while (report.source().fetch(16, note) > 0) {
        }
        return numbers;
    }

    ReportDocument compose(CertificateReport& report) {
        ReportPass pass(report.layout(), report.source());
        EXPECT_EQ(pass.runToEnd(), ReportOutcome::Completed);
        return pass.takeDocument();
    }

    TempFolder data_;
    FailureWatch watch_{std::make_unique<RecordingErrorManager>()};
    TableSet tables_;
};
