#include <QSaveFile>

#include "app/commands.h"
#include "data/certificate_csv.h"
#include "data/forma3.h"
#include "data/schema.h"
#include "register/register_catalog.h"
#include "register/register_expressions.h"
#include "register/register_orders.h"
#include "runtime/core/csv.h"
#include "runtime/storage/table_set.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование: vetdocs export --data ПАПКА [--order stored|number|date] [--filter ВЫРАЖЕНИЕ]\n"
    "                             [--fuzzy ТЕКСТ] [ФАЙЛ]\n"
    "Выгружает свидетельства папки данных в CSV (UTF-8, с заголовком). Без ФАЙЛА пишет в\n"
    "стандартный вывод. stored — в порядке записи (все свидетельства), number и date — по\n"
    "номеру и по дате выдачи (без свидетельств с номером 0 или без даты).\n"
    "--filter оставляет свидетельства, для которых выражение истинно, как фильтр реестра:\n"
    "  --filter \"INSTRING('РОМАШ', UPPER(FR3:s2), 1, 1) AND FR3:datav >= 81649\"\n"
    "--fuzzy выводит все свидетельства, самые похожие на ТЕКСТ первыми, как поиск реестра\n"
    "(вместо --order).");

std::optional<int> keyForOrder(const QString& order) {
    if (order == QLatin1String("stored")) return -1;
    if (order == QLatin1String("number")) return FR3::K2;
    if (order == QLatin1String("date")) return FR3::K3;
    return std::nullopt;
}

// What to write: an order, or the fuzzy order by a search text, and a filter.
struct Selection {
    int key = -1;
    QString fuzzy;
    std::optional<Expression> filter;
};

bool writeRecord(const RecordBuffer& record, QTextStream& out) {
    out << Csv::formatRow(CertificateCsv::fields(record));
    return out.status() == QTextStream::Ok;
}

// Every certificate the filter accepts, in the order of key (-1: stored order).
bool writeInKeyOrder(TableAccess& table, const Selection& selection, QTextStream& out) {
    ReadRequest request;
    request.key = selection.key;
    request.limit = 500;
    RecordBuffer record(FR3::layout());
    for (;;) {
        const auto page = table.read(request);
        for (const StoredRecord& stored : page) {
            record.setImage(stored.image);
            if (selection.filter && !selection.filter->isTrue(&record)) continue;
            if (!writeRecord(record, out)) return false;
        }
        if (static_cast<int>(page.size()) < request.limit) return true;
        request.after = page.back();
    }
}

// The register's fuzzy order over the certificates the filter accepts.
bool writeInFuzzyOrder(TableAccess& table, ErrorManager& errors, const Selection& selection,
                       QTextStream& out) {
    RegisterCatalog catalog(table, errors);
    if (!catalog.update(true, selection.filter ? &*selection.filter : nullptr)) return false;
    const auto rows =
        RegisterOrders::byLikeness(catalog, FuzzyMatcher::PreparedQuery(selection.fuzzy));
    for (const RegisterRow& row : rows)
        if (table.fetch(row.position) && !writeRecord(table.record(), out)) return false;
    return true;
}

bool writeCertificates(TableAccess& table, ErrorManager& errors, const Selection& selection,
                       QTextStream& out) {
    out << Csv::formatRow(CertificateCsv::header());
    if (!selection.fuzzy.isEmpty()) return writeInFuzzyOrder(table, errors, selection, out);
    return writeInKeyOrder(table, selection, out);
}

// The expression with a mark under the place of the fault.
void reportBadFilter(const QString& text, const ExpressionError& error, QTextStream& err) {
    err << error.message << "\n  " << text << "\n  "
        << QString(std::max(error.position - 1, 0), u' ') << "^\n";
}

std::optional<Selection> selectionOf(const QCommandLineParser& parser, CommandIo& io) {
    Selection selection;
    const auto key = keyForOrder(parser.value(QStringLiteral("order")));
    if (!key) {
        io.err << "Неизвестный порядок «" << parser.value(QStringLiteral("order"))
               << "»: нужно stored, number или date\n";
        return std::nullopt;
    }
    selection.key = *key;
    if (parser.isSet(QStringLiteral("fuzzy"))) {
        selection.fuzzy = parser.value(QStringLiteral("fuzzy"));
        if (selection.fuzzy.trimmed().isEmpty()) {
            io.err << "Пустой текст поиска --fuzzy\n";
            return std::nullopt;
        }
        if (parser.isSet(QStringLiteral("order"))) {
            io.err << "--fuzzy задаёт свой порядок: --order с ним не указывают\n";
            return std::nullopt;
        }
    }
    if (parser.isSet(QStringLiteral("filter"))) {
        const QString text = parser.value(QStringLiteral("filter"));
        auto compiled = Expression::compile(text, RegisterExpressions::context());
        if (const auto* error = std::get_if<ExpressionError>(&compiled)) {
            reportBadFilter(text, *error, io.err);
            return std::nullopt;
        }
        selection.filter = std::move(std::get<Expression>(compiled));
    }
    return selection;
}

}  // namespace

int runExport(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("data"), QStringLiteral("Папка данных."), QStringLiteral("ПАПКА")});
    parser.addOption({QStringLiteral("order"), QStringLiteral("stored, number или date."),
                      QStringLiteral("ПОРЯДОК"), QStringLiteral("stored")});
    parser.addOption({QStringLiteral("filter"),
                      QStringLiteral("Только свидетельства, для которых выражение истинно."),
                      QStringLiteral("ВЫРАЖЕНИЕ")});
    parser.addOption({QStringLiteral("fuzzy"),
                      QStringLiteral("Все свидетельства, самые похожие на текст первыми."),
                      QStringLiteral("ТЕКСТ")});
    parser.addPositionalArgument(QStringLiteral("ФАЙЛ"), QStringLiteral("Куда писать CSV."));
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    if (!dir) return CommandSupport::kUsage;
    const std::optional<Selection> selection = selectionOf(parser, io);
    if (!selection) return CommandSupport::kUsage;
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
        return writeCertificates(certificates.access(), errors, *selection, io.out)
                   ? 0
                   : CommandSupport::kFailure;
    QSaveFile file(parser.positionalArguments().first());
    if (!file.open(QIODevice::WriteOnly)) {
        io.err << "Не удалось создать файл " << file.fileName() << ": " << file.errorString()
               << "\n";
        return CommandSupport::kFailure;
    }
    QTextStream out(&file);
    if (!writeCertificates(certificates.access(), errors, *selection, out) ||
        !(out.flush(), file.commit())) {
        io.err << "Не удалось записать файл " << file.fileName() << ": " << file.errorString()
               << "\n";
        return CommandSupport::kFailure;
    }
    return 0;
}
