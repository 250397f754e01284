#include "app/global_options.h"

#include <QDir>
#include <QFileInfo>

#include "app/commands.h"
#include "data/data_folder.h"
#include "runtime/ui/settings_file.h"

std::optional<OptionError> applyGlobalOptions(const QStringList& args, qsizetype& next) {
    QString settings;
    for (next = 0; next < args.size(); next += 2) {
        const QString& option = args[next];
        const bool workdir = option == QLatin1String("--workdir");
        if (!workdir && option != QLatin1String("--settings")) break;
        if (next + 1 >= args.size())
            return OptionError{CommandSupport::kUsage,
                               QStringLiteral("Не указано значение параметра ") + option};
        const QString& value = args[next + 1];
        if (!workdir) {
            settings = value;
        } else if (QFileInfo(value).isDir()) {
            DataFolder::setWorkFolder(value);
        } else {
            return OptionError{CommandSupport::kFailure,
                               QStringLiteral("Рабочая папка не найдена: ") + value};
        }
    }
    SettingsFile::instance().setPath(
        settings.isEmpty()
            ? QDir(DataFolder::workFolder()).filePath(QLatin1String(SettingsFile::kDefaultName))
            : settings);
    return std::nullopt;
}
