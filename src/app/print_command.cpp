#include <QPointF>
#include <cstdlib>
#include <variant>

#include "app/commands.h"
#include "data/schema.h"
#include "data/shared_values.h"
#include "print/certificate_print.h"
#include "runtime/report/page_renderer.h"
#include "runtime/report/report_pass.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование: vetdocs print --data ПАПКА --number N [--side certificate|counterfoil|back]\n"
    "                     [--shift X,Y] --pdf ФАЙЛ\n"
    "Записывает в PDF страницы, которые печать свидетельства № N дала бы на бланк:\n"
    "certificate — свидетельство (по умолчанию), counterfoil — корешок, back — обратную\n"
    "сторону. Места и шрифт значений берутся из активной настройки печати (LAST.DAT рабочей\n"
    "папки); --shift сдвигает всю форму на X мм вправо и Y мм вниз, каждое от -50 до 50,\n"
    "например --shift=5,-3. Бланк в PDF не попадает, как и при печати.");

constexpr qint64 kLargestNumber = 999'999'999;  // FR3:NFORM holds nine digits

std::optional<PrintSide> sideNamed(const QString& name) {
    if (name == QLatin1String("certificate")) return PrintSide::Certificate;
    if (name == QLatin1String("counterfoil")) return PrintSide::Counterfoil;
    if (name == QLatin1String("back")) return PrintSide::BackSide;
    return std::nullopt;
}

std::optional<qint64> certificateNumber(const QString& text) {
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok || number < 1 || number > kLargestNumber) return std::nullopt;
    return number;
}

std::optional<QPointF> shiftOf(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 2) return std::nullopt;
    bool xOk = false;
    bool yOk = false;
    const int x = parts[0].trimmed().toInt(&xOk);
    const int y = parts[1].trimmed().toInt(&yOk);
    if (!xOk || !yOk || std::abs(x) > kShiftLimit || std::abs(y) > kShiftLimit) return std::nullopt;
    return QPointF(x, y);
}

struct PrintRequest {
    QString dataFolder;
    qint64 number;
    PrintSide side;
    QPointF shift;
    QString pdf;
};

// The request the options make, or the exit code after a message.
std::variant<PrintRequest, int> parseRequest(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("data"), QStringLiteral("Папка данных."), QStringLiteral("ПАПКА")});
    parser.addOption(
        {QStringLiteral("number"), QStringLiteral("Номер свидетельства."), QStringLiteral("N")});
    parser.addOption({QStringLiteral("side"), QStringLiteral("certificate, counterfoil или back."),
                      QStringLiteral("СТОРОНА"), QStringLiteral("certificate")});
    parser.addOption({QStringLiteral("shift"), QStringLiteral("Сдвиг всей формы, мм: X,Y."),
                      QStringLiteral("X,Y"), QStringLiteral("0,0")});
    parser.addOption(
        {QStringLiteral("pdf"), QStringLiteral("Куда записать PDF."), QStringLiteral("ФАЙЛ")});
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    const auto numberText = CommandSupport::required(parser, QStringLiteral("number"), io);
    const auto pdf = CommandSupport::required(parser, QStringLiteral("pdf"), io);
    if (!dir || !numberText || !pdf) return CommandSupport::kUsage;
    if (!parser.positionalArguments().isEmpty()) {
        io.err << "Лишние параметры: " << parser.positionalArguments().join(u' ') << "\n";
        return CommandSupport::kUsage;
    }
    const auto number = certificateNumber(*numberText);
    if (!number) {
        io.err << "Номер свидетельства «" << *numberText
               << "» не подходит: нужно целое число от 1 до " << kLargestNumber << "\n";
        return CommandSupport::kUsage;
    }
    const auto side = sideNamed(parser.value(QStringLiteral("side")));
    if (!side) {
        io.err << "Неизвестная сторона «" << parser.value(QStringLiteral("side"))
               << "»: нужно certificate, counterfoil или back\n";
        return CommandSupport::kUsage;
    }
    const auto shift = shiftOf(parser.value(QStringLiteral("shift")));
    if (!shift) {
        io.err << "Сдвиг «" << parser.value(QStringLiteral("shift"))
               << "» не подходит: нужно два целых числа миллиметров от -" << kShiftLimit << " до "
               << kShiftLimit << " через запятую, например --shift=5,-3\n";
        return CommandSupport::kUsage;
    }
    return PrintRequest{*dir, *number, *side, *shift, *pdf};
}

}  // namespace

int runPrint(const QStringList& args, CommandIo& io) {
    const auto parsed = parseRequest(args, io);
    if (const int* code = std::get_if<int>(&parsed)) return *code;
    const auto& request = std::get<PrintRequest>(parsed);
    if (!CommandSupport::useDataFolder(request.dataFolder, true, io))
        return CommandSupport::kFailure;

    ConsoleErrorManager errors(&io.err);
    TableSet tables(vetdocsSchema(), errors);
    CertificatePrint print(tables, request.side, request.number, request.shift);
    if (!print.open()) return CommandSupport::kFailure;
    ReportPass pass(print.layout(), print.source());
    switch (pass.runToEnd()) {
        case ReportOutcome::Completed:
            break;
        case ReportOutcome::NoRecords:
            io.err << "Свидетельства № " << request.number << " нет в папке " << request.dataFolder
                   << "; файл " << request.pdf << " не записан.\n";
            return CommandSupport::kFailure;
        default:
            return CommandSupport::kFailure;
    }
    const QString error = PageRenderer::writePdf(pass.takeDocument(), request.pdf);
    if (!error.isEmpty()) {
        io.err << error << "\n";
        return CommandSupport::kFailure;
    }
    return 0;
}
