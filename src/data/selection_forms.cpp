#include "data/selection_forms.h"

#include <QDir>
#include <QFileInfo>

#include "data/config.h"
#include "data/data_folder.h"

HeadOrganisationForm::HeadOrganisationForm(WindowContext& context, Request request)
    : RecordForm(context, u"RIDGEN", kName, request) {}

DataFolderForm::DataFolderForm(WindowContext& context, Request request)
    : RecordForm(context, u"CONFIG", kName, request) {}

bool DataFolderForm::save() {
    const QString path = DataFolder::normalized(record().text(KON::PATH));
    if (const auto refused = DataFolder::refusal(path)) {
        refuse(KON::PATH, *refused);
        return false;
    }
    // Fits the field: refusal() leaves room for the file names after it.
    record().setText(KON::PATH, path);
    if (!RecordForm::save()) return false;
    warnAboutFolder(path);
    return true;
}

void DataFolderForm::warnAboutFolder(const QString& path) {
    if (path.isEmpty()) {
        notify(QStringLiteral("Путь к БД не указан"),
               QStringLiteral("Путь к БД не указан. Запись сохранена, но подключить эту БД не "
                              "удастся, пока путь не будет указан."));
    } else if (!QFileInfo(path).isDir()) {
        notify(QStringLiteral("Папка не найдена"),
               QStringLiteral("Папка %1 не найдена. Запись сохранена; создайте папку или "
                              "подключите сетевой диск до работы со свидетельствами этой БД.")
                   .arg(QDir::toNativeSeparators(path)));
    }
}
