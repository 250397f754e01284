#include "data/data_folder.h"

#include <QDir>

Shared<QString> Forma3FileName;
Shared<QString> LicenziyFileName;

namespace {
Shared<QString> workFolderPath;
}

namespace DataFolder {

QString normalized(const QString& path) {
    QString p = path.trimmed();
    p.replace(u'\\', u'/');
    if (!p.isEmpty() && !p.endsWith(u'/')) p += u'/';
    return p;
}

std::optional<QString> refusal(const QString& path) {
    const QString folder = normalized(path);
    if (folder.size() + QStringLiteral("licenziy.dat").size() <= kMaxFileName) return std::nullopt;
    return QStringLiteral(
               "Путь к БД слишком длинный (%1 символов): с именем файла он не "
               "должен превышать %2 символов.")
        .arg(folder.size())
        .arg(kMaxFileName);
}

namespace {

QString certificatesIn(const QString& folder) {
    return folder.isEmpty() ? QString() : folder + QStringLiteral("forma3.dat");
}

}  // namespace

std::optional<QString> activate(const QString& path) {
    if (auto refused = refusal(path)) return refused;
    const QString folder = normalized(path);
    Forma3FileName.set(certificatesIn(folder));
    LicenziyFileName.set(folder.isEmpty() ? QString() : folder + QStringLiteral("licenziy.dat"));
    return std::nullopt;
}

bool isActive(const QString& path) {
    const QString file = certificatesIn(normalized(path));
    return !file.isEmpty() && file == Forma3FileName.get();
}

void setWorkFolder(const QString& path) {
    workFolderPath.set(path);
}

QString workFolder() {
    const QString p = workFolderPath.get();
    return p.isEmpty() ? QDir::currentPath() : p;
}

QString workFile(const QString& name) {
    return QDir(workFolder()).filePath(name + QStringLiteral(".DAT"));
}

}  // namespace DataFolder
