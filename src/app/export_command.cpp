#include <QSaveFile>

#include "app/commands.h"
#include "data/certificate_csv.h"
#include "data/forma3.h"
#include "data/schema.h"
#include "runtime/core/csv.h"
#include "runtime/storage/table_set.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование: vetdocs export --data ПАПКА [--order stored|number|date] [ФАЙЛ]\n"
    "Выгружает свидетельства папки данных в CSV (UTF-8, с заголовком). Без ФАЙЛА пишет в\n"
    "стандартный вывод. stored — в порядке записи (все свидетельства), number и date — по\n"
    "номеру и по дате выдачи (без свидетельств с номером 0 или без даты).");

std::optional<int> keyForOrder(const QString& order) {
    if (order == QLatin1String("stored")) return -1;
    if (order == QLatin1String("number")) return FR3::K2;
    if (order == QLatin1String("date")) return FR3::K3;
    return std::nullopt;
}

// Writes every certificate in the order of key (-1: stored order).
bool writeCertificates(TableAccess& table, int key, QTextStream& out) {
    out << Csv::formatRow(CertificateCsv::header());
    ReadRequest request;
    request.key = key;
    request.limit = 500;
    RecordBuffer record(FR3::layout());
    for (;;) {
        const auto page = table.read(request);
        for (const StoredRecord& stored : page) {
            record.setImage(stored.image);
            out << Csv::formatRow(CertificateCsv::fields(record));
        }
        if (static_cast<int>(page.size()) < request.limit) return out.status() == QTextStream::Ok;
        request.after = page.back();
    }
}

}  // namespace

int runExport(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("data"), QStringLiteral("Папка данных."), QStringLiteral("ПАПКА")});
    parser.addOption({QStringLiteral("order"), QStringLiteral("stored, number или date."),
                      QStringLiteral("ПОРЯДОК"), QStringLiteral("stored")});
    parser.addPositionalArgument(QStringLiteral("ФАЙЛ"), QStringLiteral("Куда писать CSV."));
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    if (!dir) return CommandSupport::kUsage;
    const auto key = keyForOrder(parser.value(QStringLiteral("order")));
    if (!key) {
        io.err << "Неизвестный порядок «" << parser.value(QStringLiteral("order"))
               << "»: нужно stored, number или date\n";
        return CommandSupport::kUsage;
    }
    if (parser.positionalArguments().size() > 1) {
        io.err << "Лишние параметры: " << parser.positionalArguments().mid(1).join(u' ') << "\n";
        return CommandSupport::kUsage;
    }
    if (!CommandSupport::useDataFolder(*dir, true, io)) return CommandSupport::kFailure;

    ConsoleErrorManager errors(&io.err);
    TableSet tables(vetdocsSchema(), errors);
    TableRelation& certificates = tables.relate(u"FORMA3");
    if (!certificates.open()) return CommandSupport::kFailure;

    if (parser.positionalArguments().isEmpty())
        return writeCertificates(certificates.access(), *key, io.out) ? 0 : CommandSupport::kFailure;
    QSaveFile file(parser.positionalArguments().first());
    if (!file.open(QIODevice::WriteOnly)) {
        io.err << "Не удалось создать файл " << file.fileName() << ": " << file.errorString() << "\n";
        return CommandSupport::kFailure;
    }
    QTextStream out(&file);
    if (!writeCertificates(certificates.access(), *key, out) || !(out.flush(), file.commit())) {
        io.err << "Не удалось записать файл " << file.fileName() << ": " << file.errorString() << "\n";
        return CommandSupport::kFailure;
    }
    return 0;
}
