#include "runtime/ui/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SettingsFile& SettingsFile::instance() {
    static SettingsFile file;
    return file;
}

SettingsFile::SettingsFile(const QString& path) {
    openFile(path);
}

void SettingsFile::setPath(const QString& path) {
    QMutexLocker lock(&mutex_);
    settings_->sync();
    openFile(path);
}

QString SettingsFile::path() const {
    QMutexLocker lock(&mutex_);
    return settings_->fileName();
}

void SettingsFile::openFile(const QString& path) {
    const QString name =
        path.isEmpty() ? QDir::current().absoluteFilePath(QString::fromLatin1(kDefaultName)) : path;
    problem_.clear();
    settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    if (settings_->status() != QSettings::FormatError) return;
    // Keep what the user had: the damaged file is moved aside, and the
    // program goes on with defaults.
    const QString aside = name + QStringLiteral(".damaged");
    QFile::remove(aside);
    const bool kept = QFile::rename(name, aside);
    problem_ = kept ? QStringLiteral(
                          "Файл настроек %1 повреждён и сохранён как %2; "
                          "окна открываются в исходных размерах.")
                          .arg(QDir::toNativeSeparators(name), QDir::toNativeSeparators(aside))
                    : QStringLiteral(
                          "Файл настроек %1 повреждён; окна открываются в исходных "
                          "размерах.")
                          .arg(QDir::toNativeSeparators(name));
    settings_ = std::make_unique<QSettings>(name, QSettings::IniFormat);
    settings_->clear();
}

QString SettingsFile::keyPath(const QString& section, const QString& key) const {
    return section + QLatin1Char('/') + key;
}

QVariant SettingsFile::value(const QString& section, const QString& key,
                             const QVariant& defaultValue) const {
    QMutexLocker lock(&mutex_);
    return settings_->value(keyPath(section, key), defaultValue);
}

void SettingsFile::setValue(const QString& section, const QString& key, const QVariant& value) {
    QMutexLocker lock(&mutex_);
    settings_->setValue(keyPath(section, key), value);
}

void SettingsFile::remove(const QString& section, const QString& key) {
    QMutexLocker lock(&mutex_);
    settings_->remove(keyPath(section, key));
}

QStringList SettingsFile::keys(const QString& section) const {
    QMutexLocker lock(&mutex_);
    settings_->beginGroup(section);
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    return keys;
}

bool SettingsFile::sync() {
    QMutexLocker lock(&mutex_);
    settings_->sync();
    if (settings_->status() == QSettings::AccessError)
        problem_ = QStringLiteral("Файл настроек %1 не удалось записать.")
                       .arg(QDir::toNativeSeparators(settings_->fileName()));
    return settings_->status() == QSettings::NoError;
}

QString SettingsFile::problem() const {
    QMutexLocker lock(&mutex_);
    return problem_;
}
