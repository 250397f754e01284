#pragma once

#include <QMutex>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// The settings file (INIMGR): window placements and saved queries, one
// section per window procedure. Shared by every window and worker. A missing
// or damaged file reads as empty; a damaged one is kept aside as
// "<name>.damaged" before anything is written over it.
class SettingsFile {
public:
    static constexpr const char* kDefaultName = "vetdocs.INI";

    // The process-wide settings file.
    static SettingsFile& instance();

    // Empty: "vetdocs.INI" in the process's current folder.
    explicit SettingsFile(const QString& path = {});

    // Switches to another file; the one in use is written first.
    void setPath(const QString& path);
    QString path() const;

    QVariant value(const QString& section, const QString& key,
                   const QVariant& defaultValue = {}) const;
    void setValue(const QString& section, const QString& key, const QVariant& value);
    void remove(const QString& section, const QString& key);
    QStringList keys(const QString& section) const;

    // Writes what was changed; false when the file could not be written, with
    // the reason in problem().
    bool sync();
    // What went wrong with the file, in words for the user; empty when nothing.
    QString problem() const;

private:
    void openFile(const QString& path);
    QString keyPath(const QString& section, const QString& key) const;

    mutable QMutex mutex_;
    std::unique_ptr<QSettings> settings_;
    QString problem_;
};
