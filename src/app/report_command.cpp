#include <QDir>
#include <QFileInfo>

#include "app/commands.h"
#include "data/schema.h"
#include "data/shared_values.h"
#include "reports/certificate_report.h"
#include "runtime/core/cp1251.h"
#include "runtime/core/day_date.h"
#include "runtime/report/page_renderer.h"
#include "runtime/report/report_pass.h"
#include "runtime/storage/table_set.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование:\n"
    "  vetdocs report period --data ПАПКА --from ДД.ММ.ГГГГ --to ДД.ММ.ГГГГ [--status ТЕКСТ] "
    "--pdf ФАЙЛ\n"
    "  vetdocs report register --data ПАПКА [--filter ВЫРАЖЕНИЕ] --pdf ФАЙЛ\n"
    "period — отчёт о документах «Форма №2» с этим комментарием (по умолчанию «Выдано»),\n"
    "выданных с первого по последний день включительно; register — произвольный отчёт по\n"
    "условию фильтра (без условия — все свидетельства). Страницы отчёта пишутся в PDF-файл.");

constexpr int kStatusLength = 9;

QString defaultStatus() {
    return QString::fromUtf8(kDefaultStatus);
}

// The options both reports take.
void addCommonOptions(QCommandLineParser& parser) {
    parser.addOption(
        {QStringLiteral("data"), QStringLiteral("Папка данных."), QStringLiteral("ПАПКА")});
    parser.addOption(
        {QStringLiteral("pdf"), QStringLiteral("PDF-файл отчёта."), QStringLiteral("ФАЙЛ")});
}

std::optional<qint32> dayOption(const QCommandLineParser& parser, const QString& option,
                                CommandIo& io) {
    const auto text = CommandSupport::required(parser, option, io);
    if (!text) return std::nullopt;
    const auto day = DayDate::parse(*text);
    if (day && *day != 0) return day;
    io.err << "Неверная дата в --" << option << ": «" << *text
           << "». Нужна существующая дата в виде ДД.ММ.ГГГГ.\n";
    return std::nullopt;
}

std::optional<QString> statusOption(const QCommandLineParser& parser, CommandIo& io) {
    const QString status = parser.isSet(QStringLiteral("status"))
                               ? parser.value(QStringLiteral("status"))
                               : defaultStatus();
    if (status.size() > kStatusLength) {
        io.err << "Комментарий «" << status << "» длиннее " << kStatusLength << " знаков.\n";
        return std::nullopt;
    }
    if (!Cp1251::encode(status)) {
        io.err << "Комментарий «" << status << "» содержит знаки, которых нет в кодировке 1251.\n";
        return std::nullopt;
    }
    return status;
}

bool writePdf(const ReportDocument& document, const QString& fileName, CommandIo& io) {
    const QString error = PageRenderer::writePdf(document, fileName);
    if (!error.isEmpty()) io.err << error << "\n";
    return error.isEmpty();
}

int finishReport(CertificateReport& report, const QString& pdf, CommandIo& io) {
    ReportPass pass(report.layout(), report.source());
    switch (pass.runToEnd()) {
        case ReportOutcome::NoRecords:
            io.err << noRecordsText() << "\n";
            return CommandSupport::kFailure;
        case ReportOutcome::Completed:
            break;
        default:
            io.err << "Отчёт не составлен: свидетельства не прочитаны.\n";
            return CommandSupport::kFailure;
    }
    const ReportDocument document = pass.takeDocument();
    if (!writePdf(document, pdf, io)) return CommandSupport::kFailure;
    io.out << "Свидетельств в отчёте: " << document.details
           << ", страниц: " << document.pages.size()
           << ", файл: " << QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()) << "\n";
    return 0;
}

// Opens the certificate table of the data folder, makes the report over it
// and writes it.
int runOver(const QString& dir, const QString& pdf, const CertificateReport::Make& make,
            CommandIo& io) {
    if (!CommandSupport::useDataFolder(dir, true, io)) return CommandSupport::kFailure;
    FailureWatch watch(std::make_unique<ConsoleErrorManager>(&io.err));
    TableSet tables(vetdocsSchema(), watch);
    TableRelation& certificates = tables.relate(u"FORMA3");
    if (!certificates.open()) return CommandSupport::kFailure;
    auto made = make(certificates.access(), watch);
    if (const auto* refusal = std::get_if<QString>(&made)) {
        io.err << *refusal << "\n";
        return CommandSupport::kFailure;
    }
    return finishReport(*std::get<std::unique_ptr<CertificateReport>>(made), pdf, io);
}

int runPeriod(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    addCommonOptions(parser);
    parser.addOption(
        {QStringLiteral("from"), QStringLiteral("Первый день."), QStringLiteral("ДАТА")});
    parser.addOption(
        {QStringLiteral("to"), QStringLiteral("Последний день."), QStringLiteral("ДАТА")});
    parser.addOption({QStringLiteral("status"),
                      QStringLiteral("Комментарий свидетельств (по умолчанию «Выдано»)."),
                      QStringLiteral("ТЕКСТ")});
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    const auto pdf = CommandSupport::required(parser, QStringLiteral("pdf"), io);
    if (!dir || !pdf) return CommandSupport::kUsage;
    const auto from = dayOption(parser, QStringLiteral("from"), io);
    const auto to = dayOption(parser, QStringLiteral("to"), io);
    const auto status = statusOption(parser, io);
    if (!from || !to || !status) return CommandSupport::kFailure;
    const CertificateReport::Period period{*from, *to, *status};
    return runOver(
        *dir, *pdf,
        [&](TableAccess& forma3, const FailureWatch& watch) {
            return CertificateReport::Made(CertificateReport::period(forma3, watch, period));
        },
        io);
}

int runRegister(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    addCommonOptions(parser);
    parser.addOption({QStringLiteral("filter"),
                      QStringLiteral("Условие фильтра, как в окне «Форма №2»."),
                      QStringLiteral("ВЫРАЖЕНИЕ")});
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    const auto pdf = CommandSupport::required(parser, QStringLiteral("pdf"), io);
    if (!dir || !pdf) return CommandSupport::kUsage;
    const QString filter = parser.value(QStringLiteral("filter"));
    return runOver(
        *dir, *pdf,
        [&](TableAccess& forma3, const FailureWatch& watch) {
            return CertificateReport::byQuery(forma3, watch, filter, D1.get(), D2.get());
        },
        io);
}

}  // namespace

int runReport(const QStringList& args, CommandIo& io) {
    const QString kind = args.value(0);
    if (kind == QLatin1String("period")) return runPeriod(args.mid(1), io);
    if (kind == QLatin1String("register")) return runRegister(args.mid(1), io);
    if (kind == QLatin1String("--help") || kind == QLatin1String("-h")) {
        io.out << kUsage << "\n";
        return 0;
    }
    io.err << (kind.isEmpty()
                   ? QStringLiteral("Не указан вид отчёта: period или register.")
                   : QStringLiteral("Неизвестный вид отчёта «%1»: нужен period или register.")
                         .arg(kind))
           << "\n"
           << kUsage << "\n";
    return CommandSupport::kUsage;
}
