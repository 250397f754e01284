#include "app/command_line.h"

#include <span>

#include "app/commands.h"
#include "app/global_options.h"

namespace {

const Command kCommands[] = {
    {"import", "добавить свидетельства из CSV-файла", runImport},
    {"export", "выгрузить свидетельства в CSV", runExport},
    {"check", "проверить таблицы и перестроить повреждённые ключи", runCheck},
    {"print", "записать в PDF печать свидетельства на бланк", runPrint},
    {"profile", "выгрузить или загрузить настройку печати", runProfile},
    {"report", "записать в PDF отчёт о выданных документах", runReport},
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
        s << "  " << QString::fromLatin1(c.name).leftJustified(10) << QString::fromUtf8(c.summary)
          << "\n";
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
    if (const auto error = applyGlobalOptions(args, i)) {
        io.err << error->message << "\n";
        return error->exitCode;
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
