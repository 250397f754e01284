#include <QFileInfo>

#include "app/commands.h"
#include "data/data_folder.h"

namespace CommandSupport {

std::optional<int> parse(QCommandLineParser& parser, const QStringList& args, const QString& usage,
                         CommandIo& io) {
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Показать эту справку."));
    parser.addOption(help);
    if (!parser.parse(QStringList{QStringLiteral("vetdocs")} + args)) {
        io.err << parser.errorText() << "\n" << usage << "\n";
        return kUsage;
    }
    if (parser.isSet(help)) {
        io.out << usage << "\n\n" << parser.helpText().section(u'\n', 1);
        return 0;
    }
    return std::nullopt;
}

std::optional<QString> required(const QCommandLineParser& parser, const QString& option, CommandIo& io) {
    if (!parser.isSet(option) || parser.value(option).isEmpty()) {
        io.err << "Не указан обязательный параметр --" << option << "\n";
        return std::nullopt;
    }
    return parser.value(option);
}

bool useDataFolder(const QString& dir, bool mustExist, CommandIo& io) {
    if (!QFileInfo(dir).isDir()) {
        io.err << "Папка данных не найдена: " << dir << "\n";
        return false;
    }
    if (const auto refusal = DataFolder::activate(QFileInfo(dir).absoluteFilePath())) {
        io.err << *refusal << "\n";
        return false;
    }
    if (mustExist && !QFileInfo::exists(DataFolder::normalized(QFileInfo(dir).absoluteFilePath()) +
                                        QStringLiteral("forma3.dat"))) {
        io.err << "В папке " << dir << " нет файла свидетельств forma3.dat\n";
        return false;
    }
    return true;
}

}  // namespace CommandSupport
