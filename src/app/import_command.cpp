#include <QFile>
#include <QStringDecoder>

#include "app/commands.h"
#include "data/certificate_csv.h"
#include "data/forma3.h"
#include "data/schema.h"
#include "runtime/core/cp1251.h"
#include "runtime/core/csv.h"
#include "runtime/storage/table_set.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование: vetdocs import --data ПАПКА ФАЙЛ\n"
    "Добавляет свидетельства из CSV-файла (UTF-8 или Windows-1251; первая строка — имена полей,\n"
    "любые и в любом порядке; не названные поля получают начальные значения). Всё или ничего:\n"
    "при ошибке в любой строке ни одно свидетельство не добавляется. Файл forma3.dat создаётся,\n"
    "если его нет.");

struct Rows {
    std::vector<QByteArray> images;
    QString error;
};

// UTF-8 as export writes it; a file that is not valid UTF-8 is taken as
// Windows-1251, as spreadsheets on Russian Windows save CSV.
QString csvText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Cp1251::decode(bytes) : text;
}

// Every data row as a certificate image, or the first problem with its line.
Rows readCertificates(const QString& text) {
    Csv::ParseError parseError;
    const auto rows = Csv::parse(text, &parseError);
    if (!rows)
        return {{}, QStringLiteral("строка %1: %2").arg(parseError.line).arg(parseError.message)};
    if (rows->empty()) return {{}, QStringLiteral("файл пуст: нет строки заголовка")};
    QString error;
    const auto reader = CertificateCsv::Reader::fromHeader(rows->front().fields, &error);
    if (!reader) return {{}, QStringLiteral("строка 1: %1").arg(error)};
    Rows result;
    result.images.reserve(rows->size() - 1);
    RecordBuffer certificate(FR3::layout());
    const TableDef& def = vetdocsSchema().tables.front();
    for (size_t i = 1; i < rows->size(); ++i) {
        certificate.clear();
        def.startValues(certificate);
        if (!reader->fill((*rows)[i].fields, certificate, &error))
            return {{}, QStringLiteral("строка %1: %2").arg((*rows)[i].line).arg(error)};
        result.images.push_back(certificate.image());
    }
    return result;
}

}  // namespace

int runImport(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("data"), QStringLiteral("Папка данных."), QStringLiteral("ПАПКА")});
    parser.addPositionalArgument(QStringLiteral("ФАЙЛ"),
                                 QStringLiteral("CSV-файл со свидетельствами."));
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    if (!dir) return CommandSupport::kUsage;
    if (parser.positionalArguments().size() != 1) {
        io.err << "Укажите один CSV-файл.\n" << kUsage << "\n";
        return CommandSupport::kUsage;
    }
    QFile file(parser.positionalArguments().first());
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << "Не удалось открыть " << file.fileName() << ": " << file.errorString() << "\n";
        return CommandSupport::kFailure;
    }
    const Rows rows = readCertificates(csvText(file.readAll()));
    if (!rows.error.isEmpty()) {
        io.err << file.fileName() << ", " << rows.error << ". Ничего не добавлено.\n";
        return CommandSupport::kFailure;
    }
    if (!CommandSupport::useDataFolder(*dir, false, io)) return CommandSupport::kFailure;

    ConsoleErrorManager errors(&io.err);
    TableSet tables(vetdocsSchema(), errors);
    TableRelation& certificates = tables.relate(u"FORMA3");
    TableAccess& table = certificates.access();
    const auto insertAll = [&] {
        for (const QByteArray& image : rows.images)
            if (!table.record().setImage(image) || !table.insert()) return false;
        return true;
    };
    if (!certificates.open() || !table.transaction(insertAll)) {
        io.err << "Ничего не добавлено.\n";
        return CommandSupport::kFailure;
    }
    io.out << "Добавлено свидетельств: " << rows.images.size() << "\n";
    return 0;
}
