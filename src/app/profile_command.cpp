#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "app/commands.h"
#include "data/last.h"
#include "data/schema.h"
#include "data/standard_profile.h"
#include "print/profile.h"
#include "print/profile_text.h"
#include "runtime/storage/table_set.h"

namespace {

const QString kUsage = QStringLiteral(
    "Использование: vetdocs profile export [ФАЙЛ]\n"
    "               vetdocs profile import ФАЙЛ\n"
    "export пишет активную настройку печати (LAST.DAT рабочей папки) текстом, по строке\n"
    "«ИМЯ = значение» на каждое поле: места в миллиметрах с одним знаком после точки, шрифт\n"
    "и наименование как есть. Без ФАЙЛА пишет в стандартный вывод.\n"
    "import задаёт в активной настройке поля, названные в ФАЙЛЕ (остальные не меняются); в\n"
    "пустой таблице создаёт настройку 1 из стандартной. При ошибке в любой строке не меняет\n"
    "ничего. Строки, начинающиеся с #, и пустые строки пропускаются.");

bool writeText(const QString& text, const QString& fileName, CommandIo& io) {
    if (fileName.isEmpty()) {
        io.out << text;
        return true;
    }
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit())
        return true;
    io.err << "Не удалось записать файл " << fileName << ": " << file.errorString() << "\n";
    return false;
}

std::optional<QString> readText(const QString& fileName, CommandIo& io) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        io.err << "Не удалось открыть файл " << fileName << ": " << file.errorString() << "\n";
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(file.readAll());
    if (utf8.hasError()) {
        io.err << "Файл " << fileName << " не в кодировке UTF-8\n";
        return std::nullopt;
    }
    return text;
}

int exportProfile(TableAccess& last, const QStringList& files, CommandIo& io) {
    if (files.size() > 1) {
        io.err << "Лишние параметры: " << files.mid(1).join(u' ') << "\n";
        return CommandSupport::kUsage;
    }
    if (!Profile::readActive(last)) {
        io.err << "В таблице настроек печати LAST нет ни одной настройки\n";
        return CommandSupport::kFailure;
    }
    const QString text = ProfileText::write(last.record());
    return writeText(text, files.value(0), io) ? 0 : CommandSupport::kFailure;
}

int importProfile(TableRelation& last, const QStringList& files, CommandIo& io) {
    if (files.size() != 1) {
        io.err << (files.isEmpty() ? "Не указан файл настройки\n" : "Лишние параметры\n") << kUsage
               << "\n";
        return CommandSupport::kUsage;
    }
    const auto text = readText(files.first(), io);
    if (!text) return CommandSupport::kFailure;
    RecordBuffer& profile = last.access().record();
    const bool exists = Profile::readActive(last.access());
    if (!exists) profile.setImage(standardProfile());
    if (const QString fault = ProfileText::read(*text, profile); !fault.isEmpty()) {
        io.err << files.first() << ": " << fault << "\nНастройка не изменена.\n";
        return CommandSupport::kFailure;
    }
    return (exists ? last.update() : last.insert()) ? 0 : CommandSupport::kFailure;
}

}  // namespace

int runProfile(const QStringList& args, CommandIo& io) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("ДЕЙСТВИЕ"), QStringLiteral("export или import."));
    parser.addPositionalArgument(QStringLiteral("ФАЙЛ"), QStringLiteral("Файл настройки."));
    if (const auto code = CommandSupport::parse(parser, args, kUsage, io)) return *code;
    const QStringList words = parser.positionalArguments();
    const QString action = words.value(0);
    if (action != QLatin1String("export") && action != QLatin1String("import")) {
        io.err << (action.isEmpty() ? QStringLiteral("Не указано действие")
                                    : QStringLiteral("Неизвестное действие «%1»").arg(action))
               << ": нужно export или import\n"
               << kUsage << "\n";
        return CommandSupport::kUsage;
    }

    ConsoleErrorManager errors(&io.err);
    TableSet tables(vetdocsSchema(), errors);
    TableRelation& last = tables.relate(u"LAST");
    if (!last.open()) return CommandSupport::kFailure;
    const int code = action == QLatin1String("export")
                         ? exportProfile(last.access(), words.mid(1), io)
                         : importProfile(last, words.mid(1), io);
    last.close();
    return code;
}
