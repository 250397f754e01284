#include <gtest/gtest.h>

#include <QFile>

#include "report_fixture.h"
#include "runtime/report/report_pass.h"
#include "support/command_runner.h"

namespace {

class ReportCommand : public ReportFixture {
protected:
    ReportCommand() {
        add({{1001, QStringLiteral("10.03.2024")},
             {1002, QStringLiteral("11.03.2024"), QStringLiteral("Испорчено")},
             {1003, QStringLiteral("12.03.2024"), QStringLiteral("Выдано"),
              QStringLiteral("ООО «Рассвет»")}});
    }
    ~ReportCommand() override { DataFolder::setWorkFolder({}); }

    CommandResult run(const QStringList& args) {
        return runCommand(work_.path(), QStringList{QStringLiteral("report")} + args);
    }
    QStringList withFolders(QStringList args) {
        return args << QStringLiteral("--data") << data_.path() << QStringLiteral("--pdf") << pdf();
    }
    QString pdf() const { return work_.file(QStringLiteral("report.pdf")); }
    QByteArray pdfStart() {
        QFile file(pdf());
        return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
    }

    TempFolder work_;
};

TEST_F(ReportCommand, PeriodReportIsWrittenAsPdf) {
    const CommandResult r = run(withFolders({QStringLiteral("period"), QStringLiteral("--from"),
                                             QStringLiteral("01.03.2024"), QStringLiteral("--to"),
                                             QStringLiteral("31.03.2024")}));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(pdfStart(), QByteArray("%PDF-"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Свидетельств в отчёте: 2"))) << r.out.toStdString();
}

TEST_F(ReportCommand, StatusChoosesTheCertificates) {
    const CommandResult r = run(withFolders(
        {QStringLiteral("period"), QStringLiteral("--from"), QStringLiteral("01.03.2024"),
         QStringLiteral("--to"), QStringLiteral("31.03.2024"), QStringLiteral("--status"),
         QStringLiteral("Испорчено")}));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Свидетельств в отчёте: 1"))) << r.out.toStdString();
}

TEST_F(ReportCommand, RegisterReportTakesTheFilter) {
    const CommandResult all = run(withFolders({QStringLiteral("register")}));
    EXPECT_EQ(all.code, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.contains(QStringLiteral("Свидетельств в отчёте: 3")))
        << all.out.toStdString();
    const CommandResult some =
        run(withFolders({QStringLiteral("register"), QStringLiteral("--filter"),
                         QStringLiteral("INSTRING('РАССВЕТ',UPPER(FR3:s2),1,1)")}));
    EXPECT_EQ(some.code, 0) << some.err.toStdString();
    EXPECT_TRUE(some.out.contains(QStringLiteral("Свидетельств в отчёте: 1")))
        << some.out.toStdString();
}

struct ErrorCase {
    const char* name;
    QStringList args;
    const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ReportCommandErrors : public ReportCommand,
                            public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ReportCommandErrors, SayWhyAndWriteNoFile) {
    const ErrorCase& c = GetParam();
    const CommandResult r = run(withFolders(c.args));
    EXPECT_NE(r.code, 0);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_FALSE(QFile::exists(pdf() + QStringLiteral(".part")));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ReportCommandErrors,
    ::testing::Values(
        ErrorCase{"EmptyPeriod",
                  {"period", "--from", "01.01.2020", "--to", "31.12.2020"},
                  "There are no records available to process."},
        ErrorCase{"ReversedPeriod",
                  {"period", "--from", "31.03.2024", "--to", "01.03.2024"},
                  "There are no records available to process."},
        ErrorCase{"ImpossibleDate",
                  {"period", "--from", "31.02.2024", "--to", "31.03.2024"},
                  "Неверная дата в --from: «31.02.2024»"},
        ErrorCase{
            "NotADate", {"period", "--from", "1.3.2024", "--to", "март"}, "Неверная дата в --to"},
        ErrorCase{"MissingDate", {"period", "--to", "31.03.2024"}, "--from"},
        ErrorCase{
            "LongStatus",
            {"period", "--from", "01.03.2024", "--to", "31.03.2024", "--status", "Выдано давно"},
            "длиннее 9 знаков"},
        ErrorCase{
            "UnreadableFilter", {"register", "--filter", "fr3:nform = = 1"}, "Ошибка в выражении"},
        ErrorCase{"FilterSelectsNothing",
                  {"register", "--filter", "fr3:nform=5"},
                  "There are no records available to process."},
        ErrorCase{"UnknownReport", {"periodic"}, "Неизвестный вид отчёта"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportCommand, FolderWithoutCertificatesIsRefused) {
    TempFolder empty;
    const CommandResult r = run({QStringLiteral("register"), QStringLiteral("--data"), empty.path(),
                                 QStringLiteral("--pdf"), pdf()});
    EXPECT_NE(r.code, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("forma3.dat"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(empty.file(QStringLiteral("forma3.dat"))));
}

TEST_F(ReportCommand, PdfThatCannotBeWrittenIsAFailure) {
    const CommandResult r =
        run({QStringLiteral("register"), QStringLiteral("--data"), data_.path(),
             QStringLiteral("--pdf"), work_.file(QStringLiteral("missing/report.pdf"))});
    EXPECT_NE(r.code, 0);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_FALSE(QFile::exists(work_.file(QStringLiteral("missing/report.pdf.part"))));
}

}  // namespace
