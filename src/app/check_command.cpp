#include <QFileInfo>

#include "app/commands.h"
#include "data/data_folder.h"
#include "data/schema.h"
#include "runtime/storage/table_set.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование: vetdocs check --data ПАПКА\n"
    "Открывает таблицы папки данных и рабочей папки, проверяет их целостность, перестраивает\n"
    "повреждённые ключи и печатает число записей каждой таблицы. Отсутствующие файлы не\n"
    "создаются.");

}  // namespace

int runCheck(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("data"), QStringLiteral("Папка данных."), QStringLiteral("ПАПКА")});
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const auto dir = CommandSupport::required(parser, QStringLiteral("data"), io);
    if (!dir) return CommandSupport::kUsage;
    if (!CommandSupport::useDataFolder(*dir, false, io)) return CommandSupport::kFailure;

    ConsoleErrorManager errors(&io.err);
    TableSet tables(vetdocsSchema(), errors);
    bool allSound = true;
    for (const TableDef& def : vetdocsSchema().tables) {
        const QString label = def.layout->label();
        const QString path = def.path();
        io.out << label.leftJustified(9) << path << ": ";
        if (!QFileInfo::exists(path)) {
            io.out << "нет файла\n";
            continue;
        }
        TableRelation& table = tables.relate(label);
        io.out.flush();
        if (!table.open()) {
            allSound = false;
            io.out << "не открывается\n";
            continue;
        }
        const bool sound = table.access().checkIntegrity();
        allSound = allSound && sound;
        io.out << "записей " << table.access().count() << (sound ? "" : ", файл повреждён") << "\n";
        table.close();
    }
    return allSound ? 0 : CommandSupport::kFailure;
}
