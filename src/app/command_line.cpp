#include "app/command_line.h"

#include <QFileInfo>
#include <span>

#include "app/commands.h"
#include "data/data_folder.h"
#include "runtime/ui/settings_file.h"

namespace {

const Command kCommands[] = {
    {"import", "добавить свидетельства из CSV-файла", runImport},
    {"export", "выгрузить свидетельства в CSV", runExport},
    {"check", "проверить таблицы и перестроить повреждённые ключи", runCheck},
};

const Command* findCommand(const QString& name) {
    for (const Command& c : kCommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

void printUsage(QTextStream& s) {
    s << "Использование: vetdocs [--workdir ПАПКА] [--settings ФАЙЛ] КОМАНДА [параметры]\n"
         "Без команды открывается окно программы.\n\n"
         "  --workdir ПАПКА   рабочая папка (LAST.DAT, CONFIG.DAT, RIDGEN.DAT)\n"
         "  --settings ФАЙЛ   файл настроек окон вместо vetdocs.INI\n\n"
         "Команды (vetdocs КОМАНДА --help — подробнее):\n";
    for (const Command& c : kCommands)
        s << "  " << QString::fromLatin1(c.name).leftJustified(10) << QString::fromUtf8(c.summary) << "\n";
}

}  // namespace

bool isCommandLine(const QStringList& args) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--workdir") || a == QLatin1String("--settings")) {
            ++i;
            continue;
        }
        return findCommand(a) || a == QLatin1String("--help") || a == QLatin1String("-h");
    }
    return false;
}

int runCommandLine(const QStringList& args, CommandIo& io) {
    qsizetype i = 0;
    for (; i < args.size(); i += 2) {
        const QString& option = args[i];
        const bool workdir = option == QLatin1String("--workdir");
        if (!workdir && option != QLatin1String("--settings")) break;
        if (i + 1 >= args.size()) {
            io.err << "Не указано значение параметра " << option << "\n";
            return CommandSupport::kUsage;
        }
        if (workdir) {
            if (!QFileInfo(args[i + 1]).isDir()) {
                io.err << "Рабочая папка не найдена: " << args[i + 1] << "\n";
                return CommandSupport::kFailure;
            }
            DataFolder::setWorkFolder(args[i + 1]);
        } else {
            SettingsFile::instance().setPath(args[i + 1]);
        }
    }
    if (i >= args.size() || args[i] == QLatin1String("--help") || args[i] == QLatin1String("-h")) {
        printUsage(i >= args.size() ? io.err : io.out);
        return i >= args.size() ? CommandSupport::kUsage : 0;
    }
    const Command* command = findCommand(args[i]);
    if (!command) {
        io.err << "Неизвестная команда «" << args[i] << "».\n";
        printUsage(io.err);
        return CommandSupport::kUsage;
    }
    return command->run(args.mid(i + 1), io);
}
